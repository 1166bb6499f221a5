// The hints a control writes into the hint panel when it gains the keyboard focus.
// Every one of these controls empties the panel when it loses the focus.
#pragma once

#include <array>
#include <string_view>

#include "operator/dialogues.h"

namespace corrinom {

struct IndicationFocus {
  std::string_view controle;      // the control's name, e.g. "EditNomFich"
  std::string_view gestionnaire;  // its focus handler, e.g. "EditNomFichEnter"
  std::string_view texte;         // CP1252
};

extern const std::array<IndicationFocus, 11> kIndicationsFocus;

// The focus hint of a control by name; empty for a control that has none.
std::string_view TexteIndicationFocus(std::string_view controle);

// Shows the focus hint of a control (nothing for a control that has none).
void AfficheIndicationFocus(Dialogues& dialogues, std::string_view controle);

// The shared leave handler: empties the hint panel.
void ButtonExitEffaceStatusbar(Dialogues& dialogues);

}  // namespace corrinom
