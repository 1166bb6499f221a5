// The store options of corrinom-cli's subcommands that read accounts:
// --base FILE, --demo, --serveur HOST, --utilisateur NAME, --mot-de-passe-stdin.
#pragma once

#include <cstddef>
#include <istream>
#include <string>
#include <vector>

#include "accounts/store/magasin_comptes.h"

namespace corrinom::cli {

struct OptionsMagasin {
  ChoixMagasin choix;              // Systeme unless --base or --demo
  std::vector<std::string> reste;  // the other arguments, in order
  std::size_t apresFinOptions = 0; // how many of them came after a standalone "--"
};

// False with an English usage text in erreur when the options are wrong
// (the caller exits with kExitUsage). The password is the first line of `entree`.
bool LitOptionsMagasin(const std::vector<std::string>& args, OptionsMagasin& options,
                       std::string& erreur, std::istream& entree);

// How many arguments follow a standalone "--": they are files whatever they look
// like. LitOptionsMagasin hands them back at the end of its leftovers without the
// "--", so it is found here, stepping over the values of the options that take
// one (the store's and --journal).
std::size_t NombreApresFinOptions(const std::vector<std::string>& args);

}  // namespace corrinom::cli
