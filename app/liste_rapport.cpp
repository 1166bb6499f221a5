#include "app/liste_rapport.h"

#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMimeData>

#include "window/controles.h"
#include "window/logique_fenetre.h"

namespace corrinom::app {

namespace {
QString TypeGlisse() { return QString::fromLatin1(fenetre::kTypeGlisse); }
}  // namespace

QMimeData* DonneesGlisse(ListeSource source, const QByteArray& jeton) {
  auto* d = new QMimeData;
  d->setData(TypeGlisse(), QByteArray::fromStdString(fenetre::ContenuGlisse(source, jeton.toStdString())));
  return d;
}

ListeSource SourceGlisse(const QMimeData* donnees, const QByteArray& jeton) {
  if (!donnees || !donnees->hasFormat(TypeGlisse())) return ListeSource::Autre;
  return fenetre::SourceDuContenu(donnees->data(TypeGlisse()).toStdString(), jeton.toStdString());
}

ListeRapport::ListeRapport(ListeSource moi, QByteArray jeton, QWidget* parent)
    : QTreeView(parent), moi_(moi), jeton_(std::move(jeton)) {
  setRootIsDecorated(false);
  setItemsExpandable(false);
  setUniformRowHeights(true);
  setAllColumnsShowFocus(true);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSortingEnabled(false);
  setDropIndicatorShown(false);
  setDragDropMode(QAbstractItemView::DragDrop);
  setDefaultDropAction(Qt::MoveAction);
  header()->setSectionsClickable(true);
  header()->setSectionsMovable(false);
  header()->setStretchLastSection(false);
  header()->setSortIndicatorShown(false);
}

std::optional<std::size_t> ListeRapport::LigneSelectionnee() const {
  if (!selectionModel()) return std::nullopt;
  const QModelIndexList lignes = selectionModel()->selectedRows();
  if (lignes.isEmpty()) return std::nullopt;
  const int r = lignes.front().row();
  if (r < 0 || !model() || r >= model()->rowCount()) return std::nullopt;
  return static_cast<std::size_t>(r);
}

void ListeRapport::SelectionneLigne(std::optional<std::size_t> ligne) {
  if (!model() || !selectionModel()) return;
  if (!ligne || static_cast<int>(*ligne) >= model()->rowCount()) {
    selectionModel()->clearSelection();
    return;
  }
  const QModelIndex i = model()->index(static_cast<int>(*ligne), 0);
  selectionModel()->setCurrentIndex(
      i, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

std::optional<std::size_t> ListeRapport::LigneALaHauteur(int y) const {
  const QModelIndex i = indexAt(QPoint(10, y));
  if (!i.isValid()) return std::nullopt;
  return static_cast<std::size_t>(i.row());
}

void ListeRapport::startDrag(Qt::DropActions) {
  // The dragged row is always the selected one; a press on empty space drags nothing.
  if (!LigneSelectionnee()) return;
  auto* glisse = new QDrag(this);
  glisse->setMimeData(DonneesGlisse(moi_, jeton_));
  glisse->exec(Qt::MoveAction);
}

bool ListeRapport::Accepte(QDropEvent* e) const {
  // Which drags a list accepts is the window's logic's to say, wherever the
  // pointer is, rows or empty space.
  const bool accepte = fenetre::LogiqueFenetre::AccepteGlisse(moi_, SourceGlisse(e->mimeData(), jeton_));
  if (accepte) {
    e->setDropAction(Qt::MoveAction);
    e->accept();
  } else {
    e->ignore();
  }
  return accepte;
}

void ListeRapport::dragEnterEvent(QDragEnterEvent* e) {
  if (Accepte(e)) setState(DraggingState);
}

void ListeRapport::dragMoveEvent(QDragMoveEvent* e) {
  // Qt's own handling scrolls a long list when the pointer nears its edge.
  QTreeView::dragMoveEvent(e);
  Accepte(e);
}

void ListeRapport::dropEvent(QDropEvent* e) {
  stopAutoScroll();
  setState(NoState);
  if (!Accepte(e)) return;
  // The model is never changed by Qt itself: the window asks the core to move.
  e->setDropAction(Qt::CopyAction);
  emit Depose(SourceGlisse(e->mimeData(), jeton_), LigneALaHauteur(e->position().toPoint().y()));
}

void ListeRapport::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_Delete) {
    emit ToucheSuppr();
    e->accept();
    return;
  }
  QTreeView::keyPressEvent(e);
}

}  // namespace corrinom::app
