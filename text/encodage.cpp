// Conversions between CP1252 and Unicode (see encodage.h).
#include "text/encodage.h"

#include <array>
#include <cstddef>

#include "text/composition.h"
#include "text/lettres_latines.h"

namespace corrinom {
namespace {

// The characters of CP1252's bytes 0x80 to 0x9F. The five bytes CP1252 leaves
// undefined stand for the C1 control of the same value, as on Windows.
constexpr std::array<std::uint16_t, 32> kCp1252Haut{{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98
}};

// What a person file's character becomes when CP1252 has it at 0x80-0x9F: the
// name rules read those bytes as DOS letters, so they are written in ASCII.
// Index: byte - 0x80; the undefined bytes have no entry (their C1 control
// becomes '?' like every other).
constexpr std::array<std::string_view, 32> kCp1252HautEnAscii{{
    "EUR", "", ",", "f", "\"", "...", "+", "+",   // 80
    "^", "%", "S", "<", "OE", "", "Z", "",        // 88
    "", "'", "'", "\"", "\"", "*", "-", "-",      // 90
    "~", "TM", "s", ">", "oe", "", "z", "Y",      // 98
}};

constexpr std::uint32_t kRemplacement = '?';

bool EstSubstitut(std::uint32_t cp) { return cp >= 0xD800 && cp <= 0xDFFF; }

bool EstCaractere(std::uint32_t cp) { return cp <= 0x10FFFF && !EstSubstitut(cp); }

// The CP1252 byte holding cp among 0x80-0x9F, or -1. The undefined bytes match
// their own C1 control, so that they round-trip.
int OctetCp1252Haut(std::uint32_t cp) {
  for (std::size_t i = 0; i < kCp1252Haut.size(); ++i) {
    if (kCp1252Haut[i] == cp) return static_cast<int>(0x80 + i);
  }
  return -1;
}

bool EstOctetIndefini(int octet) {
  return octet == 0x81 || octet == 0x8D || octet == 0x8F || octet == 0x90 || octet == 0x9D;
}

// A character CP1252 lacks: its base Latin letters, else the replacement byte.
void AjouteLettreDeBase(std::string& sortie, std::uint32_t cp) {
  const std::string_view lettre = LettreLatineDeBase(cp);
  if (lettre.empty()) {
    sortie.push_back(static_cast<char>(kRemplacement));
  } else {
    sortie.append(lettre);
  }
}

void AjouteCompte(std::string& sortie, std::uint32_t cp) {
  // Every C1 control is kept as its byte too, as Windows' best-fit mapping
  // does: a name written by a tool that took DOS letters for Latin-1 still
  // reaches the repair of DOS letters with its bytes intact.
  if (cp <= 0xFF) {
    sortie.push_back(static_cast<char>(cp));
    return;
  }
  if (const int octet = OctetCp1252Haut(cp); octet >= 0) {
    sortie.push_back(static_cast<char>(octet));
    return;
  }
  AjouteLettreDeBase(sortie, cp);
}

void AjoutePersonne(std::string& sortie, std::uint32_t cp) {
  if (cp == 0 || (cp >= 0x80 && cp <= 0x9F)) {
    sortie.push_back(static_cast<char>(kRemplacement));
    return;
  }
  if (cp <= 0xFF) {
    sortie.push_back(static_cast<char>(cp));
    return;
  }
  if (const int octet = OctetCp1252Haut(cp); octet >= 0 && !EstOctetIndefini(octet)) {
    sortie.append(kCp1252HautEnAscii[static_cast<std::size_t>(octet - 0x80)]);
    return;
  }
  AjouteLettreDeBase(sortie, cp);
}

bool EstSuite(unsigned char c) { return (c & 0xC0) == 0x80; }

// Decodes the well-formed UTF-8 sequence at the start of s: its code point and
// length, or length 0 when the bytes there are not one (truncated, overlong,
// a surrogate, beyond U+10FFFF, a stray continuation byte).
struct Sequence {
  std::uint32_t codePoint = 0;
  std::size_t longueur = 0;
};

Sequence DecodeSequence(std::string_view s) {
  const auto octet = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
  const unsigned char b0 = octet(0);
  if (b0 < 0x80) return {b0, 1};
  std::size_t longueur = 0;
  unsigned char min1 = 0x80;  // the range the second byte must lie in
  unsigned char max1 = 0xBF;
  std::uint32_t cp = 0;
  if (b0 >= 0xC2 && b0 <= 0xDF) {
    longueur = 2;
    cp = b0 & 0x1F;
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    longueur = 3;
    cp = b0 & 0x0F;
    if (b0 == 0xE0) min1 = 0xA0;  // overlong below U+0800
    if (b0 == 0xED) max1 = 0x9F;  // surrogates
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    longueur = 4;
    cp = b0 & 0x07;
    if (b0 == 0xF0) min1 = 0x90;  // overlong below U+10000
    if (b0 == 0xF4) max1 = 0x8F;  // beyond U+10FFFF
  } else {
    return {};
  }
  if (s.size() < longueur) return {};
  if (octet(1) < min1 || octet(1) > max1) return {};
  for (std::size_t i = 1; i < longueur; ++i) {
    if (!EstSuite(octet(i))) return {};
    cp = (cp << 6) | (octet(i) & 0x3F);
  }
  return {cp, longueur};
}

template <typename Ajoute>
std::string DecodeEtConvertit(std::string_view utf8, Ajoute ajoute) {
  std::string sortie;
  sortie.reserve(utf8.size());
  std::size_t i = 0;
  while (i < utf8.size()) {
    const Sequence seq = DecodeSequence(utf8.substr(i));
    if (seq.longueur == 0) {
      sortie.push_back(utf8[i]);  // not UTF-8: the byte stays as it is
      ++i;
    } else {
      // A letter followed by combining accents is composed first, one accent
      // at a time, while the table knows the pair.
      std::uint32_t cp = seq.codePoint;
      i += seq.longueur;
      while (i < utf8.size()) {
        const Sequence accent = DecodeSequence(utf8.substr(i));
        if (accent.longueur == 0 || !EstAccentCombinant(accent.codePoint)) break;
        const std::uint32_t compose = ComposeLettre(cp, accent.codePoint);
        if (compose == 0) break;
        cp = compose;
        i += accent.longueur;
      }
      ajoute(sortie, cp);
    }
  }
  return sortie;
}

constexpr std::string_view kBomUtf8 = "\xEF\xBB\xBF";

// The UTF-8 form of any value up to U+10FFFF, a surrogate included.
void AjouteUtf8(std::string& s, std::uint32_t cp) {
  if (cp < 0x80) {
    s.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    s.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    s.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    s.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    s.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    s.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    s.push_back(static_cast<char>(0xF0 | (cp >> 18)));
    s.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    s.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    s.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

bool EstHaut(std::uint32_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool EstBas(std::uint32_t u) { return u >= 0xDC00 && u <= 0xDFFF; }

// Walks UTF-16 text by code points: a pair gives its character, an unpaired
// surrogate its own value (which EstSubstitut tells apart).
template <typename F>
void ParPointDeCode(std::u16string_view t, F&& f) {
  for (std::size_t i = 0; i < t.size(); ++i) {
    const std::uint32_t u = t[i];
    if (EstHaut(u) && i + 1 < t.size() && EstBas(t[i + 1])) {
      f(0x10000u + ((u - 0xD800u) << 10) + (static_cast<std::uint32_t>(t[i + 1]) - 0xDC00u));
      ++i;
    } else {
      f(u);
    }
  }
}

// The three-byte form of a surrogate (ED A0-BF 80-BF), which DecodeSequence
// refuses and the lossless UTF-16 conversion carries: its code unit, or 0.
std::uint32_t SubstitutUtf8(std::string_view s) {
  if (s.size() < 3 || static_cast<unsigned char>(s[0]) != 0xED) return 0;
  const auto b1 = static_cast<unsigned char>(s[1]);
  const auto b2 = static_cast<unsigned char>(s[2]);
  if (b1 < 0xA0 || b1 > 0xBF || !EstSuite(b2)) return 0;
  return 0xD000u | ((b1 & 0x3Fu) << 6) | (b2 & 0x3Fu);
}

}  // namespace

std::string EncodeUtf8(std::uint32_t cp) {
  std::string s;
  if (EstCaractere(cp)) AjouteUtf8(s, cp);
  return s;
}

std::string Cp1252VersUtf8(std::string_view cp1252) {
  std::string sortie;
  sortie.reserve(cp1252.size() + cp1252.size() / 4);
  for (const char brut : cp1252) {
    const auto c = static_cast<unsigned char>(brut);
    if (c < 0x80) {
      sortie.push_back(brut);
    } else if (c < 0xA0) {
      sortie.append(EncodeUtf8(kCp1252Haut[c - 0x80]));
    } else {
      sortie.append(EncodeUtf8(c));
    }
  }
  return sortie;
}

std::string Utf8VersCp1252Compte(std::string_view utf8) {
  return DecodeEtConvertit(utf8, AjouteCompte);
}

std::string Utf8VersCp1252Personne(std::string_view utf8) {
  if (CommenceParBomUtf8(utf8)) utf8.remove_prefix(kBomUtf8.size());
  return DecodeEtConvertit(utf8, AjoutePersonne);
}

std::string Iso885915VersCp1252Personne(std::string_view latin9) {
  std::string sortie;
  sortie.reserve(latin9.size());
  for (const char brut : latin9) {
    const auto c = static_cast<unsigned char>(brut);
    std::uint32_t cp = c;
    switch (c) {  // the eight places where ISO-8859-15 differs from Latin-1
      case 0xA4: cp = 0x20AC; break;  // €
      case 0xA6: cp = 0x0160; break;  // Š
      case 0xA8: cp = 0x0161; break;  // š
      case 0xB4: cp = 0x017D; break;  // Ž
      case 0xB8: cp = 0x017E; break;  // ž
      case 0xBC: cp = 0x0152; break;  // Œ
      case 0xBD: cp = 0x0153; break;  // œ
      case 0xBE: cp = 0x0178; break;  // Ÿ
      default: break;
    }
    AjoutePersonne(sortie, cp);
  }
  return sortie;
}

// U+0000 inside a text is kept by the account conversion, but as a character
// of its own (a numeric reference &#0;) it is no character.
std::string CaracterePersonne(std::uint32_t codePoint) {
  if (codePoint == 0 || !EstCaractere(codePoint)) return "?";
  std::string sortie;
  AjoutePersonne(sortie, codePoint);
  return sortie;
}

std::string CaractereCompte(std::uint32_t codePoint) {
  if (codePoint == 0 || !EstCaractere(codePoint)) return "?";
  std::string sortie;
  AjouteCompte(sortie, codePoint);
  return sortie;
}

bool EstUtf8MultiOctets(std::string_view octets) {
  bool multi = false;
  std::size_t i = 0;
  while (i < octets.size()) {
    const Sequence seq = DecodeSequence(octets.substr(i));
    if (seq.longueur == 0) return false;
    multi = multi || seq.longueur > 1;
    i += seq.longueur;
  }
  return multi;
}

bool CommenceParBomUtf8(std::string_view octets) { return octets.starts_with(kBomUtf8); }

std::optional<std::size_t> CaracteresUtf8Imprimables(std::string_view octets) {
  std::size_t caracteres = 0;
  for (std::size_t i = 0; i < octets.size(); ++caracteres) {
    const Sequence seq = DecodeSequence(octets.substr(i));
    if (seq.longueur == 0 || seq.codePoint < 0x20 || seq.codePoint == 0x7F) return std::nullopt;
    i += seq.longueur;
  }
  return caracteres;
}

std::string Utf16VersUtf8(std::u16string_view texte) {
  std::string sortie;
  sortie.reserve(texte.size());
  ParPointDeCode(texte, [&](std::uint32_t cp) { AjouteUtf8(sortie, cp); });  // a lone surrogate included
  return sortie;
}

std::u16string Utf8VersUtf16(std::string_view texte) {
  std::u16string sortie;
  sortie.reserve(texte.size());
  std::size_t i = 0;
  while (i < texte.size()) {
    const std::string_view reste = texte.substr(i);
    Sequence seq = DecodeSequence(reste);
    if (seq.longueur == 0) {
      const std::uint32_t substitut = SubstitutUtf8(reste);
      seq = substitut != 0 ? Sequence{substitut, 3} : Sequence{0xFFFD, 1};
    }
    if (seq.codePoint >= 0x10000) {
      sortie += static_cast<char16_t>(0xD800 + ((seq.codePoint - 0x10000) >> 10));
      sortie += static_cast<char16_t>(0xDC00 + ((seq.codePoint - 0x10000) & 0x3FF));
    } else {
      sortie += static_cast<char16_t>(seq.codePoint);
    }
    i += seq.longueur;
  }
  return sortie;
}

std::optional<std::string> NomFichierSysteme(std::u16string_view nom) {
  std::string utf8;
  bool lisible = true;
  ParPointDeCode(nom, [&](std::uint32_t cp) {
    if (EstSubstitut(cp)) lisible = false;
    else AjouteUtf8(utf8, cp);
  });
  if (!lisible) return std::nullopt;
  return utf8;
}

std::string NomFichierAffiche(std::string_view nomFichier) {
  if (EstUtf8MultiOctets(nomFichier)) return Utf8VersCp1252Compte(nomFichier);
  return std::string(nomFichier);
}

std::u16string Cp1252VersUtf16(std::string_view cp1252) {
  // Every CP1252 byte stands for one character of the basic plane.
  std::u16string sortie;
  sortie.reserve(cp1252.size());
  for (const char brut : cp1252) {
    const auto c = static_cast<unsigned char>(brut);
    sortie.push_back(static_cast<char16_t>(c >= 0x80 && c < 0xA0 ? kCp1252Haut[c - 0x80] : c));
  }
  return sortie;
}

std::string Utf16VersCp1252(std::u16string_view texte) {
  std::string utf8;
  utf8.reserve(texte.size());
  ParPointDeCode(texte, [&](std::uint32_t cp) {
    if (EstSubstitut(cp)) utf8.push_back('?');
    else AjouteUtf8(utf8, cp);
  });
  return Utf8VersCp1252Compte(utf8);
}

}  // namespace corrinom
