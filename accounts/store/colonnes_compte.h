// The fields of an account record by name, in USER_INFO_3 order, for the code
// that stores or prints every field (the SQLite base, the TSV form). Made from
// champs_info3.def like CompteStocke itself.
#pragma once

#include <iterator>
#include <cstdint>
#include <string_view>

#include "accounts/store/magasin_comptes.h"

namespace corrinom {

struct ColonneCompte {
  enum class Genre { Texte, Nombre, Heures };
  std::string_view nom;  // the USER_INFO_3 field name without "usri3_"
  Genre genre;
  ChampTexte CompteStocke::*texte = nullptr;
  std::uint32_t CompteStocke::*nombre = nullptr;
};

inline constexpr ColonneCompte kColonnesCompte[] = {
#define CORRINOM_TEXTE(n) {#n, ColonneCompte::Genre::Texte, &CompteStocke::n},
#define CORRINOM_NOMBRE(n, defaut) {#n, ColonneCompte::Genre::Nombre, nullptr, &CompteStocke::n},
#define CORRINOM_HEURES(n) {#n, ColonneCompte::Genre::Heures},
#include "accounts/store/champs_info3.def"
};
static_assert(std::size(kColonnesCompte) == 29);

}  // namespace corrinom
