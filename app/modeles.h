// The two report lists as Qt models over the core's working state. The models own
// nothing: they read EtatRapprochement and are told to refresh after each operation.
#pragma once

#include <QAbstractTableModel>
#include <QIcon>
#include <QStyledItemDelegate>
#include <array>
#include <optional>
#include <vector>

#include "reconcile/deplacements.h"
#include "reconcile/etat.h"

namespace corrinom::fenetre {
class LogiqueFenetre;
}

namespace corrinom::app {

// The four mark pictures of ImageListRougeVertGris, by mark.
class ImageListRougeVertGris {
 public:
  static const QIcon& Image(Marque marque);  // an empty icon for a value outside the four
};

// ListViewUsers (the login with the mark picture, then sub-items 0 to 5, for the
// rows the window's filter shows) or ListViewRebus (last name, first names, birth
// date), as a Qt model over the window logic's rows of that list. It owns nothing
// and is told to refresh after each operation.
class ModeleListe : public QAbstractTableModel {
  Q_OBJECT

 public:
  ModeleListe(ListeSource liste, const EtatRapprochement& etat, const fenetre::LogiqueFenetre& logique,
              QObject* parent = nullptr);
  // In "Nouv. noms" and "Nouv. prénoms": one character per letter, '1' for a
  // letter that differs from the current name (LettresChangees), else '0'.
  static constexpr int kRoleLettresChangees = Qt::UserRole + 1;
  // The mark's colour, for the emphasized letters.
  static constexpr int kRoleCouleurMarque = Qt::UserRole + 2;

  // The whole state may have changed: rows, order, texts, marks.
  void Rafraichit();

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

 private:
  QVariant DonneeCompte(const LigneCompte& ligne, int colonne, int role) const;

  ListeSource liste_;
  const EtatRapprochement& etat_;
  const fenetre::LogiqueFenetre& logique_;
  QStringList titres_;
};

// Draws the letters of a new name that differ from the current one in bold, in
// the colour of the row's mark.
class DelegueLettresChangees : public QStyledItemDelegate {
  Q_OBJECT

 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* peintre, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
};

}  // namespace corrinom::app
