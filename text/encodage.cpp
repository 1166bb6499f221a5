// Placeholder bodies; replaced by the real ones next.
#include "text/encodage.h"

namespace corrinom {

std::string Cp1252VersUtf8(std::string_view s) { return std::string(s); }
std::string Utf8VersCp1252Compte(std::string_view s) { return std::string(s); }
std::string Utf8VersCp1252Personne(std::string_view s) { return std::string(s); }
std::string Iso885915VersCp1252Personne(std::string_view s) { return std::string(s); }
std::string CaracterePersonne(std::uint32_t) { return "?"; }
std::string CaractereCompte(std::uint32_t) { return "?"; }
std::string EncodeUtf8(std::uint32_t) { return {}; }
bool EstUtf8MultiOctets(std::string_view) { return false; }
bool CommenceParBomUtf8(std::string_view s) { return s.starts_with("\xEF\xBB\xBF"); }

}  // namespace corrinom
