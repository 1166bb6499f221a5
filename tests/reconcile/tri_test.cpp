#include "reconcile/tri.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "outils.h"
#include "operator/dialogues_script.h"

namespace corrinom {
namespace {

using test::Attachee;
using test::Libre;
using test::Logins;
using test::NomsRebus;

const std::string kPrefixe = "La liste des utilisateurs TAVO vient d'\xEAtre rang\xE9" "e suivant les ";
const std::string kDates = "Pas de tri en fonction des dates";

int Signe(int v) { return (v > 0) - (v < 0); }

TEST(CompareOrdre, Table) {
  struct Cas {
    const char* a;
    const char* b;
    int signe;
  } cas[] = {
      {"", "", 0},       {"", "A", -1},           {"abc", "ABC", 0},
      {"MARTIN10", "martin2", -1},                {"MARTIN", "MARTINEZ", -1},
      {"\xD6lmez", "Zoe", 1},                     {"Z", "\x80", -1},
      {"a", "B", -1},    {"_", "a", 1},  // '_' sorts after 'A'..'Z' but before 'a' unfolded
  };
  for (const Cas& c : cas) EXPECT_EQ(Signe(CompareOrdre(c.a, c.b)), c.signe) << c.a << " " << c.b;
}

TEST(Comparaisons, Keys) {
  // Émile and Emile tie on the last name; the first names decide.
  EXPECT_LT(CompareNomsActuels(Libre("x", "\xC9mile", "Anne"), Libre("y", "Emile", "Bea")), 0);
  EXPECT_GT(CompareNomsActuels(Libre("x", "\xC9mile", "Claire"), Libre("y", "emile", "Bea")), 0);
  EXPECT_EQ(CompareNomsActuels(Libre("x", "\xC9MILE", "anne"), Libre("y", "emile", "ANNE")), 0);
  EXPECT_GT(CompareNomsActuels(Libre("x", "\xD6lmez", ""), Libre("y", "Zz", "")), 0);
  EXPECT_LT(ComparePrenomsActuels(Libre("x", "B", "Anne"), Libre("y", "A", "Bea")), 0);
  EXPECT_LT(CompareLogins(Libre("MARTIN10", "", ""), Libre("martin2", "", "")), 0);
  // The login is never folded: é (0xE9) sorts after every ASCII letter.
  EXPECT_GT(CompareLogins(Libre("\xE9tienne", "", ""), Libre("zoe", "", "")), 0);

  const LigneCompte rouge = Attachee("r", "A", "A", "", "B", "B");
  const LigneCompte vert = Attachee("v", "Z", "Z", "", "Z", "Z");
  EXPECT_LT(CompareMarques(vert, rouge), 0);
  EXPECT_LT(CompareMarques(Libre("g", "Z", "Z"), vert), 0);

  EXPECT_LT(CompareNouveauxNoms(Libre("z", "", ""), rouge), 0);
  EXPECT_LT(CompareNouveauxNoms(Libre("a", "", ""), Libre("b", "", "")), 0);
  EXPECT_LT(CompareNouveauxNoms(rouge, vert), 0);
  EXPECT_LT(CompareNouveauxPrenoms(Attachee("x", "", "", "", "Z", "A"),
                                   Attachee("y", "", "", "", "A", "B")), 0);
  EXPECT_LT(CompareNomsNonTrouves({"\xC9va", "b", ""}, {"Eva", "c", ""}), 0);
  EXPECT_LT(ComparePrenomsNonTrouves({"Z", "a", ""}, {"A", "b", ""}), 0);
}

EtatRapprochement Liste() {
  EtatRapprochement e;
  e.comptes = {Attachee("r1", "MARTIN", "Paul", "", "MARTINE", "Paul"),
               Libre("g1", "DURAND", "Luc"),
               Attachee("v1", "BERNARD", "Anne", "", "BERNARD", "Anne"),
               Attachee("p1", "ADAM", "Eve", "", "ADAM", "EVE"),
               Libre("G0", "ADAM", "Zoe"),
               Attachee("v0", "ADAM", "Eve", "", "ADAM", "Eve")};
  e.rebus = {{"Zola", "Emile", ""}, {"\xC9mile", "Zoe", ""}, {"ADAM", "Bea", ""}};
  return e;
}

TEST(TrieComptesParColonne, ColumnTableAndLoginToggle) {
  EtatRapprochement e = Liste();
  DialoguesScript d;
  TrieComptesParColonne(e, d, 0);
  EXPECT_EQ(Logins(e), (std::vector<std::string>{"G0", "g1", "v0", "v1", "p1", "r1"}));
  EXPECT_EQ(d.indicationCourante, kPrefixe + "ic\xF4nes");
  EXPECT_TRUE(e.DernierTriParMarques);

  TrieComptesParColonne(e, d, 1);
  EXPECT_EQ(Logins(e), (std::vector<std::string>{"v0", "p1", "G0", "v1", "g1", "r1"}));
  EXPECT_EQ(d.indicationCourante, kPrefixe + "noms actuels");

  TrieComptesParColonne(e, d, 0);  // the toggle was set by the first click only
  EXPECT_EQ(Logins(e), (std::vector<std::string>{"G0", "g1", "p1", "r1", "v0", "v1"}));
  EXPECT_EQ(d.indicationCourante, kPrefixe + "noms de login");
  EXPECT_FALSE(e.DernierTriParMarques);

  TrieComptesParColonne(e, d, 2);
  EXPECT_EQ(Logins(e), (std::vector<std::string>{"v1", "p1", "v0", "g1", "r1", "G0"}));
  EXPECT_EQ(d.indicationCourante, kPrefixe + "pr\xE9noms actuels");

  TrieComptesParColonne(e, d, 4);
  EXPECT_EQ(Logins(e), (std::vector<std::string>{"G0", "g1", "p1", "v0", "v1", "r1"}));
  EXPECT_EQ(d.indicationCourante, kPrefixe + "Nouveaux noms");

  TrieComptesParColonne(e, d, 5);
  EXPECT_EQ(Logins(e), (std::vector<std::string>{"G0", "g1", "v1", "p1", "v0", "r1"}));
  EXPECT_EQ(d.indicationCourante, kPrefixe + "Nouveaux pr\xE9noms");

  const std::vector<std::string> avant = Logins(e);
  for (const int colonne : {3, 6}) {
    TrieComptesParColonne(e, d, colonne);
    EXPECT_EQ(Logins(e), avant);
    EXPECT_EQ(d.indicationCourante, kDates);
  }
  const std::size_t appels = d.appels.size();
  TrieComptesParColonne(e, d, 7);
  TrieComptesParColonne(e, d, -1);
  EXPECT_EQ(d.appels.size(), appels);
  EXPECT_EQ(Logins(e), avant);
}

TEST(TrieRebusParColonne, ColumnTable) {
  EtatRapprochement e = Liste();
  DialoguesScript d;
  TrieRebusParColonne(e, d, 0);
  EXPECT_EQ(NomsRebus(e), (std::vector<std::string>{"ADAM/Bea", "\xC9mile/Zoe", "Zola/Emile"}));
  EXPECT_EQ(d.indicationCourante,
            "La liste des utilisateurs non trouv\xE9s vient d'\xEAtre rang\xE9" "e suivant les noms");
  TrieRebusParColonne(e, d, 1);
  EXPECT_EQ(NomsRebus(e), (std::vector<std::string>{"ADAM/Bea", "Zola/Emile", "\xC9mile/Zoe"}));
  EXPECT_EQ(d.indicationCourante,
            "La liste des utilisateurs non trouv\xE9s vient d'\xEAtre rang\xE9" "e suivant les "
            "pr\xE9noms");
  TrieRebusParColonne(e, d, 2);
  EXPECT_EQ(d.indicationCourante, kDates);
}

// The column sorts go through precomputed keys; they must order rows exactly as a
// stable sort with the comparison functions does, ties included.
TEST(Tri, KeyedSortsMatchTheComparisons) {
  const std::vector<std::string> textes = {"", "a", "A", "\xC9mile", "Emile", "emile ", "\xD6",
                                           "Z", "z", "MARTIN10", "martin2", "\x80", "_"};
  std::mt19937 alea(3);
  auto choisit = [&] {
    return textes[std::uniform_int_distribution<std::size_t>(0, textes.size() - 1)(alea)];
  };
  const ComparaisonComptes comptes[] = {CompareMarques,      CompareLogins,
                                        CompareNomsActuels,  ComparePrenomsActuels,
                                        CompareNouveauxNoms, CompareNouveauxPrenoms};
  for (int cas = 0; cas < 300; ++cas) {
    EtatRapprochement e;
    for (int i = 0; i < 20; ++i) {
      e.comptes.push_back(Libre(choisit(), choisit(), choisit()));
      // The dates identify the rows, so that ties show in the comparison of results.
      e.comptes.back().sousItems[kDateNaissActuelle] = std::to_string(i);
      if (alea() % 2) AttachePersonne(e.comptes.back(), choisit(), choisit(), std::to_string(i));
      MarqueLigne(e.comptes.back());
      e.rebus.push_back({choisit(), choisit(), std::to_string(i)});
    }
    for (const ComparaisonComptes c : comptes) {
      EtatRapprochement a = e;
      TrieComptes(a, c);
      std::vector<LigneCompte> attendu = e.comptes;
      std::stable_sort(attendu.begin(), attendu.end(),
                       [c](const LigneCompte& x, const LigneCompte& y) { return c(x, y) < 0; });
      for (std::size_t i = 0; i < attendu.size(); ++i)
        ASSERT_EQ(a.comptes[i].sousItems, attendu[i].sousItems) << "case " << cas;
    }
    for (const ComparaisonRebus c : {CompareNomsNonTrouves, ComparePrenomsNonTrouves}) {
      EtatRapprochement a = e;
      TrieRebus(a, c);
      std::vector<LigneRebus> attendu = e.rebus;
      std::stable_sort(attendu.begin(), attendu.end(),
                       [c](const LigneRebus& x, const LigneRebus& y) { return c(x, y) < 0; });
      ASSERT_EQ(a.rebus, attendu) << "case " << cas;
    }
  }
}

}  // namespace
}  // namespace corrinom
