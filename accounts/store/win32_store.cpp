// The account store over Windows' own Netapi32: NetUserEnum, NetUserGetInfo and
// NetUserSetInfo at level 3, each returned buffer freed with NetApiBufferFree.
// Text is UTF-16 there and UTF-8 in the store interface, converted losslessly.
#include <windows.h>

#include <lm.h>

#include <array>
#include <cstring>

#include "accounts/store/magasin_comptes.h"
#include "accounts/store/win32_utf16.h"

namespace corrinom {
namespace {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows text is UTF-16");

constexpr DWORD kNiveauInfo3 = 3;

// Owns one buffer returned by Netapi32.
class TamponReseau {
 public:
  TamponReseau() = default;
  ~TamponReseau() {
    if (octets_ != nullptr) NetApiBufferFree(octets_);
  }
  TamponReseau(const TamponReseau&) = delete;
  TamponReseau& operator=(const TamponReseau&) = delete;

  LPBYTE* adresse() { return &octets_; }
  const USER_INFO_3* infos() const { return reinterpret_cast<const USER_INFO_3*>(octets_); }

 private:
  LPBYTE octets_ = nullptr;
};

std::u16string Large(std::string_view utf8) { return Utf8VersUtf16(utf8); }

ChampTexte ChampDe(LPCWSTR texte) {
  if (texte == nullptr) return ChampTexte{};
  return ChampTexte::de(Utf16VersUtf8(reinterpret_cast<const char16_t*>(texte)));
}

CompteStocke CompteDe(const USER_INFO_3& u) {
  CompteStocke c;
  c.name = ChampDe(u.usri3_name);
  c.password = ChampDe(u.usri3_password);
  c.password_age = u.usri3_password_age;
  c.priv = u.usri3_priv;
  c.home_dir = ChampDe(u.usri3_home_dir);
  c.comment = ChampDe(u.usri3_comment);
  c.flags = u.usri3_flags;
  c.script_path = ChampDe(u.usri3_script_path);
  c.auth_flags = u.usri3_auth_flags;
  c.full_name = ChampDe(u.usri3_full_name);
  c.usr_comment = ChampDe(u.usri3_usr_comment);
  c.parms = ChampDe(u.usri3_parms);
  c.workstations = ChampDe(u.usri3_workstations);
  c.last_logon = u.usri3_last_logon;
  c.last_logoff = u.usri3_last_logoff;
  c.acct_expires = u.usri3_acct_expires;
  c.max_storage = u.usri3_max_storage;
  c.units_per_week = u.usri3_units_per_week;
  if (u.usri3_logon_hours != nullptr) {
    std::array<std::uint8_t, 21> heures{};
    std::memcpy(heures.data(), u.usri3_logon_hours, heures.size());
    c.logon_hours = heures;
  }
  c.bad_pw_count = u.usri3_bad_pw_count;
  c.num_logons = u.usri3_num_logons;
  c.logon_server = ChampDe(u.usri3_logon_server);
  c.country_code = u.usri3_country_code;
  c.code_page = u.usri3_code_page;
  c.user_id = u.usri3_user_id;
  c.primary_group_id = u.usri3_primary_group_id;
  c.profile = ChampDe(u.usri3_profile);
  c.home_dir_drive = ChampDe(u.usri3_home_dir_drive);
  c.password_expired = u.usri3_password_expired;
  return c;
}

// The UTF-16 texts of a record to write, kept alive while USER_INFO_3 points
// into them.
class RecordLarge {
 public:
  explicit RecordLarge(const CompteStocke& c) {
    info_.usri3_name = texte(c.name);
    info_.usri3_password = texte(c.password);
    info_.usri3_password_age = c.password_age;
    info_.usri3_priv = c.priv;
    info_.usri3_home_dir = texte(c.home_dir);
    info_.usri3_comment = texte(c.comment);
    info_.usri3_flags = c.flags;
    info_.usri3_script_path = texte(c.script_path);
    info_.usri3_auth_flags = c.auth_flags;
    info_.usri3_full_name = texte(c.full_name);
    info_.usri3_usr_comment = texte(c.usr_comment);
    info_.usri3_parms = texte(c.parms);
    info_.usri3_workstations = texte(c.workstations);
    info_.usri3_last_logon = c.last_logon;
    info_.usri3_last_logoff = c.last_logoff;
    info_.usri3_acct_expires = c.acct_expires;
    info_.usri3_max_storage = c.max_storage;
    info_.usri3_units_per_week = c.units_per_week;
    if (c.logon_hours) {
      heures_ = *c.logon_hours;
      info_.usri3_logon_hours = heures_.data();
    }
    info_.usri3_bad_pw_count = c.bad_pw_count;
    info_.usri3_num_logons = c.num_logons;
    info_.usri3_logon_server = texte(c.logon_server);
    info_.usri3_country_code = c.country_code;
    info_.usri3_code_page = c.code_page;
    info_.usri3_user_id = c.user_id;
    info_.usri3_primary_group_id = c.primary_group_id;
    info_.usri3_profile = texte(c.profile);
    info_.usri3_home_dir_drive = texte(c.home_dir_drive);
    info_.usri3_password_expired = c.password_expired;
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
  std::array<std::uint8_t, 21> heures_{};
};

class MagasinWin32 final : public MagasinComptes {
 public:
  explicit MagasinWin32(std::string serveur) : serveur_(Large(serveur)) {}

  std::uint32_t enumere(std::uint32_t longueurPreferee, std::vector<CompteStocke>& page,
                        std::uint32_t& totalEntrees, std::uint32_t& reprise) override {
    page.clear();
    TamponReseau tampon;
    DWORD lues = 0, total = 0, handle = reprise;
    const NET_API_STATUS statut = NetUserEnum(serveur(), kNiveauInfo3, FILTER_NORMAL_ACCOUNT, tampon.adresse(),
                                              longueurPreferee, &lues, &total, &handle);
    reprise = handle;
    if (statut != NERR_Success && statut != ERROR_MORE_DATA) return statut;
    totalEntrees = total;
    if (const USER_INFO_3* infos = tampon.infos()) {
      page.reserve(lues);
      for (DWORD i = 0; i < lues; ++i) page.push_back(CompteDe(infos[i]));
    }
    return statut;
  }

  std::uint32_t lit(std::string_view login, CompteStocke& compte) override {
    TamponReseau tampon;
    const std::u16string nom = Large(login);
    const NET_API_STATUS statut =
        NetUserGetInfo(serveur(), reinterpret_cast<LPCWSTR>(nom.c_str()), kNiveauInfo3, tampon.adresse());
    if (statut != NERR_Success) return statut;
    if (tampon.infos() == nullptr) return NERR_UserNotFound;
    compte = CompteDe(*tampon.infos());
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
