// The operator's boxes in both shells: their captions, the buttons of a question,
// and the seam as the main window's handlers use it.
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <string_view>
#include <utility>

#include "operator/dialogues.h"

namespace corrinom::fenetre {

// The caption of a box whose caller names none.
inline constexpr std::string_view kTitreApplication = "Corrinom";
// The only button of a message or error box, where the toolkit does not give its own.
inline constexpr std::string_view kTexteBoutonOk = "OK";
// The print dialog's caption, where the toolkit does not give its own.
inline constexpr std::string_view kTitreImprimer = "Imprimer";
// A box's caption: the one its caller names, else kTitreApplication.
constexpr std::string_view LegendeBoite(std::string_view titre) { return titre.empty() ? kTitreApplication : titre; }

// The buttons of a question from left to right: each one's answer, its name in
// the code and its text ("&" marks the access key). Escape and the close box
// answer Annuler.
struct BoutonQuestion {
  Reponse reponse;
  std::string_view nom;
  std::string_view texte;
};
inline constexpr std::array<BoutonQuestion, 3> kBoutonsQuestion{{
    {Reponse::Oui, "Oui", "&Oui"},
    {Reponse::Non, "Non", "&Non"},
    {Reponse::Annuler, "Annuler", "Annuler"},
}};

// The place in that row of the button that gives `reponse` (the default's).
constexpr std::size_t RangBouton(Reponse reponse) {
  std::size_t rang = 0;
  while (rang + 1 < kBoutonsQuestion.size() && kBoutonsQuestion[rang].reponse != reponse) ++rang;
  return rang;
}

// The answer of the button named `nom`; any other way out is Annuler.
constexpr Reponse ReponseDuBouton(std::string_view nom) {
  for (const BoutonQuestion& b : kBoutonsQuestion)
    if (b.nom == nom) return b.reponse;
  return Reponse::Annuler;
}

// The seam as the main window's handlers use it: every box goes to the operator's
// `boites`; each hint goes to the window's hint panel too.
class DialoguesFenetre : public Dialogues {
 public:
  DialoguesFenetre(Dialogues& boites, std::function<void(std::string_view)> panneau)
      : boites_(boites), panneau_(std::move(panneau)) {}

  void message(std::string_view texte, std::string_view titre = {}) override { boites_.message(texte, titre); }
  Reponse question(std::string_view titre, std::string_view texte, Icone icone, Reponse parDefaut) override {
    return boites_.question(titre, texte, icone, parDefaut);
  }
  void erreur(std::string_view texte, std::string_view titre = {}) override { boites_.erreur(texte, titre); }
  std::optional<int> choisirChamp(const DemandeChamp& demande) override { return boites_.choisirChamp(demande); }
  void debutAttente() override { boites_.debutAttente(); }
  void finAttente() override { boites_.finAttente(); }
  void indication(std::string_view texte) override {
    panneau_(texte);
    boites_.indication(texte);
  }

 private:
  Dialogues& boites_;
  std::function<void(std::string_view)> panneau_;
};

}  // namespace corrinom::fenetre
