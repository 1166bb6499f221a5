// Turning a UTF-8 document into CP1252 before it is parsed, without letting
// the conversion write markup.
//
// The person-file conversion writes some typographic characters as ASCII
// markup characters: ‘ ’ as "'", “ ” „ as '"', ‹ › as "<" and ">". Converting
// a whole document that way would end an attribute value at «l’école» or
// open a tag at «‹». So each of them is first written as its own CP1252 byte
// (0x91, 0x92, 0x93, 0x94, 0x84, 0x8B, 0x9B), a byte the person conversion
// never produces otherwise, and RestaureGuillemets turns those bytes into
// their ASCII forms in each string of the finished tree.
#pragma once

#include <string>
#include <string_view>

namespace corrinom::xml {

// The person-file conversion of the UTF-8 bytes (a leading byte-order mark
// dropped), with the seven characters above kept as their CP1252 bytes.
// marques tells whether any was.
std::string Utf8VersCp1252Balisage(std::string_view utf8, bool& marques);

// Replaces in s each of the seven CP1252 bytes by what the person conversion
// makes of its character.
void RestaureGuillemets(std::string& s);

}  // namespace corrinom::xml
