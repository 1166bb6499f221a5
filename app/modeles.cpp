#include "app/modeles.h"

#include <QApplication>
#include <QBrush>
#include <QImage>
#include <QPainter>

#include "app/texte_qt.h"
#include "window/accessibilite.h"
#include "window/confort.h"
#include "window/controles.h"
#include "window/images_marques.h"
#include "window/logique_fenetre.h"

namespace corrinom::app {

namespace {

// One mark at the sizes a list or a label may ask for, from 100% to 400% of 16 pixels.
QIcon IconeMarque(Marque marque) {
  QIcon icone;
  for (const int cote : {16, 20, 24, 32, 40, 48, 64}) {
    const fenetre::ImageMarque image = fenetre::DessineMarque(marque, cote);
    const QImage vue(reinterpret_cast<const uchar*>(image.argb.data()), cote, cote, cote * 4, QImage::Format_ARGB32);
    icone.addPixmap(QPixmap::fromImage(vue.copy()));
  }
  return icone;
}

}  // namespace

const QIcon& ImageListRougeVertGris::Image(Marque marque) {
  static const std::array<QIcon, 4> images{IconeMarque(Marque::NePasChanger), IconeMarque(Marque::DejaBon),
                                           IconeMarque(Marque::ModificationMineure),
                                           IconeMarque(Marque::ModificationImportante)};
  static const QIcon aucune;
  const int i = IndexMarque(marque);
  if (i < 0 || i >= static_cast<int>(images.size())) return aucune;
  return images[static_cast<std::size_t>(i)];
}

ModeleListe::ModeleListe(ListeSource liste, const EtatRapprochement& etat, const fenetre::LogiqueFenetre& logique,
                         QObject* parent)
    : QAbstractTableModel(parent), liste_(liste), etat_(etat), logique_(logique) {
  for (const fenetre::Colonne& c : fenetre::ColonnesListe(fenetre::NomListe(liste))) titres_ << VersQt(c.titre);
}

void ModeleListe::Rafraichit() {
  beginResetModel();
  endResetModel();
}

int ModeleListe::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(logique_.NombreLignes(liste_));
}

int ModeleListe::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(titres_.size());
}

QVariant ModeleListe::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  if (section < 0 || section >= titres_.size()) return {};
  return titres_[section];
}

Qt::ItemFlags ModeleListe::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::ItemIsDropEnabled;
  // Read-only rows that can be selected and dragged.
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled;
}

QVariant ModeleListe::data(const QModelIndex& index, int role) const {
  const std::optional<std::size_t> ligne = index.isValid() ? logique_.LigneEtat(liste_, index.row()) : std::nullopt;
  if (!ligne) return {};
  if (role == Qt::DisplayRole)
    return VersQt(logique_.TexteCellule(liste_, index.row(), static_cast<std::size_t>(index.column())));
  if (liste_ == ListeSource::Comptes) return DonneeCompte(etat_.comptes[*ligne], index.column(), role);
  // The list's hint, wherever the pointer rests on it.
  if (role != Qt::ToolTipRole || etat_.indicationRebus.empty()) return {};
  return VersQt(etat_.indicationRebus);
}

QVariant ModeleListe::DonneeCompte(const LigneCompte& ligne, int colonne, int role) const {
  switch (role) {
    case kRoleLettresChangees: {
      const std::vector<bool> change = fenetre::LettresSurlignees(ligne, colonne);
      if (change.empty()) return {};
      QString masque;
      masque.reserve(static_cast<qsizetype>(change.size()));
      for (bool c : change) masque += c ? QLatin1Char('1') : QLatin1Char('0');
      return masque;
    }
    case kRoleCouleurMarque: {
      const fenetre::Couleur c = fenetre::CouleurMarque(ligne.marque);
      return QColor(c.rouge, c.vert, c.bleu);
    }
    case Qt::DecorationRole:
      if (colonne == 0) return ImageListRougeVertGris::Image(ligne.marque);
      return {};
    case Qt::AccessibleTextRole:
      // The mark is a picture: a screen reader says its words after the login.
      if (colonne == 0) return VersQt(fenetre::TexteAccessibleCompte(ligne));
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

void DelegueLettresChangees::paint(QPainter* peintre, const QStyleOptionViewItem& option,
                                   const QModelIndex& index) const {
  const QString masque = index.data(ModeleListe::kRoleLettresChangees).toString();
  const QString texte = index.data(Qt::DisplayRole).toString();
  // Each CP1252 byte is one character of the text, so the mask lines up with it.
  if (!masque.contains(QLatin1Char('1')) || masque.size() != texte.size())
    return QStyledItemDelegate::paint(peintre, option, index);

  QStyleOptionViewItem fond = option;
  initStyleOption(&fond, index);
  fond.text.clear();
  const QWidget* vue = option.widget;
  QStyle* style = vue ? vue->style() : QApplication::style();
  style->drawControl(QStyle::CE_ItemViewItem, &fond, peintre, vue);

  const QRect zone = style->subElementRect(QStyle::SE_ItemViewItemText, &fond, vue).adjusted(2, 0, -2, 0);
  const bool choisie = option.state & QStyle::State_Selected;
  const QColor normale = choisie ? option.palette.color(QPalette::HighlightedText) : QColor(Qt::black);
  const QColor marque = index.data(ModeleListe::kRoleCouleurMarque).value<QColor>();
  QFont gras = option.font;
  gras.setBold(true);
  peintre->save();
  peintre->setClipRect(zone);
  int x = zone.left();
  std::vector<bool> change;
  for (const QChar c : masque) change.push_back(c == QLatin1Char('1'));
  for (const fenetre::Morceau& m : fenetre::Morceaux(change)) {
    const QString morceau = texte.mid(static_cast<qsizetype>(m.debut), static_cast<qsizetype>(m.fin - m.debut));
    const QFont& police = m.change ? gras : option.font;
    peintre->setFont(police);
    peintre->setPen(m.change && !choisie ? marque : normale);
    peintre->drawText(QRect(x, zone.top(), zone.right() - x + 1, zone.height()),
                      Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, morceau);
    x += QFontMetrics(police).horizontalAdvance(morceau);
  }
  peintre->restore();
}

}  // namespace corrinom::app
