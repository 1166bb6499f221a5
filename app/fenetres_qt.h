// What the Qt windows share: their font, a window's name, caption and size, buttons
// built from window/'s facts, the print dialog, and placing a window and adapting
// it to the screen's resolution (window/geometrie.h's arithmetic in Qt's types,
// applied to a widget).
//
// Qt already scales whole windows by the screen's device pixel ratio, so the
// resolution used here is Qt's logical one: on a screen that Qt scales, it reads 96
// again and nothing is done twice.
#pragma once

#include <QFont>
#include <QPushButton>
#include <QRect>
#include <span>
#include <string_view>
#include <vector>

#include "app/texte_qt.h"
#include "window/fenetres_annexes.h"
#include "window/geometrie.h"

class QBoxLayout;
class QPrinter;
class QWidget;

namespace corrinom::app {

// The font of the program's windows.
QFont PoliceFenetres();

// A rectangle of window/ in Qt's type.
inline QRect RectQt(const fenetre::Rectangle& r) { return QRect(r.x, r.y, r.largeur, r.hauteur); }

// A push button of a window/ table (its name, text and place at 96 dpi) that does
// not take the default on focus.
template <class Controle>
QPushButton* Bouton(QWidget* parent, const Controle& c) {
  auto* b = new QPushButton(VersQt(c.texte), parent);
  b->setObjectName(VersQt(c.nom));
  b->setGeometry(RectQt(c.place));
  b->setAutoDefault(false);
  return b;
}

// Gives a window its name in the code and its caption, and `taille` as its size
// (none for a window that sizes itself).
void PrepareFenetre(QWidget& fenetre, std::string_view nom, std::string_view titre, fenetre::Taille taille = {});

// A row of buttons of a window/ table added to `disposition`: every button from
// the left but the last, which keeps to the right edge. The button of rank
// `absent`, when there is one, is not made: its place in the result is null.
std::vector<QPushButton*> RangeeBoutons(QWidget* parent, QBoxLayout& disposition,
                                        std::span<const fenetre::ControleAnnexe> boutons, int absent = -1);

// The print dialog over `parent`, on `imprimante`: true when the operator confirmed.
bool ChoisitImprimante(QWidget* parent, QPrinter& imprimante);

// Names for screen readers the controls of `fenetre` that have no caption of their
// own (window/accessibilite.h): each gets its name, and is tied to the label in
// front of it when the window has that label. Called once the controls exist.
void NommeControles(QWidget& fenetre);

// Places a top-level window centred on `ecran` at its design size `largeur` x
// `hauteur`, then AjusteFenetre with that resolution.
void PlaceCentree(QWidget& fenetre, int largeur, int hauteur, int dpi, const QRect& ecran);

// Applies fenetre::CalculeAjustement to a top-level widget with the given resolution and screen.
void AjusteFenetre(QWidget& fenetre, int dpi, const QRect& ecran);

}  // namespace corrinom::app
