// The store options' wrong command lines, word for word: scripts read corrinom-cli's
// messages, and the window program prints its own.
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
      {L::Cli, {"--base"}, "l'option --base attend une valeur"},
      {L::Cli, {"--base", "a", "--base"}, "l'option --base est donn\xC3\xA9" "e deux fois"},
      {L::Cli, {"--utilisateur"}, "l'option --utilisateur attend une valeur"},
      {L::Cli, {"--demo", "--demo"}, "l'option --demo est donn\xC3\xA9" "e deux fois"},
      {L::Cli, {"--mot-de-passe-stdin", "--mot-de-passe-stdin"},
       "l'option --mot-de-passe-stdin est donn\xC3\xA9" "e deux fois"},
      {L::Cli, {"--base", "b", "--demo"}, "choisissez une seule des options --base et --demo"},
      {L::Cli, {"--demo", "--serveur", "s"},
       "les options --serveur, --utilisateur et --mot-de-passe-stdin ne s'emploient qu'avec les comptes du "
       "syst\xC3\xA8me"},
      {L::Cli, {"--serveur", ""}, ""},
  };
  for (const auto& c : cas) EXPECT_EQ(LitOptionsMagasin(c.args, c.programme).erreur, c.erreur) << c.args.front();
}

}  // namespace
}  // namespace corrinom
