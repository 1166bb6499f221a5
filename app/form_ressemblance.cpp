#include "app/form_ressemblance.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "app/texte_qt.h"

namespace corrinom::app {

int ModeleRessemblance::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(revue_.NombreLignes());
}

int ModeleRessemblance::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(fenetre::kColonnesRessemblance.size());
}

QVariant ModeleRessemblance::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const auto ligne = static_cast<std::size_t>(index.row());
  if (index.column() == fenetre::kColonneCoche) {
    if (role == Qt::CheckStateRole) return revue_.Cochee(ligne) ? Qt::Checked : Qt::Unchecked;
    return {};
  }
  if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
    return VersQt(revue_.Texte(ligne, index.column()));
  if (role == Qt::TextAlignmentRole && index.column() == fenetre::kColonneScore)
    return QVariant(Qt::AlignRight | Qt::AlignVCenter);
  return {};
}

bool ModeleRessemblance::setData(const QModelIndex& index, const QVariant& valeur, int role) {
  if (!index.isValid() || index.column() != fenetre::kColonneCoche || role != Qt::CheckStateRole)
    return false;
  const bool coche = valeur.toInt() == Qt::Checked;
  if (coche != revue_.Cochee(static_cast<std::size_t>(index.row()))) Bascule(index.row());
  return true;
}

QVariant ModeleRessemblance::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
      section >= columnCount())
    return {};
  return VersQt(fenetre::kColonnesRessemblance[static_cast<std::size_t>(section)].titre);
}

Qt::ItemFlags ModeleRessemblance::flags(const QModelIndex& index) const {
  Qt::ItemFlags f = QAbstractTableModel::flags(index);
  if (index.column() == fenetre::kColonneCoche) f |= Qt::ItemIsUserCheckable;
  return f;
}

void ModeleRessemblance::CochesChangees() {
  if (rowCount() > 0) emit dataChanged(index(0, 0), index(rowCount() - 1, 0), {Qt::CheckStateRole});
  emit ComptesChanges();
}

void ModeleRessemblance::Bascule(int ligne) {
  if (ligne < 0) return;
  revue_.Bascule(static_cast<std::size_t>(ligne));
  CochesChangees();
}

void ModeleRessemblance::ToutDecocher() {
  revue_.ToutDecocher();
  CochesChangees();
}

void ModeleRessemblance::Trie(int colonne) {
  beginResetModel();
  revue_.TrieColonne(colonne);
  endResetModel();
}

TFormRessemblance::TFormRessemblance(fenetre::RevueRessemblance& revue, QWidget* parent)
    : QDialog(parent), revue_(revue), modele_(revue) {
  setObjectName(QStringLiteral("FormRessemblance"));
  setWindowTitle(VersQt(fenetre::kTitreRessemblance));
  setModal(true);
  setSizeGripEnabled(true);
  resize(fenetre::kTailleRessemblance.largeur, fenetre::kTailleRessemblance.hauteur);

  auto* disposition = new QVBoxLayout(this);
  auto* consigne = new QLabel(VersQt(fenetre::kConsigneRessemblance), this);
  consigne->setObjectName(QStringLiteral("LabelConsigne"));
  disposition->addWidget(consigne);

  liste_ = new QTableView(this);
  liste_->setObjectName(QStringLiteral("ListeRessemblance"));
  liste_->setAccessibleName(VersQt(fenetre::kTitreRessemblance));
  liste_->setModel(&modele_);
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
  connect(liste_->horizontalHeader(), &QHeaderView::sectionClicked, this,
          &TFormRessemblance::ColonneClick);
  disposition->addWidget(liste_, 1);
  if (modele_.rowCount() > 0) liste_->selectRow(0);

  compte_ = new QLabel(this);
  compte_->setObjectName(QStringLiteral("LabelCompte"));
  auto majCompte = [this] { compte_->setText(VersQt(revue_.TexteCompte())); };
  majCompte();
  connect(&modele_, &ModeleRessemblance::ComptesChanges, this, majCompte);
  disposition->addWidget(compte_);

  auto* boutons = new QHBoxLayout;
  auto bouton = [&](std::string_view texte, const char* nom) {
    auto* b = new QPushButton(VersQt(texte), this);
    b->setObjectName(QLatin1String(nom));
    b->setAutoDefault(false);
    boutons->addWidget(b);
    return b;
  };
  placer_ = bouton(fenetre::kBoutonPlacer, "ButtonPlacer");
  placer_->setDefault(true);
  connect(placer_, &QPushButton::clicked, this, &QDialog::accept);
  toutDecocher_ = bouton(fenetre::kBoutonToutDecocher, "ButtonToutDecocher");
  connect(toutDecocher_, &QPushButton::clicked, this, [this] { modele_.ToutDecocher(); });
  boutons->addStretch(1);
  annuler_ = bouton(fenetre::kBoutonAnnulerRessemblance, "ButtonAnnuler");
  connect(annuler_, &QPushButton::clicked, this, &QDialog::reject);
  disposition->addLayout(boutons);
  liste_->setFocus();
}

bool TFormRessemblance::eventFilter(QObject* objet, QEvent* e) {
  if (objet == liste_ && e->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(e)->key() == Qt::Key_Space) {
    modele_.Bascule(liste_->currentIndex().isValid() ? liste_->currentIndex().row() : -1);
    return true;
  }
  return QDialog::eventFilter(objet, e);
}

void TFormRessemblance::ColonneClick(int colonne) {
  const QModelIndex courant = liste_->currentIndex();
  modele_.Trie(colonne);
  if (courant.isValid()) {
    const int ligne = static_cast<int>(revue_.PositionApresTri(static_cast<std::size_t>(courant.row())));
    liste_->setCurrentIndex(modele_.index(ligne, courant.column()));
    liste_->selectRow(ligne);
  }
}

}  // namespace corrinom::app
