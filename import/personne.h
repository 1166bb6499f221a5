// What the file readers hand over: one Person at a time, in file order.
//
// The readers never touch the two lists themselves: they talk to a
// RemisePersonnes, which the reconciliation state (or a test, or the
// command line) implements.
#pragma once

#include <string>

namespace corrinom {

// One person read from a file, as exact matching receives it.
struct Personne {
  std::string Nom;        // MajusculeNom of the last name
  std::string Prenoms;    // cleaned first names joined by single blanks
  std::string DateNaiss;  // the birth date text, never validated

  friend bool operator==(const Personne&, const Personne&) = default;
};

// The lists as the readers see them.
class RemisePersonnes {
 public:
  virtual ~RemisePersonnes() = default;

  // Removes every row of the not-found list (done once, when the file has been accepted).
  virtual void videNonTrouves() = 0;

  // Exact matching of one person; each call finishes before the next person.
  virtual void rapprocheExact(const Personne& personne) = 0;

  // Sorts the not-found list by last name then first names (the delimited text reader only).
  virtual void trieNonTrouves() = 0;

  // Refreshes both lists' hints and the "Travail à faire" counters.
  virtual void afficheNombresEtResume() = 0;
};

}  // namespace corrinom
