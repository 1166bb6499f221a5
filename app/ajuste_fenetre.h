// Adapting a Qt window to the screen's resolution: window/geometrie.h's arithmetic
// in Qt's types, applied to a widget.
//
// Qt already scales whole windows by the screen's device pixel ratio, so the
// resolution used here is Qt's logical one: on a screen that Qt scales, it reads 96
// again and nothing is done twice.
#pragma once

#include <QRect>

class QWidget;

namespace corrinom::app {

// Applies fenetre::CalculeAjustement to a top-level widget with the given resolution and screen.
void AjusteFenetre(QWidget& fenetre, int dpi, const QRect& ecran);

// The same with the logical resolution and available geometry of the widget's screen.
void AjusteFenetre(QWidget& fenetre);

}  // namespace corrinom::app
