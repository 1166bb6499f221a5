// The system's message text for an error code, in the user's default language,
// converted from UTF-16 to CP1252 (an unpaired surrogate becomes '?'): from Windows' message table, and for the
// network codes (2100 to 2999), which that table leaves out, from netmsg.dll,
// the table `net helpmsg` reads.
#include <windows.h>

#include <memory>
#include <string>
#include <type_traits>

#include "text/encodage.h"
#include "text/texte_systeme.h"

namespace corrinom {
namespace {

// What FormatMessageW allocates goes back with LocalFree; a DLL mapped as data
// (its resources readable, none of its code run) with FreeLibrary.
struct LibereLocal {
  void operator()(wchar_t* texte) const { LocalFree(texte); }
};
struct LibereModule {
  void operator()(HMODULE module) const { FreeLibrary(module); }
};
using ModuleDonnees = std::unique_ptr<std::remove_pointer_t<HMODULE>, LibereModule>;

constexpr DWORD kLangueUtilisateur = 0x400;  // LANG_USER_DEFAULT
constexpr std::uint32_t kPremierCodeReseau = 2100;
constexpr std::uint32_t kDernierCodeReseau = 2999;

// The text of `code` in the message table of `module` (the system's when null),
// or empty.
std::string TexteDeTable(HMODULE module, std::uint32_t code) {
  const DWORD source = module == nullptr ? FORMAT_MESSAGE_FROM_SYSTEM : FORMAT_MESSAGE_FROM_HMODULE;
  LPWSTR brut = nullptr;
  const DWORD longueur =
      FormatMessageW(source | FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_IGNORE_INSERTS, module, code,
                     kLangueUtilisateur, reinterpret_cast<LPWSTR>(&brut), 0, nullptr);
  const std::unique_ptr<wchar_t, LibereLocal> tampon(brut);
  if (longueur == 0 || !tampon) return {};
  static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows text is UTF-16");
  return Utf16VersCp1252(std::u16string_view(reinterpret_cast<const char16_t*>(tampon.get()), longueur));
}

// netmsg.dll from the system folder only, never from the program's folder or
// the current one.
std::string TexteReseau(std::uint32_t code) {
  wchar_t dossier[MAX_PATH];
  const UINT longueur = GetSystemDirectoryW(dossier, MAX_PATH);
  if (longueur == 0 || longueur >= MAX_PATH) return {};
  const ModuleDonnees netmsg(
      LoadLibraryExW((std::wstring(dossier, longueur) + L"\\netmsg.dll").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
  if (!netmsg) return {};
  return TexteDeTable(netmsg.get(), code);
}

}  // namespace

std::string TexteSysteme(std::uint32_t code) {
  std::string texte = TexteDeTable(nullptr, code);
  if (texte.empty() && code >= kPremierCodeReseau && code <= kDernierCodeReseau) texte = TexteReseau(code);
  return texte;
}

}  // namespace corrinom
