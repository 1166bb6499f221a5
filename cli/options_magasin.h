// The store options of corrinom-cli's subcommands that read accounts:
// --base FILE, --demo, --serveur HOST, --utilisateur NAME, --mot-de-passe-stdin.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "accounts/store/options_magasin.h"

namespace corrinom::cli {

struct OptionsMagasin {
  ChoixMagasin choix;              // Systeme unless --base or --demo
  std::vector<std::string> reste;  // the other arguments, in order
  std::size_t apresFinOptions = 0; // how many of them came after a standalone "--"
};

// False with a French usage text (UTF-8) in erreur when the options are wrong
// (the caller exits with kExitUsage). The password is the first line of `entree`.
bool LitOptionsMagasin(const std::vector<std::string>& args, OptionsMagasin& options,
                       std::string& erreur, std::istream& entree);

// How many arguments follow a standalone "--": they are files whatever they look
// like. LitOptionsMagasin hands them back at the end of its leftovers without the
// "--", so it is found here, stepping over the values of the options that take
// one (the store's and --journal).
std::size_t NombreApresFinOptions(const std::vector<std::string>& args);

// The rest of a subcommand's words, after LitOptionsMagasin read `args` into
// `magasin`: its `drapeaux` (each sets its bool), --journal FILE (its value taken
// whatever it looks like) and the positional words, those after a standalone "--"
// whatever they look like. False with the usage error in `erreur`.
bool LitOptionsCommande(const std::vector<std::string>& args, const OptionsMagasin& magasin,
                        std::initializer_list<std::pair<std::string_view, bool*>> drapeaux,
                        std::optional<std::string>& journal, std::vector<std::string>& positionnels,
                        std::string& erreur);

}  // namespace corrinom::cli
