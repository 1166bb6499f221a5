// The undo/redo history of the two lists.
//
// Every change to the lists (opening a file, one run of an aid, one move, one
// Delete) is one step. A step is recorded around the operation, whatever it is:
// Commence() remembers the lists, Termine() keeps only the rows that differ and
// drops the copy. Undo puts back both lists exactly as they were before the step,
// their order included; redo puts back what undo took away.
//
// A column sort is not a step, but it moves rows: the window reports its order
// with Reordonne(), which the last step keeps so that undoing it restores the
// order from before the step too. A sort also ends what could be redone.
//
// What it costs: a step holds its changed rows twice (before and after) and, when
// the lists were sorted after it, their order (four bytes per row). At most
// kPasMaximum steps are kept, holding at most kOctetsMaximum; the oldest go first.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "reconcile/etat.h"

namespace corrinom {

// The names of the steps, as the hint panel shows them after "Annulé : ".
std::string NomPasOuverture(std::string_view cheminFichier);  // "ouverture de " + file name
std::string NomPasDeplacement(std::string_view nom, std::string_view prenoms);
std::string NomPasLiberation(std::string_view login);
inline constexpr std::string_view kPasRapprochementNomPrenom =
    "rapprochement par nom et premier pr\xE9nom";
inline constexpr std::string_view kPasRapprochementDateNaissance =
    "rapprochement par date de naissance";
inline constexpr std::string_view kPasRapprochementRessemblance =
    "rapprochement par ressemblance";

// The hint panel's texts.
std::string TexteAnnule(std::string_view pas);   // "Annulé : " + step
std::string TexteRetabli(std::string_view pas);  // "Rétabli : " + step
inline constexpr std::string_view kRienAAnnuler = "Rien \xE0 annuler";
inline constexpr std::string_view kRienARetablir = "Rien \xE0 r\xE9tablir";
inline constexpr std::string_view kEcritureIrreversible =
    "Les changements \xE9" "crits dans le serveur ne peuvent pas \xEAtre annul\xE9s ici.";

enum class ListeTriee { Comptes, Rebus };

// The rows one list lost and gained in a step: `retirees` by their position in
// the list before, `ajoutees` by their position after, both ascending.
template <typename Ligne>
struct DiffListe {
  std::vector<std::pair<std::uint32_t, Ligne>> retirees;
  std::vector<std::pair<std::uint32_t, Ligne>> ajoutees;
};

struct PasHistorique {
  std::string nom;
  DiffListe<LigneCompte> comptes;
  DiffListe<LigneRebus> rebus;
  // The order the sorts after the step gave each list: position i holds the row
  // that was at ordre[i] when the step ended. Empty when not sorted since.
  std::vector<std::uint32_t> ordreComptes;
  std::vector<std::uint32_t> ordreRebus;
  // The text of the file name box before and after, for an opening.
  std::optional<std::string> fichierAvant;
  std::optional<std::string> fichierApres;
  std::size_t octets = 0;  // what the step holds, as Historique::Octets counts it
};

// What undo or redo did: the step's name and, for an opening, the file name box's
// text to show now.
struct PasRejoue {
  std::string nom;
  std::optional<std::string> fichier;
};

class Historique {
 public:
  static constexpr std::size_t kPasMaximum = 100;
  static constexpr std::size_t kOctetsMaximum = std::size_t{48} << 20;

  // Remembers the lists before a step.
  void Commence(const EtatRapprochement& etat);
  // Ends the step begun by Commence: kept under `nom` when a list changed (then
  // what could be redone is gone); forgotten otherwise. True when kept.
  bool Termine(const EtatRapprochement& etat, std::string nom,
               std::optional<std::string> fichierAvant = {},
               std::optional<std::string> fichierApres = {});
  // A step begun but not to be kept.
  void Abandonne();

  // A sort of one list: position i now holds the row that was at ordre[i].
  void Reordonne(ListeTriee liste, const std::vector<std::uint32_t>& ordre);

  // Undo and redo; nothing when there is nothing to undo or redo.
  std::optional<PasRejoue> Annule(EtatRapprochement& etat);
  std::optional<PasRejoue> Retablit(EtatRapprochement& etat);

  // A write to the server: the steps before it can no longer be undone.
  void Efface();

  bool PeutAnnuler() const { return !annulables_.empty(); }
  bool PeutRetablir() const { return !retablissables_.empty(); }
  std::size_t NombrePas() const { return annulables_.size(); }
  // The bytes the kept steps hold (rows, texts, orders), allocation overhead aside.
  std::size_t Octets() const;

 private:
  std::optional<std::vector<LigneCompte>> comptesAvant_;
  std::optional<std::vector<LigneRebus>> rebusAvant_;
  void garde(PasHistorique pas);

  std::deque<PasHistorique> annulables_;
  std::vector<PasHistorique> retablissables_;
  std::size_t octets_ = 0;
};

// Runs one step: `operation()` changes the lists; the step is kept under `nom`
// when something changed. Returns what the operation returned.
template <typename Operation>
auto EnregistrePas(Historique& historique, EtatRapprochement& etat, std::string nom,
                   Operation&& operation) {
  historique.Commence(etat);
  if constexpr (std::is_void_v<decltype(operation())>) {
    operation();
    historique.Termine(etat, std::move(nom));
  } else {
    auto resultat = operation();
    historique.Termine(etat, std::move(nom));
    return resultat;
  }
}

}  // namespace corrinom
