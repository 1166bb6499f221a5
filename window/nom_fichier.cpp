#include "window/nom_fichier.h"

#include <cstdint>

#include "text/encodage.h"

namespace corrinom::fenetre {

namespace {

bool EstHaut(char16_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool EstBas(char16_t u) { return u >= 0xDC00 && u <= 0xDFFF; }

// Walks the UTF-16 text by characters; an unpaired surrogate is given as 0xFFFFFFFF.
template <typename F>
void ParCaractere(std::u16string_view t, F&& f) {
  constexpr std::uint32_t kSansCaractere = 0xFFFFFFFFu;
  for (std::size_t i = 0; i < t.size(); ++i) {
    const char16_t u = t[i];
    if (EstHaut(u) && i + 1 < t.size() && EstBas(t[i + 1])) {
      f(0x10000u + ((static_cast<std::uint32_t>(u) - 0xD800u) << 10) + (static_cast<std::uint32_t>(t[i + 1]) - 0xDC00u));
      ++i;
    } else if (EstHaut(u) || EstBas(u)) {
      f(kSansCaractere);
    } else {
      f(static_cast<std::uint32_t>(u));
    }
  }
}

}  // namespace

std::optional<std::string> NomFichierSysteme(std::u16string_view nom) {
  std::string utf8;
  bool lisible = true;
  ParCaractere(nom, [&](std::uint32_t c) {
    if (c == 0xFFFFFFFFu) lisible = false;
    else utf8 += EncodeUtf8(c);
  });
  if (!lisible) return std::nullopt;
  return utf8;
}

std::string Utf16VersCp1252(std::u16string_view texte) {
  std::string utf8;
  ParCaractere(texte, [&](std::uint32_t c) { utf8 += c == 0xFFFFFFFFu ? std::string("?") : EncodeUtf8(c); });
  return Utf8VersCp1252Compte(utf8);
}

std::u16string Cp1252VersUtf16(std::string_view cp1252) {
  // Every CP1252 byte stands for a character of the basic plane.
  const std::string utf8 = Cp1252VersUtf8(cp1252);
  std::u16string r;
  r.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    const auto c = static_cast<unsigned char>(utf8[i]);
    const std::size_t n = c < 0x80 ? 1 : c < 0xE0 ? 2 : 3;
    std::uint32_t u = n == 1 ? c : n == 2 ? (c & 0x1Fu) : (c & 0x0Fu);
    for (std::size_t k = 1; k < n && i + k < utf8.size(); ++k)
      u = (u << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3Fu);
    r.push_back(static_cast<char16_t>(u));
    i += n;
  }
  return r;
}

std::string MessageNomIllisible(std::u16string_view nom) {
  return "Le nom de ce fichier contient des caract\xE8res que Corrinom ne sait pas lire :\n" +
         Utf16VersCp1252(nom) + "\nRenommez le fichier ou son dossier, puis ouvrez-le \xE0 nouveau.";
}

}  // namespace corrinom::fenetre
