// The name of a person file as the operator typed or chose it, and the name the
// readers open.
//
// Both toolkits hold text in UTF-16. The readers open files by their UTF-8 name
// (the system's own spelling on Linux; converted back to UTF-16 on Windows), so a
// name can be handed over unless it holds a UTF-16 unit that stands for no
// character (an unpaired surrogate): such a name would open another file, or none.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace corrinom::fenetre {

// The UTF-8 name the readers open, or nothing when the name has no such spelling.
std::optional<std::string> NomFichierSysteme(std::u16string_view nom);

// The message the operator gets for a name that has none (CP1252).
std::string MessageNomIllisible(std::u16string_view nom);

// The core's CP1252 to UTF-16 for a toolkit; every byte round-trips.
std::u16string Cp1252VersUtf16(std::string_view cp1252);

// UTF-16 text of a toolkit to the core's CP1252, as for account text: characters
// CP1252 lacks become their base letter or '?'.
std::string Utf16VersCp1252(std::u16string_view texte);

}  // namespace corrinom::fenetre
