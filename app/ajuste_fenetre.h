// Adapting a Qt window to the screen's resolution: window/geometrie.h's arithmetic
// in Qt's types, applied to a widget.
//
// Qt already scales whole windows by the screen's device pixel ratio, so the
// resolution used here is Qt's logical one: on a screen that Qt scales, it reads 96
// again and nothing is done twice.
#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace corrinom::app {

struct GeometrieFenetre {
  QPoint position;  // top-left corner of the outer frame
  QSize client;     // client area
  QMargins cadre;   // frame around the client area (title bar, borders)

  QSize exterieur() const {
    return {client.width() + cadre.left() + cadre.right(),
            client.height() + cadre.top() + cadre.bottom()};
  }
  friend bool operator==(const GeometrieFenetre&, const GeometrieFenetre&) = default;
};

// The window's new geometry for a screen of `dpi` dots per inch whose desktop is `ecran`.
GeometrieFenetre CalculeAjustement(const GeometrieFenetre& fenetre, int dpi, const QRect& ecran);

// Applies CalculeAjustement to a top-level widget with the given resolution and screen.
void AjusteFenetre(QWidget& fenetre, int dpi, const QRect& ecran);

// The same with the logical resolution and available geometry of the widget's screen.
void AjusteFenetre(QWidget& fenetre);

}  // namespace corrinom::app
