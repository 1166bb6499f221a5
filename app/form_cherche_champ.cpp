#include "app/form_cherche_champ.h"

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "app/fenetres_qt.h"
#include "app/texte_qt.h"
#include "import/cherche_champ.h"
#include "window/fenetres_annexes.h"

namespace corrinom::app {

namespace {

// The place of a control of the chooser by name; every name used here is in the table.
const fenetre::ControleAnnexe& Fait(std::string_view nom) {
  for (const fenetre::ControleAnnexe& c : fenetre::kControlesChercheChamp)
    if (c.nom == nom) return c;
  Q_ASSERT(false);
  return fenetre::kControlesChercheChamp.front();
}

QString Nom(std::string_view nom) { return QString::fromLatin1(nom.data(), static_cast<qsizetype>(nom.size())); }

QLabel* Etiquette(QWidget* parent, std::string_view nom) {
  auto* l = new QLabel(VersQt(Fait(nom).texte), parent);
  l->setObjectName(Nom(nom));
  l->setGeometry(RectQt(Fait(nom).place));
  return l;
}

}  // namespace

TFormChercheChamp::TFormChercheChamp(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("FormChercheChamp"));
  setWindowTitle(VersQt(kTitreChercheChamp));
  setWindowIcon(QIcon(QStringLiteral(":/images/corrinom.png")));
  // A fixed dialog border with the system menu only: no resizing, no help button.
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  setFont(PoliceFenetres());
  setFixedSize(fenetre::kTailleChercheChamp.largeur, fenetre::kTailleChercheChamp.hauteur);

  LabelMess_ = Etiquette(this, "LabelMess");
  LabelMess_->setWordWrap(true);
  Etiquette(this, "LabelAnnuler");

  auto* trait = new QFrame(this);
  trait->setObjectName(QStringLiteral("Bevel1"));
  trait->setFrameShape(QFrame::HLine);
  trait->setFrameShadow(QFrame::Sunken);
  trait->setGeometry(RectQt(Fait("Bevel1").place));

  LabelTitre_ = Etiquette(this, "LabelTitre");
  LabelTitre_->setAlignment(Qt::AlignCenter);
  QFont grasse = LabelTitre_->font();
  grasse.setBold(true);
  grasse.setPointSizeF(grasse.pointSizeF() > 0 ? grasse.pointSizeF() * 1.5 : 12);
  LabelTitre_->setFont(grasse);

  Etiquette(this, "LabelNomsChamps");
  Etiquette(this, "LabelExemples");

  ListBoxNomChamps_ = new QListWidget(this);
  ListBoxNomChamps_->setObjectName(QStringLiteral("ListBoxNomChamps"));
  ListBoxNomChamps_->setGeometry(RectQt(Fait("ListBoxNomChamps").place));
  ListBoxNomChamps_->setSelectionMode(QAbstractItemView::SingleSelection);
  connect(ListBoxNomChamps_, &QListWidget::itemSelectionChanged, this,
          &TFormChercheChamp::ListBoxNomChampsClick);

  ListBoxExemples_ = new QListWidget(this);
  ListBoxExemples_->setObjectName(QStringLiteral("ListBoxExemples"));
  ListBoxExemples_->setGeometry(RectQt(Fait("ListBoxExemples").place));
  ListBoxExemples_->setSelectionMode(QAbstractItemView::NoSelection);

  ButtonOk_ = Bouton(this, Fait("ButtonOk"));
  ButtonOk_->setAutoDefault(true);
  ButtonOk_->setDefault(true);
  connect(ButtonOk_, &QPushButton::clicked, this, &QDialog::accept);

  ButtonAnnuler_ = Bouton(this, Fait("ButtonAnnuler"));
  connect(ButtonAnnuler_, &QPushButton::clicked, this, &QDialog::reject);

  setTabOrder(ListBoxNomChamps_, ButtonOk_);
  setTabOrder(ButtonOk_, ButtonAnnuler_);
  NommeControles(*this);

  AjusteFenetre(*this);
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

void TFormChercheChamp::ListBoxNomChampsClick() { AfficheExemples(); }

void TFormChercheChamp::AfficheExemples() {
  ListBoxExemples_->clear();
  const QList<QListWidgetItem*> choisis = ListBoxNomChamps_->selectedItems();
  if (choisis.isEmpty() || !demande_.exemples) return;
  const int n = ListBoxNomChamps_->row(choisis.front());
  for (const std::string& exemple : demande_.exemples(n)) ListBoxExemples_->addItem(VersQt(exemple));
}

std::optional<int> TFormChercheChamp::Choix() const {
  const QList<QListWidgetItem*> choisis = ListBoxNomChamps_->selectedItems();
  return fenetre::ChoixChercheChamp(result() == QDialog::Accepted,
                                    choisis.isEmpty() ? std::nullopt
                                                      : std::optional<int>(ListBoxNomChamps_->row(choisis.front())));
}

std::optional<int> TFormChercheChamp::ChoisirChamp(const DemandeChamp& demande) {
  Prepare(demande);
  exec();
  return Choix();
}

}  // namespace corrinom::app
