// The accounts seeded on the test server, as the seeding tool writes them and
// the tests expect them back. Texts are UTF-8, the store's own text.
#pragma once

#include <cstdio>
#include <string>

namespace corrinom::essai_samba {

inline constexpr const char* kLecteur = "lecteur";  // a non-administrator account

inline std::string Login(int i) {
  char tampon[16];
  std::snprintf(tampon, sizeof tampon, "eleve%04d", i);
  return tampon;
}

// Upper-case letters that make each last name unique: 1 -> "B", 27 -> "BB"...
inline std::string NomDe(int i) {
  std::string lettres;
  for (int n = i; n > 0; n /= 26) lettres.insert(lettres.begin(), static_cast<char>('A' + n % 26));
  return "NOM" + lettres;
}

inline std::string PrenomsDe(int i) { return i % 7 == 0 ? "Zo\xC3\xA9 Marie" : "Jean Paul"; }

inline std::string DateDe(int i) {
  char tampon[16];
  std::snprintf(tampon, sizeof tampon, "%02d/%02d/%04d", 1 + i % 28, 1 + i % 12, 2000 + i % 10);
  return tampon;
}

// Every tenth account is not TAVO's; a few TAVO accounts have no full name.
inline bool EstTavo(int i) { return i % 10 != 0; }
inline bool SansNomComplet(int i) { return i % 50 == 3; }
inline bool EstListe(int i) { return EstTavo(i) && !SansNomComplet(i); }

// Account 5 carries characters CP1252 lacks in its comment and description, so
// that a rewrite shows whether they survive.
inline bool AvecHorsCp1252(int i) { return i == 5; }

inline std::string NomCompletDe(int i) { return SansNomComplet(i) ? "" : NomDe(i) + " " + PrenomsDe(i); }

inline std::string CommentaireDe(int i) {
  const std::string classe = AvecHorsCp1252(i) ? "5\xC5\x81" "A \xE2\x82\xAC \xF0\x9F\x98\x80" : "6B";
  return std::string(EstTavo(i) ? "TAVO" : "AUTRE") + ";" + classe + ";eleve;;;x;" +
         std::to_string(NomDe(i).size()) + ";;" + DateDe(i) + ";;;0;0";
}

inline std::string DescriptionDe(int i) { return AvecHorsCp1252(i) ? "Classe \xC5\x81\xC3\xB3" "d\xC5\xBA" : ""; }

}  // namespace corrinom::essai_samba
