// Adapting a window to the screen's resolution.
//
// The windows are laid out in pixels for a 96 dpi screen. Qt already scales whole
// windows by the screen's device pixel ratio, so the resolution used here is Qt's
// logical one: on a screen that Qt scales, it reads 96 again and nothing is done
// twice. The arithmetic is a pure function so that any resolution and screen can be
// tried without a real screen.
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
