// The seam as the main window's handlers use it, in both shells: every box goes to
// the operator's `boites`; each hint goes to the window's hint panel too.
#pragma once

#include <functional>
#include <string_view>
#include <utility>

#include "operator/dialogues.h"

namespace corrinom::fenetre {

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
