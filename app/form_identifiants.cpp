#include "app/form_identifiants.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace corrinom::app {

FormIdentifiants::FormIdentifiants(const QString& serveur, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("FormIdentifiants"));
  setWindowTitle(QStringLiteral("Identifiants de l'administrateur"));
  setWindowIcon(QIcon(QStringLiteral(":/images/corrinom.png")));

  auto* pile = new QVBoxLayout(this);
  const QString machine = serveur.isEmpty() ? QStringLiteral("de ce serveur") : QStringLiteral("du serveur %1").arg(serveur);
  auto* explication = new QLabel(
      QStringLiteral("Pour lire et modifier les comptes %1, Corrinom a besoin du nom et du mot de "
                     "passe d'un administrateur.")
          .arg(machine),
      this);
  explication->setObjectName(QStringLiteral("LabelExplication"));
  explication->setWordWrap(true);
  pile->addWidget(explication);

  auto* champs = new QFormLayout;
  EditUtilisateur_ = new QLineEdit(QStringLiteral("root"), this);
  EditUtilisateur_->setObjectName(QStringLiteral("EditUtilisateur"));
  EditMotDePasse_ = new QLineEdit(this);
  EditMotDePasse_->setObjectName(QStringLiteral("EditMotDePasse"));
  EditMotDePasse_->setEchoMode(QLineEdit::Password);
  champs->addRow(QStringLiteral("Nom de l'administrateur :"), EditUtilisateur_);
  champs->addRow(QStringLiteral("Mot de passe :"), EditMotDePasse_);
  pile->addLayout(champs);

  auto* boutons = new QDialogButtonBox(this);
  ButtonOk_ = boutons->addButton(QStringLiteral("Ok"), QDialogButtonBox::AcceptRole);
  ButtonOk_->setObjectName(QStringLiteral("ButtonOk"));
  ButtonOk_->setDefault(true);
  ButtonAnnuler_ = boutons->addButton(QStringLiteral("Annuler"), QDialogButtonBox::RejectRole);
  ButtonAnnuler_->setObjectName(QStringLiteral("ButtonAnnuler"));
  connect(boutons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  pile->addWidget(boutons);

  connect(EditUtilisateur_, &QLineEdit::textChanged, this, &FormIdentifiants::MetAJourOk);
  EditMotDePasse_->setFocus();
  setMinimumWidth(360);
  MetAJourOk();
}

QString FormIdentifiants::Utilisateur() const { return EditUtilisateur_->text().trimmed(); }
QString FormIdentifiants::MotDePasse() const { return EditMotDePasse_->text(); }

void FormIdentifiants::MetAJourOk() { ButtonOk_->setEnabled(!Utilisateur().isEmpty()); }

}  // namespace corrinom::app
