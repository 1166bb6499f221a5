// The embedded account base on SQLite.
#include "accounts/store/magasin_sqlite.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>

#include "accounts/store/colonnes_compte.h"
#include "text/encodage.h"
#include "text/fichier.h"

namespace corrinom {
namespace {

constexpr int kVersionBase = 1;

// Status codes a SQLite failure is reported with, in NetApi terms.
constexpr std::uint32_t kErrorNotEnoughMemory = 8;
constexpr std::uint32_t kErrorDiskFull = 112;
constexpr std::uint32_t kErrorBusy = 170;
constexpr std::uint32_t kErrorIoDevice = 1117;
constexpr std::uint32_t kErrorInternal = 1359;

constexpr std::string_view kSorteNoms[] = {"normal", "workstation", "server", "interdomain",
                                           "temp_duplicate"};

// The table of accounts: one column per field of champs_info3.def, then the
// account's kind. The login is unique without regard to ASCII case, as a
// server's logins are.
std::string SchemaComptes() {
  std::string sql = "CREATE TABLE IF NOT EXISTS comptes(\n  rang INTEGER PRIMARY KEY AUTOINCREMENT";
  for (const ColonneCompte& c : kColonnesCompte) {
    const std::string nom(c.nom);
    sql += ",\n  " + nom;
    if (nom == "name")
      sql += " TEXT NOT NULL UNIQUE COLLATE NOCASE";
    else if (c.genre == ColonneCompte::Genre::Texte)
      sql += " TEXT";
    else if (c.genre == ColonneCompte::Genre::Nombre)
      sql += " INTEGER NOT NULL";
    else
      sql += " BLOB CHECK (" + nom + " IS NULL OR length(" + nom + ") = 21)";
  }
  sql += ",\n  kind TEXT NOT NULL DEFAULT 'normal'\n    CHECK (kind IN ('normal', 'workstation', "
         "'server', 'interdomain', 'temp_duplicate')));\n";
  return sql;
}

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

// A transaction: BEGIN IMMEDIATE when made, ROLLBACK when it ends without valide().
class Transaction {
 public:
  Transaction(Instruction& debut, Instruction& valide, Instruction& annule)
      : valide_(valide), annule_(annule) {
    rc_ = sqlite3_step(debut.pret());
    sqlite3_reset(debut.get());
    ouverte_ = rc_ == SQLITE_DONE;
  }
  ~Transaction() {
    if (!ouverte_) return;
    sqlite3_step(annule_.pret());
    sqlite3_reset(annule_.get());
  }
  Transaction(const Transaction&) = delete;
  Transaction& operator=(const Transaction&) = delete;

  // SQLITE_DONE when it began; else why it did not.
  int debut() const { return rc_; }

  // COMMIT: SQLITE_DONE when it held (the transaction is then over).
  int valide() {
    const int rc = sqlite3_step(valide_.pret());
    sqlite3_reset(valide_.get());
    if (rc == SQLITE_DONE) ouverte_ = false;
    return rc;
  }

 private:
  Instruction& valide_;
  Instruction& annule_;
  int rc_ = SQLITE_OK;
  bool ouverte_ = false;
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
    case SQLITE_NOMEM:
      return kErrorNotEnoughMemory;
    case SQLITE_FULL:
      return kErrorDiskFull;
    case SQLITE_IOERR:
      return kErrorIoDevice;
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
      return kErrorFileCorrupt;
    default:
      return kErrorInternal;
  }
}

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

void FermeConnexion::operator()(sqlite3* db) const { sqlite3_close(db); }

struct MagasinSqlite::Instructions {
  Instruction enumere, compteNormaux, lit, ecrit, ajoute, tous;
  Instruction debut, valide, annule;

  bool prets() const {
    for (const Instruction* i : {&enumere, &compteNormaux, &lit, &ecrit, &ajoute, &tous, &debut,
                                 &valide, &annule})
      if (!*i) return false;
    return true;
  }
};

MagasinSqlite::MagasinSqlite(Connexion db, std::string chemin)
    : db_(std::move(db)), chemin_(std::move(chemin)), instr_(std::make_unique<Instructions>()) {
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
  sqlite3* db_brut = db_.get();
  Instructions& s = *instr_;
  s.enumere = Instruction(db_brut, "SELECT rang, " + colonnes +
                                       " FROM comptes WHERE kind = 'normal' AND rang > ?1 ORDER BY rang");
  s.compteNormaux = Instruction(db_brut, "SELECT count(*) FROM comptes WHERE kind = 'normal'");
  s.lit = Instruction(db_brut, "SELECT " + colonnes + " FROM comptes WHERE name = ?1");
  // The login column is bound (so the parameters line up) but never changed.
  s.ecrit = Instruction(db_brut, "UPDATE comptes SET " + affectations + " WHERE name = " + dernier);
  s.ajoute = Instruction(db_brut, "INSERT INTO comptes(" + colonnes + ", kind) VALUES(" +
                                      parametres + ", " + dernier + ")");
  s.tous = Instruction(db_brut, "SELECT " + colonnes + ", kind FROM comptes ORDER BY rang");
  s.debut = Instruction(db_brut, "BEGIN IMMEDIATE");
  s.valide = Instruction(db_brut, "COMMIT");
  s.annule = Instruction(db_brut, "ROLLBACK");
}

MagasinSqlite::~MagasinSqlite() {
  instr_.reset();  // statements before the connection
  db_.reset();
  std::error_code ec;
  if (supprimer_) std::filesystem::remove(CheminUtf8(chemin_), ec);
}

namespace {

// A file made by someone else is read defensively: its schema may not call
// functions with side effects, nor be written through pragmas, and cells are
// checked for size as they are read.
void Prudence(sqlite3* db) {
  sqlite3_db_config(db, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
  sqlite3_db_config(db, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
  sqlite3_exec(db, "PRAGMA cell_size_check = ON", nullptr, nullptr, nullptr);
}

MagasinSqlite::Connexion OuvreFichier(const std::string& chemin, int drapeaux, std::string& erreur) {
  sqlite3* brut = nullptr;
  const int rc = sqlite3_open_v2(chemin.c_str(), &brut, drapeaux, nullptr);
  MagasinSqlite::Connexion db(brut);  // closed on every path, even a failed open
  if (rc != SQLITE_OK) {
    erreur = "Impossible d'ouvrir la base de comptes " + Guillemets(chemin) + ".";
    return nullptr;
  }
  sqlite3_busy_timeout(db.get(), 2000);
  Prudence(db.get());
  return db;
}

bool TableExiste(sqlite3* db, std::string_view nom) {
  Instruction s(db, "SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = ?1");
  if (!s) return false;
  LieTexte(s.get(), 1, nom);
  return sqlite3_step(s.get()) == SQLITE_ROW && sqlite3_column_int(s.get(), 0) == 1;
}

// True when the file holds our accounts table (reading it also proves it is a
// database). Bases made before the faults moved to their side file also hold a
// `pannes` table, which changes nothing here.
bool EstBaseComptes(sqlite3* db) { return TableExiste(db, "comptes"); }

// Our version, and every page sound as SQLite's own quick check sees it, so that
// no statement meets a damaged page later (a damaged page can make a query
// return rows out of order, or fail half-way through a write).
bool BaseSaine(sqlite3* db) {
  Instruction version(db, "PRAGMA user_version");
  if (!version || sqlite3_step(version.get()) != SQLITE_ROW ||
      sqlite3_column_int64(version.get(), 0) != kVersionBase)
    return false;
  Instruction verification(db, "PRAGMA quick_check(1)");
  return verification && sqlite3_step(verification.get()) == SQLITE_ROW &&
         TexteColonne(verification.get(), 0) == "ok";
}

std::string PasUneBase(const std::string& chemin) {
  return "Le fichier " + Guillemets(chemin) + " n'est pas une base de comptes lisible par Corrinom.";
}

}  // namespace

std::unique_ptr<MagasinSqlite> MagasinSqlite::Cree(Connexion db, const std::string& chemin,
                                                   std::string& erreur) {
  if (!BaseSaine(db.get())) {
    erreur = PasUneBase(chemin);
    return nullptr;
  }
  std::unique_ptr<MagasinSqlite> base(new MagasinSqlite(std::move(db), chemin));
  if (!base->instr_->prets()) {
    erreur = PasUneBase(chemin);
    return nullptr;
  }
  return base;
}

std::unique_ptr<MagasinSqlite> MagasinSqlite::Ouvre(const std::string& chemin, std::string& erreur) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(CheminUtf8(chemin), ec)) {
    erreur = "La base de comptes " + Guillemets(chemin) + " n'existe pas.";
    return nullptr;
  }
  Connexion db = OuvreFichier(chemin, SQLITE_OPEN_READWRITE, erreur);
  if (!db) return nullptr;
  if (!EstBaseComptes(db.get())) {
    erreur = PasUneBase(chemin);
    return nullptr;
  }
  return Cree(std::move(db), chemin, erreur);
}

std::unique_ptr<MagasinSqlite> MagasinSqlite::OuvreImage(std::string_view octets,
                                                        std::string& erreur) {
  const std::string nom = "(image en m\xE9moire)";
  Connexion db = OuvreFichier(":memory:", SQLITE_OPEN_READWRITE | SQLITE_OPEN_MEMORY, erreur);
  if (!db) return nullptr;
  // SQLite owns the copy and frees it with the connection, even when it refuses it.
  const auto taille = static_cast<sqlite3_int64>(octets.size());
  auto* copie = static_cast<unsigned char*>(sqlite3_malloc64(octets.size() + 1));
  if (copie == nullptr) {
    erreur = PasUneBase(nom);
    return nullptr;
  }
  std::copy(octets.begin(), octets.end(), copie);
  if (sqlite3_deserialize(db.get(), "main", copie, taille, taille,
                          SQLITE_DESERIALIZE_FREEONCLOSE | SQLITE_DESERIALIZE_RESIZEABLE) !=
          SQLITE_OK ||
      !EstBaseComptes(db.get())) {
    erreur = PasUneBase(nom);
    return nullptr;
  }
  return Cree(std::move(db), nom, erreur);
}

std::unique_ptr<MagasinSqlite> MagasinSqlite::OuvreOuCree(const std::string& chemin,
                                                         std::string& erreur) {
  Connexion db = OuvreFichier(chemin, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, erreur);
  if (!db) return nullptr;
  if (!EstBaseComptes(db.get())) {
    const std::string sql = SchemaComptes() + "PRAGMA user_version = " +
                            std::to_string(kVersionBase) + ";";
    if (sqlite3_exec(db.get(), sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK ||
        !EstBaseComptes(db.get())) {
      erreur = "Impossible de cr\xE9" "er la base de comptes " + Guillemets(chemin) +
               " (le fichier existe et n'est pas une base, ou il ne peut pas \xEAtre \xE9" "crit).";
      return nullptr;
    }
  }
  return Cree(std::move(db), chemin, erreur);
}

std::vector<Panne> MagasinSqlite::pannesAnciennes() {
  std::vector<Panne> r;
  if (!TableExiste(db_.get(), "pannes")) return r;
  Instruction s(db_.get(), "SELECT operation, statut, login, page FROM pannes ORDER BY id");
  if (!s) return r;
  while (sqlite3_step(s.get()) == SQLITE_ROW) {
    const std::string_view op = TexteColonne(s.get(), 0);
    Panne p;
    p.operation = op == "get"   ? OperationPanne::Lecture
                  : op == "set" ? OperationPanne::Ecriture
                                : OperationPanne::Enumeration;
    p.statut = static_cast<std::uint32_t>(sqlite3_column_int64(s.get(), 1));
    if (sqlite3_column_type(s.get(), 2) != SQLITE_NULL) p.login = std::string(TexteColonne(s.get(), 2));
    if (sqlite3_column_type(s.get(), 3) != SQLITE_NULL)
      p.page = static_cast<std::uint32_t>(sqlite3_column_int64(s.get(), 3));
    r.push_back(std::move(p));
  }
  return r;
}

std::uint32_t MagasinSqlite::enumere(std::uint32_t longueurPreferee, std::vector<CompteStocke>& page,
                                     std::uint32_t& totalEntrees, std::uint32_t& reprise) {
  page.clear();
  if (reprise == 0) {
    sqlite3_stmt* c = instr_->compteNormaux.pret();
    totalNormaux_ =
        sqlite3_step(c) == SQLITE_ROW ? static_cast<std::uint32_t>(sqlite3_column_int64(c, 0)) : 0;
    sqlite3_reset(c);
  }
  totalEntrees = totalNormaux_;

  sqlite3_stmt* s = instr_->enumere.pret();
  sqlite3_bind_int64(s, 1, reprise);
  std::uint32_t utilise = 0;
  std::uint32_t dernierRang = 0;
  bool encore = false;
  int rc;
  while ((rc = sqlite3_step(s)) == SQLITE_ROW) {
    // Ranks come in increasing order above the resume handle and fit it; anything
    // else is a damaged table, which would hand the same pages out again.
    const sqlite3_int64 rang = sqlite3_column_int64(s, 0);
    if (rang <= static_cast<sqlite3_int64>(page.empty() ? reprise : dernierRang) ||
        rang > static_cast<sqlite3_int64>(UINT32_MAX)) {
      rc = SQLITE_CORRUPT;
      break;
    }
    CompteStocke compte = LitCompte(s, 1);
    const std::uint32_t taille = TailleEntreeEnumeration(compte);
    if (!page.empty() && utilise + taille > longueurPreferee) {
      encore = true;
      break;
    }
    utilise += taille;
    dernierRang = static_cast<std::uint32_t>(rang);
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
  Instructions& in = *instr_;
  Transaction transaction(in.debut, in.valide, in.annule);
  if (transaction.debut() != SQLITE_DONE) return StatutSqlite(transaction.debut());

  sqlite3_stmt* s = in.ecrit.pret();
  LieCompte(s, 1, compte);
  LieTexte(s, static_cast<int>(std::size(kColonnesCompte)) + 1, login);
  int rc = sqlite3_step(s);
  sqlite3_reset(s);
  if (rc != SQLITE_DONE) return StatutSqlite(rc);
  if (sqlite3_changes(db_.get()) == 0) return kNerrUserNotFound;
  rc = transaction.valide();
  return rc == SQLITE_DONE ? kNerrSuccess : StatutSqlite(rc);
}

bool MagasinSqlite::ajoute(const std::vector<CompteBase>& comptes, std::string& erreur,
                           std::size_t* echec) {
  Instructions& in = *instr_;
  Transaction transaction(in.debut, in.valide, in.annule);
  if (transaction.debut() != SQLITE_DONE) {
    erreur = "La base de comptes ne peut pas \xEAtre modifi\xE9" "e.";
    return false;
  }
  for (std::size_t k = 0; k < comptes.size(); ++k) {
    const CompteBase& c = comptes[k];
    sqlite3_stmt* s = in.ajoute.pret();
    LieCompte(s, 1, c.compte);
    LieTexte(s, static_cast<int>(std::size(kColonnesCompte)) + 1, NomSorte(c.sorte));
    const int rc = sqlite3_step(s);
    const int etendu = sqlite3_extended_errcode(db_.get());
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
      return false;
    }
  }
  if (transaction.valide() != SQLITE_DONE) {
    erreur = "La base de comptes ne peut pas \xEAtre modifi\xE9" "e.";
    return false;
  }
  return true;
}

std::vector<CompteBase> MagasinSqlite::tous() {
  std::vector<CompteBase> r;
  sqlite3_stmt* s = instr_->tous.pret();
  const int colonneSorte = static_cast<int>(std::size(kColonnesCompte));
  while (sqlite3_step(s) == SQLITE_ROW) {
    CompteBase c;
    c.compte = LitCompte(s, 0);
    c.sorte = SorteDeNom(TexteColonne(s, colonneSorte)).value_or(SorteCompte::Normal);
    r.push_back(std::move(c));
  }
  sqlite3_reset(s);
  return r;
}

}  // namespace corrinom
