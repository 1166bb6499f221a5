#include "app/ajuste_fenetre.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

#include "window/geometrie.h"

namespace corrinom::app {

GeometrieFenetre CalculeAjustement(const GeometrieFenetre& f, int dpi, const QRect& ecran) {
  const fenetre::GeometrieFenetre g{{f.position.x(), f.position.y()},
                                    {f.client.width(), f.client.height()},
                                    {f.cadre.left(), f.cadre.top(), f.cadre.right(), f.cadre.bottom()}};
  const fenetre::GeometrieFenetre n =
      fenetre::CalculeAjustement(g, dpi, {ecran.x(), ecran.y(), ecran.width(), ecran.height()});
  return {QPoint(n.position.x, n.position.y), QSize(n.client.largeur, n.client.hauteur),
          QMargins(n.cadre.gauche, n.cadre.haut, n.cadre.droite, n.cadre.bas)};
}

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

void AjusteFenetre(QWidget& fenetre, int dpi, const QRect& ecran) {
  GeometrieFenetre g{fenetre.frameGeometry().topLeft(), fenetre.size(), CadreConnu(fenetre)};
  const GeometrieFenetre n = CalculeAjustement(g, dpi, ecran);
  if (n == g) return;
  if (n.client != g.client) {
    // Fixed-size windows (the field chooser) keep being fixed at their new size.
    if (fenetre.minimumSize() == fenetre.maximumSize()) fenetre.setFixedSize(n.client);
    else fenetre.resize(n.client);
  }
  if (n.position != g.position) fenetre.move(n.position);
}

void AjusteFenetre(QWidget& fenetre) {
  QScreen* ecran = fenetre.screen();
  if (!ecran) ecran = QGuiApplication::primaryScreen();
  if (!ecran) return;
  AjusteFenetre(fenetre, static_cast<int>(std::lround(ecran->logicalDotsPerInch())),
                ecran->availableGeometry());
}

}  // namespace corrinom::app
