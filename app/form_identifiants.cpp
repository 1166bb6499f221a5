#include "app/form_identifiants.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/fenetres_qt.h"
#include "app/texte_qt.h"
#include "window/fenetres_annexes.h"

namespace corrinom::app {

FormIdentifiants::FormIdentifiants(const QString& serveur, QWidget* parent) : QDialog(parent) {
  PrepareFenetre(*this, "FormIdentifiants", fenetre::kTitreIdentifiants);
  setWindowIcon(QIcon(QStringLiteral(":/images/corrinom.png")));

  auto* pile = new QVBoxLayout(this);
  auto* explication = new QLabel(QString::fromStdString(fenetre::ExplicationIdentifiants(serveur.toStdString())), this);
  explication->setObjectName(QStringLiteral("LabelExplication"));
  explication->setWordWrap(true);
  pile->addWidget(explication);

  auto* champs = new QFormLayout;
  EditUtilisateur_ = new QLineEdit(VersQt(fenetre::kUtilisateurParDefaut), this);
  EditUtilisateur_->setObjectName(QStringLiteral("EditUtilisateur"));
  EditMotDePasse_ = new QLineEdit(this);
  EditMotDePasse_->setObjectName(QStringLiteral("EditMotDePasse"));
  EditMotDePasse_->setEchoMode(QLineEdit::Password);
  champs->addRow(VersQt(fenetre::kLibelleUtilisateur), EditUtilisateur_);
  champs->addRow(VersQt(fenetre::kLibelleMotDePasse), EditMotDePasse_);
  pile->addLayout(champs);

  auto* boutons = new QDialogButtonBox(this);
  QPushButton* ok = boutons->addButton(VersQt(fenetre::kTexteOkIdentifiants), QDialogButtonBox::AcceptRole);
  ok->setObjectName(QStringLiteral("ButtonOk"));
  ok->setDefault(true);
  boutons->addButton(VersQt(fenetre::kTexteAnnulerIdentifiants), QDialogButtonBox::RejectRole)
      ->setObjectName(QStringLiteral("ButtonAnnuler"));
  connect(boutons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  pile->addWidget(boutons);

  // Ok only with a name.
  const auto metAJourOk = [this, ok] { ok->setEnabled(!Utilisateur().isEmpty()); };
  connect(EditUtilisateur_, &QLineEdit::textChanged, this, metAJourOk);
  NommeControles(*this);
  EditMotDePasse_->setFocus();
  setMinimumWidth(fenetre::kLargeurIdentifiants);
  metAJourOk();
}

QString FormIdentifiants::Utilisateur() const { return EditUtilisateur_->text().trimmed(); }
QString FormIdentifiants::MotDePasse() const { return EditMotDePasse_->text(); }

}  // namespace corrinom::app
