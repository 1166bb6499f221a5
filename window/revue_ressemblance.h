// The review window of the similarity aid ("Rapprocher les noms ressemblants"), for
// both shells: its facts (caption, texts, columns, buttons, size at 96 dpi) and
// RevueRessemblance, everything the list does that is not drawing. The shells
// show the lines through a virtual list that asks this object for each cell.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "reconcile/etat.h"
#include "reconcile/ressemblance.h"
#include "window/fenetres_annexes.h"
#include "window/geometrie.h"

namespace corrinom::fenetre {

inline constexpr std::string_view kTitreRessemblance = "Rapprochement par ressemblance";
inline constexpr std::string_view kConsigneRessemblance =
    "Cochez les rapprochements \xE0 faire. Les propositions s\xFBres sont d\xE9j\xE0 coch\xE9" "es.";
// Modal and resizable; the list takes what the label, the count and the buttons
// leave. The label and the count are one line each. The buttons stand in the
// bottom row (RangeeBoutons), their places giving their size at 96 dpi: Placer
// (the default button, Entrée), Tout décocher, Annuler (Échap, the close box).
inline constexpr Taille kTailleRessemblance{1100, 480};
inline constexpr int kHauteurTexteRessemblance = 18;
inline constexpr std::array<ControleAnnexe, 3> kBoutonsRessemblance{{
    {"ButtonPlacer", "Placer les rapprochements coch\xE9s", {0, 0, 200, 25}},
    {"ButtonToutDecocher", "Tout d\xE9" "cocher", {0, 0, 110, 25}},
    {"ButtonAnnuler", "Annuler", {0, 0, 90, 25}},
}};

// Where the controls go in a client area `client` at `dpi`: the label at the top,
// the count over the buttons, the list between them; no size below zero.
struct DispositionRessemblance {
  Rectangle consigne, liste, compte;
  std::vector<Rectangle> boutons;  // as kBoutonsRessemblance
};
DispositionRessemblance DisposeRessemblance(Taille client, int dpi);

struct ColonneRessemblance {
  std::string_view titre;
  int largeur;  // at 96 dpi
};
// The check box has a column of its own, the first.
inline constexpr int kColonneCoche = 0;
inline constexpr int kColonneScore = 1;
inline constexpr std::array<ColonneRessemblance, 10> kColonnesRessemblance{{
    {"", 24},
    {"Score", 44},
    {"Noms", 100},
    {"Pr\xE9noms", 100},
    {"Date naiss", 72},
    {"Login", 80},
    {"Noms actuels", 100},
    {"Pr\xE9noms actuels", 100},
    {"Date naiss", 72},
    {"Ressemblance", 360},
}};

// "2 rapprochements cochés sur 5 propositions".
std::string TexteCompteRessemblance(std::size_t cochees, std::size_t propositions);

// The list of the review. Lines are addressed by their position as shown (after
// the last column sort); ticks belong to the lines and follow them when sorted.
class RevueRessemblance {
 public:
  // `etat` gives the texts and outlives this object; `lignes` best first.
  RevueRessemblance(const EtatRapprochement& etat, std::vector<PropositionRessemblance> lignes,
                    Coches ouverture);

  std::size_t NombreLignes() const { return lignes_.size(); }
  // A cell's text, CP1252; the check box column has none.
  std::string Texte(std::size_t ligne, int colonne) const;
  bool Cochee(std::size_t ligne) const;

  // A click in the check box or Space on a selected line: ticks it (unticking the
  // lines that share its person or account) or unticks it.
  void Bascule(std::size_t ligne);
  void ToutDecocher();
  // The text under the list.
  std::string TexteCompte() const;

  // A click on a column header: sorts by it (the score and the check box put the
  // highest first, the texts in ascending order); a second click on the same
  // column reverses. Equal lines keep their best-first order.
  void TrieColonne(int colonne);
  // Where a line went in the last sort, to keep it selected: its position now,
  // given its position before.
  std::size_t PositionApresTri(std::size_t avant) const;

  // The ticks in the lines' original order, for placing.
  const Coches& Cochees() const { return coches_; }
  const std::vector<PropositionRessemblance>& Lignes() const { return lignes_; }

 private:
  const PropositionRessemblance& LigneVue(std::size_t ligne) const { return lignes_[ordre_[ligne]]; }
  std::string TexteDe(const PropositionRessemblance& p, int colonne) const;

  const EtatRapprochement& etat_;
  std::vector<PropositionRessemblance> lignes_;
  Coches coches_;
  std::vector<std::size_t> ordre_;       // position shown -> line
  std::vector<std::size_t> ordreAvant_;  // the same, before the last sort
  int colonneTri_ = -1;
  bool inverse_ = false;
};

}  // namespace corrinom::fenetre
