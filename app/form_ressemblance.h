// The similarity aid's review window: the proposals in one list with check boxes,
// the count under it, and the buttons to place the ticked ones, untick all or
// cancel. A shell over fenetre::RevueRessemblance, which decides everything.
#pragma once

#include <QAbstractTableModel>
#include <QDialog>

#include "window/revue_ressemblance.h"

class QLabel;
class QPushButton;
class QTableView;

namespace corrinom::app {

// The lines as a virtual list: the view asks for the cells it draws.
class ModeleRessemblance : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit ModeleRessemblance(fenetre::RevueRessemblance& revue, QObject* parent = nullptr)
      : QAbstractTableModel(parent), revue_(revue) {}

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  bool setData(const QModelIndex& index, const QVariant& valeur, int role) override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  // A line ticked or unticked (others may have followed).
  void Bascule(int ligne);
  void ToutDecocher();
  void Trie(int colonne);

 signals:
  void ComptesChanges();

 private:
  void CochesChangees();

  fenetre::RevueRessemblance& revue_;
};

class TFormRessemblance : public QDialog {
  Q_OBJECT

 public:
  explicit TFormRessemblance(fenetre::RevueRessemblance& revue, QWidget* parent = nullptr);

  QTableView* ListeRessemblance() const { return liste_; }
  QLabel* LabelCompte() const { return compte_; }
  QPushButton* ButtonPlacer() const { return placer_; }
  QPushButton* ButtonToutDecocher() const { return toutDecocher_; }
  QPushButton* ButtonAnnuler() const { return annuler_; }

 protected:
  bool eventFilter(QObject* objet, QEvent* e) override;

 private:
  void ColonneClick(int colonne);

  fenetre::RevueRessemblance& revue_;
  ModeleRessemblance modele_;
  QTableView* liste_ = nullptr;
  QLabel* compte_ = nullptr;
  QPushButton* placer_ = nullptr;
  QPushButton* toutDecocher_ = nullptr;
  QPushButton* annuler_ = nullptr;
};

}  // namespace corrinom::app
