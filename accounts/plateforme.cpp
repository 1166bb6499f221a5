// The system directory and the domain controller lookup.
#include "accounts/comptes.h"

namespace corrinom {

const std::string_view kMessageControleurAbsent =
    "Attention, erreur en recherchant le contr\xF4le" "ur principal de domaine.\n"
    "Certaines parties risquent de ne pas fonctionner.";

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

std::string ChercheControleurDomaine(const PlateformeSysteme& plateforme, Dialogues& dialogues) {
  if (!plateforme.version.estNT4()) return {};
  std::string nom;
  if (plateforme.netGetDCName)
    if (std::optional<std::string> r = plateforme.netGetDCName()) nom = *r;
  if (nom.empty()) dialogues.message(kMessageControleurAbsent, kTitreInformation);
  return nom;
}

}  // namespace corrinom
