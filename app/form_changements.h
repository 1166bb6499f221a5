// The change list: every pending row, as the operator reads it before writing,
// with buttons to print it, save it as CSV and restore a journal.
#pragma once

#include <QDateTime>
#include <QDialog>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "session/liste_changements.h"

class QPrinter;
class QPushButton;
class QTreeWidget;

namespace corrinom::app {

// Draws the list on the printer's pages, each under a header with the date, the
// store and the page number. Returns the number of pages (0 when the printer
// cannot be painted on).
int ImprimeChangements(QPrinter& imprimante, const std::vector<LigneChangement>& lignes,
                       const QString& magasin, const QDateTime& quand);

class TFormChangements : public QDialog {
  Q_OBJECT

 public:
  // Restores the chosen journal file; gives the rows as they stand afterwards,
  // or nothing when no account was restored.
  using Restauration = std::function<std::optional<std::vector<LigneChangement>>(const QString&)>;

  // `magasin` names the server or the base in the printed header. `restaurer`
  // runs a restore (null: no restore button).
  TFormChangements(std::vector<LigneChangement> lignes, QString magasin,
                   Restauration restaurer = nullptr, QWidget* parent = nullptr);

  QTreeWidget* ListeChangements() const { return liste_; }
  QPushButton* ButtonImprimer() const { return imprimer_; }
  QPushButton* ButtonEnregistrer() const { return enregistrer_; }
  QPushButton* ButtonRestaurer() const { return restaurer_; }

  // What the buttons do once their file or printer is chosen.
  int Imprime(QPrinter& imprimante) const;
  bool Enregistre(const QString& fichier);  // false after telling the operator why
  void Restaure(const QString& journal);

 private:
  void ImprimerClick();
  void EnregistrerClick();
  void RestaurerClick();
  void Remplit();

  std::vector<LigneChangement> lignes_;
  QString magasin_;
  Restauration actionRestaurer_;
  QTreeWidget* liste_ = nullptr;
  QPushButton* imprimer_ = nullptr;
  QPushButton* enregistrer_ = nullptr;
  QPushButton* restaurer_ = nullptr;
};

}  // namespace corrinom::app
