// The TAVO record kept in an account's user comment, and the name fields of an
// account (its last name and first names inside the full name).
//
// Texts are CP1252. Nothing here touches a store: these are pure functions over
// the texts a store returned.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "text/longueur_nom.h"

namespace corrinom {

// The TAVO record

inline constexpr std::string_view kMarqueurTavo = "TAVO";

// The thirteen ';'-separated fields of a TAVO user comment.
struct TUsrComment {
  std::string Marqueur;      // 1: "TAVO" on a TAVO account
  std::string Champ2, Champ3, Champ4, Champ5, Champ6;
  std::int32_t LongueurNom = 0;  // 7: characters of the last name in the full name
  std::string Champ8;
  std::string DateNaiss;     // 9: shown and compared as stored
  std::string Champ10, Champ11;
  std::int32_t Champ12 = 0;
  std::int32_t Champ13 = 0;
};

// Takes the next field off the front of `reste`, with its ';'.
std::string ChampSuivant(std::string& reste);

// An integer field: an optional sign and decimal digits within 32 bits, else 0.
std::int32_t EntierChamp(std::string_view champ);

// Parses a user comment (an absent comment is the empty text).
TUsrComment LitUsrComment(std::string_view texte);

// The current last name and first names of an account from its full name and
// LongueurNom (a negative length counts as 0).
std::string ExtraitNom(std::string_view nomComplet, std::int64_t longueurNom);
std::string ExtraitPrenoms(std::string_view nomComplet, std::int64_t longueurNom);

}  // namespace corrinom
