// Folding and cleaning of person names.
//
// Every text is a string of CP1252 bytes. Bytes 0x80 to 0x97 are read as the
// letters of the DOS code page 437/850 by MajusculeNom and NettoieTexte, because
// delimited files exported from old tools carry their accents that way.
// None of these operations has state or fails.
#pragma once

#include <string>
#include <string_view>

namespace corrinom {

// Replaces the 23 accented letters of the folding table by their plain letter,
// keeping the case; everything else (length included) is unchanged. The caller
// then compares both sides without regard to ASCII case.
std::string EnleveAccents(std::string_view texte);

// The upper-case comparison key of a last name read from a person file.
std::string MajusculeNom(std::string_view texte);

// One first name read from a person file, cleaned of control bytes and extra
// blanks, with DOS letters turned into CP1252; case and accents are kept.
std::string NettoieTexte(std::string_view texte);

// Bytes 0x80 to 0x97 stored in the OEM code page become their CP1252 letters
// (full names written by DOS-era tools).
std::string OemVersAnsi(std::string_view texte);

// "first second third": the second only when the first is present, the third
// only when the first two are.
std::string AssemblePrenoms(std::string_view premier, std::string_view deuxieme,
                            std::string_view troisieme);

// Up to four words joined by blanks; c only after a non-empty b, d only after
// a non-empty c. An empty a before a non-empty b leaves a leading blank.
std::string AssembleNoms(std::string_view a, std::string_view b = {}, std::string_view c = {},
                         std::string_view d = {});

// A name taken from an account: trimmed, without ; | \ / , and ', and with no
// two blanks in a row.
std::string NettoieNom(std::string_view texte);

// The upper-case folded form of a last name taken from an account.
std::string MajusculeSimple(std::string_view texte);

// The length of the first word of a full name, searching for the blank from
// position 4 on, so that a first word of one or two letters stays with the next.
int LongueurPremierMot(std::string_view texte);

// ASCII-only case-insensitive comparison of bytes taken as unsigned values:
// a-z compare as A-Z, every other byte compares unchanged.
// Negative, zero or positive like std::string::compare.
int CompareSansCasse(std::string_view a, std::string_view b);
bool EgalSansCasse(std::string_view a, std::string_view b);

}  // namespace corrinom
