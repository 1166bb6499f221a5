// Security services where the operating system has none of its own.
#include "accounts/security/services_securite_portable.h"

#include "text/noms.h"
#include "text/texte_systeme.h"

namespace corrinom {
namespace {

constexpr std::uint32_t kErrorNoSuchPrivilege = 1313;
constexpr std::uint32_t kErrorNoneMappedSecurite = 1332;

// The privileges a Windows server knows, of which start-up asks for six.
constexpr std::string_view kPrivilegesConnus[] = {
    "SeCreateTokenPrivilege",    "SeAssignPrimaryTokenPrivilege", "SeLockMemoryPrivilege",
    "SeIncreaseQuotaPrivilege",  "SeMachineAccountPrivilege",     "SeTcbPrivilege",
    "SeSecurityPrivilege",       "SeTakeOwnershipPrivilege",      "SeLoadDriverPrivilege",
    "SeSystemProfilePrivilege",  "SeSystemtimePrivilege",         "SeProfileSingleProcessPrivilege",
    "SeIncreaseBasePriorityPrivilege", "SeCreatePagefilePrivilege", "SeCreatePermanentPrivilege",
    "SeBackupPrivilege",         "SeRestorePrivilege",            "SeShutdownPrivilege",
    "SeDebugPrivilege",          "SeAuditPrivilege",              "SeSystemEnvironmentPrivilege",
    "SeChangeNotifyPrivilege",   "SeRemoteShutdownPrivilege"};

}  // namespace

ServicesSecuritePortables::ServicesSecuritePortables(Langue langue) {
  const bool fr = langue == Langue::Francais;
  // The machine's own accounts carry a domain SID of our choosing.
  comptes_ = {
      {fr ? "Administrateurs" : "Administrators", SidConnu(5, {32, 544})},
      {fr ? "Tout le monde" : "Everyone", SidConnu(1, {0})},
      {"SYSTEM", SidConnu(5, {18})},
      {fr ? "Administrateur" : "Administrator", SidConnu(5, {21, 1, 2, 3, 500})},
  };
}

bool ServicesSecuritePortables::ouvreJeton() { return true; }

std::optional<IdPrivilege> ServicesSecuritePortables::chercheValeurPrivilege(std::string_view nom) {
  for (std::size_t i = 0; i < std::size(kPrivilegesConnus); ++i)
    if (EgalSansCasse(kPrivilegesConnus[i], nom)) return IdPrivilege{static_cast<std::uint32_t>(i + 2), 0};
  echec(kErrorNoSuchPrivilege);
  return std::nullopt;
}

bool ServicesSecuritePortables::ajustePrivileges(const std::vector<IdPrivilege>&) { return true; }

void ServicesSecuritePortables::fermeJeton() {}

bool ServicesSecuritePortables::chercheNom(std::string_view nom, std::string_view, TamponSid& sid,
                                           std::uint32_t) {
  for (const Entree& e : comptes_) {
    if (EgalSansCasse(e.nom, nom)) {
      sid = e.sid;
      return true;
    }
  }
  echec(kErrorNoneMappedSecurite);
  return false;
}

std::optional<std::string> ServicesSecuritePortables::chercheSid(const TamponSid& sid) {
  for (const Entree& e : comptes_)
    if (e.sid == sid) return e.nom;
  echec(kErrorNoneMappedSecurite);
  return std::nullopt;
}

std::uint32_t ServicesSecuritePortables::derniereErreur() { return derniereErreur_; }

std::string ServicesSecuritePortables::messageSysteme(std::uint32_t code) { return TexteSysteme(code); }

}  // namespace corrinom
