#include "reconcile/rapprochement_exact.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>
#include <vector>

#include "outils.h"

namespace corrinom {
namespace {

using test::Attachee;
using test::Libre;
using test::NomsRebus;

TEST(DatesCompatibles, Table) {
  struct Cas {
    const char* compte;
    const char* lue;
    bool attendu;
  } cas[] = {
      {"", "", true},
      {"", "12/05/1990", true},
      {"12/05/1990", "", true},
      {"12/05/1990", "12/05/1990", true},
      {"12/05/1990", "12/5/1990", false},
      {"12/05/1990", "12/05/1990 ", false},
      {"a", "A", false},
  };
  for (const Cas& c : cas)
    EXPECT_EQ(DatesCompatibles(c.compte, c.lue), c.attendu) << c.compte << " / " << c.lue;
}

// Runs one person through both forms of exact matching and checks they agree.
struct Les2 {
  EtatRapprochement visite, indexe;
  explicit Les2(std::vector<LigneCompte> comptes) {
    visite.comptes = comptes;
    indexe.comptes = std::move(comptes);
  }
  void lit(const std::vector<LigneRebus>& personnes) {
    RemiseFichier remise(indexe);
    for (const LigneRebus& p : personnes) {
      RapprocheExact(visite, p.nom, p.prenoms, p.dateNaiss);
      remise.RapprocheExact(p.nom, p.prenoms, p.dateNaiss);
    }
  }
};

void ExpectMemeEtat(const EtatRapprochement& a, const EtatRapprochement& b) {
  ASSERT_EQ(a.comptes.size(), b.comptes.size());
  for (std::size_t i = 0; i < a.comptes.size(); ++i) {
    EXPECT_EQ(a.comptes[i].sousItems, b.comptes[i].sousItems) << "row " << i;
    EXPECT_EQ(a.comptes[i].marque, b.comptes[i].marque) << "row " << i;
  }
  EXPECT_EQ(a.rebus, b.rebus);
}

TEST(RapprocheExact, OnePerson) {
  struct Cas {
    const char* nomCompte;
    const char* prenomsCompte;
    const char* dateCompte;
    const char* nom;
    const char* prenoms;
    const char* date;
    std::optional<Marque> marque;  // none: not matched
  } cas[] = {
      {"DUPONT", "Jean", "12/05/1990", "DUPONT", "Jean", "12/05/1990", Marque::DejaBon},
      {"DUPONT", "JEAN", "12/05/1990", "DUPONT", "Jean", "12/05/1990", Marque::ModificationMineure},
      {"DUPONT", "H\xE9l\xE8ne", "", "DUPONT", "Helene", "", Marque::ModificationImportante},
      {"Dupont", "jean", "", "DUPONT", "JEAN", "", Marque::ModificationMineure},
      {"DUPONT", "Jean", "", "DUPONT", "Jean Marc", "", std::nullopt},
      {"DUPONT", "Jean", "", "DUPONT", "Jean", "01/01/2001", Marque::DejaBon},
      {"DUPONT", "Jean", "01/01/2001", "DUPONT", "Jean", "", Marque::DejaBon},
      {"DUPONT", "Jean", "12/05/1990", "DUPONT", "Jean", "12/5/1990", std::nullopt},
      {"\xD6LMEZ", "Ali", "", "OLMEZ", "Ali", "", std::nullopt},  // Ö is not folded
      {"", "", "", "", "", "", Marque::DejaBon},
  };
  for (const Cas& c : cas) {
    Les2 t({Libre("l", c.nomCompte, c.prenomsCompte, c.dateCompte)});
    t.lit({{c.nom, c.prenoms, c.date}});
    ExpectMemeEtat(t.visite, t.indexe);
    const LigneCompte& l = t.indexe.comptes[0];
    if (!c.marque) {
      EXPECT_FALSE(l.attachee()) << c.nom << " " << c.prenoms;
      EXPECT_EQ(t.indexe.rebus, (std::vector<LigneRebus>{{c.nom, c.prenoms, c.date}}));
    } else {
      ASSERT_TRUE(l.attachee()) << c.nom << " " << c.prenoms;
      EXPECT_EQ(l.marque, *c.marque) << c.nom << " " << c.prenoms;
      EXPECT_EQ(l.sousItems[kNouveauNom], c.nom);
      EXPECT_EQ(l.sousItems[kNouveauxPrenoms], c.prenoms);
      EXPECT_EQ(l.sousItems[kNouvelleDateNaiss], c.date);
      EXPECT_TRUE(t.indexe.rebus.empty());
    }
  }
}

TEST(RapprocheExact, EmptyAccountListKeepsFileOrder) {
  Les2 t({});
  t.lit({{"B", "b", ""}, {"A", "a", ""}, {"B", "b", ""}});
  ExpectMemeEtat(t.visite, t.indexe);
  EXPECT_EQ(NomsRebus(t.indexe), (std::vector<std::string>{"B/b", "A/a", "B/b"}));
}

TEST(RapprocheExact, DuplicatesAndReplacement) {
  // Two rows whose current names equal the read names case-insensitively: the second
  // person replaces the first on the upper row, the lower row stays free.
  Les2 t({Libre("a", "DUPONT", "Jean"), Libre("b", "DUPONT", "Jean")});
  t.lit({{"DUPONT", "Jean", "1"}, {"DUPONT", "JEAN", "2"}});
  ExpectMemeEtat(t.visite, t.indexe);
  EXPECT_EQ(t.indexe.comptes[0].sousItems[kNouvelleDateNaiss], "2");
  EXPECT_EQ(t.indexe.comptes[0].marque, Marque::ModificationMineure);
  EXPECT_FALSE(t.indexe.comptes[1].attachee());
  EXPECT_EQ(t.indexe.rebus, (std::vector<LigneRebus>{{"DUPONT", "Jean", "1"}}));

  // Equal only after folding accents: the second person passes the upper row.
  Les2 u({Libre("a", "DUPONT", "H\xE9l\xE8ne"), Libre("b", "DUPONT", "H\xE9l\xE8ne")});
  u.lit({{"DUPONT", "Helene", "1"}, {"DUPONT", "Helene", "2"}, {"DUPONT", "Helene", "3"}});
  ExpectMemeEtat(u.visite, u.indexe);
  EXPECT_EQ(u.indexe.comptes[0].sousItems[kNouvelleDateNaiss], "1");
  EXPECT_EQ(u.indexe.comptes[1].sousItems[kNouvelleDateNaiss], "2");
  EXPECT_EQ(u.indexe.rebus, (std::vector<LigneRebus>{{"DUPONT", "Helene", "3"}}));

  // An incompatible date passes a replaceable row for a free one further down.
  Les2 v({Libre("a", "DUPONT", "Jean", "01/01/2000"), Libre("b", "DUPONT", "Jean")});
  v.lit({{"DUPONT", "Jean", "01/01/2000"}, {"DUPONT", "Jean", "02/02/2002"}});
  ExpectMemeEtat(v.visite, v.indexe);
  EXPECT_EQ(v.indexe.comptes[1].sousItems[kNouvelleDateNaiss], "02/02/2002");
  EXPECT_TRUE(v.indexe.rebus.empty());
}

TEST(RapprocheExact, LaterFileDisplacesEarlierAttachment) {
  // A row attached by hand to A; the file brings B with the row's own names.
  Les2 t({Attachee("a", "MARTIN", "Paul", "", "MARTINEZ", "Paul", "3")});
  t.lit({{"MARTIN", "Paul", "4"}});
  ExpectMemeEtat(t.visite, t.indexe);
  EXPECT_EQ(t.indexe.comptes[0].sousItems[kNouveauNom], "MARTIN");
  EXPECT_EQ(t.indexe.comptes[0].marque, Marque::DejaBon);
  EXPECT_EQ(t.indexe.rebus, (std::vector<LigneRebus>{{"MARTINEZ", "Paul", "3"}}));
}

TEST(RapprocheExact, OddBytesAndLongNames) {
  const std::string longNom(10000, 'X');
  std::string hauts;
  for (int b = 0x80; b <= 0xFF; ++b) hauts += static_cast<char>(b);
  Les2 t({Libre("a", longNom, hauts), Libre("b", "   ", ""), Libre("c", hauts, longNom)});
  t.lit({{longNom, hauts, ""}, {"   ", "", ""}, {"  ", "", ""}, {hauts, longNom, "x"}});
  ExpectMemeEtat(t.visite, t.indexe);
  EXPECT_TRUE(t.indexe.comptes[0].attachee());
  EXPECT_TRUE(t.indexe.comptes[1].attachee());
  EXPECT_TRUE(t.indexe.comptes[2].attachee());
  EXPECT_EQ(NomsRebus(t.indexe), (std::vector<std::string>{"  /"}));
}

struct Viviers {
  std::vector<std::string> noms, prenoms, dates;
  int comptesMin, comptesMax, personnesMax;
};

// Random account lists and files drawn from the pools; the indexed hand-over must
// give exactly the row-by-row visit's results.
void CompareAuHasard(const Viviers& v, int nombreCas) {
  std::mt19937 alea(20261208);
  auto choisit = [&](const std::vector<std::string>& pool) {
    return pool[std::uniform_int_distribution<std::size_t>(0, pool.size() - 1)(alea)];
  };
  for (int cas = 0; cas < nombreCas; ++cas) {
    const int nComptes = std::uniform_int_distribution<int>(v.comptesMin, v.comptesMax)(alea);
    std::vector<LigneCompte> comptes;
    for (int i = 0; i < nComptes; ++i) {
      LigneCompte l = Libre("l" + std::to_string(i), choisit(v.noms), choisit(v.prenoms),
                            choisit(v.dates));
      if (alea() % 4 == 0) {
        AttachePersonne(l, choisit(v.noms), choisit(v.prenoms), choisit(v.dates));
        MarqueLigne(l);
      }
      comptes.push_back(std::move(l));
    }
    std::vector<LigneRebus> personnes;
    const int nPersonnes = std::uniform_int_distribution<int>(0, v.personnesMax)(alea);
    for (int i = 0; i < nPersonnes; ++i)
      personnes.push_back({choisit(v.noms), choisit(v.prenoms), choisit(v.dates)});

    Les2 t(std::move(comptes));
    t.lit(personnes);
    ExpectMemeEtat(t.visite, t.indexe);
    if (::testing::Test::HasFailure()) {
      ADD_FAILURE() << "first differing case: " << cas;
      return;
    }
  }
}

// Names come from small pools with case and accent variants so that collisions,
// duplicates, replacements and passed-over rows are all frequent.
TEST(RemiseFichier, SameResultsAsRowByRowVisit) {
  CompareAuHasard({{"DUPONT", "Dupont", "dupont", "DUP\xD4NT", "D\xDCPONT", "", " ",
                    "\xC9TIENNE", "ETIENNE", "Etienne"},
                   {"Jean", "JEAN", "Jean Marc", "H\xE9l\xE8ne", "Helene", "HELENE",
                    "h\xC9l\xC8ne", "", "\x80\xFF", "Jean  Marc"},
                   {"", "01/02/2003", "1/2/2003", "01/02/2003 "},
                   0, 12, 15},
                  3000);
}

// Many rows whose names differ only by case and accents: one large group, where
// replacements and rows taken earlier decide which row a person gets.
TEST(RemiseFichier, SameResultsOverIdenticalAccounts) {
  CompareAuHasard({{"DUPONT", "Dupont", "dupont"},
                   {"H\xE9l\xE8ne", "Helene", "HELENE", "h\xC9l\xC8ne", "H\xC9L\xC8NE"},
                   {"", "01/02/2003", "02/02/2002"},
                   17, 60, 150},
                  300);
}

}  // namespace
}  // namespace corrinom
