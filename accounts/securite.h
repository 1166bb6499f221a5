// The security object of start-up: enables the process privileges, learns the
// local names of the well-known groups and finds the SIDs of the Administrators,
// Everyone and SYSTEM groups.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "accounts/security/services_securite.h"

namespace corrinom {

// The privileges enabled at start-up, in order.
inline constexpr std::string_view kPrivileges[] = {
    "SeTakeOwnershipPrivilege", "SeSecurityPrivilege",       "SeBackupPrivilege",
    "SeRestorePrivilege",       "SeMachineAccountPrivilege", "SeChangeNotifyPrivilege"};

class TSecurRep {
 public:
  // Runs the start-up sequence: privileges (outcome not shown), local group
  // names, then the three group lookups.
  explicit TSecurRep(ServicesSecurite& services);

  // Enables the six privileges: empty on success, else an explanation.
  std::string ActivePrivileges();
  // Fills the three names from the well-known SIDs, keeping the defaults for a
  // name that cannot be resolved.
  void NomsGroupesLocaux();
  // Looks the name up on the server (empty: local machine) and stores its SID.
  bool SidDeNom(std::string_view nom, TamponSid& sid, std::string_view serveur,
                std::uint32_t tailleDomaine = 80);
  // The account or group name of a SID, empty when it cannot be found.
  std::string NomDeSid(const TamponSid& sid);

  // True when one of the three groups could not be found: start-up stops.
  bool echec() const { return !listeEchecs_.empty(); }
  // The text of the "ERREUR" box that stops start-up (CP1252).
  std::string MessageEchec() const;

  std::string NomGroupeAdministrateurs = "Administrateurs";
  std::string NomAdministrateur = "Administrateur";
  std::string NomGroupeTout = "Tout le monde";

  TamponSid SidAdministrateurs{};
  TamponSid SidSysteme{};
  TamponSid SidTout{};

  std::string resultatPrivileges;  // what ActivePrivileges said at creation

 private:
  ServicesSecurite& services_;
  std::string listeEchecs_;
  std::uint32_t derniereErreur_ = 0;
};

inline constexpr std::string_view kTitreErreurSecurite = "ERREUR";

}  // namespace corrinom
