// The system's message text for an error code, in the user's default language,
// converted from UTF-16 to CP1252 (an unpaired surrogate becomes '?'): from Windows' message table, and for the
// network codes (2100 to 2999), which that table leaves out, from netmsg.dll,
// the table `net helpmsg` reads.
#include <windows.h>

#include <string>

#include "text/encodage.h"
#include "text/texte_systeme.h"

namespace corrinom {
namespace {

// Owns the buffer FormatMessageW allocates.
class TamponLocal {
 public:
  TamponLocal() = default;
  ~TamponLocal() {
    if (texte_ != nullptr) LocalFree(texte_);
  }
  TamponLocal(const TamponLocal&) = delete;
  TamponLocal& operator=(const TamponLocal&) = delete;

  LPWSTR* adresse() { return &texte_; }
  LPCWSTR texte() const { return texte_; }

 private:
  LPWSTR texte_ = nullptr;
};

// Owns a DLL mapped as data only: its resources can be read, none of its code runs.
class ModuleDonnees {
 public:
  explicit ModuleDonnees(const std::wstring& chemin)
      : module_(LoadLibraryExW(chemin.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)) {}
  ~ModuleDonnees() {
    if (module_ != nullptr) FreeLibrary(module_);
  }
  ModuleDonnees(const ModuleDonnees&) = delete;
  ModuleDonnees& operator=(const ModuleDonnees&) = delete;

  HMODULE module() const { return module_; }

 private:
  HMODULE module_;
};

constexpr DWORD kLangueUtilisateur = 0x400;  // LANG_USER_DEFAULT
constexpr std::uint32_t kPremierCodeReseau = 2100;
constexpr std::uint32_t kDernierCodeReseau = 2999;

// The text of `code` in the message table of `module` (the system's when null),
// or empty.
std::string TexteDeTable(HMODULE module, std::uint32_t code) {
  const DWORD source = module == nullptr ? FORMAT_MESSAGE_FROM_SYSTEM : FORMAT_MESSAGE_FROM_HMODULE;
  TamponLocal tampon;
  const DWORD longueur =
      FormatMessageW(source | FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_IGNORE_INSERTS, module, code,
                     kLangueUtilisateur, reinterpret_cast<LPWSTR>(tampon.adresse()), 0, nullptr);
  if (longueur == 0 || tampon.texte() == nullptr) return {};
  static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows text is UTF-16");
  return Utf16VersCp1252(std::u16string_view(reinterpret_cast<const char16_t*>(tampon.texte()), longueur));
}

// netmsg.dll from the system folder only, never from the program's folder or
// the current one.
std::string TexteReseau(std::uint32_t code) {
  wchar_t dossier[MAX_PATH];
  const UINT longueur = GetSystemDirectoryW(dossier, MAX_PATH);
  if (longueur == 0 || longueur >= MAX_PATH) return {};
  ModuleDonnees netmsg(std::wstring(dossier, longueur) + L"\\netmsg.dll");
  if (netmsg.module() == nullptr) return {};
  return TexteDeTable(netmsg.module(), code);
}

}  // namespace

std::string TexteSysteme(std::uint32_t code) {
  std::string texte = TexteDeTable(nullptr, code);
  if (texte.empty() && code >= kPremierCodeReseau && code <= kDernierCodeReseau) texte = TexteReseau(code);
  return texte;
}

}  // namespace corrinom
