// The account store over Windows' own Netapi32: NetUserEnum, NetUserGetInfo and
// NetUserSetInfo at level 3, each returned buffer freed with NetApiBufferFree.
// Text is UTF-16 there and UTF-8 in the store interface, converted losslessly.
#include <windows.h>

#include <lm.h>

#include <array>
#include <cstring>
#include <memory>

#include "accounts/store/champs_info3.h"
#include "accounts/store/magasin_comptes.h"
#include "text/encodage.h"

namespace corrinom {
namespace {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows text is UTF-16");

constexpr DWORD kNiveauInfo3 = 3;
constexpr DWORD kNiveauInfo10 = 10;

// A buffer Netapi32 returns goes back with NetApiBufferFree.
struct LibereTampon {
  void operator()(BYTE* octets) const { NetApiBufferFree(octets); }
};
using TamponReseau = std::unique_ptr<BYTE, LibereTampon>;

std::u16string Large(std::string_view utf8) { return Utf8VersUtf16(utf8); }

ChampTexte ChampDe(LPCWSTR texte) {
  if (texte == nullptr) return ChampTexte{};
  return ChampTexte::de(Utf16VersUtf8(reinterpret_cast<const char16_t*>(texte)));
}

CompteStocke CompteDe(const USER_INFO_3& u) { return CompteDepuisInfo3(u, ChampDe); }

CompteStocke CompteDe(const USER_INFO_10& u) { return CompteDepuisInfo10(u, ChampDe); }

// The UTF-16 texts of a record to write, kept alive while USER_INFO_3 points
// into them.
class RecordLarge {
 public:
  explicit RecordLarge(const CompteStocke& c) {
    CompteVersInfo3(
        c, info_, [this](const ChampTexte& champ) { return texte(champ); },
        [this](const std::optional<HeuresConnexion>& h) -> PBYTE {
          if (!h) return nullptr;
          heures_ = *h;
          return heures_.data();
        });
  }
  RecordLarge(const RecordLarge&) = delete;
  RecordLarge& operator=(const RecordLarge&) = delete;

  LPBYTE octets() { return reinterpret_cast<LPBYTE>(&info_); }

 private:
  LPWSTR texte(const ChampTexte& champ) {
    if (champ.nul) return nullptr;
    std::u16string& t = textes_[utilises_++];
    t = Large(champ.texte);
    return reinterpret_cast<LPWSTR>(t.data());
  }

  USER_INFO_3 info_{};
  std::array<std::u16string, 14> textes_;  // the record's fourteen text fields
  std::size_t utilises_ = 0;
  HeuresConnexion heures_{};
};

class MagasinWin32 final : public MagasinComptes {
 public:
  explicit MagasinWin32(std::string serveur) : serveur_(Large(serveur)) {}

  std::uint32_t enumere(std::uint32_t longueurPreferee, std::vector<CompteStocke>& page,
                        std::uint32_t& totalEntrees, std::uint32_t& reprise) override {
    return enumereAu<USER_INFO_3>(kNiveauInfo3, longueurPreferee, page, totalEntrees, reprise);
  }

  std::uint32_t enumereNoms(std::uint32_t longueurPreferee, std::vector<CompteStocke>& page,
                            std::uint32_t& totalEntrees, std::uint32_t& reprise) override {
    return enumereAu<USER_INFO_10>(kNiveauInfo10, longueurPreferee, page, totalEntrees, reprise);
  }

  std::uint32_t lit(std::string_view login, CompteStocke& compte) override {
    LPBYTE brut = nullptr;
    const std::u16string nom = Large(login);
    const NET_API_STATUS statut =
        NetUserGetInfo(serveur(), reinterpret_cast<LPCWSTR>(nom.c_str()), kNiveauInfo3, &brut);
    const TamponReseau tampon(brut);
    if (statut != NERR_Success) return statut;
    if (!tampon) return NERR_UserNotFound;
    compte = CompteDe(*reinterpret_cast<const USER_INFO_3*>(tampon.get()));
    return NERR_Success;
  }

  std::uint32_t ecrit(std::string_view login, const CompteStocke& compte) override {
    RecordLarge record(compte);
    const std::u16string nom = Large(login);
    DWORD champFautif = 0;
    return NetUserSetInfo(serveur(), reinterpret_cast<LPCWSTR>(nom.c_str()), kNiveauInfo3, record.octets(),
                          &champFautif);
  }

 private:
  template <typename Info>
  std::uint32_t enumereAu(DWORD niveau, std::uint32_t longueurPreferee, std::vector<CompteStocke>& page,
                          std::uint32_t& totalEntrees, std::uint32_t& reprise) {
    page.clear();
    LPBYTE brut = nullptr;
    DWORD lues = 0, total = 0, handle = reprise;
    const NET_API_STATUS statut =
        NetUserEnum(serveur(), niveau, FILTER_NORMAL_ACCOUNT, &brut, longueurPreferee, &lues, &total, &handle);
    const TamponReseau tampon(brut);
    reprise = handle;
    if (statut != NERR_Success && statut != ERROR_MORE_DATA) return statut;
    totalEntrees = total;
    if (const auto* infos = reinterpret_cast<const Info*>(tampon.get())) {
      page.reserve(lues);
      for (DWORD i = 0; i < lues; ++i) page.push_back(CompteDe(infos[i]));
    }
    return statut;
  }
  LPCWSTR serveur() const { return serveur_.empty() ? nullptr : reinterpret_cast<LPCWSTR>(serveur_.c_str()); }

  std::u16string serveur_;
};

}  // namespace

std::unique_ptr<MagasinComptes> OuvreMagasinSysteme(const ChoixMagasin& choix, std::string&) {
  return std::make_unique<MagasinWin32>(choix.serveur);
}

// Netapi32 works with the rights of the account the program runs as.
bool MagasinSystemeDemandeIdentifiants() { return false; }

}  // namespace corrinom
