// The security services over Advapi32: the process token and its privileges,
// and the lookups between account names and SIDs. Names are CP1252 in the core
// and UTF-16 here.
#include <windows.h>

#include <vector>

#include "accounts/security/services_securite.h"
#include "text/encodage.h"
#include "text/texte_systeme.h"

namespace corrinom {
namespace {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows text is UTF-16");

std::wstring Large(std::string_view cp1252) {
  const std::u16string t = Cp1252VersUtf16(cp1252);
  return std::wstring(t.begin(), t.end());
}

std::string Ansi(const wchar_t* texte, DWORD longueur) {
  return Utf8VersCp1252Compte(Utf16VersUtf8(std::u16string_view(reinterpret_cast<const char16_t*>(texte), longueur)));
}

class ServicesSecuriteWin32 final : public ServicesSecurite {
 public:
  ServicesSecuriteWin32() = default;
  ~ServicesSecuriteWin32() override { fermeJeton(); }
  ServicesSecuriteWin32(const ServicesSecuriteWin32&) = delete;
  ServicesSecuriteWin32& operator=(const ServicesSecuriteWin32&) = delete;

  bool ouvreJeton() override {
    fermeJeton();
    if (OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &jeton_)) return true;
    jeton_ = nullptr;
    return echec();
  }

  std::optional<IdPrivilege> chercheValeurPrivilege(std::string_view nom) override {
    LUID luid{};
    if (!LookupPrivilegeValueW(nullptr, Large(nom).c_str(), &luid)) {
      echec();
      return std::nullopt;
    }
    return IdPrivilege{luid.LowPart, luid.HighPart};
  }

  bool ajustePrivileges(const std::vector<IdPrivilege>& privileges) override {
    if (jeton_ == nullptr || privileges.empty()) return privileges.empty();
    // TOKEN_PRIVILEGES ends in a one-element array that really holds them all.
    std::vector<unsigned char> tampon(sizeof(TOKEN_PRIVILEGES) +
                                      (privileges.size() - 1) * sizeof(LUID_AND_ATTRIBUTES));
    auto* liste = reinterpret_cast<TOKEN_PRIVILEGES*>(tampon.data());
    liste->PrivilegeCount = static_cast<DWORD>(privileges.size());
    for (std::size_t i = 0; i < privileges.size(); ++i) {
      liste->Privileges[i].Luid.LowPart = privileges[i].basse;
      liste->Privileges[i].Luid.HighPart = privileges[i].haute;
      liste->Privileges[i].Attributes = kSePrivilegeEnabled;
    }
    // A privilege the account does not hold leaves ERROR_NOT_ALL_ASSIGNED with
    // success: the others are enabled, and that is all start-up asks.
    return AdjustTokenPrivileges(jeton_, FALSE, liste, 0, nullptr, nullptr) ? true : echec();
  }

  void fermeJeton() override {
    if (jeton_ != nullptr) CloseHandle(jeton_);
    jeton_ = nullptr;
  }

  bool chercheNom(std::string_view nom, std::string_view serveur, TamponSid& sid,
                  std::uint32_t tailleDomaine) override {
    DWORD tailleSid = static_cast<DWORD>(sid.size());
    std::vector<wchar_t> domaine(tailleDomaine == 0 ? 1 : tailleDomaine);
    DWORD longueurDomaine = static_cast<DWORD>(domaine.size());
    SID_NAME_USE usage{};
    const std::wstring serveurLarge = Large(serveur);
    const BOOL ok = LookupAccountNameW(serveur.empty() ? nullptr : serveurLarge.c_str(), Large(nom).c_str(),
                                       sid.data(), &tailleSid, domaine.data(), &longueurDomaine, &usage);
    return ok ? true : echec();
  }

  std::optional<std::string> chercheSid(const TamponSid& sid) override {
    wchar_t nom[128];
    wchar_t domaine[128];
    DWORD longueurNom = 128, longueurDomaine = 128;
    SID_NAME_USE usage{};
    TamponSid copie = sid;  // the call takes a non-const PSID
    if (!IsValidSid(copie.data()) ||
        !LookupAccountSidW(nullptr, copie.data(), nom, &longueurNom, domaine, &longueurDomaine, &usage)) {
      echec();
      return std::nullopt;
    }
    return Ansi(nom, longueurNom);
  }

  std::uint32_t derniereErreur() override { return derniereErreur_; }

  std::string messageSysteme(std::uint32_t code) override { return TexteSysteme(code); }

 private:
  bool echec() {
    derniereErreur_ = GetLastError();
    return false;
  }

  HANDLE jeton_ = nullptr;
  std::uint32_t derniereErreur_ = 0;
};

}  // namespace

std::unique_ptr<ServicesSecurite> ServicesSecuriteSysteme() { return std::make_unique<ServicesSecuriteWin32>(); }

}  // namespace corrinom
