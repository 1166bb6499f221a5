#include "app/ajuste_fenetre.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace corrinom::app {

GeometrieFenetre CalculeAjustement(const GeometrieFenetre& fenetre, int dpi, const QRect& ecran) {
  GeometrieFenetre g = fenetre;
  if (dpi == 96 || dpi <= 0) return g;

  // Multiply first, divide last, in integers: 863 x 120 / 96 gives 1078.
  g.client.setWidth(static_cast<int>(static_cast<long long>(g.client.width()) * dpi / 96));
  g.client.setHeight(static_cast<int>(static_cast<long long>(g.client.height()) * dpi / 96));

  // An outer frame wider or taller than the screen is clamped to it; the client area
  // gives up what the frame needs.
  const int horizontal = g.cadre.left() + g.cadre.right();
  const int vertical = g.cadre.top() + g.cadre.bottom();
  if (ecran.width() < g.exterieur().width()) g.client.setWidth(std::max(0, ecran.width() - horizontal));
  if (ecran.height() < g.exterieur().height())
    g.client.setHeight(std::max(0, ecran.height() - vertical));

  const QSize ext = g.exterieur();
  if (g.position.x() + ext.width() > ecran.x() + ecran.width() ||
      g.position.y() + ext.height() > ecran.y() + ecran.height()) {
    g.position = QPoint(ecran.x() + (ecran.width() - ext.width()) / 2,
                        ecran.y() + (ecran.height() - ext.height()) / 2);
  }
  return g;
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
