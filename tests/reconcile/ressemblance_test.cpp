#include "reconcile/ressemblance.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "outils.h"
#include "operator/dialogues_script.h"

namespace corrinom {
namespace {

using Genre = DialoguesScript::Genre;
using N = NiveauNom;
using P = NiveauPrenoms;
using D = NiveauDate;
using test::Libre;
using test::NomsRebus;

// Each correction between two exports, and each trap, with the levels it must get
// and whether it is proposed.
TEST(Ressemblance, LevelsOfEachCorrectionAndTrap) {
  struct Cas {
    const char* quoi;
    LigneRebus compte, personne;  // the account's current texts, the person read
    N nom;
    P prenoms;
    D date;
    bool propose;
  } cas[] = {
      {"letter dropped",
       {"HUBERT", "Paul", "01/02/2012"},
       {"HUERT", "Paul", "01/02/2012"},
       N::UneLettre,
       P::Identiques,
       D::Identique,
       true},
      {"letter dropped inside",
       {"LEFEBVRE", "Anne", "01/02/2012"},
       {"LEFEVRE", "Anne", "01/02/2012"},
       N::UneLettre,
       P::Identiques,
       D::Identique,
       true},
      {"neighbours swapped",
       {"MARTIN", "Paul", "01/02/2012"},
       {"MRATIN", "Paul", "01/02/2012"},
       N::UneLettre,
       P::Identiques,
       D::Identique,
       true},
      {"letter doubled",
       {"ROBIN", "Paul", "01/02/2012"},
       {"ROBBIN", "Paul", "01/02/2012"},
       N::UneLettre,
       P::Identiques,
       D::Identique,
       true},
      {"second name, hyphen",
       {"GARCIA", "Ana", "01/02/2012"},
       {"GARCIA-LOPEZ", "Ana", "01/02/2012"},
       N::Compose,
       P::Identiques,
       D::Identique,
       true},
      {"second name, blank",
       {"GARCIA", "Ana", "01/02/2012"},
       {"GARCIA LOPEZ", "Ana", "01/02/2012"},
       N::Compose,
       P::Identiques,
       D::Identique,
       true},
      {"first name dropped",
       {"GARCIA LOPEZ", "Ana", "01/02/2012"},
       {"LOPEZ", "Ana", "01/02/2012"},
       N::Compose,
       P::Identiques,
       D::Identique,
       true},
      {"other separator",
       {"GARCIA LOPEZ", "Ana", "01/02/2012"},
       {"GARCIA-LOPEZ", "Ana", "01/02/2012"},
       N::Compose,
       P::Identiques,
       D::Identique,
       true},
      {"respelled",
       {"GAUTHIER", "Paul", "01/02/2012"},
       {"GOTIER", "Paul", "01/02/2012"},
       N::Prononciation,
       P::Identiques,
       D::Identique,
       true},
      {"N'DIAYE as the account keeps it",
       {"NDIAYE", "Awa", "01/02/2012"},
       {"N'DIAYE", "Awa", "01/02/2012"},
       N::Identique,
       P::Identiques,
       D::Identique,
       true},
      {"usage name",
       {"DURAND", "Lucas Paul", "01/02/2012"},
       {"BERNARD", "Lucas Paul", "01/02/2012"},
       N::Different,
       P::Identiques,
       D::Identique,
       true},
      {"usage name, first names reordered",
       {"DURAND", "Lucas Paul", "01/02/2012"},
       {"BERNARD", "Paul Lucas", "01/02/2012"},
       N::Different,
       P::AutreOrdre,
       D::Identique,
       true},
      {"accents and case",
       {"DURAND", "HELENE", "01/02/2012"},
       {"DURANT", "H\xE9l\xE8ne", "01/02/2012"},
       N::UneLettre,
       P::Identiques,
       D::Identique,
       true},
      {"hyphen between first names",
       {"DURAND", "Jean-Marc", "01/02/2012"},
       {"DURANT", "Jean Marc", "01/02/2012"},
       N::UneLettre,
       P::Identiques,
       D::Identique,
       true},
      {"first name one letter",
       {"PETIT", "Kylian", "01/02/2012"},
       {"PETIT", "Kilian", "01/02/2012"},
       N::Identique,
       P::PremierProche,
       D::Identique,
       true},
      {"first name pronounced alike",
       {"PETIT", "Rapha\xEBl", "01/02/2012"},
       {"PETIT", "Rafael", "01/02/2012"},
       N::Identique,
       P::PremierProche,
       D::Identique,
       true},
      {"first name added at the end",
       {"PETIT",
        "L\xE9"
        "a",
        "01/02/2012"},
       {"PETIT",
        "L\xE9"
        "a Marie",
        "01/02/2012"},
       N::Identique,
       P::MemePremier,
       D::Identique,
       true},
      {"first name added in front",
       {"PETIT", "Marie", "01/02/2012"},
       {"PETIT", "Anne Marie", "01/02/2012"},
       N::Identique,
       P::AutreOrdre,
       D::Identique,
       true},
      {"day and month swapped",
       {"ROUX", "Zo\xE9", "03/05/2012"},
       {"ROUX", "Zoe", "05/03/2012"},
       N::Identique,
       P::Identiques,
       D::JourMoisInverses,
       true},
      {"one digit",
       {"ROUX", "Zo\xE9", "03/05/2012"},
       {"ROUX", "Zoe", "08/05/2012"},
       N::Identique,
       P::Identiques,
       D::UnChiffre,
       true},
      {"one day off",
       {"ROUX", "Zo\xE9", "09/05/2012"},
       {"ROUX", "Zoe", "10/05/2012"},
       N::Identique,
       P::Identiques,
       D::UnChiffre,
       true},
      {"year off by one",
       {"ROUX", "Zo\xE9", "09/05/2012"},
       {"ROUX", "Zoe", "09/05/2011"},
       N::Identique,
       P::Identiques,
       D::UnChiffre,
       true},
      {"same date written otherwise",
       {"ROUX", "Zo\xE9", " 9/5/2012 "},
       {"ROUX", "Zoe", "09/05/2012"},
       N::Identique,
       P::Identiques,
       D::Identique,
       true},
      {"typo and date typo",
       {"HUBERT", "Paul", "01/02/2012"},
       {"HUERT", "Paul", "02/01/2012"},
       N::UneLettre,
       P::Identiques,
       D::JourMoisInverses,
       true},
      {"twins",
       {"MOREL", "Jade", "01/02/2012"},
       {"MOREL", "Hugo", "01/02/2012"},
       N::Identique,
       P::Differents,
       D::Identique,
       false},
      {"new pupil born the day a departed one was",
       {"MOREL", "Jade", "01/02/2012"},
       {"DUPUIS", "Hugo", "01/02/2012"},
       N::Different,
       P::Differents,
       D::Identique,
       false},
      {"usage name and a date typo",
       {"DURAND", "Lucas", "01/02/2012"},
       {"BERNARD", "Lucas", "01/03/2012"},
       N::Different,
       P::Identiques,
       D::UnChiffre,
       false},
      {"namesake born another day",
       {"MOREL", "Jade", "01/02/2012"},
       {"MOREL", "Jade", "17/09/2013"},
       N::Identique,
       P::Identiques,
       D::Differente,
       false},
      {"date missing",
       {"MOREL", "Jade", ""},
       {"MORELL", "Jade", "01/02/2012"},
       N::UneLettre,
       P::Identiques,
       D::Differente,
       false},
  };
  for (const Cas& c : cas) {
    const Ressemblance r =
        Compare(FicheDe(c.compte.nom, c.compte.prenoms, c.compte.dateNaiss),
                FicheDe(c.personne.nom, c.personne.prenoms, c.personne.dateNaiss));
    EXPECT_EQ(r.nom, c.nom) << c.quoi;
    EXPECT_EQ(r.prenoms, c.prenoms) << c.quoi;
    EXPECT_EQ(r.date, c.date) << c.quoi;
    EXPECT_EQ(r.score >= kSeuilToutAccepter, c.propose) << c.quoi << ": " << r.score;
    EXPECT_GE(r.score, 0);
    EXPECT_LE(r.score, 100);
  }
}

// A person's candidates come best first, equal scores in account list order, and at
// most as many as asked; attached rows are never candidates.
TEST(Ressemblance, CandidatesOfAPersonBestFirst) {
  EtatRapprochement e;
  e.comptes = {Libre("a", "GARCIA", "Hugo", "07/08/2012"),
               Libre("b", "GARCIA", "Hugo", "08/07/2012"),
               Libre("c", "GARCIA", "Hugo", "07/08/2012"),
               test::Attachee("d", "GARCIA", "Hugo", "07/08/2012", "X", "Y"),
               Libre("e", "GARCIAS", "Hugo", "07/08/2012"),
               Libre("f", "BLANC", "Jade", "07/08/2012")};
  e.rebus = {{"GARCIA", "Hugo", "07/08/2012"}};
  std::vector<std::string> logins;
  for (const PropositionRessemblance& p : CandidatsRessemblance(e, 3))
    logins.push_back(e.comptes[p.compte].login);
  EXPECT_EQ(logins, (std::vector<std::string>{"a", "c", "b"}));
  EXPECT_EQ(CandidatsRessemblance(e).size(), 4u);
}

const std::string kFin =
    "\nPrenez le temps de v\xE9rifier dans la liste des utilisateurs TAVO les lignes avec un "
    "point rouge.";

TEST(RapprocheRessemblance, EmptyListOnlyRefuses) {
  EtatRapprochement e;
  e.comptes = {Libre("a", "A", "B", "01/01/2000")};
  DialoguesScript d;
  RapprocheRessemblance(e, d, [](const auto&, const Coches& o) { return std::optional<Coches>(o); });
  EXPECT_EQ(d.textes(Genre::Message),
            std::vector<std::string>{
                "Aucun changement.\nLa liste des utilisateurs non trouv\xE9s est vide."});
  EXPECT_EQ(d.nombre(Genre::Question), 0u);
  EXPECT_FALSE(e.compteurs.has_value());
}

// Lines best first, ties in not-found then account order; accepting every line
// whose person and account are still free places what a yes to each would have.
TEST(RapprocheRessemblance, ReviewSeesEveryLineAndItsTicksArePlaced) {
  EtatRapprochement e;
  e.comptes = {Libre("c0", "MARTIN", "Lea", "05/06/2011"),
               Libre("c1", "GARCIA", "Hugo", "07/08/2012 "),
               Libre("c2", "GARCIA", "Hugo", "07/08/2012"),
               test::Attachee("c3", "PETIT", "Emma", "09/10/2013", "PETIT", "Emma", "09/10/2013"),
               Libre("c4", "ROUX", "Zoe", "09/10/2013")};
  e.rebus = {{"MARTIN",
              "L\xE9"
              "a Marie",
              "05/06/2011"},
             {"GARCIA-LOPEZ", "Hugo", "07/08/2012"},
             {"GARCIA", "Hugo", " 08/07/2012"},
             {"DUBOIS", "Paul", "09/10/2013"},
             {"", "Hugo", "07/08/2012"}};  // no last name: a drop would refuse it
  DialoguesScript d;
  std::vector<std::string> vues;
  Coches ouverture;
  RapprocheRessemblance(e, d, [&](const std::vector<PropositionRessemblance>& lignes,
                                  const Coches& o) -> std::optional<Coches> {
    for (const PropositionRessemblance& l : lignes)
      vues.push_back(std::to_string(l.rebus) + e.comptes[l.compte].login + " " +
                     std::to_string(l.ressemblance.score));
    ouverture = o;
    return CochesToutes(lignes);
  });
  EXPECT_EQ(vues, (std::vector<std::string>{"2c1 98", "2c2 98", "1c1 96", "1c2 96", "0c0 89"}));
  // Tied at the top of their persons and accounts, the GARCIA lines tick none.
  EXPECT_EQ(ouverture, (Coches{0, 0, 0, 0, 1}));
  EXPECT_EQ(d.nombre(Genre::Question), 0u);

  EXPECT_EQ(e.comptes[1].sousItem(kNouvelleDateNaiss), " 08/07/2012");
  EXPECT_EQ(e.comptes[1].marque, Marque::DejaBon);
  EXPECT_EQ(e.comptes[2].sousItems,
            (std::vector<std::string>{"GARCIA", "Hugo", "07/08/2012", "GARCIA-LOPEZ", "Hugo",
                                      "07/08/2012"}));
  EXPECT_EQ(e.comptes[2].marque, Marque::ModificationImportante);
  EXPECT_EQ(e.comptes[0].marque, Marque::ModificationImportante);
  EXPECT_FALSE(e.comptes[4].attachee());
  EXPECT_EQ(NomsRebus(e), (std::vector<std::string>{"DUBOIS/Paul", "/Hugo"}));
  EXPECT_EQ(d.textes(Genre::Message),
            std::vector<std::string>{"Nombre d'utilisateurs rapproch\xE9s par ressemblance : 3" + kFin});
  EXPECT_EQ(e.indicationRebus, "Nombre de personnes : 2");
  EXPECT_EQ(e.compteurs.value().modificationsImportantes, 2);
}

// A cancelled review changes nothing and says nothing; no line at all still ends
// with the count of 0.
TEST(RapprocheRessemblance, CancelledOrNothingToPropose) {
  EtatRapprochement e;
  e.comptes = {Libre("c0", "MARTIN", "Lea", "05/06/2011")};
  e.rebus = {{"MARTIN", "Lea", "06/05/2011"}};
  const EtatRapprochement avant = e;
  DialoguesScript d;
  RapprocheRessemblance(e, d, [](const auto&, const Coches&) { return std::optional<Coches>(); });
  EXPECT_EQ(e.rebus.size(), 1u);
  EXPECT_FALSE(e.comptes[0].attachee());
  EXPECT_TRUE(d.appels.empty());

  e.rebus = {{"DURAND", "Paul", "01/01/2001"}};
  int revues = 0;
  RapprocheRessemblance(e, d, [&](const auto&, const Coches& o) {
    ++revues;
    return std::optional<Coches>(o);
  });
  EXPECT_EQ(revues, 0);
  EXPECT_EQ(d.textes(Genre::Message),
            std::vector<std::string>{"Nombre d'utilisateurs rapproch\xE9s par ressemblance : 0" + kFin});
}

// A line of a person and an account whose last names are one letter apart, first
// names (two on each side) and birth dates identical.
PropositionRessemblance L(std::size_t personne, std::size_t compte, int score) {
  PropositionRessemblance p;
  p.rebus = personne;
  p.compte = compte;
  p.ressemblance = {NiveauNom::UneLettre, NiveauPrenoms::Identiques, NiveauDate::Identique,
                    score, 2, 2};
  return p;
}

PropositionRessemblance Niveaux(PropositionRessemblance p, NiveauNom nom, NiveauPrenoms prenoms,
                                NiveauDate date) {
  p.ressemblance.nom = nom;
  p.ressemblance.prenoms = prenoms;
  p.ressemblance.date = date;
  return p;
}

// The same last name and birth date: a twin's line.
PropositionRessemblance Jumeau(PropositionRessemblance p) {
  return Niveaux(p, NiveauNom::Identique, NiveauPrenoms::Differents, NiveauDate::Identique);
}

PropositionRessemblance Prenoms(PropositionRessemblance p, int compte, int personne) {
  p.ressemblance.prenomsCompte = compte;
  p.ressemblance.prenomsPersonne = personne;
  return p;
}

// The ticks at opening: sure, well ahead of every other line of its person and its
// account, and none of the look-alikes that the score cannot tell apart.
TEST(RapprocheRessemblance, TicksAtOpening) {
  const int S = kSeuilRessemblanceSure;
  const int E = kEcartRessemblanceSure;
  using N = NiveauNom;
  using P = NiveauPrenoms;
  using D = NiveauDate;
  PropositionRessemblance courants =
      Niveaux(L(0, 0, 91), N::Identique, P::PremierProche, D::Identique);
  courants.premiersPrenomsCourants = true;
  struct Cas {
    const char* quoi;
    std::vector<PropositionRessemblance> lignes;
    Coches attendues;
  } cas[] = {
      {"sure", {L(0, 0, S)}, {1}},
      {"below the sure threshold", {L(0, 0, S - 1)}, {0}},
      {"runner-up of its person far enough", {L(0, 0, S + E), L(0, 1, S)}, {1, 0}},
      {"runner-up of its person too close", {L(0, 0, S + E), L(0, 1, S + 1)}, {0, 0}},
      {"tie within a person", {L(0, 0, S + 5), L(0, 1, S + 5)}, {0, 0}},
      {"tie within an account", {L(0, 0, S + 5), L(1, 0, S + 5)}, {0, 0}},
      {"best of its person, not of its account",
       {L(1, 0, S + 20), L(0, 0, S + 5), L(0, 1, S + 1)},
       {1, 0, 0}},
      {"tie below the top does not matter",
       {L(0, 0, S + 20), L(0, 1, S + 2), L(0, 2, S + 2)},
       {1, 0, 0}},
      {"two independent pairs", {L(0, 0, 100), L(1, 1, S)}, {1, 1}},
      {"a twin of its account among the persons",
       {Niveaux(L(0, 0, 98), N::Identique, P::AutreOrdre, D::Identique), Jumeau(L(1, 0, 64))},
       {0, 0}},
      {"a twin of its person among the accounts",
       {Niveaux(L(0, 0, 89), N::UneLettre, P::MemePremier, D::UnChiffre), Jumeau(L(0, 1, 64))},
       {0, 0}},
      {"a twin, told apart by the first first-name and the date",
       {Niveaux(L(0, 0, 89), N::Identique, P::MemePremier, D::Identique), Jumeau(L(0, 1, 64))},
       {1, 0}},
      {"itself the same last name and date", {Jumeau(L(0, 0, 98))}, {1}},
      {"usage name, two first names",
       {Niveaux(L(0, 0, 72), N::Different, P::Identiques, D::Identique)},
       {1}},
      {"usage name, a lone first name",
       {Prenoms(Niveaux(L(0, 0, 72), N::Different, P::Identiques, D::Identique), 1, 1)},
       {0}},
      {"close first names, both in use", {courants}, {0}},
      {"close first names, one not in use",
       {Niveaux(L(0, 0, 91), N::Identique, P::PremierProche, D::Identique)},
       {1}},
      {"a lone first name against several, date typo",
       {Prenoms(Niveaux(L(0, 0, 80), N::Identique, P::MemePremier, D::UnChiffre), 2, 1)},
       {0}},
      {"a lone first name against several, same date",
       {Prenoms(Niveaux(L(0, 0, 89), N::Identique, P::MemePremier, D::Identique), 1, 3)},
       {1}},
      {"a lone first name on each side, date typo",
       {Prenoms(Niveaux(L(0, 0, 91), N::Identique, P::Identiques, D::UnChiffre), 1, 1)},
       {1}},
  };
  for (const Cas& c : cas) EXPECT_EQ(CochesOuverture(c.lignes), c.attendues) << c.quoi;
}

// Two close first first-names are in use when each is borne by enough rows of the two
// lists, the account list's attached rows included.
TEST(RapprocheRessemblance, CloseFirstNamesInUse) {
  for (const bool enUsage : {false, true}) {
    EtatRapprochement e;
    const std::string lea = "L\xE9" "a";
    e.comptes = {Libre("c0", "MARTIN", "Lena", "01/02/2011"),
                 Libre("c1", "ROUX", "L\xE9na Marie", "05/05/2012"),
                 Libre("c2", "PETIT", lea, "04/04/2012"),
                 Libre("c3", "BLANC", "LENA", "06/06/2013")};
    AttachePersonne(e.comptes[2], "PETIT", lea, "04/04/2012");
    e.rebus = {{"MARTIN", lea, "01/02/2011"}};
    if (enUsage) e.rebus.push_back({"DURAND", "LEA", "03/03/2013"});
    const std::vector<PropositionRessemblance> lignes = CandidatsRessemblance(e);
    ASSERT_EQ(lignes.size(), 1u);
    EXPECT_EQ(lignes[0].ressemblance.prenoms, NiveauPrenoms::PremierProche);
    EXPECT_EQ(lignes[0].premiersPrenomsCourants, enUsage);
  }
}

// Ticking unticks every line sharing the person or the account, and nothing else;
// accepting all goes down the lines taking what is still free.
TEST(RapprocheRessemblance, TickingAndAcceptingAll) {
  const std::vector<PropositionRessemblance> lignes = {L(0, 0, 90), L(0, 1, 85), L(1, 0, 80),
                                                       L(1, 1, 75), L(2, 2, 70)};
  struct Cas {
    Coches avant;
    std::size_t cochee;
    Coches apres;
  } cas[] = {
      {{1, 0, 0, 1, 1}, 1, {0, 1, 0, 0, 1}},
      {{1, 0, 0, 1, 0}, 2, {0, 0, 1, 0, 0}},
      {{0, 0, 0, 0, 0}, 4, {0, 0, 0, 0, 1}},
      {{0, 0, 0, 0, 1}, 9, {0, 0, 0, 0, 1}},  // no such line
  };
  for (const Cas& c : cas) {
    Coches coches = c.avant;
    CocheLigne(lignes, coches, c.cochee);
    EXPECT_EQ(coches, c.apres) << c.cochee;
  }
  EXPECT_EQ(CochesToutes(lignes), (Coches{1, 0, 0, 1, 1}));
  EXPECT_EQ(CochesToutes(lignes, 71), (Coches{1, 0, 0, 1, 0}));
}

}  // namespace
}  // namespace corrinom
