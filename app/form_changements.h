// The change list: every pending row, as the operator reads it before writing,
// with buttons to print it, save it as CSV and restore a journal.
#pragma once

#include <QDialog>
#include <QString>
#include <memory>
#include <vector>

#include "window/liste_changements.h"

class QFileDialog;
class QPrinter;
class QPushButton;
class QTreeWidget;

namespace corrinom::app {

class TFormChangements : public QDialog {
  Q_OBJECT

 public:
  using Restauration = fenetre::ListeChangementsFenetre::Restauration;

  // `magasin` names the server or the base in the printed header. `restaurer`
  // runs a restore (null: no restore button).
  TFormChangements(std::vector<LigneChangement> lignes, const QString& magasin,
                   Restauration restaurer = nullptr, QWidget* parent = nullptr);

  QTreeWidget* ListeChangements() const { return liste_; }
  QPushButton* ButtonRestaurer() const { return restaurer_; }  // null without a restore

  // "Enregistrer..."'s dialog, not yet shown.
  std::unique_ptr<QFileDialog> CreeDialogueEnregistrer();

  // What the buttons do once their file or printer is chosen.
  int Imprime(QPrinter& imprimante) const;
  bool Enregistre(const QString& fichier);  // false after telling the operator why
  void Restaure(const QString& journal);

 private:
  void ImprimerClick();
  void EnregistrerClick();
  void RestaurerClick();
  void Remplit();

  fenetre::ListeChangementsFenetre logique_;
  QTreeWidget* liste_ = nullptr;
  QPushButton* restaurer_ = nullptr;
};

}  // namespace corrinom::app
