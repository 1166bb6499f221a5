// The one text codec: CP1252 (the core's text), UTF-8 (the stores', the files'
// and the command line's) and UTF-16 (the toolkits' and Windows').
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace corrinom {

// The two byte encodings that cross the libraries' boundaries, named where a
// signature would otherwise leave its reader guessing. Both are std::string:
// the names document, they do not convert.
using TexteCp1252 = std::string;  // the core's text: names, messages, fields
using TexteUtf8 = std::string;    // the stores' text, file names, the command line

// ---- CP1252 and UTF-8 ----

// Each byte to its character; the five bytes CP1252 leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) go to U+0081 etc., so every byte round-trips.
TexteUtf8 Cp1252VersUtf8(std::string_view cp1252);

// Both conversions from UTF-8 first compose a Latin letter followed by
// combining accents (e + U+0301) into the one letter they stand for.

// Text from an account store: every character CP1252 has becomes its byte
// (0x80-0x9F included), a Latin letter outside CP1252 becomes its ASCII base
// letter, anything else '?'. The C1 controls U+0080-U+009F are kept as their
// byte, as Windows' best-fit mapping keeps them. Bytes that are not
// well-formed UTF-8 are kept as they are.
TexteCp1252 Utf8VersCp1252Compte(std::string_view utf8);

// Text from a person file: as for accounts, except that the characters CP1252
// keeps at 0x80-0x9F (which the name rules would read as DOS letters) become
// ASCII, and U+0000 and the C1 controls become '?'. A leading byte-order mark
// is dropped.
TexteCp1252 Utf8VersCp1252Personne(std::string_view utf8);

// ISO-8859-15 bytes through the person-file conversion.
TexteCp1252 Iso885915VersCp1252Personne(std::string_view latin9);

// One code point through each conversion; a value that is no character
// (0, a surrogate, beyond U+10FFFF) gives "?".
TexteCp1252 CaracterePersonne(std::uint32_t codePoint);
TexteCp1252 CaractereCompte(std::uint32_t codePoint);

// The code point's UTF-8 bytes (nothing for a surrogate or a value beyond U+10FFFF).
TexteUtf8 EncodeUtf8(std::uint32_t codePoint);

// True when the bytes are entirely well-formed UTF-8 and hold at least one
// multi-byte sequence.
bool EstUtf8MultiOctets(std::string_view octets);

bool CommenceParBomUtf8(std::string_view octets);

// The characters of a text that is valid UTF-8 and holds no control character
// (U+0000 to U+001F, U+007F), or nothing.
std::optional<std::size_t> CaracteresUtf8Imprimables(std::string_view octets);

// ---- UTF-16 ----

// UTF-16 (the Windows account store's text) to and from UTF-8 (the store
// interface's text), losslessly: an unpaired surrogate, which Windows allows in
// a name, travels as its own three-byte form (as WTF-8 does) and comes back as
// the same code unit. Everything else is plain UTF-8.
TexteUtf8 Utf16VersUtf8(std::u16string_view texte);

// Bytes that are not UTF-8 (which the core never produces from store text)
// become U+FFFD each, so the result is always valid UTF-16 up to the lone
// surrogates that came in.
std::u16string Utf8VersUtf16(std::string_view texte);

// A file name from a toolkit to the UTF-8 name the readers open, or nothing when
// it holds an unpaired surrogate: UTF-8 cannot spell it, so any spelling would
// open another file, or none.
std::optional<TexteUtf8> NomFichierSysteme(std::u16string_view nom);

// A file name as the operator's messages show it: the readers' UTF-8 name in
// the messages' CP1252.
TexteCp1252 NomFichierAffiche(std::string_view nomFichier);

// The core's CP1252 to UTF-16 for a toolkit; every byte round-trips.
std::u16string Cp1252VersUtf16(std::string_view cp1252);

// UTF-16 text of a toolkit to the core's CP1252, as for account text: characters
// CP1252 lacks become their base letter or '?', an unpaired surrogate '?'.
TexteCp1252 Utf16VersCp1252(std::u16string_view texte);

}  // namespace corrinom
