// The progress windows' facts, for both shells. Places are at 96 dpi.
#pragma once

#include <array>
#include <chrono>
#include <cstddef>
#include <optional>

#include "session/progression.h"
#include "window/fenetres_annexes.h"

namespace corrinom::fenetre {

// The progress windows: the write's, with its button "Arrêter" (kBoutonArreter of
// session/progression.h), and the reading's at start-up, without it. Their caption
// and their text both say where the work is. Fixed size, centred on the owner or on
// the desktop; the client area is as tall as the button's bottom plus a margin.
inline constexpr std::array<ControleAnnexe, 3> kControlesProgression{{
    {"LabelTexte", "", {12, 12, 316, 16}},
    {"ProgressBar1", "", {12, 34, 316, 16}},
    {"ButtonArreter", kBoutonArreter, {130, 62, 80, 23}},
}};
inline constexpr Taille kTailleProgression{340, 96};
inline constexpr Taille kTailleProgressionSansBouton{340, 62};
// The count of the reading is drawn at most this often (milliseconds): pages come
// much faster than a person reads.
inline constexpr int kIntervalleLecture = 100;

// When the reading window draws its count. The first count of a load is drawn at
// once, the others at most every kIntervalleLecture ms, and the count of a known
// total read to its end always: it is the last count the window shows.
// The window still takes its events at every page, drawn or not. The clock is the
// caller's (any steady clock in milliseconds).
class CadenceLecture {
 public:
  // A new load begins: its first count is drawn.
  void Recommence() { dessine_.reset(); }
  // Whether the count `lus` of `total` (0: not known) is drawn at `maintenant`; a
  // count drawn restarts the interval.
  bool ADessiner(std::chrono::milliseconds maintenant, std::size_t lus, std::size_t total);

 private:
  std::optional<std::chrono::milliseconds> dessine_;  // when the last count was drawn
};
// The bar's end for a work of `total` steps; none when the total is unknown (0) or
// beyond what a bar counts: the bar then only moves.
std::optional<int> FinBarre(std::size_t total);

}  // namespace corrinom::fenetre
