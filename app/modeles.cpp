#include "app/modeles.h"

#include <QBrush>

#include "app/texte_qt.h"
#include "window/controles.h"

namespace corrinom::app {

const QIcon& ImageListRougeVertGris::Image(int marque) {
  static const std::array<QIcon, 4> images{
      QIcon(QStringLiteral(":/images/marque_gris.png")),
      QIcon(QStringLiteral(":/images/marque_vert.png")),
      QIcon(QStringLiteral(":/images/marque_rose.png")),
      QIcon(QStringLiteral(":/images/marque_rouge.png")),
  };
  static const QIcon aucune;
  if (marque < 0 || marque >= static_cast<int>(images.size())) return aucune;
  return images[static_cast<std::size_t>(marque)];
}

void ModeleListe::Rafraichit() {
  beginResetModel();
  endResetModel();
}

int ModeleListe::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(Titres().size());
}

QVariant ModeleListe::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  const QStringList& t = Titres();
  if (section < 0 || section >= t.size()) return {};
  return t[section];
}

Qt::ItemFlags ModeleListe::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::ItemIsDropEnabled;
  // Read-only rows that can be selected and dragged.
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled;
}

namespace {

template <std::size_t N>
constexpr std::array<int, N> Largeurs(const std::array<fenetre::Colonne, N>& colonnes) {
  std::array<int, N> l{};
  for (std::size_t i = 0; i < N; ++i) l[i] = colonnes[i].largeur;
  return l;
}

template <std::size_t N>
QStringList TitresColonnes(const std::array<fenetre::Colonne, N>& colonnes) {
  QStringList t;
  for (const fenetre::Colonne& c : colonnes) t << VersQt(c.titre);
  return t;
}

}  // namespace

const std::array<int, 7> ModeleComptes::kLargeurs = Largeurs(fenetre::kColonnesComptes);

const QStringList& ModeleComptes::Titres() const {
  static const QStringList titres = TitresColonnes(fenetre::kColonnesComptes);
  return titres;
}

int ModeleComptes::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(etat_.comptes.size());
}

QVariant ModeleComptes::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const LigneCompte& ligne = etat_.comptes[static_cast<std::size_t>(index.row())];
  switch (role) {
    case Qt::DisplayRole:
      if (index.column() == 0) return VersQt(ligne.login);
      return VersQt(ligne.sousItem(static_cast<std::size_t>(index.column() - 1)));
    case Qt::DecorationRole:
      if (index.column() == 0) return ImageListRougeVertGris::Image(ligne.marque);
      return {};
    case Qt::ForegroundRole:
      return QBrush(Qt::black);
    case Qt::ToolTipRole:
      // The list's hint, wherever the pointer rests on it.
      return VersQt(etat_.indicationComptes);
    default:
      return {};
  }
}

const std::array<int, 3> ModeleRebus::kLargeurs = Largeurs(fenetre::kColonnesRebus);

const QStringList& ModeleRebus::Titres() const {
  static const QStringList titres = TitresColonnes(fenetre::kColonnesRebus);
  return titres;
}

int ModeleRebus::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(etat_.rebus.size());
}

QVariant ModeleRebus::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  if (role == Qt::ToolTipRole) {
    if (etat_.indicationRebus.empty()) return {};
    return VersQt(etat_.indicationRebus);
  }
  if (role != Qt::DisplayRole) return {};
  const LigneRebus& ligne = etat_.rebus[static_cast<std::size_t>(index.row())];
  switch (index.column()) {
    case 0: return VersQt(ligne.nom);
    case 1: return VersQt(ligne.prenoms);
    case 2: return VersQt(ligne.dateNaiss);
    default: return {};
  }
}

}  // namespace corrinom::app
