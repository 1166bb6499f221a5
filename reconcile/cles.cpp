#include "reconcile/cles.h"

#include <array>

#include "text/noms.h"
#include "text/octets.h"

namespace corrinom::detail {

namespace {

// The key byte of every byte, taken from EnleveAccents itself so that the folding
// table lives in one place only.
const std::array<char, 256>& TableCle() {
  static const std::array<char, 256> table = [] {
    std::array<char, 256> t{};
    for (int b = 0; b < 256; ++b) {
      const std::string plie = EnleveAccents(std::string(1, static_cast<char>(b)));
      t[static_cast<std::size_t>(b)] =
          plie.size() == 1 ? MajusculeAscii(plie)[0] : static_cast<char>(b);
    }
    return t;
  }();
  return table;
}

}  // namespace

std::string CleNom(std::string_view texte) {
  std::string cle;
  AjouteCleNom(cle, texte);
  return cle;
}

void AjouteCleNom(std::string& sortie, std::string_view texte) {
  const std::array<char, 256>& table = TableCle();
  const std::size_t debut = sortie.size();
  sortie.resize(debut + texte.size());
  for (std::size_t i = 0; i < texte.size(); ++i)
    sortie[debut + i] = table[static_cast<unsigned char>(texte[i])];
}

}  // namespace corrinom::detail
