#include "reconcile/cles.h"

#include <array>

#include "text/noms.h"

namespace corrinom::detail {

std::string MajusculeAscii(std::string texte) {
  for (char& c : texte)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return texte;
}

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

std::string_view Rogne(std::string_view texte) {
  auto blanc = [](char c) { return static_cast<unsigned char>(c) <= 32; };
  std::size_t debut = 0;
  std::size_t fin = texte.size();
  while (debut < fin && blanc(texte[debut])) ++debut;
  while (fin > debut && blanc(texte[fin - 1])) --fin;
  return texte.substr(debut, fin - debut);
}

}  // namespace corrinom::detail
