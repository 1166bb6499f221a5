// The system directory.
#include "accounts/plateforme.h"

namespace corrinom {

std::string RepertoireSysteme(PlateformeSysteme& plateforme) {
  if (!plateforme.repertoireEnCache.empty()) return plateforme.repertoireEnCache;
  if (plateforme.demandeRepertoire) {
    if (std::optional<std::string> r = plateforme.demandeRepertoire(); r && !r->empty()) {
      while (!r->empty() && r->back() == '\\') r->pop_back();
      plateforme.repertoireEnCache = *r;
      return *r;
    }
  }
  const VersionSysteme& v = plateforme.version;
  if (!v.plateformeNT) return "C:\\WINDOWS\\system";
  if (v.majeure == 4 || (v.majeure == 5 && v.mineure == 0)) return "C:\\WINNT\\system32";
  return "C:\\WINDOWS\\system32";
}

}  // namespace corrinom
