// The account store: what the program needs of the operating system's network
// user management (NetUserEnum, NetUserGetInfo, NetUserSetInfo, NetGetDCName), in
// NetApi terms and status codes. Backends: the embedded SQLite base, Samba's
// libnetapi, Windows' Netapi32.
//
// Text inside this interface is the store's own text, UTF-8. The core takes a
// CP1252 view of it and, to write, changes only the full name and field 7 of the
// user comment, handing every other field back exactly as it came.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corrinom {

inline constexpr std::uint32_t kNerrSuccess = 0;
inline constexpr std::uint32_t kErrorMoreData = 234;      // more pages follow
inline constexpr std::uint32_t kErrorAccessDenied = 5;
inline constexpr std::uint32_t kErrorNoSuchUser = 1317;
inline constexpr std::uint32_t kErrorNoneMapped = 1332;
inline constexpr std::uint32_t kNerrUserNotFound = 2221;

// A text field of the record: null when the store returned no text at all.
struct ChampTexte {
  bool nul = true;
  std::string texte;  // UTF-8; empty when nul

  static ChampTexte de(std::string_view t) { return ChampTexte{false, std::string(t)}; }
  friend bool operator==(const ChampTexte&, const ChampTexte&) = default;
};

// One account as USER_INFO_3 holds it, field by field in its order.
struct CompteStocke {
  ChampTexte name;  // the login
  ChampTexte password;
  std::uint32_t password_age = 0;
  std::uint32_t priv = 1;  // USER_PRIV_USER
  ChampTexte home_dir;
  ChampTexte comment;
  std::uint32_t flags = 0x0201;  // UF_SCRIPT | UF_NORMAL_ACCOUNT
  ChampTexte script_path;
  std::uint32_t auth_flags = 0;
  ChampTexte full_name;
  ChampTexte usr_comment;
  ChampTexte parms;
  ChampTexte workstations;
  std::uint32_t last_logon = 0;
  std::uint32_t last_logoff = 0;
  std::uint32_t acct_expires = 0xFFFFFFFFu;  // TIMEQ_FOREVER
  std::uint32_t max_storage = 0xFFFFFFFFu;   // USER_MAXSTORAGE_UNLIMITED
  std::uint32_t units_per_week = 168;
  std::optional<std::array<std::uint8_t, 21>> logon_hours;  // nullopt: the store gave none
  std::uint32_t bad_pw_count = 0;
  std::uint32_t num_logons = 0;
  ChampTexte logon_server;
  std::uint32_t country_code = 0;
  std::uint32_t code_page = 0;
  std::uint32_t user_id = 0;
  std::uint32_t primary_group_id = 513;
  ChampTexte profile;
  ChampTexte home_dir_drive;
  std::uint32_t password_expired = 0;

  friend bool operator==(const CompteStocke&, const CompteStocke&) = default;
};

class MagasinComptes {
 public:
  virtual ~MagasinComptes() = default;

  // NetUserEnum at level 3 with FILTER_NORMAL_ACCOUNT. Replaces `page` with the next
  // page (about `longueurPreferee` bytes of records), continuing from `reprise`
  // (0 at the start) and updating it. Returns 0 when this was the last page, 234
  // when more follow, any other status on failure (page left empty).
  virtual std::uint32_t enumere(std::uint32_t longueurPreferee, std::vector<CompteStocke>& page,
                                std::uint32_t& totalEntrees, std::uint32_t& reprise) = 0;

  // NetUserGetInfo at level 3: the account's whole record by login.
  virtual std::uint32_t lit(std::string_view login, CompteStocke& compte) = 0;

  // NetUserSetInfo at level 3: writes the record back whole (all or nothing).
  virtual std::uint32_t ecrit(std::string_view login, const CompteStocke& compte) = 0;

  // The rows of the account list carry the CP1252 view of a login only. The
  // enumeration remembers each listed login by that view, so that a write finds
  // the account again even when its login holds characters CP1252 lacks.
  void retiensLogin(std::string_view vueAnsi, std::string_view loginMagasin);

  // The store's login for a row's login: the remembered one, or the view itself
  // in UTF-8 for an account that was not listed. Nothing when two listed
  // accounts share the same view (the row cannot tell them apart).
  std::optional<std::string> loginMagasin(std::string_view vueAnsi) const;

 private:
  std::map<std::string, std::optional<std::string>, std::less<>> logins_;
};

// What the operator chose to work on (options of the platform layer).
struct ChoixMagasin {
  enum class Sorte { Systeme, Base, Demo };
  Sorte sorte = Sorte::Systeme;
  std::string fichier;      // Base: the embedded base's path
  std::string serveur;      // Systeme: empty for the local machine
  std::string utilisateur;  // Systeme: administrator's name (Samba)
  std::string motDePasse;   // Systeme: administrator's password (Samba)
};

struct MagasinOuvert {
  std::unique_ptr<MagasinComptes> magasin;  // null when it could not be opened
  std::string erreur;       // French text (CP1252) saying what is missing, when magasin is null
  std::string nomAffiche;   // for the status bar: "Base de démonstration", the file's name, or empty
};

// The system's own account store (Samba's libnetapi on Linux, Netapi32 on Windows).
// `erreur` receives a French CP1252 text when it cannot be opened.
std::unique_ptr<MagasinComptes> OuvreMagasinSysteme(const ChoixMagasin& choix, std::string& erreur);

// True when the system store needs an administrator's name and password (Samba).
bool MagasinSystemeDemandeIdentifiants();

}  // namespace corrinom
