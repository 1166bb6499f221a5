#include "app/form_changements.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <ctime>

#include "app/modeles.h"
#include "app/fenetres_qt.h"
#include "app/texte_qt.h"
#include "text/encodage.h"

namespace corrinom::app {

int TFormChangements::Imprime(QPrinter& imprimante) const {
  // Half an inch of margin from the paper's edges and a 24th of an inch between
  // columns, as the Windows window prints; 9-point text, a line and a quarter apart.
  imprimante.setFullPage(true);
  const int dpi = imprimante.resolution();
  const QRect papier = imprimante.pageLayout().fullRectPixels(dpi);
  const fenetre::Rectangle zone = fenetre::PageAvecMarges({papier.width(), papier.height()}, {0, 0}, dpi, dpi).pixels;
  const int largeur = zone.largeur;
  QPainter p;
  if (!p.begin(&imprimante)) return 0;
  QFont police(QStringLiteral("Liberation Sans"));
  police.setPointSizeF(9);
  p.setFont(police);
  const int hauteurLigne = p.fontMetrics().lineSpacing() * 5 / 4;
  const fenetre::PagesChangements mise =
      fenetre::MetEnPageChangements(logique_.Lignes().size(), zone.x, largeur, zone.hauteur, hauteurLigne, zone.y);
  const std::string date = fenetre::DateImpression(InstantLocalDe(std::time(nullptr)));
  QFont gras = police;
  gras.setBold(true);
  for (int page = 0; page < mise.pages; ++page) {
    if (page > 0) imprimante.newPage();
    for (const fenetre::TexteImprime& t : logique_.Page(mise, page, date, dpi / 24)) {
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
    p.drawLine(zone.x, mise.Trait(), zone.x + largeur, mise.Trait());
  }
  p.end();
  return mise.pages;
}

TFormChangements::TFormChangements(std::vector<LigneChangement> lignes, const QString& magasin,
                                   Restauration restaurer, QWidget* parent)
    : QDialog(parent), logique_(std::move(lignes), VersCp1252(magasin), std::move(restaurer)) {
  PrepareFenetre(*this, "FormChangements", fenetre::kTitreChangements, fenetre::kTailleChangements);

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

  // Imprimer, Enregistrer, Restaurer when a restore can be run, then Fermer.
  const std::vector<QPushButton*> b =
      RangeeBoutons(this, *disposition, fenetre::kBoutonsChangements, logique_.Restaurable() ? -1 : 2);
  connect(b[0], &QPushButton::clicked, this, &TFormChangements::ImprimerClick);
  connect(b[1], &QPushButton::clicked, this, &TFormChangements::EnregistrerClick);
  restaurer_ = b[2];
  if (restaurer_) connect(restaurer_, &QPushButton::clicked, this, &TFormChangements::RestaurerClick);
  b[3]->setDefault(true);
  connect(b[3], &QPushButton::clicked, this, &QDialog::accept);
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
  // A name UTF-8 cannot spell is none: the failure to open it is told.
  const std::string erreur = logique_.Enregistre(NomFichierSysteme(VueUtf16(fichier)).value_or(std::string()));
  if (!erreur.empty()) QMessageBox::warning(this, VersQt(fenetre::kTitreEnregistrerChangements), VersQt(erreur));
  return erreur.empty();
}

void TFormChangements::Restaure(const QString& journal) {
  const std::optional<std::string> nom = NomFichierSysteme(VueUtf16(journal));
  if (nom && logique_.Restaure(*nom)) Remplit();
}

void TFormChangements::ImprimerClick() {
  QPrinter imprimante;
  if (fenetre::kImpressionChangementsPaysage)
    imprimante.setPageOrientation(QPageLayout::Landscape);
  if (ChoisitImprimante(this, imprimante)) Imprime(imprimante);
}

std::unique_ptr<QFileDialog> TFormChangements::CreeDialogueEnregistrer() {
  auto dialogue = std::make_unique<QFileDialog>(this, VersQt(fenetre::kTitreEnregistrerChangements), QString(),
                                                VersQt(fenetre::kFiltreChangements));
  dialogue->setAcceptMode(QFileDialog::AcceptSave);  // it asks before replacing a file
  dialogue->setDefaultSuffix(VersQt(fenetre::kExtensionChangements));
  dialogue->selectFile(VersQt(fenetre::kNomFichierChangements));
  return dialogue;
}

void TFormChangements::EnregistrerClick() {
  const std::unique_ptr<QFileDialog> dialogue = CreeDialogueEnregistrer();
  if (dialogue->exec() == QDialog::Accepted && !dialogue->selectedFiles().isEmpty())
    Enregistre(dialogue->selectedFiles().front());
}

void TFormChangements::RestaurerClick() {
  const QString journal = QFileDialog::getOpenFileName(
      this, VersQt(fenetre::kTitreChoixJournal), QString::fromStdString(logique_.DossierJournal()),
      VersQt(fenetre::kFiltreJournaux));
  if (!journal.isEmpty()) Restaure(journal);
}

}  // namespace corrinom::app
