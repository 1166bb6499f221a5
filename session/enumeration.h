// The account load: the enumeration of a store's accounts into the account list.
//
// Texts are CP1252; the store's own text is UTF-8.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_set>
#include <vector>

#include "accounts/store/magasin_comptes.h"
#include "operator/dialogues.h"
#include "reconcile/etat.h"
#include "session/progression.h"

namespace corrinom {

// A text field seen in CP1252: null when the store gave no text.
struct ChampAnsi {
  bool nul = true;
  std::string texte;  // CP1252; empty when nul
  friend bool operator==(const ChampAnsi&, const ChampAnsi&) = default;
};

// One enumerated account as the load reads it: the three USER_INFO_3 fields
// it needs, in CP1252, the full name repaired with OemVersAnsi.
struct TInfoUser {
  ChampAnsi usri3_name;
  ChampAnsi usri3_full_name;
  ChampAnsi usri3_usr_comment;
};

TInfoUser InfoDepuisCompte(const CompteStocke& compte);

inline constexpr std::uint32_t kLongueurPreferee = 4096;

// The state of one enumeration: one page of the store held at a time.
class TEnumUsers {
 public:
  explicit TEnumUsers(MagasinComptes& magasin, Progression* progression = nullptr)
      : magasin_(magasin), progression_(progression) {}

  // Starts the enumeration: 0 when the first call succeeded, else its status.
  std::uint32_t Ouvre();
  // The next account in info: false at the end (status 0) or on failure (status
  // of the failing call). A call that answers 234 with a resume handle already
  // used (0 included) would start the same pages over: it fails with 1392.
  bool Suivant(TInfoUser& info, std::uint32_t& statut);

  // The store's own login of the entry Suivant returned last.
  const std::string& loginMagasin() const { return loginMagasin_; }
  // Its full name and user comment in the store's own text.
  const TextesCompte& textesMagasin() const { return textesMagasin_; }

 private:
  // Tells the progression after each page, and asks whether to stop.
  bool pageLue();

  MagasinComptes& magasin_;
  Progression* progression_ = nullptr;
  std::size_t lusEnTout_ = 0;
  std::size_t totalAnnonce_ = 0;
  std::uint32_t position_ = 0;
  std::uint32_t reprise_ = 0;
  std::vector<CompteStocke> page_;
  std::uint32_t entreesLues_ = 0;
  std::uint32_t totalEntrees_ = 0;
  std::uint32_t dernierStatut_ = 0;
  std::string loginMagasin_;
  TextesCompte textesMagasin_;
  std::unordered_set<std::uint32_t> reprisesVues_;

  void appelle();  // one call of the store's enumeration
};

// Fills the account list with one grey row per TAVO account, in store order,
// then AfficheResume. When a call of the enumeration fails, the rows read before
// stay and the operator is told; the result is that call's status (0 otherwise).
// `progression` hears of each page; when it asks to stop, the load ends after
// the page being read, with the rows read so far.
std::uint32_t ChargeUtilisateurs(MagasinComptes& magasin, EtatRapprochement& etat,
                                 Dialogues& dialogues, Progression* progression = nullptr);

// "Erreur <status> en lisant la liste des comptes du serveur.\n" + MessErreur(status).
std::string MessageEchecEnumeration(std::uint32_t statut);

}  // namespace corrinom
