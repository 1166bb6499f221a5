#include "xml/conversion.h"

#include <array>
#include <cstdint>
#include <cstring>

#include "text/encodage.h"

namespace corrinom::xml {

namespace {

struct Guillemet {
  unsigned char troisiemeOctet;  // of E2 80 xx
  std::uint32_t codePoint;
  unsigned char cp1252;
};

constexpr std::array<Guillemet, 7> kGuillemets{{
    {0x98, 0x2018, 0x91},
    {0x99, 0x2019, 0x92},
    {0x9C, 0x201C, 0x93},
    {0x9D, 0x201D, 0x94},
    {0x9E, 0x201E, 0x84},
    {0xB9, 0x2039, 0x8B},
    {0xBA, 0x203A, 0x9B},
}};

const Guillemet* GuillemetEn(std::string_view s, std::size_t i) {
  if (i + 2 >= s.size() || static_cast<unsigned char>(s[i + 1]) != 0x80) return nullptr;
  for (const Guillemet& g : kGuillemets)
    if (static_cast<unsigned char>(s[i + 2]) == g.troisiemeOctet) return &g;
  return nullptr;
}

constexpr std::string_view kBom = "\xEF\xBB\xBF";

// One run between two marks. Only the document's first byte-order mark is
// dropped: another one at the start of a later run is a character.
void AjouteSegment(std::string& sortie, std::string_view segment, bool premier) {
  if (!premier && segment.substr(0, kBom.size()) == kBom) {
    sortie += CaracterePersonne(0xFEFF);
    segment.remove_prefix(kBom.size());
  }
  sortie += Utf8VersCp1252Personne(segment);
}

}  // namespace

std::string Utf8VersCp1252Balisage(std::string_view utf8, bool& marques) {
  marques = false;
  std::string sortie;
  std::size_t debut = 0;
  bool premier = true;
  for (std::size_t i = utf8.find('\xE2'); i != std::string_view::npos; i = utf8.find('\xE2', i + 1)) {
    const Guillemet* g = GuillemetEn(utf8, i);
    if (!g) continue;
    if (premier) sortie.reserve(utf8.size());
    AjouteSegment(sortie, utf8.substr(debut, i - debut), premier);
    premier = false;
    sortie += static_cast<char>(g->cp1252);
    marques = true;
    debut = i + 3;
    i += 2;
  }
  if (premier) return Utf8VersCp1252Personne(utf8);
  AjouteSegment(sortie, utf8.substr(debut), false);
  return sortie;
}

void RestaureGuillemets(std::string& s) {
  static const std::array<char, 256> remplacements = [] {
    std::array<char, 256> t{};
    for (const Guillemet& g : kGuillemets) {
      const std::string ascii = CaracterePersonne(g.codePoint);
      t[g.cp1252] = ascii.size() == 1 ? ascii[0] : '?';
    }
    return t;
  }();
  for (char& c : s)
    if (const char r = remplacements[static_cast<unsigned char>(c)]) c = r;
}

}  // namespace corrinom::xml
