// The administrator's name and password, asked before the accounts are read when
// the system's store needs them (Samba's libnetapi, which would otherwise prompt on
// the terminal and fall back to an anonymous session that cannot write).
#pragma once

#include <QDialog>

class QLineEdit;

namespace corrinom::app {

class FormIdentifiants : public QDialog {
  Q_OBJECT

 public:
  // `serveur`: the server named by --serveur, empty for this machine.
  explicit FormIdentifiants(const QString& serveur, QWidget* parent = nullptr);

  QString Utilisateur() const;
  QString MotDePasse() const;

 private:
  QLineEdit* EditUtilisateur_ = nullptr;
  QLineEdit* EditMotDePasse_ = nullptr;
};

}  // namespace corrinom::app
