// How much a free account row and a not-found person look alike.
//
// Each of the three fields is compared on folded copies and given one agreement
// level; each level carries a weight, and the sum of the three weights, rescaled,
// is the pair's score from 0 to 100. The levels, their weights and the threshold
// live in one table, in ressemblance_niveaux.cpp, with the reasons for each number.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace corrinom {

// Levels of each field, from the strongest agreement to none.
enum class NiveauNom {
  Identique,      // the same folded last name
  UneLettre,      // one letter inserted, deleted, replaced, or two neighbours swapped
  Compose,        // one is a word or hyphenated part of the other, or the same words
  Prononciation,  // the same French phonetic key
  Different,
};

enum class NiveauPrenoms {
  Identiques,     // the same first names in the same order
  MemePremier,    // the same first first-name, the others differ
  AutreOrdre,     // the same first names in another order, or one more on one side
  PremierProche,  // first first-names one letter apart or pronounced alike
  Differents,
};

enum class NiveauDate {
  Identique,
  JourMoisInverses,  // the day and the month swapped
  UnChiffre,         // one digit differs, or the day, month or year is one off
  Differente,        // differs otherwise, or either date is missing or unreadable
};

struct Ressemblance {
  NiveauNom nom = NiveauNom::Different;
  NiveauPrenoms prenoms = NiveauPrenoms::Differents;
  NiveauDate date = NiveauDate::Differente;
  int score = 0;  // 0 to 100
  // How many first names the account and the person bear: a lone first name tells
  // less about who bears it than several do.
  int prenomsCompte = 0;
  int prenomsPersonne = 0;
};

// Pairs scoring below this are never proposed.
extern const int kSeuilRessemblance;
// Accepting every proposal places only lines at or above this.
extern const int kSeuilToutAccepter;
// A proposal at or above this may be ticked when the review opens (see
// CochesOuverture for the other conditions).
extern const int kSeuilRessemblanceSure;
// A ticked line scores at least this much more than every other line of its person
// and of its account.
extern const int kEcartRessemblanceSure;
// A first first-name borne by at least this many rows of the two lists is in use in
// the school: two such names one letter apart are taken for two names (LEA, LENA).
extern const int kPorteursPrenomCourant;

// The folded form of one row's three texts, computed once per row so that a pair is
// compared without folding anything again.
struct FicheRessemblance {
  std::string nom;                    // last name: upper case, accents folded, words
                                      // separated by single blanks
  std::vector<std::string> motsNom;   // its words
  std::string phonetiqueNom;          // French phonetic key of the whole last name
  std::vector<std::string> prenoms;   // first names, folded the same way, in order
  std::string phonetiquePrenom;       // phonetic key of the first first-name
  int jour = 0, mois = 0, annee = 0;  // the date when it reads as dd/mm/yyyy, else 0
  std::string date;                   // the date trimmed, "dd/mm/yyyy" when readable
};

FicheRessemblance FicheDe(std::string_view nom, std::string_view prenoms,
                          std::string_view dateNaiss);

// The first first-name folded as FicheDe folds it; empty when there is none.
std::string PremierPrenomPlie(std::string_view prenoms);

NiveauNom CompareNom(const FicheRessemblance& a, const FicheRessemblance& b);
NiveauPrenoms ComparePrenoms(const FicheRessemblance& a, const FicheRessemblance& b);
NiveauDate CompareDate(const FicheRessemblance& a, const FicheRessemblance& b);

// The three levels and the score of a pair.
Ressemblance Compare(const FicheRessemblance& compte, const FicheRessemblance& personne);

// The reasons shown to the operator, in CP1252:
// "nom : ... ; prénoms : ... ; date de naissance : ...".
std::string RaisonsRessemblance(const Ressemblance& r);

namespace detail {

// True when a and b differ by exactly one insertion, deletion, substitution or swap
// of two neighbouring bytes.
bool UneModification(std::string_view a, std::string_view b);

// A key that two spellings of one French pronunciation usually share; built from
// the letters A to Z of an upper-case text, everything else ignored.
std::string ClePhonetique(std::string_view texte);

}  // namespace detail
}  // namespace corrinom
