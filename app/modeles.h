// The two report lists as Qt models over the core's working state. The models own
// nothing: they read EtatRapprochement and are told to refresh after each operation.
#pragma once

#include <QAbstractTableModel>
#include <QIcon>
#include <array>

#include "reconcile/etat.h"

namespace corrinom::app {

// The four mark pictures of ImageListRougeVertGris, by mark index.
class ImageListRougeVertGris {
 public:
  static const QIcon& Image(int marque);  // an empty icon for any other index
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

// ListViewUsers: login (with the mark picture), then sub-items 0 to 5.
class ModeleComptes : public ModeleListe {
  Q_OBJECT

 public:
  using ModeleListe::ModeleListe;
  static const std::array<int, 7> kLargeurs;

  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;

 protected:
  const QStringList& Titres() const override;
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
