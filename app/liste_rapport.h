// A report-style list (one selected row, whole-row selection, read-only) with the
// drag and drop and keys of the main window's two lists. Drag data is
// fenetre::ContenuGlisse's: drags from other programs, other windows or other
// instances of Corrinom count as foreign sources.
#pragma once

#include <QByteArray>
#include <QTreeView>
#include <optional>

#include "reconcile/deplacements.h"

class QMimeData;

namespace corrinom::app {

// The drag data of a row of `source` started in the window identified by `jeton`.
QMimeData* DonneesGlisse(ListeSource source, const QByteArray& jeton);

// The source a drag's data stands for, seen from the window identified by `jeton`.
ListeSource SourceGlisse(const QMimeData* donnees, const QByteArray& jeton);

class ListeRapport : public QTreeView {
  Q_OBJECT

 public:
  ListeRapport(ListeSource moi, QByteArray jeton, QWidget* parent = nullptr);

  // The selected row, or none.
  std::optional<std::size_t> LigneSelectionnee() const;
  void SelectionneLigne(std::optional<std::size_t> ligne);

  // The row found 10 pixels from the list's left edge at the given height of the
  // viewport, or none (below the last row).
  std::optional<std::size_t> LigneALaHauteur(int y) const;

 signals:
  void Depose(corrinom::ListeSource source, std::optional<std::size_t> cible);
  void ToucheSuppr();

 protected:
  void startDrag(Qt::DropActions actions) override;
  void dragEnterEvent(QDragEnterEvent* e) override;
  void dragMoveEvent(QDragMoveEvent* e) override;
  void dropEvent(QDropEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;

 private:
  // Accepts the drag or drop as a move, or refuses it: true when accepted.
  bool Accepte(QDropEvent* e) const;

  ListeSource moi_;
  QByteArray jeton_;
};

}  // namespace corrinom::app
