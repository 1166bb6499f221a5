// The account store: what the program needs of the operating system's network
// user management (NetUserEnum, NetUserGetInfo, NetUserSetInfo), in NetApi terms
// and status codes, and nothing more.
//
// What it promises: MagasinComptes is a pure interface with no state of its
// own; each backend (the embedded SQLite base, Samba's libnetapi, Windows'
// Netapi32, and MagasinEnPanne, which wraps any of them to fail on purpose)
// answers the three calls as the system's API would, a write being all or
// nothing. Text inside the interface is the store's own text, UTF-8; a record
// goes back exactly as it came except for what the caller changed.
//
// What it costs: an enumeration page holds about the preferred length of
// records; a read or a write is one round trip (one transaction on the base).
//
// What it leaves out: no CP1252, no knowledge of the account list or of TAVO
// records (the load keeps the map from the list's CP1252 logins to the store's
// own), no caching, no retries, no creation or deletion of accounts.
#pragma once

#include <array>
#include <cstdint>
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
inline constexpr std::uint32_t kErrorFileCorrupt = 1392;  // damaged, unreadable data

// A text field of the record: null when the store returned no text at all.
struct ChampTexte {
  bool nul = true;
  std::string texte;  // UTF-8; empty when nul

  static ChampTexte de(std::string_view t) { return ChampTexte{false, std::string(t)}; }
  friend bool operator==(const ChampTexte&, const ChampTexte&) = default;
};

// One account as USER_INFO_3 holds it, field by field in its order (the list
// is champs_info3.def). A new record holds each field's default.
struct CompteStocke {
#define CORRINOM_TEXTE(nom) ChampTexte nom;
#define CORRINOM_NOMBRE(nom, defaut) std::uint32_t nom = defaut;
#define CORRINOM_HEURES(nom) std::optional<std::array<std::uint8_t, 21>> nom;  // nullopt: none
#include "accounts/store/champs_info3.def"

  friend bool operator==(const CompteStocke&, const CompteStocke&) = default;
};

class MagasinComptes {
 public:
  virtual ~MagasinComptes() = default;

  // NetUserEnum at level 3 with FILTER_NORMAL_ACCOUNT. Replaces `page` with the next
  // page (about `longueurPreferee` bytes of records), continuing from `reprise`
  // (0 at the start) and updating it. Returns 0 when this was the last page, 234
  // when more follow, any other status on failure (page left empty). With 234 the
  // new resume handle is one not handed out before in this enumeration.
  virtual std::uint32_t enumere(std::uint32_t longueurPreferee, std::vector<CompteStocke>& page,
                                std::uint32_t& totalEntrees, std::uint32_t& reprise) = 0;

  // NetUserEnum at level 10: the same pages, order and statuses as enumere, but
  // each record holds only the name, comment, user comment and full name (the
  // other fields keep their defaults). It is all the account load reads, and a
  // server sends it faster. A store with nothing lighter answers with enumere.
  virtual std::uint32_t enumereNoms(std::uint32_t longueurPreferee, std::vector<CompteStocke>& page,
                                    std::uint32_t& totalEntrees, std::uint32_t& reprise) {
    return enumere(longueurPreferee, page, totalEntrees, reprise);
  }

  // NetUserGetInfo at level 3: the account's whole record by login.
  virtual std::uint32_t lit(std::string_view login, CompteStocke& compte) = 0;

  // NetUserSetInfo at level 3: writes the record back whole (all or nothing).
  virtual std::uint32_t ecrit(std::string_view login, const CompteStocke& compte) = 0;
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
  std::string cheminBase;   // an embedded base's file (the demo's temporary copy too), else empty
};

// The system's own account store (Samba's libnetapi on Linux, Netapi32 on Windows).
// `erreur` receives a French CP1252 text when it cannot be opened.
std::unique_ptr<MagasinComptes> OuvreMagasinSysteme(const ChoixMagasin& choix, std::string& erreur);

// True when the system store needs an administrator's name and password (Samba).
bool MagasinSystemeDemandeIdentifiants();

}  // namespace corrinom
