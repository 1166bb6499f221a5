#include "app/fenetres_qt.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QWidget>

#include "app/texte_qt.h"
#include "window/accessibilite.h"
#include "window/controles.h"
#include "window/dialogues_fenetre.h"
#include "window/geometrie.h"

namespace corrinom::app {

namespace {

// Before the window is shown the window system has not told us its frame; the
// frame of the window once shown is used when there is one.
QMargins CadreConnu(const QWidget& w) {
  const QRect ext = w.frameGeometry();
  const QRect cli = w.geometry();
  return QMargins(cli.left() - ext.left(), cli.top() - ext.top(), ext.right() - cli.right(),
                  ext.bottom() - cli.bottom());
}

}  // namespace

QFont PoliceFenetres() {
  // The faces in window/controles.h's order of preference.
  QFont police;
  QStringList familles;
  for (std::string_view f : fenetre::kFamillesPolice) familles << VersQt(f);
  police.setFamilies(familles);
  police.setStyleHint(QFont::SansSerif);
  police.setPointSize(fenetre::kTaillePolice);
  return police;
}

void PrepareFenetre(QWidget& f, std::string_view nom, std::string_view titre, fenetre::Taille taille) {
  f.setObjectName(VersQt(nom));
  f.setWindowTitle(VersQt(titre));
  if (taille.largeur > 0) f.resize(taille.largeur, taille.hauteur);
}

std::vector<QPushButton*> RangeeBoutons(QWidget* parent, QBoxLayout& disposition,
                                        std::span<const fenetre::ControleAnnexe> boutons, int absent) {
  auto* rangee = new QHBoxLayout;
  std::vector<QPushButton*> faits(boutons.size(), nullptr);
  for (std::size_t i = 0; i < boutons.size(); ++i) {
    if (static_cast<int>(i) == absent) continue;
    if (i + 1 == boutons.size()) rangee->addStretch(1);
    faits[i] = Bouton(parent, boutons[i]);
    rangee->addWidget(faits[i]);
  }
  disposition.addLayout(rangee);
  return faits;
}

bool ChoisitImprimante(QWidget* parent, QPrinter& imprimante) {
  QPrintDialog dialogue(&imprimante, parent);
  dialogue.setWindowTitle(VersQt(fenetre::kTitreImprimer));
  return dialogue.exec() == QDialog::Accepted;
}

void NommeControles(QWidget& fenetre) {
  const auto nom = [](std::string_view n) { return QString::fromLatin1(n.data(), static_cast<qsizetype>(n.size())); };
  for (const fenetre::NomAccessible& n : fenetre::NomsAccessibles()) {
    auto* controle = fenetre.findChild<QWidget*>(nom(n.controle));
    if (!controle) continue;
    // Qt's item views do not take their name from a buddy label: the name is set
    // too, and it is the label's own text.
    if (auto* libelle = n.libelle.empty() ? nullptr : fenetre.findChild<QLabel*>(nom(n.libelle)))
      libelle->setBuddy(controle);
    controle->setAccessibleName(VersQt(n.nom));
  }
}

void PlaceCentree(QWidget& w, int largeur, int hauteur, int dpi, const QRect& ecran) {
  w.resize(largeur, hauteur);
  const QSize ext = w.frameGeometry().size();
  const fenetre::Point coin =
      fenetre::Centre({ext.width(), ext.height()}, {ecran.x(), ecran.y(), ecran.width(), ecran.height()});
  w.move(coin.x, coin.y);
  AjusteFenetre(w, dpi, ecran);
}

void AjusteFenetre(QWidget& w, int dpi, const QRect& ecran) {
  const QPoint position = w.frameGeometry().topLeft();
  const QMargins cadre = CadreConnu(w);
  const fenetre::GeometrieFenetre g{{position.x(), position.y()},
                                    {w.width(), w.height()},
                                    {cadre.left(), cadre.top(), cadre.right(), cadre.bottom()}};
  const fenetre::GeometrieFenetre n =
      fenetre::CalculeAjustement(g, dpi, {ecran.x(), ecran.y(), ecran.width(), ecran.height()});
  if (n.client != g.client) w.resize(n.client.largeur, n.client.hauteur);
  if (n.position != g.position) w.move(n.position.x, n.position.y);
}

}  // namespace corrinom::app
