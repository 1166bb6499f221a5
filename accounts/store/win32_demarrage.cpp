// Start-up on Windows: version, Netapi32.dll from the system directory, NetGetDCName.
#include "accounts/store/win32_demarrage.h"

#include <windows.h>

#include <lm.h>

#include <memory>

#include "text/encodage.h"

namespace corrinom {
namespace {

using FonctionGetDCName = NET_API_STATUS(WINAPI*)(LPCWSTR, LPCWSTR, LPBYTE*);
using FonctionBufferFree = NET_API_STATUS(WINAPI*)(LPVOID);
using FonctionRtlGetVersion = LONG(WINAPI*)(OSVERSIONINFOW*);

// Netapi32.dll as start-up loads it; unloaded when the last lookup holding it goes.
class BibliothequeReseau {
 public:
  explicit BibliothequeReseau(HMODULE module) : module_(module) {
    netGetDCName = Resous<FonctionGetDCName>("NetGetDCName");
    netGetAnyDCName = Resous<FonctionGetDCName>("NetGetAnyDCName");  // resolved, never called
    netApiBufferFree = Resous<FonctionBufferFree>("NetApiBufferFree");
  }
  ~BibliothequeReseau() { FreeLibrary(module_); }
  BibliothequeReseau(const BibliothequeReseau&) = delete;
  BibliothequeReseau& operator=(const BibliothequeReseau&) = delete;

  FonctionGetDCName netGetDCName = nullptr;
  FonctionGetDCName netGetAnyDCName = nullptr;
  FonctionBufferFree netApiBufferFree = nullptr;

 private:
  template <typename F>
  F Resous(const char* nom) {
    return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module_, nom)));
  }
  HMODULE module_;
};

std::string Utf8DeCp1252(const std::string& cp1252) { return Cp1252VersUtf8(cp1252); }

// Loaded once at start-up and kept for the whole run, whatever was found in it;
// unloaded when the program ends.
std::shared_ptr<BibliothequeReseau> bibliothequeDuProgramme;

constexpr UINT kTailleRepertoire = 260;  // MAX_PATH characters, as start-up asks

}  // namespace

PlateformeSysteme PlateformeCourante() {
  PlateformeSysteme p;
  p.demandeRepertoire = []() -> std::optional<std::string> {
    wchar_t tampon[kTailleRepertoire];
    const UINT n = GetSystemDirectoryW(tampon, kTailleRepertoire);
    if (n == 0 || n >= kTailleRepertoire) return std::nullopt;
    return Utf8VersCp1252Compte(Utf16VersUtf8(std::u16string_view(reinterpret_cast<const char16_t*>(tampon), n)));
  };
  BrancheReseauWin32(p);
  return p;
}

VersionSysteme VersionWin32() {
  VersionSysteme v;
  OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof info;
  // RtlGetVersion tells the truth where GetVersionEx answers for the program's manifest.
  bool connue = false;
  if (HMODULE ntdll = GetModuleHandleW(L"ntdll.dll")) {
    auto rtlGetVersion = reinterpret_cast<FonctionRtlGetVersion>(
        reinterpret_cast<void*>(GetProcAddress(ntdll, "RtlGetVersion")));
    connue = rtlGetVersion != nullptr && rtlGetVersion(&info) == 0;
  }
  if (!connue) connue = GetVersionExW(&info) != 0;
  if (connue) {
    v.plateformeNT = info.dwPlatformId == VER_PLATFORM_WIN32_NT;
    v.majeure = info.dwMajorVersion;
    v.mineure = info.dwMinorVersion;
  }
  return v;
}

void BrancheReseauWin32(PlateformeSysteme& plateforme) {
  plateforme.version = VersionWin32();
  const std::u16string chemin =
      Utf8VersUtf16(Utf8DeCp1252(RepertoireSysteme(plateforme)) + "\\Netapi32.dll");
  if (bibliothequeDuProgramme == nullptr) {
    HMODULE module = LoadLibraryW(reinterpret_cast<LPCWSTR>(chemin.c_str()));
    if (module == nullptr) return;
    bibliothequeDuProgramme = std::make_shared<BibliothequeReseau>(module);
  }
  std::shared_ptr<BibliothequeReseau> bibliotheque = bibliothequeDuProgramme;
  if (bibliotheque->netGetDCName == nullptr || bibliotheque->netApiBufferFree == nullptr) return;
  plateforme.netGetDCName = [bibliotheque]() -> std::optional<std::string> {
    LPBYTE tampon = nullptr;
    // The local machine's primary domain.
    const NET_API_STATUS statut = bibliotheque->netGetDCName(nullptr, nullptr, &tampon);
    if (statut != NERR_Success || tampon == nullptr) return std::nullopt;
    std::string nom = Utf16VersUtf8(reinterpret_cast<const char16_t*>(tampon));
    bibliotheque->netApiBufferFree(tampon);
    return nom;
  };
}

}  // namespace corrinom
