// The change journal: one CSV file per write run, two lines per account
// written, one per account left alone because it changed since the load. The
// intention line is on the disk before the account is written, so no account
// is ever written without its intention line, whatever stops the run. The
// result line is handed to the system just after the write, so it survives the
// program's own crash at once; it reaches the disk together with the next
// account's intention line, or when the run ends. A power cut can
// only take the last result line, and a restore reads an intention without its
// result as "maybe written": it compares the account before setting it back.
// Joining the two halves the disk waits of a run, the journal's main cost.
//
// Every text of a line is the store's own text (UTF-8), not the CP1252 view
// the lists show; the messages of this unit are CP1252, for the operator.
#pragma once

#include <cstdint>
#include <ctime>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "session/fichier_durable.h"

namespace corrinom {

inline constexpr std::string_view kEnteteJournal =
    "horodatage;magasin;login;etape;ancien_nom_complet;ancien_commentaire;nouveau_nom_complet;"
    "nouveau_commentaire;statut";
inline constexpr std::string_view kEtapeIntention = "intention";
inline constexpr std::string_view kEtapeResultat = "r\xC3\xA9sultat";  // UTF-8, as the file holds it
// An account found changed since the load and left as it is: its current texts
// as the old ones, what would have been written as the new ones.
inline constexpr std::string_view kEtapeConflit = "conflit";

// One account's change, in the store's own text.
struct ChangementCompte {
  std::string login;
  std::string ancienNomComplet;
  std::string ancienCommentaire;
  std::string nouveauNomComplet;
  std::string nouveauCommentaire;
  friend bool operator==(const ChangementCompte&, const ChangementCompte&) = default;
};

// The per-user folder of the journals, in UTF-8 as every path of the journals:
// %LOCALAPPDATA%\Corrinom\journaux on Windows; $XDG_DATA_HOME/corrinom/journaux
// elsewhere, ~/.local/share/corrinom/journaux when that variable is unset (or
// not an absolute path). Nothing, with a CP1252 reason in `erreur`, when the
// environment names no such place.
// `env` reads an environment variable (null when unset).
using LectureEnvironnement = std::function<const char*(const char*)>;
std::optional<std::string> DossierJournaux(std::string& erreur,
                                           const LectureEnvironnement& env = nullptr);

class JournalChangements {
 public:
  // A new file in `dossier` (created when needed), named after the run's start,
  // with -2, -3... when that name is taken.
  static std::unique_ptr<JournalChangements> CreeDansDossier(const std::string& dossier,
                                                             std::time_t debut,
                                                             std::string magasin,
                                                             std::string& erreur);
  // The file the operator chose: appended to when it is already a journal; the
  // header is written only in a new (or empty) file. Any other file is refused.
  static std::unique_ptr<JournalChangements> OuvreFichier(const std::string& chemin,
                                                          std::string magasin,
                                                          std::string& erreur);

  // Each writes one line; false with a CP1252 reason. `intention` returns once
  // its line and every line before it are on the disk; `resultat` does not wait.
  bool intention(const ChangementCompte& c, std::string& erreur);
  bool resultat(const ChangementCompte& c, std::uint32_t statut, std::string& erreur);
  // Does not wait for the disk either: nothing is written after it.
  bool conflit(const ChangementCompte& c, std::string& erreur);
  // Waits until every line is on the disk: the end of a run.
  bool termine(std::string& erreur);
  ~JournalChangements();
  JournalChangements(const JournalChangements&) = delete;
  JournalChangements& operator=(const JournalChangements&) = delete;

  const std::string& chemin() const { return chemin_; }

 private:
  JournalChangements(std::unique_ptr<FichierDurable> f, std::string chemin, std::string magasin)
      : fichier_(std::move(f)), chemin_(std::move(chemin)), magasin_(std::move(magasin)) {}
  bool ecritLigne(const ChangementCompte& c, std::string_view etape, std::string_view statut,
                  bool attendDisque, std::string& erreur);
  std::string erreurEcriture(int e) const;

  std::unique_ptr<FichierDurable> fichier_;
  std::string chemin_;
  std::string magasin_;
  bool enAttente_ = false;  // lines written but not yet known to be on the disk
};

// Where a run's journal goes: the chosen file when there is one, else a new
// file in the per-user folder, whose journals older than thirteen months are
// then deleted. Null with a CP1252 reason.
std::unique_ptr<JournalChangements> OuvreJournal(const std::optional<std::string>& fichierChoisi,
                                                 std::time_t debut, std::string magasin,
                                                 std::string& erreur);

// One line read back.
struct LigneJournal {
  std::string magasin;
  bool resultat = false;           // false: intention (or conflict)
  bool conflit = false;            // an account left as it was: no write
  std::optional<std::uint32_t> statut;  // result lines only
  ChangementCompte changement;
  std::size_t ligne = 0;           // the line of the file it starts on
};

// Reads a journal's text. False, with a CP1252 reason, when it is no journal or
// a line is damaged; a last line cut short by a crash is left out.
bool LitJournal(std::string_view octets, std::vector<LigneJournal>& lignes, std::string& erreur);
bool LitFichierJournal(const std::string& chemin, std::vector<LigneJournal>& lignes,
                       std::string& erreur);
// The same, each line handed over as soon as it is read and kept nowhere: the
// memory a journal takes is what the caller keeps. After a false, the lines
// handed over so far are to be dropped.
bool LitFichierJournal(const std::string& chemin, const std::function<void(LigneJournal&&)>& ligne,
                       std::string& erreur);

// False, with a CP1252 reason, when the line names another store than `magasin`.
bool LigneDuMagasin(const LigneJournal& l, std::string_view magasin, std::string& erreur);

// False, with a CP1252 reason, when a line names another store than `magasin`.
bool JournalDuMagasin(const std::vector<LigneJournal>& lignes, std::string_view magasin,
                      std::string& erreur);

}  // namespace corrinom
