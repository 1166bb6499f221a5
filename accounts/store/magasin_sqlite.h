// The embedded account base: one SQLite file holding one row per account with
// every USER_INFO_3 field, in the order the accounts were added.
//
// Accounts of other kinds than normal user accounts are kept but never
// enumerated. The base holds accounts only: faults for tests live in the side
// file that MagasinEnPanne reads.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "accounts/store/magasin_comptes.h"
#include "accounts/store/panne.h"

struct sqlite3;
struct sqlite3_stmt;

namespace corrinom {

// The kind of an account, as a server's account database knows them.
enum class SorteCompte { Normal, Workstation, Server, Interdomain, TempDuplicate };

std::string_view NomSorte(SorteCompte sorte);                        // "normal", "workstation"...
std::optional<SorteCompte> SorteDeNom(std::string_view nom);

struct CompteBase {
  CompteStocke compte;
  SorteCompte sorte = SorteCompte::Normal;
  friend bool operator==(const CompteBase&, const CompteBase&) = default;
};

// The preferred page length a real server is asked for, and the size our pages
// count per account: USER_INFO_3 itself plus its UTF-16 strings and the bitmap.
inline constexpr std::uint32_t kLongueurPageEnumeration = 4096;
std::uint32_t TailleEntreeEnumeration(const CompteStocke& compte);

// Closes a connection (sqlite3_close).
struct FermeConnexion {
  void operator()(sqlite3* db) const;
};

// The status a SQLite result code is reported with: 5 access denied, 170 busy,
// 1392 a damaged file, ...; every one has a French text.
std::uint32_t StatutSqlite(int rc);

class MagasinSqlite final : public MagasinComptes {
 public:
  using Connexion = std::unique_ptr<sqlite3, FermeConnexion>;

  // Opens an existing base; null with a French (CP1252) text in erreur when the
  // file is missing, unreadable or not an account base: one of another version
  // (user_version), one whose pages fail SQLite's quick check, one on which a
  // statement of the store does not prepare.
  static std::unique_ptr<MagasinSqlite> Ouvre(const std::string& chemin, std::string& erreur);
  // A base held in memory, from the bytes of a base file: the same checks as
  // Ouvre, nothing written anywhere (the fuzzer reads bases this way).
  static std::unique_ptr<MagasinSqlite> OuvreImage(std::string_view octets, std::string& erreur);
  // Opens the base, creating the file and its tables when they do not exist.
  static std::unique_ptr<MagasinSqlite> OuvreOuCree(const std::string& chemin, std::string& erreur);

  ~MagasinSqlite() override;
  MagasinSqlite(const MagasinSqlite&) = delete;
  MagasinSqlite& operator=(const MagasinSqlite&) = delete;

  std::uint32_t enumere(std::uint32_t longueurPreferee, std::vector<CompteStocke>& page,
                        std::uint32_t& totalEntrees, std::uint32_t& reprise) override;
  std::uint32_t lit(std::string_view login, CompteStocke& compte) override;
  std::uint32_t ecrit(std::string_view login, const CompteStocke& compte) override;

  // Adds accounts in one transaction: all or none. False with a French text
  // naming the account when one cannot be added (login already present...).
  // `echec` receives the index of the account that could not be added.
  bool ajoute(const std::vector<CompteBase>& comptes, std::string& erreur,
              std::size_t* echec = nullptr);

  // Every account, of every kind, in the order they were added.
  std::vector<CompteBase> tous();

  // The faults kept inside bases made before faults moved to the side file
  // (their `pannes` table), in the order they were added; none for a newer base.
  std::vector<Panne> pannesAnciennes();

  // The file is removed when the store is closed (the demo's temporary copy).
  void supprimeALaFermeture() { supprimer_ = true; }

 private:
  MagasinSqlite(Connexion db, std::string chemin);
  // The store over an open connection; null with erreur when a statement
  // cannot be prepared (the file is not a base this program can use).
  static std::unique_ptr<MagasinSqlite> Cree(Connexion db, const std::string& chemin,
                                             std::string& erreur);
  struct Instructions;

  Connexion db_;
  std::string chemin_;
  bool supprimer_ = false;
  std::unique_ptr<Instructions> instr_;
  std::uint32_t totalNormaux_ = 0;
};

}  // namespace corrinom
