// The security services start-up needs of the operating system (Advapi32):
// the process token and its privileges, and the lookups between account names
// and security identifiers. Backends: the portable one, whose well-known groups
// always resolve, Windows' own, and a test double that fails chosen lookups.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corrinom {

// A SID buffer of 128 bytes, as the program's lookups use.
using TamponSid = std::array<std::uint8_t, 128>;

// The binary form of a SID given as its parts, e.g. S-1-5-32-544 as (5, {32, 544}).
TamponSid SidConnu(std::uint64_t autorite, std::initializer_list<std::uint32_t> sousAutorites);

// The S-1-... text of a SID buffer (empty when the buffer holds no valid SID).
std::string TexteSid(const TamponSid& sid);

inline constexpr std::uint32_t kSePrivilegeEnabled = 2;

// A local privilege identifier (LUID).
struct IdPrivilege {
  std::uint32_t basse = 0;
  std::int32_t haute = 0;
};

class ServicesSecurite {
 public:
  virtual ~ServicesSecurite() = default;

  // OpenProcessToken for adjusting privileges; false on failure (see derniereErreur).
  virtual bool ouvreJeton() = 0;
  // LookupPrivilegeValue on the local machine.
  virtual std::optional<IdPrivilege> chercheValeurPrivilege(std::string_view nom) = 0;
  // AdjustTokenPrivileges with the list, each with SE_PRIVILEGE_ENABLED, others kept.
  virtual bool ajustePrivileges(const std::vector<IdPrivilege>& privileges) = 0;
  // Releases the token opened by ouvreJeton.
  virtual void fermeJeton() = 0;

  // LookupAccountName: name (CP1252) on a server (empty: the local machine), with
  // a referenced-domain buffer of `tailleDomaine` characters.
  virtual bool chercheNom(std::string_view nom, std::string_view serveur, TamponSid& sid,
                          std::uint32_t tailleDomaine) = 0;
  // LookupAccountSid on the local machine: the name (CP1252), nothing when not found.
  virtual std::optional<std::string> chercheSid(const TamponSid& sid) = 0;

  // GetLastError after a failed call, and the system's message text for a code (CP1252).
  virtual std::uint32_t derniereErreur() = 0;
  virtual std::string messageSysteme(std::uint32_t code) = 0;
};

// The security services of the system the program runs on.
std::unique_ptr<ServicesSecurite> ServicesSecuriteSysteme();

}  // namespace corrinom
