// Exact matching of the persons read from a file.
//
// A person is attached to the first account row, from the top, whose current last
// name and first names equal the person's once accents are folded and ASCII case is
// ignored, whose birth date is compatible, and which is free or holds a person the
// new one may replace (current names equal to the read names without folding).
// Any other person goes to the end of the not-found list.
//
// Neither form refreshes the counters or hints: after the last person of a file the
// caller runs AfficheNombres and AfficheResume.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "reconcile/etat.h"

namespace corrinom {

// True when either date is empty or both are identical byte for byte.
bool DatesCompatibles(std::string_view dateCompte, std::string_view dateLue);

// Matches one person by visiting every account row from the top. Its cost grows
// with the number of accounts; a file's persons go through RemiseFichier instead.
void RapprocheExact(EtatRapprochement& etat, const std::string& nom, const std::string& prenoms,
                    const std::string& dateNaiss);

// The hand-over of one file's persons to exact matching. The constructor indexes the
// account rows by their folded current names once; each person then costs one
// look-up and at most a few rows, however many rows carry the same names. The
// results are those of RapprocheExact person by person. While the object is in use
// the account rows must not be reordered, their current names and birth dates
// (sub-items 0 to 2) must not change and no row may be freed; exact matching itself
// does none of these. Should the number of rows change anyway, persons go through
// the row-by-row visit rather than a stale index.
class RemiseFichier {
 public:
  explicit RemiseFichier(EtatRapprochement& etat);

  void RapprocheExact(const std::string& nom, const std::string& prenoms,
                      const std::string& dateNaiss);

 private:
  // The rows are grouped by key (folded, upper-cased current last name and first
  // names) in an open-addressing table of 8-byte slots, which stays small enough for
  // the processor's second-level cache on lists of tens of thousands of rows. A slot
  // names its row directly when the key has one row, else a run of lignes_ (its
  // length, then the rows in list order). Keys are not stored: a candidate slot is
  // checked against the key of its first row.
  struct Case {
    std::uint32_t hachage = 0;
    std::uint32_t ref = kVide;
  };
  static constexpr std::uint32_t kVide = 0xFFFFFFFFu;
  static constexpr std::uint32_t kGroupe = 0x80000000u;  // ref is a run of lignes_

  std::size_t nombre(const Case& c) const {
    return c.ref == kVide ? 0 : (c.ref & kGroupe) ? lignes_[c.ref & ~kGroupe] : 1;
  }
  // Row j of a slot's group, in list order.
  std::size_t ligne(const Case& c, std::size_t j) const {
    return (c.ref & kGroupe) ? lignes_[(c.ref & ~kGroupe) + 1 + j] : c.ref;
  }
  // The slot holding the key in tampon_, or the empty slot that ends its probe.
  std::size_t cherche(std::uint32_t hachage);

  // A group of more than kLignesParcourues rows is not walked. The visit takes its
  // first row whose date is compatible and that is free or replaceable; as rows are
  // only ever taken, never freed, that row is the earliest of
  //  - the first free row among those of a compatible date: per date, the group's
  //    rows of that date with a cursor that only moves forward past taken rows;
  //  - the first row of a compatible date whose names equal the person's without
  //    folding (ASCII case ignored), taken or not: it never changes.
  // Both are kept in one map under keys made of a tag, the slot and the texts.
  static constexpr std::size_t kLignesParcourues = 16;
  struct Suite {
    std::vector<std::uint32_t> lignes;  // in list order
    std::size_t suivante = 0;           // no free row before this one
  };
  void indexeGroupe(std::uint32_t k);
  std::uint32_t premiereLibre(char marque, std::uint32_t k, std::string_view date);
  std::uint32_t premiereRemplacable(std::uint32_t k, std::string_view date, bool toutes);
  void cleDetail(char marque, std::uint32_t k, std::string_view date);
  std::uint32_t groupeIndexe(std::uint32_t k, const std::string& nom, const std::string& prenoms,
                             const std::string& dateNaiss);

  EtatRapprochement& etat_;
  std::size_t nombreLignes_;           // the row count the index was built for
  std::vector<Case> cases_;            // at most two thirds full
  std::vector<std::uint32_t> lignes_;  // runs for the keys of two or more rows
  std::string tampon_;                 // the key being looked up
  std::string tamponLigne_;            // the key of a row it is checked against
  std::unordered_map<std::string, Suite> libres_;             // large groups, by date
  std::unordered_map<std::string, std::uint32_t> premieres_;  // large groups, by names
  std::string cleDetail_;              // a key of those two maps
  std::string variante_;               // the person's names as premieres_ keys them
};

}  // namespace corrinom
