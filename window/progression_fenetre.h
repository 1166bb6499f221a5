// The progress windows' facts, for both shells. Places are at 96 dpi.
#pragma once

#include <array>
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
// The bar's end for a work of `total` steps; none when the total is unknown (0) or
// beyond what a bar counts: the bar then only moves.
std::optional<int> FinBarre(std::size_t total);

}  // namespace corrinom::fenetre
