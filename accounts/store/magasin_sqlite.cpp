// The embedded account base on SQLite.
#include "accounts/store/magasin_sqlite.h"

#include <sqlite3.h>

#include <cstdio>
#include <filesystem>

#include "accounts/store/colonnes_compte.h"
#include "text/encodage.h"

namespace corrinom {
namespace {

constexpr int kVersionBase = 1;

// Status codes a SQLite failure is reported with, in NetApi terms.
constexpr std::uint32_t kErrorBusy = 170;
constexpr std::uint32_t kErrorInternal = 1359;

constexpr std::string_view kSorteNoms[] = {"normal", "workstation", "server", "interdomain",
                                           "temp_duplicate"};

constexpr const char* kSchema = R"sql(
CREATE TABLE IF NOT EXISTS comptes(
  rang INTEGER PRIMARY KEY AUTOINCREMENT,
  name TEXT NOT NULL UNIQUE COLLATE NOCASE,
  password TEXT,
  password_age INTEGER NOT NULL,
  priv INTEGER NOT NULL,
  home_dir TEXT,
  comment TEXT,
  flags INTEGER NOT NULL,
  script_path TEXT,
  auth_flags INTEGER NOT NULL,
  full_name TEXT,
  usr_comment TEXT,
  parms TEXT,
  workstations TEXT,
  last_logon INTEGER NOT NULL,
  last_logoff INTEGER NOT NULL,
  acct_expires INTEGER NOT NULL,
  max_storage INTEGER NOT NULL,
  units_per_week INTEGER NOT NULL,
  logon_hours BLOB CHECK (logon_hours IS NULL OR length(logon_hours) = 21),
  bad_pw_count INTEGER NOT NULL,
  num_logons INTEGER NOT NULL,
  logon_server TEXT,
  country_code INTEGER NOT NULL,
  code_page INTEGER NOT NULL,
  user_id INTEGER NOT NULL,
  primary_group_id INTEGER NOT NULL,
  profile TEXT,
  home_dir_drive TEXT,
  password_expired INTEGER NOT NULL,
  kind TEXT NOT NULL DEFAULT 'normal'
    CHECK (kind IN ('normal', 'workstation', 'server', 'interdomain', 'temp_duplicate')));
CREATE TABLE IF NOT EXISTS pannes(
  id INTEGER PRIMARY KEY,
  operation TEXT NOT NULL CHECK (operation IN ('get', 'set', 'enum')),
  statut INTEGER NOT NULL,
  login TEXT COLLATE NOCASE,
  page INTEGER);
)sql";

std::string Guillemets(const std::string& chemin) {
  return "\xAB " + Utf8VersCp1252Compte(chemin) + " \xBB";
}

std::string ListeColonnes() {
  std::string r;
  for (const ColonneCompte& c : kColonnesCompte) {
    if (!r.empty()) r += ", ";
    r += c.nom;
  }
  return r;
}

// An SQL statement, finalized with its owner.
class Instruction {
 public:
  Instruction() = default;
  Instruction(sqlite3* db, const std::string& sql) {
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &s_, nullptr) != SQLITE_OK) s_ = nullptr;
  }
  ~Instruction() { sqlite3_finalize(s_); }
  Instruction(const Instruction&) = delete;
  Instruction& operator=(const Instruction&) = delete;
  Instruction(Instruction&& o) noexcept : s_(o.s_) { o.s_ = nullptr; }
  Instruction& operator=(Instruction&& o) noexcept {
    std::swap(s_, o.s_);
    return *this;
  }

  sqlite3_stmt* get() const { return s_; }
  explicit operator bool() const { return s_ != nullptr; }

  // Clears bindings and state for the next use, even after a failure.
  sqlite3_stmt* pret() {
    sqlite3_reset(s_);
    sqlite3_clear_bindings(s_);
    return s_;
  }

 private:
  sqlite3_stmt* s_ = nullptr;
};

void LieTexte(sqlite3_stmt* s, int i, std::string_view t) {
  sqlite3_bind_text(s, i, t.data(), static_cast<int>(t.size()), SQLITE_TRANSIENT);
}

void LieChamp(sqlite3_stmt* s, int i, const ChampTexte& c) {
  if (c.nul)
    sqlite3_bind_null(s, i);
  else
    LieTexte(s, i, c.texte);
}

// Binds every field of the record from parameter `premier` on, in column order.
void LieCompte(sqlite3_stmt* s, int premier, const CompteStocke& compte) {
  int i = premier;
  for (const ColonneCompte& c : kColonnesCompte) {
    switch (c.genre) {
      case ColonneCompte::Genre::Texte:
        LieChamp(s, i, compte.*c.texte);
        break;
      case ColonneCompte::Genre::Nombre:
        sqlite3_bind_int64(s, i, static_cast<sqlite3_int64>(compte.*c.nombre));
        break;
      case ColonneCompte::Genre::Heures:
        if (compte.logon_hours)
          sqlite3_bind_blob(s, i, compte.logon_hours->data(), 21, SQLITE_TRANSIENT);
        else
          sqlite3_bind_null(s, i);
        break;
    }
    ++i;
  }
}

std::string_view TexteColonne(sqlite3_stmt* s, int i) {
  const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(s, i));
  return p ? std::string_view(p, static_cast<std::size_t>(sqlite3_column_bytes(s, i)))
           : std::string_view();
}

// Reads the record from result column `premier` on, in column order.
CompteStocke LitCompte(sqlite3_stmt* s, int premier) {
  CompteStocke compte;
  int i = premier;
  for (const ColonneCompte& c : kColonnesCompte) {
    const bool nul = sqlite3_column_type(s, i) == SQLITE_NULL;
    switch (c.genre) {
      case ColonneCompte::Genre::Texte:
        compte.*c.texte = nul ? ChampTexte{} : ChampTexte::de(TexteColonne(s, i));
        break;
      case ColonneCompte::Genre::Nombre:
        compte.*c.nombre = static_cast<std::uint32_t>(sqlite3_column_int64(s, i));
        break;
      case ColonneCompte::Genre::Heures:
        if (nul || sqlite3_column_bytes(s, i) != 21) {
          compte.logon_hours.reset();
        } else {
          std::array<std::uint8_t, 21> h{};
          const auto* p = static_cast<const std::uint8_t*>(sqlite3_column_blob(s, i));
          std::copy(p, p + 21, h.begin());
          compte.logon_hours = h;
        }
        break;
    }
    ++i;
  }
  return compte;
}

std::uint32_t StatutSqlite(int rc) {
  switch (rc & 0xFF) {
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_AUTH:
    case SQLITE_CANTOPEN:
      return kErrorAccessDenied;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
      return kErrorBusy;
    default:
      return kErrorInternal;
  }
}

// Size of one UTF-16 string with its terminator.
std::uint32_t TailleUtf16(const ChampTexte& c) {
  if (c.nul) return 0;
  std::uint32_t unites = 1;
  for (const char ch : c.texte) {
    const auto o = static_cast<unsigned char>(ch);
    if ((o & 0xC0) != 0x80) ++unites;  // each character starts once
    if (o >= 0xF0) ++unites;           // beyond the BMP: a surrogate pair
  }
  return 2 * unites;
}

}  // namespace

std::string_view NomSorte(SorteCompte sorte) { return kSorteNoms[static_cast<int>(sorte)]; }

std::optional<SorteCompte> SorteDeNom(std::string_view nom) {
  for (std::size_t i = 0; i < std::size(kSorteNoms); ++i)
    if (kSorteNoms[i] == nom) return static_cast<SorteCompte>(i);
  return std::nullopt;
}

std::uint32_t TailleEntreeEnumeration(const CompteStocke& compte) {
  // sizeof(USER_INFO_3) with 64-bit pointers: 13 pointers and 16 DWORDs, padded.
  constexpr std::uint32_t kTailleStructure = 184;
  std::uint32_t t = kTailleStructure;
  for (const ColonneCompte& c : kColonnesCompte)
    if (c.genre == ColonneCompte::Genre::Texte) t += TailleUtf16(compte.*c.texte);
  if (compte.logon_hours) t += 21;
  return t;
}

struct MagasinSqlite::Instructions {
  Instruction enumere, compteNormaux, lit, ecrit, ajoute, tous, panne, ajoutePanne;
  Instruction debut, valide, annule;
};

MagasinSqlite::MagasinSqlite(sqlite3* db, std::string chemin)
    : db_(db), chemin_(std::move(chemin)), instr_(std::make_unique<Instructions>()) {
  const std::string colonnes = ListeColonnes();
  std::string parametres;
  std::string affectations;
  int i = 1;
  for (const ColonneCompte& c : kColonnesCompte) {
    if (!parametres.empty()) parametres += ", ";
    parametres += "?" + std::to_string(i);
    if (c.nom != "name") {
      if (!affectations.empty()) affectations += ", ";
      affectations += std::string(c.nom) + " = ?" + std::to_string(i);
    }
    ++i;
  }
  const std::string dernier = "?" + std::to_string(i);
  Instructions& s = *instr_;
  s.enumere = Instruction(db_, "SELECT rang, " + colonnes +
                                   " FROM comptes WHERE kind = 'normal' AND rang > ?1 ORDER BY rang");
  s.compteNormaux = Instruction(db_, "SELECT count(*) FROM comptes WHERE kind = 'normal'");
  s.lit = Instruction(db_, "SELECT " + colonnes + " FROM comptes WHERE name = ?1");
  // The login column is bound (so the parameters line up) but never changed.
  s.ecrit = Instruction(db_, "UPDATE comptes SET " + affectations + " WHERE name = " + dernier);
  s.ajoute = Instruction(db_, "INSERT INTO comptes(" + colonnes + ", kind) VALUES(" + parametres +
                                  ", " + dernier + ")");
  s.tous = Instruction(db_, "SELECT " + colonnes + ", kind FROM comptes ORDER BY rang");
  s.panne = Instruction(db_,
                        "SELECT statut FROM pannes WHERE operation = ?1 AND "
                        "(login IS NULL OR login = ?2) AND (page IS NULL OR page = ?3) "
                        "ORDER BY id LIMIT 1");
  s.ajoutePanne =
      Instruction(db_, "INSERT INTO pannes(operation, statut, login, page) VALUES(?1, ?2, ?3, ?4)");
  s.debut = Instruction(db_, "BEGIN IMMEDIATE");
  s.valide = Instruction(db_, "COMMIT");
  s.annule = Instruction(db_, "ROLLBACK");
}

MagasinSqlite::~MagasinSqlite() {
  instr_.reset();  // statements before the connection
  sqlite3_close(db_);
  if (supprimer_) std::remove(chemin_.c_str());
}

namespace {

sqlite3* OuvreFichier(const std::string& chemin, int drapeaux, std::string& erreur) {
  sqlite3* db = nullptr;
  if (sqlite3_open_v2(chemin.c_str(), &db, drapeaux, nullptr) != SQLITE_OK) {
    sqlite3_close(db);
    erreur = "Impossible d'ouvrir la base de comptes " + Guillemets(chemin) + ".";
    return nullptr;
  }
  sqlite3_busy_timeout(db, 2000);
  return db;
}

// True when the file holds our tables (reading it also proves it is a database).
bool EstBaseComptes(sqlite3* db) {
  Instruction s(db, "SELECT count(*) FROM sqlite_master WHERE type = 'table' AND "
                    "name IN ('comptes', 'pannes')");
  return s && sqlite3_step(s.get()) == SQLITE_ROW && sqlite3_column_int(s.get(), 0) == 2;
}

}  // namespace

std::unique_ptr<MagasinSqlite> MagasinSqlite::Ouvre(const std::string& chemin, std::string& erreur) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(chemin, ec)) {
    erreur = "La base de comptes " + Guillemets(chemin) + " n'existe pas.";
    return nullptr;
  }
  sqlite3* db = OuvreFichier(chemin, SQLITE_OPEN_READWRITE, erreur);
  if (!db) return nullptr;
  if (!EstBaseComptes(db)) {
    sqlite3_close(db);
    erreur = "Le fichier " + Guillemets(chemin) +
             " n'est pas une base de comptes lisible par Corrinom.";
    return nullptr;
  }
  return std::unique_ptr<MagasinSqlite>(new MagasinSqlite(db, chemin));
}

std::unique_ptr<MagasinSqlite> MagasinSqlite::OuvreOuCree(const std::string& chemin,
                                                         std::string& erreur) {
  sqlite3* db = OuvreFichier(chemin, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, erreur);
  if (!db) return nullptr;
  if (!EstBaseComptes(db)) {
    const std::string sql = std::string(kSchema) + "PRAGMA user_version = " +
                            std::to_string(kVersionBase) + ";";
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK ||
        !EstBaseComptes(db)) {
      sqlite3_close(db);
      erreur = "Impossible de cr\xE9" "er la base de comptes " + Guillemets(chemin) +
               " (le fichier existe et n'est pas une base, ou il ne peut pas \xEAtre \xE9" "crit).";
      return nullptr;
    }
  }
  return std::unique_ptr<MagasinSqlite>(new MagasinSqlite(db, chemin));
}

std::optional<std::uint32_t> MagasinSqlite::panne(OperationPanne op, std::string_view login,
                                                  std::uint32_t page) {
  static constexpr const char* kOperations[] = {"get", "set", "enum"};
  sqlite3_stmt* s = instr_->panne.pret();
  sqlite3_bind_text(s, 1, kOperations[static_cast<int>(op)], -1, SQLITE_STATIC);
  if (op == OperationPanne::Enumeration) {
    sqlite3_bind_null(s, 2);
    sqlite3_bind_int64(s, 3, page);
  } else {
    LieTexte(s, 2, login);
    sqlite3_bind_null(s, 3);
  }
  std::optional<std::uint32_t> r;
  if (sqlite3_step(s) == SQLITE_ROW) r = static_cast<std::uint32_t>(sqlite3_column_int64(s, 0));
  sqlite3_reset(s);
  return r;
}

std::uint32_t MagasinSqlite::enumere(std::uint32_t longueurPreferee, std::vector<CompteStocke>& page,
                                     std::uint32_t& totalEntrees, std::uint32_t& reprise) {
  page.clear();
  if (reprise == 0) {
    appelsEnumeration_ = 0;
    sqlite3_stmt* c = instr_->compteNormaux.pret();
    totalNormaux_ =
        sqlite3_step(c) == SQLITE_ROW ? static_cast<std::uint32_t>(sqlite3_column_int64(c, 0)) : 0;
    sqlite3_reset(c);
  }
  ++appelsEnumeration_;
  if (const auto p = panne(OperationPanne::Enumeration, {}, appelsEnumeration_)) return *p;
  totalEntrees = totalNormaux_;

  sqlite3_stmt* s = instr_->enumere.pret();
  sqlite3_bind_int64(s, 1, reprise);
  std::uint32_t utilise = 0;
  std::uint32_t dernierRang = 0;
  bool encore = false;
  int rc;
  while ((rc = sqlite3_step(s)) == SQLITE_ROW) {
    CompteStocke compte = LitCompte(s, 1);
    const std::uint32_t taille = TailleEntreeEnumeration(compte);
    if (!page.empty() && utilise + taille > longueurPreferee) {
      encore = true;
      break;
    }
    utilise += taille;
    dernierRang = static_cast<std::uint32_t>(sqlite3_column_int64(s, 0));
    page.push_back(std::move(compte));
  }
  sqlite3_reset(s);
  if (rc != SQLITE_ROW && rc != SQLITE_DONE) {
    page.clear();
    return StatutSqlite(rc);
  }
  reprise = encore ? dernierRang : 0;
  return encore ? kErrorMoreData : kNerrSuccess;
}

std::uint32_t MagasinSqlite::lit(std::string_view login, CompteStocke& compte) {
  if (const auto p = panne(OperationPanne::Lecture, login, 0)) return *p;
  sqlite3_stmt* s = instr_->lit.pret();
  LieTexte(s, 1, login);
  const int rc = sqlite3_step(s);
  std::uint32_t statut = kNerrSuccess;
  if (rc == SQLITE_ROW)
    compte = LitCompte(s, 0);
  else
    statut = rc == SQLITE_DONE ? kNerrUserNotFound : StatutSqlite(rc);
  sqlite3_reset(s);
  return statut;
}

std::uint32_t MagasinSqlite::ecrit(std::string_view login, const CompteStocke& compte) {
  if (const auto p = panne(OperationPanne::Ecriture, login, 0)) return *p;
  Instructions& in = *instr_;
  int rc = sqlite3_step(in.debut.pret());
  sqlite3_reset(in.debut.get());
  if (rc != SQLITE_DONE) return StatutSqlite(rc);

  sqlite3_stmt* s = in.ecrit.pret();
  LieCompte(s, 1, compte);
  LieTexte(s, static_cast<int>(kColonnesCompte.size()) + 1, login);
  rc = sqlite3_step(s);
  sqlite3_reset(s);
  std::uint32_t statut = kNerrSuccess;
  if (rc != SQLITE_DONE)
    statut = StatutSqlite(rc);
  else if (sqlite3_changes(db_) == 0)
    statut = kNerrUserNotFound;
  if (statut == kNerrSuccess) {
    rc = sqlite3_step(in.valide.pret());
    sqlite3_reset(in.valide.get());
    if (rc == SQLITE_DONE) return kNerrSuccess;
    statut = StatutSqlite(rc);
  }
  sqlite3_step(in.annule.pret());
  sqlite3_reset(in.annule.get());
  return statut;
}

bool MagasinSqlite::ajoute(const std::vector<CompteBase>& comptes, std::string& erreur,
                           std::size_t* echec) {
  Instructions& in = *instr_;
  int rc = sqlite3_step(in.debut.pret());
  sqlite3_reset(in.debut.get());
  if (rc != SQLITE_DONE) {
    erreur = "La base de comptes ne peut pas \xEAtre modifi\xE9" "e.";
    return false;
  }
  for (std::size_t k = 0; k < comptes.size(); ++k) {
    const CompteBase& c = comptes[k];
    sqlite3_stmt* s = in.ajoute.pret();
    LieCompte(s, 1, c.compte);
    LieTexte(s, static_cast<int>(kColonnesCompte.size()) + 1, NomSorte(c.sorte));
    rc = sqlite3_step(s);
    const int etendu = sqlite3_extended_errcode(db_);
    sqlite3_reset(s);
    if (rc != SQLITE_DONE) {
      const std::string login = Utf8VersCp1252Compte(c.compte.name.texte);
      if (etendu == SQLITE_CONSTRAINT_UNIQUE)
        erreur = "Le compte " + std::string("\xAB ") + login + " \xBB existe d\xE9j\xE0 dans la base.";
      else if (c.compte.name.nul)
        erreur = "Un compte sans login ne peut pas \xEAtre ajout\xE9.";
      else
        erreur = "Le compte \xAB " + login + " \xBB ne peut pas \xEAtre ajout\xE9 \xE0 la base.";
      if (echec) *echec = k;
      sqlite3_step(in.annule.pret());
      sqlite3_reset(in.annule.get());
      return false;
    }
  }
  rc = sqlite3_step(in.valide.pret());
  sqlite3_reset(in.valide.get());
  if (rc != SQLITE_DONE) {
    sqlite3_step(in.annule.pret());
    sqlite3_reset(in.annule.get());
    erreur = "La base de comptes ne peut pas \xEAtre modifi\xE9" "e.";
    return false;
  }
  return true;
}

std::vector<CompteBase> MagasinSqlite::tous() {
  std::vector<CompteBase> r;
  sqlite3_stmt* s = instr_->tous.pret();
  const int colonneSorte = static_cast<int>(kColonnesCompte.size());
  while (sqlite3_step(s) == SQLITE_ROW) {
    CompteBase c;
    c.compte = LitCompte(s, 0);
    c.sorte = SorteDeNom(TexteColonne(s, colonneSorte)).value_or(SorteCompte::Normal);
    r.push_back(std::move(c));
  }
  sqlite3_reset(s);
  return r;
}

bool MagasinSqlite::ajoutePanne(const Panne& p, std::string& erreur) {
  static constexpr const char* kOperations[] = {"get", "set", "enum"};
  sqlite3_stmt* s = instr_->ajoutePanne.pret();
  sqlite3_bind_text(s, 1, kOperations[static_cast<int>(p.operation)], -1, SQLITE_STATIC);
  sqlite3_bind_int64(s, 2, p.statut);
  if (p.login)
    LieTexte(s, 3, *p.login);
  else
    sqlite3_bind_null(s, 3);
  if (p.page)
    sqlite3_bind_int64(s, 4, *p.page);
  else
    sqlite3_bind_null(s, 4);
  const int rc = sqlite3_step(s);
  sqlite3_reset(s);
  if (rc != SQLITE_DONE) {
    erreur = "La panne ne peut pas \xEAtre enregistr\xE9" "e dans la base.";
    return false;
  }
  return true;
}

}  // namespace corrinom
