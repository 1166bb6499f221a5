// The platform the program runs on, where the platform files give none of their own.
#include "accounts/plateforme.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace corrinom {

PlateformeSysteme PlateformeCourante() {
  PlateformeSysteme p;
#ifdef _WIN32
  p.demandeRepertoire = []() -> std::optional<std::string> {
    char tampon[MAX_PATH];
    const UINT n = GetSystemDirectoryA(tampon, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return std::nullopt;
    return std::string(tampon, n);
  };
#endif
  // Every system still running is past Windows NT 4.0: the accounts are the
  // local machine's (on a domain controller, the domain's), and no lookup runs.
  return p;
}

}  // namespace corrinom
