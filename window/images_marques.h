// The four mark pictures, drawn at any size from one description: a dot of the
// mark's colour with a white sign inside, so that the marks differ by shape as well
// as by colour (grey: no sign; green: a check mark; pink: a small tilde; red: an
// exclamation mark). Both shells make their pictures here, at the size of their
// screen, and nothing else draws a mark.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "reconcile/etat.h"
#include "reconcile/filtre.h"

namespace corrinom::fenetre {

struct ImageMarque {
  int cote = 0;                    // width and height, in pixels
  std::vector<std::uint32_t> argb;  // cote * cote pixels 0xAARRGGBB, row by row from the top, alpha not premultiplied
};

// The picture of `marque`, `cote` pixels square (at least 1); a mark outside the
// four gives a transparent picture.
ImageMarque DessineMarque(Marque marque, int cote);

// The picture shown before an entry of ComboMarques: the mark the entry keeps
// alone; none for the entries that keep several marks.
std::optional<Marque> MarqueDuChoix(ChoixMarques choix);

}  // namespace corrinom::fenetre
