// The system's message text for an error code, from Windows' message table in
// the user's default language, converted from UTF-16 to CP1252.
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

constexpr DWORD kLangueUtilisateur = 0x400;  // LANG_USER_DEFAULT

}  // namespace

std::string TexteSysteme(std::uint32_t code) {
  TamponLocal tampon;
  const DWORD longueur = FormatMessageW(
      FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code,
      kLangueUtilisateur, reinterpret_cast<LPWSTR>(tampon.adresse()), 0, nullptr);
  if (longueur == 0 || tampon.texte() == nullptr) return {};
  const int octets = WideCharToMultiByte(CP_UTF8, 0, tampon.texte(), static_cast<int>(longueur), nullptr, 0,
                                         nullptr, nullptr);
  if (octets <= 0) return {};
  std::string utf8(static_cast<std::size_t>(octets), '\0');
  WideCharToMultiByte(CP_UTF8, 0, tampon.texte(), static_cast<int>(longueur), utf8.data(), octets, nullptr,
                      nullptr);
  return Utf8VersCp1252Compte(utf8);
}

}  // namespace corrinom
