#include "app/form_cherche_champ.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <cmath>

#include "app/fenetres_qt.h"
#include "app/texte_qt.h"
#include "window/cherche_champ_fenetre.h"

namespace corrinom::app {

TFormChercheChamp::TFormChercheChamp(QWidget* parent) : QDialog(parent) {
  PrepareFenetre(*this, "FormChercheChamp", kTitreChercheChamp);
  setWindowIcon(QIcon(QStringLiteral(":/images/corrinom.png")));
  // A fixed dialog border with the system menu only: no resizing, no help button.
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  setFont(PoliceFenetres());
  setFixedSize(fenetre::kTailleChercheChamp.largeur, fenetre::kTailleChercheChamp.hauteur);

  using Genre = fenetre::GenreChoix;
  for (const fenetre::ControleChoix& c : fenetre::kControlesChercheChamp) {
    QWidget* w = nullptr;
    switch (c.genre) {
      case Genre::Trait: {
        auto* trait = new QFrame(this);
        trait->setFrameShape(QFrame::HLine);
        trait->setFrameShadow(QFrame::Sunken);
        w = trait;
        break;
      }
      case Genre::Noms:
      case Genre::Exemples: {
        auto* liste = new QListWidget(this);
        const bool noms = c.genre == Genre::Noms;
        liste->setSelectionMode(noms ? QAbstractItemView::SingleSelection : QAbstractItemView::NoSelection);
        (noms ? ListBoxNomChamps_ : ListBoxExemples_) = liste;
        w = liste;
        break;
      }
      case Genre::BoutonOk:
      case Genre::BoutonAnnuler: {
        QPushButton* b = Bouton(this, c);
        const bool ok = c.genre == Genre::BoutonOk;
        b->setAutoDefault(ok);
        b->setDefault(ok);
        connect(b, &QPushButton::clicked, this, ok ? &QDialog::accept : &QDialog::reject);
        w = b;
        break;
      }
      case Genre::Libelle:
      case Genre::Message:
      case Genre::Titre: {
        auto* l = new QLabel(VersQt(c.texte), this);
        if (c.genre == Genre::Message) {
          l->setWordWrap(true);
          LabelMess_ = l;
        } else if (c.genre == Genre::Titre) {
          l->setAlignment(Qt::AlignCenter);
          QFont grasse = l->font();
          grasse.setBold(true);
          grasse.setPointSizeF(grasse.pointSizeF() > 0 ? grasse.pointSizeF() * 1.5 : 12);
          l->setFont(grasse);
          LabelTitre_ = l;
        }
        w = l;
        break;
      }
    }
    w->setObjectName(VersQt(c.nom));
    w->setGeometry(RectQt(c.place));
  }
  connect(ListBoxNomChamps_, &QListWidget::itemSelectionChanged, this, &TFormChercheChamp::AfficheExemples);

  for (std::size_t i = 1; i < fenetre::kTabulationChercheChamp.size(); ++i)
    setTabOrder(findChild<QWidget*>(VersQt(fenetre::kTabulationChercheChamp[i - 1])),
                findChild<QWidget*>(VersQt(fenetre::kTabulationChercheChamp[i])));
  NommeControles(*this);
}

void TFormChercheChamp::Prepare(const DemandeChamp& demande) {
  demande_ = demande;
  LabelMess_->setText(VersQt(demande.message));
  LabelTitre_->setText(VersQt(demande.titre));
  ListBoxExemples_->clear();
  {
    const QSignalBlocker bloque(ListBoxNomChamps_);
    ListBoxNomChamps_->clear();
    for (const std::string& nom : demande.noms) ListBoxNomChamps_->addItem(VersQt(nom));
    ListBoxNomChamps_->setCurrentRow(
        fenetre::PreselectionChercheChamp(demande.preselection, ListBoxNomChamps_->count()).value_or(-1));
  }
  AfficheExemples();
  ListBoxNomChamps_->setFocus();
}

void TFormChercheChamp::Place(int dpi, const QRect& bureau) {
  const QRect autour = parentWidget() ? parentWidget()->window()->frameGeometry() : bureau;
  const QRect ext = frameGeometry(), client = geometry();
  const fenetre::Marges cadre{client.left() - ext.left(), client.top() - ext.top(), ext.right() - client.right(),
                              ext.bottom() - client.bottom()};
  const auto rectangle = [](const QRect& r) { return fenetre::Rectangle{r.x(), r.y(), r.width(), r.height()}; };
  const fenetre::GeometrieFenetre n = fenetre::PlaceChercheChamp(cadre, rectangle(autour), dpi, rectangle(bureau));
  setFixedSize(n.client.largeur, n.client.hauteur);
  // An explicit place: Qt's dialog no longer centres it on its own.
  move(n.position.x, n.position.y);
}

void TFormChercheChamp::showEvent(QShowEvent* e) {
  if (!e->spontaneous()) {
    QScreen* ecran = parentWidget() ? parentWidget()->screen() : screen();
    if (!ecran) ecran = QGuiApplication::primaryScreen();
    if (ecran) Place(static_cast<int>(std::lround(ecran->logicalDotsPerInch())), ecran->availableGeometry());
  }
  QDialog::showEvent(e);
}

std::optional<int> TFormChercheChamp::Selection() const {
  const QList<QListWidgetItem*> choisis = ListBoxNomChamps_->selectedItems();
  if (choisis.isEmpty()) return std::nullopt;
  return ListBoxNomChamps_->row(choisis.front());
}

void TFormChercheChamp::AfficheExemples() {
  ListBoxExemples_->clear();
  for (const std::string& exemple : fenetre::ExemplesChercheChamp(demande_, Selection()))
    ListBoxExemples_->addItem(VersQt(exemple));
}

std::optional<int> TFormChercheChamp::ChoisirChamp(const DemandeChamp& demande) {
  Prepare(demande);
  exec();
  return fenetre::ChoixChercheChamp(result() == QDialog::Accepted, Selection());
}

}  // namespace corrinom::app
