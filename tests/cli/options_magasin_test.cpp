// The store options of corrinom-cli's subcommands.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/options_magasin.h"

namespace corrinom::cli {
namespace {

using Sorte = ChoixMagasin::Sorte;

TEST(LitOptionsMagasin, AcceptedCombinations) {
  const struct {
    std::vector<std::string> args;
    Sorte sorte;
    std::string fichier, serveur, utilisateur, motDePasse;
    std::vector<std::string> reste;
  } cas[] = {
      {{}, Sorte::Systeme, "", "", "", "", {}},
      {{"fichier.xml"}, Sorte::Systeme, "", "", "", "", {"fichier.xml"}},
      {{"--base", "b.sqlite", "f.xml"}, Sorte::Base, "b.sqlite", "", "", "", {"f.xml"}},
      {{"f.xml", "--demo", "--oui"}, Sorte::Demo, "", "", "", "", {"f.xml", "--oui"}},
      {{"--serveur", "srv", "--utilisateur", "admin", "--mot-de-passe-stdin"},
       Sorte::Systeme, "", "srv", "admin", "secret word", {}},
      {{"--base", "b", "--", "--demo"}, Sorte::Base, "b", "", "", "", {"--demo"}},
  };
  for (const auto& c : cas) {
    std::istringstream entree("secret word\r\nsecond line\n");
    OptionsMagasin o;
    std::string erreur;
    ASSERT_TRUE(LitOptionsMagasin(c.args, o, erreur, entree)) << erreur;
    EXPECT_EQ(o.choix.sorte, c.sorte);
    EXPECT_EQ(o.choix.fichier, c.fichier);
    EXPECT_EQ(o.choix.serveur, c.serveur);
    EXPECT_EQ(o.choix.utilisateur, c.utilisateur);
    EXPECT_EQ(o.choix.motDePasse, c.motDePasse);
    EXPECT_EQ(o.reste, c.reste);
  }
}

TEST(LitOptionsMagasin, UsageErrors) {
  const std::vector<std::vector<std::string>> cas = {
      {"--base"},
      {"--base", "a", "--base", "b"},
      {"--demo", "--demo"},
      {"--base", "a", "--demo"},
      {"--demo", "--serveur", "srv"},
      {"--base", "a", "--mot-de-passe-stdin"},
      {"--utilisateur"},
      {"--mot-de-passe-stdin"},  // nothing on standard input
  };
  for (const auto& args : cas) {
    std::istringstream entree("");
    OptionsMagasin o;
    std::string erreur;
    EXPECT_FALSE(LitOptionsMagasin(args, o, erreur, entree)) << args.size();
    EXPECT_FALSE(erreur.empty());
  }
}

}  // namespace
}  // namespace corrinom::cli
