#include "reconcile/cles.h"

#include "text/noms.h"

namespace corrinom::detail {

std::string MajusculeAscii(std::string texte) {
  for (char& c : texte)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return texte;
}

std::string CleNom(std::string_view texte) { return MajusculeAscii(EnleveAccents(texte)); }

std::string_view Rogne(std::string_view texte) {
  auto blanc = [](char c) { return static_cast<unsigned char>(c) <= 32; };
  std::size_t debut = 0;
  std::size_t fin = texte.size();
  while (debut < fin && blanc(texte[debut])) ++debut;
  while (fin > debut && blanc(texte[fin - 1])) --fin;
  return texte.substr(debut, fin - debut);
}

}  // namespace corrinom::detail
