// The store lock on Windows: a named mutex in the Global namespace, so that a
// program in another login session (another administrator's, a remote desktop)
// sees it too. Its existence is the lock: the system destroys it with the last
// handle, when the program holding it ends.
#include <windows.h>

#include "accounts/verrou.h"

namespace corrinom {
namespace {

class VerrouMutex : public VerrouMagasin {
 public:
  explicit VerrouMutex(HANDLE mutex) : mutex_(mutex) {}
  ~VerrouMutex() override { CloseHandle(mutex_); }
  VerrouMutex(const VerrouMutex&) = delete;
  VerrouMutex& operator=(const VerrouMutex&) = delete;

 private:
  HANDLE mutex_;
};

}  // namespace

PriseVerrou PrendsVerrouMagasin(std::string_view cle) {
  PriseVerrou r;
  const std::string empreinte = EmpreinteVerrou(cle);
  const std::wstring nom = L"Global\\Corrinom-" + std::wstring(empreinte.begin(), empreinte.end());
  SetLastError(ERROR_SUCCESS);
  // Not inheritable: a program started later does not keep the lock alive.
  const HANDLE mutex = CreateMutexW(nullptr, FALSE, nom.c_str());
  const DWORD erreur = GetLastError();
  if (mutex == nullptr) {
    // Another user's program made it, with rights that do not let this one open it.
    if (erreur == ERROR_ACCESS_DENIED) r.issue = PriseVerrou::Issue::DejaPris;
    return r;
  }
  if (erreur == ERROR_ALREADY_EXISTS) {
    CloseHandle(mutex);
    r.issue = PriseVerrou::Issue::DejaPris;
    return r;
  }
  r.issue = PriseVerrou::Issue::Pris;
  r.verrou = std::make_unique<VerrouMutex>(mutex);
  return r;
}

}  // namespace corrinom
