// The two report lists as Qt models over the core's working state. The models own
// nothing: they read EtatRapprochement and are told to refresh after each operation.
#pragma once

#include <QAbstractTableModel>
#include <QIcon>
#include <QStyledItemDelegate>
#include <array>
#include <optional>
#include <vector>

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

class ModeleListe : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit ModeleListe(const EtatRapprochement& etat, QObject* parent = nullptr)
      : QAbstractTableModel(parent), etat_(etat) {}

  // The whole state may have changed: rows, order, texts, marks.
  void Rafraichit();

  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

 protected:
  virtual const QStringList& Titres() const = 0;
  int columnCount(const QModelIndex& parent = {}) const override;

  const EtatRapprochement& etat_;
};

// ListViewUsers: login (with the mark picture), then sub-items 0 to 5, for the
// rows the window's filter shows; a row of the view is the logic's LigneEtat.
class ModeleComptes : public ModeleListe {
  Q_OBJECT

 public:
  ModeleComptes(const EtatRapprochement& etat, const fenetre::LogiqueFenetre& logique, QObject* parent = nullptr)
      : ModeleListe(etat, parent), logique_(logique) {}
  static const std::array<int, 7> kLargeurs;
  // In "Nouv. noms" and "Nouv. prénoms": one character per letter, '1' for a
  // letter that differs from the current name (LettresChangees), else '0'.
  static constexpr int kRoleLettresChangees = Qt::UserRole + 1;
  // The mark's colour, for the emphasized letters.
  static constexpr int kRoleCouleurMarque = Qt::UserRole + 2;

  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;

 protected:
  const QStringList& Titres() const override;

 private:
  const fenetre::LogiqueFenetre& logique_;
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

// ListViewRebus: last name, first names, birth date.
class ModeleRebus : public ModeleListe {
  Q_OBJECT

 public:
  using ModeleListe::ModeleListe;
  static const std::array<int, 3> kLargeurs;

  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;

 protected:
  const QStringList& Titres() const override;
};

}  // namespace corrinom::app
