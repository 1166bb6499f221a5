#include "app/form_cherche_champ.h"

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "app/ajuste_fenetre.h"
#include "app/form_corrinom.h"
#include "app/texte_qt.h"
#include "import/cherche_champ.h"

namespace corrinom::app {

namespace {

QLabel* Etiquette(QWidget* parent, const QString& nom, const QString& texte, const QRect& place) {
  auto* l = new QLabel(texte, parent);
  if (!nom.isEmpty()) l->setObjectName(nom);
  l->setGeometry(place);
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
  setFixedSize(336, 309);

  LabelMess_ = Etiquette(this, QStringLiteral("LabelMess"), {}, QRect(8, 6, 320, 30));
  LabelMess_->setWordWrap(true);
  Etiquette(this, QStringLiteral("LabelAnnuler"), VersQt(kAnnulerChercheChamp), QRect(8, 38, 320, 16));

  auto* trait = new QFrame(this);
  trait->setObjectName(QStringLiteral("Bevel1"));
  trait->setFrameShape(QFrame::HLine);
  trait->setFrameShadow(QFrame::Sunken);
  trait->setGeometry(8, 58, 320, 4);

  LabelTitre_ = Etiquette(this, QStringLiteral("LabelTitre"), {}, QRect(8, 64, 320, 26));
  LabelTitre_->setAlignment(Qt::AlignCenter);
  QFont grasse = LabelTitre_->font();
  grasse.setBold(true);
  grasse.setPointSizeF(grasse.pointSizeF() > 0 ? grasse.pointSizeF() * 1.5 : 12);
  LabelTitre_->setFont(grasse);

  Etiquette(this, QStringLiteral("LabelNomsChamps"), VersQt(kColonneNomsChamps), QRect(8, 94, 130, 16));
  Etiquette(this, QStringLiteral("LabelExemples"), VersQt(kColonneExemples), QRect(144, 94, 184, 16));

  ListBoxNomChamps_ = new QListWidget(this);
  ListBoxNomChamps_->setObjectName(QStringLiteral("ListBoxNomChamps"));
  ListBoxNomChamps_->setGeometry(8, 112, 130, 154);
  ListBoxNomChamps_->setSelectionMode(QAbstractItemView::SingleSelection);
  connect(ListBoxNomChamps_, &QListWidget::itemSelectionChanged, this,
          &TFormChercheChamp::ListBoxNomChampsClick);

  ListBoxExemples_ = new QListWidget(this);
  ListBoxExemples_->setObjectName(QStringLiteral("ListBoxExemples"));
  ListBoxExemples_->setGeometry(144, 112, 184, 154);
  ListBoxExemples_->setSelectionMode(QAbstractItemView::NoSelection);

  ButtonOk_ = new QPushButton(QStringLiteral("Ok"), this);
  ButtonOk_->setObjectName(QStringLiteral("ButtonOk"));
  ButtonOk_->setGeometry(84, 276, 75, 25);
  ButtonOk_->setDefault(true);
  connect(ButtonOk_, &QPushButton::clicked, this, &QDialog::accept);

  ButtonAnnuler_ = new QPushButton(QStringLiteral("Annuler"), this);
  ButtonAnnuler_->setObjectName(QStringLiteral("ButtonAnnuler"));
  ButtonAnnuler_->setGeometry(176, 276, 75, 25);
  ButtonAnnuler_->setAutoDefault(false);
  connect(ButtonAnnuler_, &QPushButton::clicked, this, &QDialog::reject);

  setTabOrder(ListBoxNomChamps_, ButtonOk_);
  setTabOrder(ButtonOk_, ButtonAnnuler_);

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
    if (demande.preselection >= 0 && demande.preselection < ListBoxNomChamps_->count())
      ListBoxNomChamps_->setCurrentRow(demande.preselection);
    else
      ListBoxNomChamps_->setCurrentRow(-1);
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
  if (result() != QDialog::Accepted) return std::nullopt;
  const QList<QListWidgetItem*> choisis = ListBoxNomChamps_->selectedItems();
  if (choisis.isEmpty()) return std::nullopt;
  return ListBoxNomChamps_->row(choisis.front());
}

std::optional<int> TFormChercheChamp::ChoisirChamp(const DemandeChamp& demande) {
  Prepare(demande);
  exec();
  return Choix();
}

}  // namespace corrinom::app
