#include "app/form_changements.h"

#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <ctime>

#include "app/modeles.h"
#include "app/fenetres_qt.h"

namespace corrinom::app {

int TFormChangements::Imprime(QPrinter& imprimante) const {
  QPainter p;
  if (!p.begin(&imprimante)) return 0;
  const QRect zone = imprimante.pageLayout().paintRectPixels(imprimante.resolution());
  const int largeur = zone.width();
  QFont police(QStringLiteral("Liberation Sans"));
  police.setPointSizeF(9);
  p.setFont(police);
  const int hauteurLigne = p.fontMetrics().lineSpacing() * 5 / 4;
  const fenetre::PagesChangements mise =
      fenetre::MetEnPageChangements(logique_.Lignes().size(), 0, largeur, zone.height(), hauteurLigne);
  const std::string date = fenetre::DateImpression(InstantLocalDe(std::time(nullptr)));
  QFont gras = police;
  gras.setBold(true);
  for (int page = 0; page < mise.pages; ++page) {
    if (page > 0) imprimante.newPage();
    for (const fenetre::TexteImprime& t : logique_.Page(mise, page, date, 4)) {
      const QRect r = RectQt(t.place);
      const QString texte = VersQt(t.texte);
      p.setFont(t.sorte == fenetre::TexteImprime::Sorte::Titre ? gras : police);
      if (t.sorte == fenetre::TexteImprime::Sorte::Titre)
        p.drawText(r, Qt::AlignLeft | Qt::AlignBottom | Qt::TextWordWrap, texte);
      else if (t.sorte == fenetre::TexteImprime::Sorte::Cellule)
        p.drawText(r, Qt::AlignLeft | Qt::AlignVCenter, p.fontMetrics().elidedText(texte, Qt::ElideRight, r.width()));
      else
        p.drawText(r, Qt::AlignLeft | Qt::AlignVCenter, texte);
    }
    p.drawLine(0, mise.Trait(), largeur, mise.Trait());
  }
  p.end();
  return mise.pages;
}

TFormChangements::TFormChangements(std::vector<LigneChangement> lignes, const QString& magasin,
                                   Restauration restaurer, QWidget* parent)
    : QDialog(parent), logique_(std::move(lignes), VersCp1252(magasin), std::move(restaurer)) {
  setObjectName(QStringLiteral("FormChangements"));
  setWindowTitle(VersQt(fenetre::kTitreChangements));
  resize(fenetre::kTailleChangements.largeur, fenetre::kTailleChangements.hauteur);

  auto* disposition = new QVBoxLayout(this);
  liste_ = new QTreeWidget(this);
  liste_->setObjectName(QStringLiteral("ListeChangements"));
  liste_->setRootIsDecorated(false);
  liste_->setUniformRowHeights(true);
  liste_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  QStringList titres;
  for (std::string_view t : TitresChangements()) titres << VersQt(t);
  liste_->setHeaderLabels(titres);
  Remplit();
  for (std::size_t c = 0; c < fenetre::kLargeursChangements.size(); ++c)
    liste_->setColumnWidth(static_cast<int>(c), fenetre::kLargeursChangements[c]);
  disposition->addWidget(liste_, 1);

  auto* boutons = new QHBoxLayout;
  auto bouton = [&](const fenetre::ControleAnnexe& c) {
    QPushButton* b = Bouton(this, c);
    boutons->addWidget(b);
    return b;
  };
  const auto& [imprimer, enregistrer, restaure, fermer] = fenetre::kBoutonsChangements;
  imprimer_ = bouton(imprimer);
  connect(imprimer_, &QPushButton::clicked, this, &TFormChangements::ImprimerClick);
  enregistrer_ = bouton(enregistrer);
  connect(enregistrer_, &QPushButton::clicked, this, &TFormChangements::EnregistrerClick);
  if (logique_.Restaurable()) {
    restaurer_ = bouton(restaure);
    connect(restaurer_, &QPushButton::clicked, this, &TFormChangements::RestaurerClick);
  }
  boutons->addStretch(1);
  QPushButton* boutonFermer = bouton(fermer);
  boutonFermer->setDefault(true);
  connect(boutonFermer, &QPushButton::clicked, this, &QDialog::accept);
  disposition->addLayout(boutons);
  NommeControles(*this);
}

void TFormChangements::Remplit() {
  liste_->clear();
  for (const LigneChangement& l : logique_.Lignes()) {
    QStringList textes;
    for (const std::string& t : TextesChangement(l)) textes << VersQt(t);
    auto* item = new QTreeWidgetItem(liste_, textes);
    item->setIcon(static_cast<int>(kColonnesChangements) - 1, ImageListRougeVertGris::Image(l.marque));
  }
}

bool TFormChangements::Enregistre(const QString& fichier) {
  const std::string csv = logique_.Csv();
  QFile f(fichier);
  if (f.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
      f.write(csv.data(), static_cast<qint64>(csv.size())) == static_cast<qint64>(csv.size()) &&
      f.flush())
    return true;
  QMessageBox::warning(this, windowTitle(),
                       QStringLiteral("Le fichier %1 ne peut pas \u00EAtre enregistr\u00E9 (%2).")
                           .arg(fichier, f.errorString()));
  return false;
}

void TFormChangements::Restaure(const QString& journal) {
  if (logique_.Restaure(journal.toUtf8().toStdString())) Remplit();
}

void TFormChangements::ImprimerClick() {
  QPrinter imprimante;
  if (fenetre::kImpressionChangementsPaysage)
    imprimante.setPageOrientation(QPageLayout::Landscape);
  QPrintDialog dialogue(&imprimante, this);
  dialogue.setWindowTitle(QStringLiteral("Imprimer"));
  if (dialogue.exec() != QDialog::Accepted) return;
  Imprime(imprimante);
}

void TFormChangements::EnregistrerClick() {
  const QString fichier = QFileDialog::getSaveFileName(
      this, VersQt(fenetre::kTitreEnregistrerChangements), VersQt(fenetre::kNomFichierChangements),
      VersQt(fenetre::kFiltreChangements));
  if (!fichier.isEmpty()) Enregistre(fichier);
}

void TFormChangements::RestaurerClick() {
  const QString journal = QFileDialog::getOpenFileName(
      this, VersQt(fenetre::kTitreChoixJournal), QString::fromStdString(logique_.DossierJournal()),
      VersQt(fenetre::kFiltreJournaux));
  if (!journal.isEmpty()) Restaure(journal);
}

}  // namespace corrinom::app
