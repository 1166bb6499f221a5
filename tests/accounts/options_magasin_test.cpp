// The store options' wrong command lines, word for word in each program's language:
// scripts read corrinom-cli's messages, and the window program prints its own.
#include <gtest/gtest.h>

#include "accounts/store/options_magasin.h"

namespace corrinom {
namespace {

TEST(LitOptionsMagasin, MessagesOfEachProgram) {
  using L = LigneDeCommande;
  const struct {
    L programme;
    std::vector<std::string> args;
    std::string erreur;  // empty: accepted
  } cas[] = {
      {L::Fenetre, {"--base"}, "l'option --base attend une valeur"},
      {L::Fenetre, {"--serveur", ""}, "l'option --serveur attend une valeur"},
      {L::Fenetre, {"--serveur", "a", "--serveur"}, "l'option --serveur attend une valeur"},
      {L::Fenetre, {"--base", "x", "--base", "y"}, "l'option --base est donn\xC3\xA9" "e deux fois"},
      {L::Fenetre, {"--utilisateur", "x"}, "option inconnue : --utilisateur"},
      {L::Fenetre, {"--demo", "--base", "x"}, "choisissez une seule des options --base, --demo et --serveur"},
      {L::Fenetre, {"--demo", "--demo"}, ""},
      {L::Cli, {"--base"}, "--base needs a value"},
      {L::Cli, {"--base", "a", "--base"}, "--base is given twice"},
      {L::Cli, {"--utilisateur"}, "--utilisateur needs a value"},
      {L::Cli, {"--demo", "--demo"}, "--demo is given twice"},
      {L::Cli, {"--mot-de-passe-stdin", "--mot-de-passe-stdin"}, "--mot-de-passe-stdin is given twice"},
      {L::Cli, {"--base", "b", "--demo"}, "--base and --demo cannot be used together"},
      {L::Cli, {"--demo", "--serveur", "s"},
       "--serveur, --utilisateur and --mot-de-passe-stdin apply to the system's store only"},
      {L::Cli, {"--serveur", ""}, ""},
  };
  for (const auto& c : cas) EXPECT_EQ(LitOptionsMagasin(c.args, c.programme).erreur, c.erreur) << c.args.front();
}

}  // namespace
}  // namespace corrinom
