// Plain geometry of the windows, and AjusteFenetre's arithmetic.
//
// The windows are laid out in pixels for a 96 dpi screen. Each shell measures its
// window (client area and frame) and its screen, asks CalculeAjustement for the new
// geometry and applies it. Qt already scales whole windows by the screen's device
// pixel ratio, so the Qt shell passes Qt's logical resolution: on a screen Qt scales
// it reads 96 again and nothing is done twice.
#pragma once

namespace corrinom::fenetre {

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Taille {
  int largeur = 0;
  int hauteur = 0;
  friend bool operator==(const Taille&, const Taille&) = default;
};

struct Marges {
  int gauche = 0;
  int haut = 0;
  int droite = 0;
  int bas = 0;
  friend bool operator==(const Marges&, const Marges&) = default;
};

// A rectangle by its top-left corner and its size.
struct Rectangle {
  int x = 0;
  int y = 0;
  int largeur = 0;
  int hauteur = 0;
  friend bool operator==(const Rectangle&, const Rectangle&) = default;
};

struct GeometrieFenetre {
  Point position;  // top-left corner of the outer frame
  Taille client;   // client area
  Marges cadre;    // frame around the client area (title bar, borders)

  Taille exterieur() const {
    return {client.largeur + cadre.gauche + cadre.droite, client.hauteur + cadre.haut + cadre.bas};
  }
  friend bool operator==(const GeometrieFenetre&, const GeometrieFenetre&) = default;
};

// The window's new geometry for a screen of `dpi` dots per inch whose desktop (its
// work area) is `ecran`: the client area scaled from 96 dpi, clamped to the screen,
// and the window centred on the desktop when it no longer fits where it is.
GeometrieFenetre CalculeAjustement(const GeometrieFenetre& fenetre, int dpi, const Rectangle& ecran);

// A length designed at 96 dpi, at `dpi`: multiplied first, divided last, truncated.
int AEchelle(int valeur96, int dpi);
Rectangle AEchelle(const Rectangle& place96, int dpi);

// `valeur` x `numerateur` / `denominateur` rounded to the nearest, halves away from
// zero, as the system's MulDiv does (0 for a zero denominator).
int Proportion(int valeur, int numerateur, int denominateur);

// The character height of a font of `points` points at `dpi`, larger by `pourcent`:
// negative, as the system's fonts take a height without the leading.
int HauteurPolice(int points, int dpi, int pourcent = 100);

// A drag resting near the top or the bottom of a list scrolls it a row at a
// time: -1 (up) while the pointer's height `y` in the list lies within 12 pixels
// at 96 dpi below the header's bottom `basEntete`, 1 (down) within as much above
// the list's bottom `basClient`, else 0.
int SensDefilementGlisse(int y, int basEntete, int basClient, int dpi);

// The top-left corner that centres `taille` on `autour`.
Point Centre(Taille taille, const Rectangle& autour);

// A dialog of `fenetre`'s client area and frame, centred on `autour` (its owner, or
// the desktop), then adjusted to `dpi` and to the desktop `bureau` and never partly
// off the desktop on the left or at the top.
GeometrieFenetre PlaceCentree(GeometrieFenetre fenetre, const Rectangle& autour, int dpi, const Rectangle& bureau);

// A printer's page: the paper and the printable area half an inch from the paper's
// edges, or as near as the printer prints, in twips (1/1440 inch) and in the
// printer's pixels. `physique` is the paper in pixels, `decalage` where the printer
// starts printing on it, `dpiX` and `dpiY` its resolution.
struct PageImprimee {
  Rectangle papier;  // twips
  Rectangle zone;    // twips
  Rectangle pixels;  // printer pixels
};
PageImprimee PageAvecMarges(Taille physique, Point decalage, int dpiX, int dpiY);

}  // namespace corrinom::fenetre
