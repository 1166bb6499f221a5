// USER_INFO_3 and its mirrors (Samba's and Windows' structures) name their
// fields usri3_*; CompteStocke names the same fields without the prefix. These
// two templates copy every field of champs_info3.def between the two shapes, so
// that each user only says how a text field and the logon-hours bitmap convert,
// and no field can be forgotten in one of the copies.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>

#include "accounts/store/magasin_comptes.h"

namespace corrinom {

using HeuresConnexion = std::array<std::uint8_t, 21>;

// The 21-byte logon-hours bitmap a store returned, or none for a null pointer.
inline std::optional<HeuresConnexion> HeuresDepuis(const unsigned char* octets) {
  if (octets == nullptr) return std::nullopt;
  HeuresConnexion heures{};
  std::copy_n(octets, heures.size(), heures.begin());
  return heures;
}

// A store's record to CompteStocke. `texte` turns one text field (possibly null)
// into a ChampTexte. A text field the structure lacks (Samba's has no password)
// stays null.
template <class Info3, class Texte>
CompteStocke CompteDepuisInfo3(const Info3& u, Texte texte) {
  CompteStocke c;
#define CORRINOM_TEXTE(n) \
  if constexpr (requires { u.usri3_##n; }) c.n = texte(u.usri3_##n);
#define CORRINOM_NOMBRE(n, defaut) c.n = u.usri3_##n;
#define CORRINOM_HEURES(n) c.n = HeuresDepuis(u.usri3_##n);
#include "accounts/store/champs_info3.def"
  return c;
}

// A store's level-10 record (the names and comments an enumeration of names
// returns) to CompteStocke; the other fields stay as CompteStocke has them.
template <class Info10, class Texte>
CompteStocke CompteDepuisInfo10(const Info10& u, Texte texte) {
  CompteStocke c;
  c.name = texte(u.usri10_name);
  c.comment = texte(u.usri10_comment);
  c.usr_comment = texte(u.usri10_usr_comment);
  c.full_name = texte(u.usri10_full_name);
  return c;
}

// CompteStocke to a record. `texte` turns a ChampTexte into the record's text
// field; `heures` turns the optional bitmap into the record's logon-hours field.
template <class Info3, class Texte, class Heures>
void CompteVersInfo3(const CompteStocke& c, Info3& u, Texte texte, Heures heures) {
#define CORRINOM_TEXTE(n) \
  if constexpr (requires { u.usri3_##n; }) u.usri3_##n = texte(c.n);
#define CORRINOM_NOMBRE(n, defaut) u.usri3_##n = c.n;
#define CORRINOM_HEURES(n) u.usri3_##n = heures(c.n);
#include "accounts/store/champs_info3.def"
}

}  // namespace corrinom
