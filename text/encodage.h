// Conversions between CP1252, the core's text, and Unicode at the edges.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace corrinom {

// Each byte to its character; the five bytes CP1252 leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) go to U+0081 etc., so every byte round-trips.
std::string Cp1252VersUtf8(std::string_view cp1252);

// Both conversions from UTF-8 first compose a Latin letter followed by
// combining accents (e + U+0301) into the one letter they stand for.

// Text from an account store: every character CP1252 has becomes its byte
// (0x80-0x9F included), a Latin letter outside CP1252 becomes its ASCII base
// letter, anything else '?'. The C1 controls U+0080-U+009F are kept as their
// byte, as Windows' best-fit mapping keeps them. Bytes that are not
// well-formed UTF-8 are kept as they are.
std::string Utf8VersCp1252Compte(std::string_view utf8);

// Text from a person file: as for accounts, except that the characters CP1252
// keeps at 0x80-0x9F (which the name rules would read as DOS letters) become
// ASCII, and U+0000 and the C1 controls become '?'. A leading byte-order mark
// is dropped.
std::string Utf8VersCp1252Personne(std::string_view utf8);

// ISO-8859-15 bytes through the person-file conversion.
std::string Iso885915VersCp1252Personne(std::string_view latin9);

// One code point through each conversion; a value that is no character
// (0, a surrogate, beyond U+10FFFF) gives "?".
std::string CaracterePersonne(std::uint32_t codePoint);
std::string CaractereCompte(std::uint32_t codePoint);

// The code point's UTF-8 bytes (nothing for a surrogate or a value beyond U+10FFFF).
std::string EncodeUtf8(std::uint32_t codePoint);

// True when the bytes are entirely well-formed UTF-8 and hold at least one
// multi-byte sequence.
bool EstUtf8MultiOctets(std::string_view octets);

bool CommenceParBomUtf8(std::string_view octets);

}  // namespace corrinom
