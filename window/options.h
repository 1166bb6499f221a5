// The command line of the window program (both shells): which account store to work on.
// These options belong to the platform layer; nothing else is configurable.
#pragma once

#include <string>
#include <vector>

#include "accounts/store/magasin_comptes.h"

namespace corrinom::fenetre {

struct OptionsLancement {
  enum class Action { Lance, Aide, Version, Erreur };
  Action action = Action::Lance;
  ChoixMagasin choix;   // Systeme unless --base or --demo
  std::string erreur;   // what is wrong with the command line (UTF-8)
};

// args: the words after the program's name (UTF-8; the Qt shell removes Qt's own options first).
OptionsLancement LitOptions(const std::vector<std::string>& args);

// The text of --help (UTF-8).
std::string TexteAide();

// The text of --version.
std::string TexteVersion();

}  // namespace corrinom::fenetre
