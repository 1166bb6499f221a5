#include "app/form_ressemblance.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <functional>

#include "app/fenetres_qt.h"
#include "app/texte_qt.h"

namespace corrinom::app {

// The lines as a virtual list: the view asks for the cells it draws. A tick
// changed through the check box is told to `cochesChangees`.
class ModeleRessemblance : public QAbstractTableModel {
 public:
  ModeleRessemblance(fenetre::RevueRessemblance& revue, std::function<void()> cochesChangees, QObject* parent)
      : QAbstractTableModel(parent), revue_(revue), cochesChangees_(std::move(cochesChangees)) {}

  int rowCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() ? 0 : static_cast<int>(revue_.NombreLignes());
  }
  int columnCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() ? 0 : static_cast<int>(fenetre::kColonnesRessemblance.size());
  }

  QVariant data(const QModelIndex& index, int role) const override {
    if (!index.isValid()) return {};
    const auto ligne = static_cast<std::size_t>(index.row());
    if (index.column() == fenetre::kColonneCoche) {
      if (role == Qt::CheckStateRole) return revue_.Cochee(ligne) ? Qt::Checked : Qt::Unchecked;
      return {};
    }
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole) return VersQt(revue_.Texte(ligne, index.column()));
    if (role == Qt::TextAlignmentRole && index.column() == fenetre::kColonneScore)
      return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    return {};
  }

  bool setData(const QModelIndex& index, const QVariant& valeur, int role) override {
    if (!index.isValid() || index.column() != fenetre::kColonneCoche || role != Qt::CheckStateRole) return false;
    const auto ligne = static_cast<std::size_t>(index.row());
    if ((valeur.toInt() == Qt::Checked) != revue_.Cochee(ligne)) {
      revue_.Bascule(ligne);
      cochesChangees_();
    }
    return true;
  }

  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= columnCount())
      return {};
    return VersQt(fenetre::kColonnesRessemblance[static_cast<std::size_t>(section)].titre);
  }

  Qt::ItemFlags flags(const QModelIndex& index) const override {
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.column() == fenetre::kColonneCoche) f |= Qt::ItemIsUserCheckable;
    return f;
  }

  void CochesChangees() {
    if (rowCount() > 0) emit dataChanged(index(0, 0), index(rowCount() - 1, 0), {Qt::CheckStateRole});
  }

  void Trie(int colonne) {
    beginResetModel();
    revue_.TrieColonne(colonne);
    endResetModel();
  }

 private:
  fenetre::RevueRessemblance& revue_;
  std::function<void()> cochesChangees_;
};

TFormRessemblance::TFormRessemblance(fenetre::RevueRessemblance& revue, QWidget* parent)
    : QDialog(parent), revue_(revue), modele_(new ModeleRessemblance(revue, [this] { CochesChangees(); }, this)) {
  PrepareFenetre(*this, "FormRessemblance", fenetre::kTitreRessemblance, fenetre::kTailleRessemblance);
  setModal(true);
  setSizeGripEnabled(true);

  auto* disposition = new QVBoxLayout(this);
  auto* consigne = new QLabel(VersQt(fenetre::kConsigneRessemblance), this);
  consigne->setObjectName(QStringLiteral("LabelConsigne"));
  disposition->addWidget(consigne);

  liste_ = new QTableView(this);
  liste_->setObjectName(QStringLiteral("ListeRessemblance"));
  liste_->setAccessibleName(VersQt(fenetre::kTitreRessemblance));
  liste_->setModel(modele_);
  liste_->setSelectionBehavior(QAbstractItemView::SelectRows);
  liste_->setSelectionMode(QAbstractItemView::SingleSelection);
  liste_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  liste_->setShowGrid(false);
  liste_->setWordWrap(false);
  liste_->verticalHeader()->hide();
  liste_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  liste_->verticalHeader()->setDefaultSectionSize(liste_->fontMetrics().height() + 6);
  liste_->horizontalHeader()->setSectionsClickable(true);
  liste_->horizontalHeader()->setHighlightSections(false);
  for (std::size_t c = 0; c < fenetre::kColonnesRessemblance.size(); ++c)
    liste_->setColumnWidth(static_cast<int>(c), fenetre::kColonnesRessemblance[c].largeur);
  liste_->horizontalHeader()->setStretchLastSection(true);
  liste_->installEventFilter(this);
  connect(liste_->horizontalHeader(), &QHeaderView::sectionClicked, this, &TFormRessemblance::ColonneClick);
  disposition->addWidget(liste_, 1);
  if (modele_->rowCount() > 0) liste_->selectRow(0);

  compte_ = new QLabel(VersQt(revue_.TexteCompte()), this);
  compte_->setObjectName(QStringLiteral("LabelCompte"));
  disposition->addWidget(compte_);

  // Placer accepts, Tout décocher unticks all, Annuler (after the gap) rejects.
  const std::vector<QPushButton*> b = RangeeBoutons(this, *disposition, fenetre::kBoutonsRessemblance);
  b[0]->setDefault(true);
  connect(b[0], &QPushButton::clicked, this, &QDialog::accept);
  connect(b[1], &QPushButton::clicked, this, [this] {
    revue_.ToutDecocher();
    CochesChangees();
  });
  connect(b[2], &QPushButton::clicked, this, &QDialog::reject);
  liste_->setFocus();
}

void TFormRessemblance::CochesChangees() {
  modele_->CochesChangees();
  compte_->setText(VersQt(revue_.TexteCompte()));
}

bool TFormRessemblance::eventFilter(QObject* objet, QEvent* e) {
  if (objet == liste_ && e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Space) {
    if (liste_->currentIndex().isValid()) {
      revue_.Bascule(static_cast<std::size_t>(liste_->currentIndex().row()));
      CochesChangees();
    }
    return true;
  }
  return QDialog::eventFilter(objet, e);
}

void TFormRessemblance::ColonneClick(int colonne) {
  const QModelIndex courant = liste_->currentIndex();
  modele_->Trie(colonne);
  if (courant.isValid()) {
    const int ligne = static_cast<int>(revue_.PositionApresTri(static_cast<std::size_t>(courant.row())));
    liste_->setCurrentIndex(modele_->index(ligne, courant.column()));
    liste_->selectRow(ligne);
  }
}

}  // namespace corrinom::app
