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
// account rows by their folded current names once; each person then costs only the
// rows that carry the same names. The results are those of RapprocheExact person by
// person. While the object is in use the account rows must not be reordered and
// their current names (sub-items 0 and 1) must not change; exact matching itself
// changes neither.
class RemiseFichier {
 public:
  explicit RemiseFichier(EtatRapprochement& etat);

  void RapprocheExact(const std::string& nom, const std::string& prenoms,
                      const std::string& dateNaiss);

 private:
  EtatRapprochement& etat_;
  // Folded, upper-cased current names -> ascending row positions.
  std::unordered_map<std::string, std::vector<std::size_t>> index_;
};

}  // namespace corrinom
