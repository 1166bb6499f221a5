// A scripted stand-in for the operator, for tests and for the command line.
//
// Records every call of the seam in order, with its exact texts, and answers
// questions and field-chooser requests from queues. When a queue runs dry the
// question is answered with its default button and the chooser is cancelled, so a
// test that forgets to script an answer still terminates; the call is recorded
// either way.
#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "operator/dialogues.h"

namespace corrinom {

class DialoguesScript : public Dialogues {
 public:
  enum class Genre { Message, Question, Erreur, Choix, DebutAttente, FinAttente, Indication };

  struct Appel {
    Genre genre = Genre::Message;
    std::string titre;    // caption (Message, Question, Erreur), title of the chooser
    std::string texte;    // message, question or hint text; the chooser's message
    Icone icone = Icone::Aucune;
    Reponse parDefaut = Reponse::Oui;
    std::vector<std::string> noms;  // the chooser's field names
    int preselection = -1;          // the chooser's preselected entry
  };

  std::vector<Appel> appels;
  std::deque<Reponse> reponses;            // answers to question(), in order
  std::deque<std::optional<int>> choix;    // answers to choisirChamp(), in order
  std::string indicationCourante;          // what the hint panel shows now
  int attente = 0;                          // current nesting of the busy cursor

  void message(std::string_view texte, std::string_view titre = {}) override {
    enregistre(Genre::Message, titre, texte);
  }

  Reponse question(std::string_view titre, std::string_view texte, Icone icone,
                   Reponse parDefaut) override {
    enregistre(Genre::Question, titre, texte, icone, parDefaut);
    if (reponses.empty()) return parDefaut;
    Reponse r = reponses.front();
    reponses.pop_front();
    return r;
  }

  void erreur(std::string_view texte, std::string_view titre = {}) override {
    enregistre(Genre::Erreur, titre, texte, Icone::Erreur);
  }

  std::optional<int> choisirChamp(const DemandeChamp& demande) override {
    Appel& a = enregistre(Genre::Choix, demande.titre, demande.message);
    a.noms = demande.noms;
    a.preselection = demande.preselection;
    if (choix.empty()) return std::nullopt;
    std::optional<int> r = choix.front();
    choix.pop_front();
    return r;
  }

  void debutAttente() override {
    ++attente;
    enregistre(Genre::DebutAttente, {}, {});
  }

  void finAttente() override {
    --attente;
    enregistre(Genre::FinAttente, {}, {});
  }

  void indication(std::string_view texte) override {
    indicationCourante = std::string(texte);
    enregistre(Genre::Indication, {}, texte);
  }

  Appel& enregistre(Genre genre, std::string_view titre, std::string_view texte,
                    Icone icone = Icone::Aucune, Reponse parDefaut = Reponse::Oui) {
    Appel a;
    a.genre = genre;
    a.titre = std::string(titre);
    a.texte = std::string(texte);
    a.icone = icone;
    a.parDefaut = parDefaut;
    appels.push_back(std::move(a));
    return appels.back();
  }

  // The texts of the calls of one kind, in order.
  std::vector<std::string> textes(Genre genre) const {
    std::vector<std::string> r;
    for (const Appel& a : appels)
      if (a.genre == genre) r.push_back(a.texte);
    return r;
  }

  // The last call of one kind, or nullptr.
  const Appel* dernier(Genre genre) const {
    for (auto it = appels.rbegin(); it != appels.rend(); ++it)
      if (it->genre == genre) return &*it;
    return nullptr;
  }

  std::size_t nombre(Genre genre) const {
    std::size_t n = 0;
    for (const Appel& a : appels)
      if (a.genre == genre) ++n;
    return n;
  }
};

}  // namespace corrinom
