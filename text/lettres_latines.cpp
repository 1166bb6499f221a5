// Latin letters outside CP1252 and the plain letter each one is written as
// when a text has to go into CP1252, as Windows' best-fit mapping does: the
// letter without its accent, stroke, hook or curl (\u0141 -> L, \u0151 -> o,
// \u0131 -> i, \u0111 -> d), a ligature as its two letters (\u0132 -> IJ). Letters
// that have no such base (schwa, ezh, clicks ...) have none.
//
// The tables were derived from the Unicode decompositions, with the letters
// that have none (strokes, hooks, bars) filled in by hand.
#include "text/lettres_latines.h"

#include <array>

namespace corrinom {
namespace {

// Latin Extended-A and Extended-B, U+0100 to U+024F.
constexpr std::array<std::string_view, 336> kEtenduAB{{
    "A", "a", "A", "a", "A", "a", "C", "c", "C", "c", "C", "c", "C", "c", "D", "d",  // U+0100
    "D", "d", "E", "e", "E", "e", "E", "e", "E", "e", "E", "e", "G", "g", "G", "g",  // U+0110
    "G", "g", "G", "g", "H", "h", "H", "h", "I", "i", "I", "i", "I", "i", "I", "i",  // U+0120
    "I", "i", "IJ", "ij", "J", "j", "K", "k", "k", "L", "l", "L", "l", "L", "l", "L",  // U+0130
    "l", "L", "l", "N", "n", "N", "n", "N", "n", "n", "N", "n", "O", "o", "O", "o",  // U+0140
    "O", "o", "", "", "R", "r", "R", "r", "R", "r", "S", "s", "S", "s", "S", "s",  // U+0150
    "S", "s", "T", "t", "T", "t", "T", "t", "U", "u", "U", "u", "U", "u", "U", "u",  // U+0160
    "U", "u", "U", "u", "W", "w", "Y", "y", "Y", "Z", "z", "Z", "z", "Z", "z", "s",  // U+0170
    "b", "B", "B", "b", "", "", "", "C", "c", "D", "D", "D", "d", "", "", "",  // U+0180
    "", "F", "f", "G", "", "", "", "I", "K", "k", "l", "", "", "N", "n", "O",  // U+0190
    "O", "o", "", "", "P", "p", "", "", "", "", "", "t", "T", "t", "T", "U",  // U+01A0
    "u", "", "V", "Y", "y", "Z", "z", "", "", "", "", "", "", "", "", "",  // U+01B0
    "", "", "", "", "DZ", "Dz", "dz", "LJ", "Lj", "lj", "NJ", "Nj", "nj", "A", "a", "I",  // U+01C0
    "i", "O", "o", "U", "u", "U", "u", "U", "u", "U", "u", "U", "u", "", "A", "a",  // U+01D0
    "A", "a", "\xC6", "\xE6", "G", "g", "G", "g", "K", "k", "O", "o", "O", "o", "", "",  // U+01E0
    "j", "DZ", "Dz", "dz", "G", "g", "", "", "N", "n", "A", "a", "\xC6", "\xE6", "\xD8", "\xF8",  // U+01F0
    "A", "a", "A", "a", "E", "e", "E", "e", "I", "i", "I", "i", "O", "o", "O", "o",  // U+0200
    "R", "r", "R", "r", "U", "u", "U", "u", "S", "s", "T", "t", "", "", "H", "h",  // U+0210
    "N", "d", "", "", "Z", "z", "A", "a", "E", "e", "O", "o", "O", "o", "O", "o",  // U+0220
    "O", "o", "Y", "y", "l", "n", "t", "j", "", "", "A", "C", "c", "L", "T", "s",  // U+0230
    "z", "", "", "B", "U", "", "E", "e", "J", "j", "Q", "q", "R", "r", "Y", "y",  // U+0240
}};

// Latin Extended Additional, U+1E00 to U+1EFF (Vietnamese among others).
constexpr std::array<std::string_view, 256> kEtenduSupplementaire{{
    "A", "a", "B", "b", "B", "b", "B", "b", "C", "c", "D", "d", "D", "d", "D", "d",  // U+1E00
    "D", "d", "D", "d", "E", "e", "E", "e", "E", "e", "E", "e", "E", "e", "F", "f",  // U+1E10
    "G", "g", "H", "h", "H", "h", "H", "h", "H", "h", "H", "h", "I", "i", "I", "i",  // U+1E20
    "K", "k", "K", "k", "K", "k", "L", "l", "L", "l", "L", "l", "L", "l", "M", "m",  // U+1E30
    "M", "m", "M", "m", "N", "n", "N", "n", "N", "n", "N", "n", "O", "o", "O", "o",  // U+1E40
    "O", "o", "O", "o", "P", "p", "P", "p", "R", "r", "R", "r", "R", "r", "R", "r",  // U+1E50
    "S", "s", "S", "s", "S", "s", "S", "s", "S", "s", "T", "t", "T", "t", "T", "t",  // U+1E60
    "T", "t", "U", "u", "U", "u", "U", "u", "U", "u", "U", "u", "V", "v", "V", "v",  // U+1E70
    "W", "w", "W", "w", "W", "w", "W", "w", "W", "w", "X", "x", "X", "x", "Y", "y",  // U+1E80
    "Z", "z", "Z", "z", "Z", "z", "h", "t", "w", "y", "a", "s", "", "", "\xDF", "",  // U+1E90
    "A", "a", "A", "a", "A", "a", "A", "a", "A", "a", "A", "a", "A", "a", "A", "a",  // U+1EA0
    "A", "a", "A", "a", "A", "a", "A", "a", "E", "e", "E", "e", "E", "e", "E", "e",  // U+1EB0
    "E", "e", "E", "e", "E", "e", "E", "e", "I", "i", "I", "i", "O", "o", "O", "o",  // U+1EC0
    "O", "o", "O", "o", "O", "o", "O", "o", "O", "o", "O", "o", "O", "o", "O", "o",  // U+1ED0
    "O", "o", "O", "o", "U", "u", "U", "u", "U", "u", "U", "u", "U", "u", "U", "u",  // U+1EE0
    "U", "u", "Y", "y", "Y", "y", "Y", "y", "Y", "y", "", "", "", "", "", "",  // U+1EF0
}};

}  // namespace

std::string_view LettreLatineDeBase(std::uint32_t codePoint) {
  if (codePoint >= 0x100 && codePoint < 0x250) return kEtenduAB[codePoint - 0x100];
  if (codePoint >= 0x1E00 && codePoint < 0x1F00) return kEtenduSupplementaire[codePoint - 0x1E00];
  return {};
}

}  // namespace corrinom
