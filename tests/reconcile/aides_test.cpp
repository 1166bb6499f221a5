#include "reconcile/aides.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "outils.h"
#include "operator/dialogues_script.h"
#include "text/noms.h"

namespace corrinom {
namespace {

using Genre = DialoguesScript::Genre;
using test::Attachee;
using test::Libre;
using test::NomsRebus;

const std::string kVide =
    "Aucun changement.\nLa liste des utilisateurs non trouv\xE9s est vide.";
const std::string kRouge =
    "\nPrenez le temps de v\xE9rifier dans la liste des utilisateurs TAVO les lignes avec un "
    "point rouge.";

std::string MessageNomPrenom(int n) {
  return "Nombre d'utilisateurs avec m\xEAme nom et m\xEAme premier pr\xE9nom d\xE9plac\xE9s : " +
         std::to_string(n) + kRouge;
}

std::string MessageDate(int n) {
  return "Nombre d'utilisateurs trouv\xE9s par la date de naissance : " + std::to_string(n) +
         kRouge;
}

TEST(PremierPrenom, Table) {
  struct Cas {
    const char* texte;
    const char* attendu;
  } cas[] = {
      {"Jean Marc", "Jean"},
      {"Jean-Marc Pierre", "Jean-Marc"},
      {"L\xE9" "a Marie", "L\xE9" "a Marie"},  // blank at position 4
      {"Ali", "Ali"},
      {"   ", ""},
      {"", ""},
      {"  Jean  Marc \t", "Jean"},
      {"\x01Marie\x1F", "Marie"},
      {"Anne Sophie Claire", "Anne"},
  };
  for (const Cas& c : cas) EXPECT_EQ(PremierPrenom(c.texte), c.attendu) << c.texte;
}

TEST(RapprocheNomPrenom, EmptyListOnlyRefuses) {
  EtatRapprochement e;
  e.comptes = {Libre("a", "A", "B")};
  DialoguesScript d;
  RapprocheNomPrenom(e, d);
  EXPECT_EQ(d.textes(Genre::Message), std::vector<std::string>{kVide});
  EXPECT_EQ(d.appels[0].titre, "");
  EXPECT_EQ(e.indicationComptes, "Aucun nom");
  EXPECT_FALSE(e.compteurs.has_value());
}

TEST(RapprocheNomPrenom, Cases) {
  EtatRapprochement e;
  e.comptes = {Libre("a", "MARTIN", "Jean"),
               Libre("b", "MARTIN", "L\xE9" "a"),
               Libre("c", "MULLER", "Eric"),
               Libre("d", "MARTIN", "\xD6mer"),
               Attachee("e", "DURAND", "Paul", "", "X", "Y"),
               Libre("f", "BERNARD", "Anne"),
               Libre("g", "BERNARD", "Anne"),
               Libre("h", "VIDE", "")};
  e.rebus = {{"MARTIN", "Jean Marc", "1"},   {"MARTIN", "L\xE9" "a Marie", "2"},
             {"MULLER", "\xC9ric Paul", "3"}, {"MARTIN", "Omer Ali", "4"},
             {"DURAND", "Paul Louis", "5"},  {"bernard", "anne marie", "6"},
             {"BERNARD", "Anne Lise", "7"},  {"BERNARD", "Anne Claire", "8"},
             {"VIDE", "", "9"}};
  DialoguesScript d;
  RapprocheNomPrenom(e, d);

  EXPECT_EQ(e.comptes[0].sousItem(kNouveauxPrenoms), "Jean Marc");
  EXPECT_EQ(e.comptes[0].marque, Marque::ModificationImportante);
  EXPECT_FALSE(e.comptes[1].attachee());
  EXPECT_EQ(e.comptes[2].sousItem(kNouveauxPrenoms), "\xC9ric Paul");
  EXPECT_FALSE(e.comptes[3].attachee());
  EXPECT_EQ(e.comptes[4].sousItem(kNouveauNom), "X");  // attached rows are never candidates
  EXPECT_EQ(e.comptes[5].sousItem(kNouveauxPrenoms), "anne marie");
  EXPECT_EQ(e.comptes[6].sousItem(kNouveauxPrenoms), "Anne Lise");
  EXPECT_FALSE(e.comptes[7].attachee());  // empty first names are skipped
  EXPECT_EQ(NomsRebus(e),
            (std::vector<std::string>{"MARTIN/L\xE9" "a Marie", "MARTIN/Omer Ali",
                                      "DURAND/Paul Louis", "BERNARD/Anne Claire", "VIDE/"}));
  EXPECT_EQ(d.textes(Genre::Message), std::vector<std::string>{MessageNomPrenom(4)});
  EXPECT_EQ(e.indicationRebus, "Nombre de personnes : 5");
  EXPECT_EQ(e.compteurs.value().modificationsImportantes, 5);  // with row e

  // A second run on the same lists attaches nothing more.
  RapprocheNomPrenom(e, d);
  EXPECT_EQ(d.textes(Genre::Message).back(), MessageNomPrenom(0));
  EXPECT_EQ(e.rebus.size(), 5u);
}

// The aid as a direct visit of the account rows, for comparison with the indexed run.
void NomPrenomParVisite(EtatRapprochement& e) {
  std::size_t i = 0;
  while (i < e.rebus.size()) {
    const LigneRebus p = e.rebus[i];
    const std::string nom = EnleveAccents(p.nom), prenoms = EnleveAccents(p.prenoms);
    LigneCompte* cible = nullptr;
    if (!prenoms.empty()) {
      for (LigneCompte& l : e.comptes) {
        if (l.attachee()) continue;
        if (EgalSansCasse(EnleveAccents(l.sousItem(kNomActuel)), nom) &&
            EgalSansCasse(PremierPrenom(EnleveAccents(l.sousItem(kPrenomsActuels))),
                          PremierPrenom(prenoms))) {
          cible = &l;
          break;
        }
      }
    }
    if (!cible) {
      ++i;
      continue;
    }
    AttachePersonne(*cible, p.nom, p.prenoms, p.dateNaiss);
    MarqueLigne(*cible);
    e.rebus.erase(e.rebus.begin() + static_cast<std::ptrdiff_t>(i));
  }
}

TEST(RapprocheNomPrenom, SameResultsAsRowByRowVisit) {
  const std::vector<std::string> noms = {"MARTIN", "Martin", "M\xC0RTIN", "MARTIN ", ""};
  const std::vector<std::string> prenoms = {
      "Jean", "jean marc", "Jean-Luc Paul", "\xC9ric", "eric Paul", "L\xE9" "a Marie", "L\xE9" "a",
      "  ", "", "Jean  Pierre", " Jean"};
  std::mt19937 alea(7);
  auto choisit = [&](const std::vector<std::string>& v) {
    return v[std::uniform_int_distribution<std::size_t>(0, v.size() - 1)(alea)];
  };
  for (int cas = 0; cas < 2000; ++cas) {
    EtatRapprochement a;
    const int n = std::uniform_int_distribution<int>(0, 10)(alea);
    for (int i = 0; i < n; ++i) {
      a.comptes.push_back(Libre("l" + std::to_string(i), choisit(noms), choisit(prenoms)));
      if (alea() % 5 == 0) AttachePersonne(a.comptes.back(), "X", "Y", "");
    }
    const int m = std::uniform_int_distribution<int>(1, 10)(alea);
    for (int i = 0; i < m; ++i) a.rebus.push_back({choisit(noms), choisit(prenoms), "d"});
    EtatRapprochement b = a;
    DialoguesScript d;
    RapprocheNomPrenom(a, d);
    NomPrenomParVisite(b);
    for (std::size_t i = 0; i < a.comptes.size(); ++i)
      ASSERT_EQ(a.comptes[i].sousItems, b.comptes[i].sousItems) << "case " << cas;
    ASSERT_EQ(a.rebus, b.rebus) << "case " << cas;
  }
}

TEST(RapprocheDateNaissance, QuestionTextAndAnswers) {
  EtatRapprochement e;
  e.comptes = {Libre("a", "DUPONT", "Jean", "01/02/2003"),
               Libre("b", "DURAND", "Paul", " 01/02/2003 "),
               Libre("c", "MARTIN", "Luc", "01/02/2003"),
               Attachee("d", "BERNARD", "Anne", "01/02/2003", "X", "Y")};
  e.rebus = {{"DUPONTEL", "Jean", "01/02/2003 "}};
  DialoguesScript d;
  d.reponses = {Reponse::Non, Reponse::Non, Reponse::Oui};
  RapprocheDateNaissance(e, d);

  ASSERT_EQ(d.nombre(Genre::Question), 3u);
  const DialoguesScript::Appel& q = d.appels[1];
  EXPECT_EQ(q.titre, "Confirmation");
  EXPECT_EQ(q.icone, Icone::Question);
  EXPECT_EQ(q.parDefaut, Reponse::Oui);
  EXPECT_EQ(q.texte,
            "Les deux personnes suivantes ont la m\xEAme date de naissance\n\n"
            "Utilisateur TAVO existant d\xE9j\xE0 :\nDURAND Paul 01/02/2003\n\n"
            "Personne pr\xE9sente dans les fichiers :\nDUPONTEL Jean 01/02/2003\n\n"
            "S'agit-il de la m\xEAme personne ?");
  EXPECT_FALSE(e.comptes[0].attachee());
  EXPECT_FALSE(e.comptes[1].attachee());
  EXPECT_EQ(e.comptes[2].sousItem(kNouveauNom), "DUPONTEL");
  EXPECT_EQ(e.comptes[2].sousItem(kNouvelleDateNaiss), "01/02/2003 ");  // carried unchanged
  EXPECT_EQ(e.comptes[2].marque, Marque::ModificationImportante);
  EXPECT_TRUE(e.rebus.empty());
  EXPECT_EQ(d.textes(Genre::Message), std::vector<std::string>{MessageDate(1)});
}

TEST(RapprocheDateNaissance, RunsOverTheListWithYesNoAndCancel) {
  EtatRapprochement e;
  e.comptes = {Libre("a", "A", "a", "01/01/2001"), Libre("b", "B", "b", "01/01/2001"),
               Libre("c", "C", "c", "02/02/2002"), Libre("d", "D", "d", ""),
               Libre("e", "E", "e", "03/03/2003")};
  e.rebus = {{"P1", "p", "01/01/2001"}, {"P2", "p", "1/1/2001"}, {"P3", "p", "  "},
             {"P4", "p", "01/01/2001"}, {"P5", "p", "02/02/2002"},
             {"P6", "p", "03/03/2003"}};
  DialoguesScript d;
  // P1: Yes on a. P4: a is taken, b offered: No. P5: Cancel, so P6 is never asked.
  d.reponses = {Reponse::Oui, Reponse::Non, Reponse::Annuler};
  RapprocheDateNaissance(e, d);
  EXPECT_EQ(d.nombre(Genre::Question), 3u);
  EXPECT_EQ(e.comptes[0].sousItem(kNouveauNom), "P1");
  EXPECT_FALSE(e.comptes[1].attachee());
  EXPECT_FALSE(e.comptes[2].attachee());
  EXPECT_FALSE(e.comptes[4].attachee());
  EXPECT_EQ(NomsRebus(e), (std::vector<std::string>{"P2/p", "P3/p", "P4/p", "P5/p", "P6/p"}));
  EXPECT_EQ(d.textes(Genre::Message), std::vector<std::string>{MessageDate(1)});
  EXPECT_EQ(e.indicationRebus, "Nombre de personnes : 5");

  // Cancel at the very first question: nothing attached, counts still refreshed.
  EtatRapprochement f;
  f.comptes = {Libre("a", "A", "a", "01/01/2001")};
  f.rebus = {{"P", "p", "01/01/2001"}};
  DialoguesScript g;
  g.reponses = {Reponse::Annuler};
  RapprocheDateNaissance(f, g);
  EXPECT_FALSE(f.comptes[0].attachee());
  EXPECT_EQ(f.compteurs.value().nePasChanger, 1);
  EXPECT_EQ(g.textes(Genre::Message), std::vector<std::string>{MessageDate(0)});

  EtatRapprochement vide;
  DialoguesScript h;
  RapprocheDateNaissance(vide, h);
  EXPECT_EQ(h.textes(Genre::Message), std::vector<std::string>{kVide});
  EXPECT_EQ(vide.indicationComptes, "Aucun nom");
}

}  // namespace
}  // namespace corrinom
