// Server accounts: the TAVO record in an account's user comment and its name
// fields, the enumeration of the accounts into the account list, and the
// write-back of changed names.
//
// Texts are CP1252 unless said otherwise; the store's own text is UTF-8.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "accounts/store/magasin_comptes.h"
#include "reconcile/dialogues.h"
#include "reconcile/etat.h"

namespace corrinom {

// ---------------------------------------------------------------------------
// The TAVO record

inline constexpr std::string_view kMarqueurTavo = "TAVO";

// The thirteen ';'-separated fields of a TAVO user comment.
struct TUsrComment {
  std::string Marqueur;      // 1: "TAVO" on a TAVO account
  std::string Champ2, Champ3, Champ4, Champ5, Champ6;
  std::int32_t LongueurNom = 0;  // 7: characters of the last name in the full name
  std::string Champ8;
  std::string DateNaiss;     // 9: shown and compared as stored
  std::string Champ10, Champ11;
  std::int32_t Champ12 = 0;
  std::int32_t Champ13 = 0;
};

// Takes the next field off the front of `reste`, with its ';'.
std::string ChampSuivant(std::string& reste);

// An integer field: an optional sign and decimal digits within 32 bits, else 0.
std::int32_t EntierChamp(std::string_view champ);

// Parses a user comment (an absent comment is the empty text).
TUsrComment LitUsrComment(std::string_view texte);

// The current last name and first names of an account from its full name and
// LongueurNom (a negative length counts as 0).
std::string ExtraitNom(std::string_view nomComplet, std::int64_t longueurNom);
std::string ExtraitPrenoms(std::string_view nomComplet, std::int64_t longueurNom);

// Bytes 0x80 to 0x97 stored in the OEM code page become their CP1252 letters.
std::string OemVersAnsi(std::string_view texte);

// The comment with field 7 replaced by n; unchanged when it has fewer than six ';'.
std::string RemplaceLongueurNom(std::string_view commentaire, std::int64_t n);

// ---------------------------------------------------------------------------
// Enumeration

// A text field seen in CP1252: null when the store gave no text.
struct ChampAnsi {
  bool nul = true;
  std::string texte;  // CP1252; empty when nul
  friend bool operator==(const ChampAnsi&, const ChampAnsi&) = default;
};

// One enumerated account, USER_INFO_3 field by field; texts in CP1252, the
// full name repaired with OemVersAnsi.
struct TInfoUser {
  ChampAnsi usri3_name;
  ChampAnsi usri3_password;
  std::uint32_t usri3_password_age = 0;
  std::uint32_t usri3_priv = 0;
  ChampAnsi usri3_home_dir;
  ChampAnsi usri3_comment;
  std::uint32_t usri3_flags = 0;
  ChampAnsi usri3_script_path;
  std::uint32_t usri3_auth_flags = 0;
  ChampAnsi usri3_full_name;
  ChampAnsi usri3_usr_comment;
  ChampAnsi usri3_parms;
  ChampAnsi usri3_workstations;
  std::uint32_t usri3_last_logon = 0;
  std::uint32_t usri3_last_logoff = 0;
  std::uint32_t usri3_acct_expires = 0;
  std::uint32_t usri3_max_storage = 0;
  std::uint32_t usri3_units_per_week = 0;
  std::optional<std::array<std::uint8_t, 21>> usri3_logon_hours;
  std::uint32_t usri3_bad_pw_count = 0;
  std::uint32_t usri3_num_logons = 0;
  ChampAnsi usri3_logon_server;
  std::uint32_t usri3_country_code = 0;
  std::uint32_t usri3_code_page = 0;
  std::uint32_t usri3_user_id = 0;
  std::uint32_t usri3_primary_group_id = 0;
  ChampAnsi usri3_profile;
  ChampAnsi usri3_home_dir_drive;
  std::uint32_t usri3_password_expired = 0;
};

TInfoUser InfoDepuisCompte(const CompteStocke& compte);

inline constexpr std::uint32_t kLongueurPreferee = 4096;

// The state of one enumeration: one page of the store held at a time.
class TEnumUsers {
 public:
  explicit TEnumUsers(MagasinComptes& magasin) : magasin_(magasin) {}

  // Starts the enumeration: 0 when the first call succeeded, else its status.
  std::uint32_t Ouvre();
  // The next account in info: false at the end (status 0) or on failure (status
  // of the failing call).
  bool Suivant(TInfoUser& info, std::uint32_t& statut);

  // The store's own login of the entry Suivant returned last.
  const std::string& loginMagasin() const { return loginMagasin_; }

 private:
  MagasinComptes& magasin_;
  std::uint32_t position_ = 0;
  std::uint32_t reprise_ = 0;
  std::vector<CompteStocke> page_;
  std::uint32_t entreesLues_ = 0;
  std::uint32_t totalEntrees_ = 0;
  std::uint32_t dernierStatut_ = 0;
  std::string loginMagasin_;
};

// Fills the account list with one grey row per TAVO account, in store order,
// then AfficheResume. When a call of the enumeration fails, the rows read before
// stay and the operator is told; the result is that call's status (0 otherwise).
std::uint32_t ChargeUtilisateurs(MagasinComptes& magasin, EtatRapprochement& etat,
                                 Dialogues& dialogues);

// "Erreur <status> en lisant la liste des comptes du serveur.\n" + MessErreur(status).
std::string MessageEchecEnumeration(std::uint32_t statut);

// ---------------------------------------------------------------------------
// The platform: system directory and domain controller

struct VersionSysteme {
  bool plateformeNT = true;
  std::uint32_t majeure = 10;
  std::uint32_t mineure = 0;
  bool estNT4() const { return plateformeNT && majeure == 4; }
};

struct PlateformeSysteme {
  VersionSysteme version;
  // GetSystemDirectory with 260 characters: nothing on failure.
  std::function<std::optional<std::string>()> demandeRepertoire;
  // NetGetDCName for the local machine and its primary domain: nothing on
  // failure. An empty function stands for an entry point that is absent.
  std::function<std::optional<std::string>()> netGetDCName;
  std::string repertoireEnCache;  // empty until first found
};

// The platform the program runs on.
PlateformeSysteme PlateformeCourante();

// The system directory, without trailing backslash.
std::string RepertoireSysteme(PlateformeSysteme& plateforme);

// ServeurComptes (UTF-8): the primary domain controller on Windows NT 4.0 (with
// its two backslashes), empty everywhere else. On NT 4.0 an empty name shows
// the "Information" message.
std::string ChercheControleurDomaine(const PlateformeSysteme& plateforme, Dialogues& dialogues);

inline constexpr std::string_view kTitreInformation = "Information";
extern const std::string_view kMessageControleurAbsent;

// ---------------------------------------------------------------------------
// Writing changes

extern const std::string_view kQuestionEffectuer;  // Button1Click's confirmation
extern const std::string_view kQuestionFermeture;  // the close question
inline constexpr std::string_view kTitreConfirmation = "Confirmation";

// True when some row is pink or red.
bool ModificationsEnAttente(const EtatRapprochement& etat);

// Writes one account on the store the list was read from: its full name and
// field 7 of its user comment change, nothing else. False after showing the
// failure.
bool ModifieCompte(MagasinComptes& magasin, std::string_view login, std::string_view nom,
                   std::string_view prenoms, Dialogues& dialogues);

// Writes every pending row in list order, stopping at the first failure, then
// recounts and shows the summary. Returns the number of accounts written.
int EffectueChangements(EtatRapprochement& etat, MagasinComptes& magasin, Dialogues& dialogues);

// The summary text of EffectueChangements.
std::string ResumeChangements(int suppressions, int changements);

// Button1: asks for confirmation when something is pending (only Yes goes on),
// then EffectueChangements. True when EffectueChangements ran.
bool Button1Click(EtatRapprochement& etat, MagasinComptes& magasin, Dialogues& dialogues);

// The close question loop: returns canClose.
bool FormCloseQuery(EtatRapprochement& etat, MagasinComptes& magasin, Dialogues& dialogues);

}  // namespace corrinom
