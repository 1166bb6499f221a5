// The store options of the command lines, read once for the window program and for
// corrinom-cli: --base FILE, --demo, --serveur HOST and, for corrinom-cli only,
// --utilisateur NAME and --mot-de-passe-stdin. Both programs complain in the same
// French words; the window program rejects every other word and answers --help
// and --version, corrinom-cli hands the other words back to its subcommand.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "accounts/store/magasin_comptes.h"

namespace corrinom {

enum class LigneDeCommande { Fenetre, Cli };

struct LectureOptionsMagasin {
  enum class Demande { Aucune, Aide, Version };  // --help / -h, --version (window program)
  Demande demande = Demande::Aucune;
  ChoixMagasin choix;                // Systeme unless --base or --demo
  bool motDePasseStdin = false;      // --mot-de-passe-stdin: the caller reads the password
  std::vector<std::string> reste;    // corrinom-cli: the other words, in order
  std::size_t apresFinOptions = 0;   // corrinom-cli: how many of them came after a standalone "--"
  std::string erreur;                // empty when the words are right (UTF-8)
};

LectureOptionsMagasin LitOptionsMagasin(const std::vector<std::string>& args, LigneDeCommande programme);

}  // namespace corrinom
