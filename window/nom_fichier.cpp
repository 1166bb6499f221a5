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

std::string MessageNomIllisible(std::u16string_view nom) {
  return "Le nom de ce fichier contient des caract\xE8res que Corrinom ne sait pas lire :\n" +
         Utf16VersCp1252(nom) + "\nRenommez le fichier ou son dossier, puis ouvrez-le \xE0 nouveau.";
}

}  // namespace corrinom::fenetre
