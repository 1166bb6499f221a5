// The demo account base, built into the program from resources/demo.
#pragma once

#include <string>
#include <string_view>

namespace corrinom {

// The demo accounts as a UTF-8 TSV text (the format of `corrinom-cli base exporter`).
std::string_view DonneesDemo();

// Writes the demo base to a new file at chemin. False with a French (CP1252)
// text in erreur on failure.
bool EcritBaseDemo(const std::string& chemin, std::string& erreur);

}  // namespace corrinom
