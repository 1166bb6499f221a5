// Placeholder bodies; replaced by the real ones next.
#include "text/noms.h"

namespace corrinom {

std::string EnleveAccents(std::string_view texte) { return std::string(texte); }
std::string MajusculeNom(std::string_view texte) { return std::string(texte); }
std::string NettoieTexte(std::string_view texte) { return std::string(texte); }
std::string AssemblePrenoms(std::string_view premier, std::string_view, std::string_view) { return std::string(premier); }
std::string AssembleNoms(std::string_view a, std::string_view, std::string_view, std::string_view) { return std::string(a); }
std::string NettoieNom(std::string_view texte) { return std::string(texte); }
std::string MajusculeSimple(std::string_view texte) { return std::string(texte); }
int LongueurPremierMot(std::string_view texte) { return static_cast<int>(texte.size()); }
int CompareSansCasse(std::string_view a, std::string_view b) { return a.compare(b); }
bool EgalSansCasse(std::string_view a, std::string_view b) { return a == b; }

}  // namespace corrinom
