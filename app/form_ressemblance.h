// The similarity aid's review window: the proposals in one list with check boxes,
// the count under it, and the buttons to place the ticked ones, untick all or
// cancel. A shell over fenetre::RevueRessemblance, which decides everything.
#pragma once

#include <QDialog>

#include "window/revue_ressemblance.h"

class QLabel;
class QTableView;

namespace corrinom::app {

class ModeleRessemblance;

class TFormRessemblance : public QDialog {
  Q_OBJECT

 public:
  explicit TFormRessemblance(fenetre::RevueRessemblance& revue, QWidget* parent = nullptr);

 protected:
  bool eventFilter(QObject* objet, QEvent* e) override;

 private:
  // Draws the ticks and the count again after a change of ticks.
  void CochesChangees();
  void ColonneClick(int colonne);

  fenetre::RevueRessemblance& revue_;
  ModeleRessemblance* modele_ = nullptr;
  QTableView* liste_ = nullptr;
  QLabel* compte_ = nullptr;
};

}  // namespace corrinom::app
