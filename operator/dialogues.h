// The seam between the core and the operator.
//
// The core never shows a window: every message box, question, the field chooser,
// the busy cursor and the hint panel of the status bar go through this interface.
// The Qt shell implements it with real dialogs; tests and corrinom-cli implement it
// with scripted doubles. Every text is CP1252 bytes, built by the core.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corrinom {

enum class Reponse { Oui, Non, Annuler };

enum class Icone { Aucune, Question, Information, Avertissement, Erreur };

// What the field chooser needs to show its dialog (title, message, field names,
// preselected entry and, on demand, the examples of an entry).
struct DemandeChamp {
  std::string titre;                 // LabelTitre: the field being looked for
  std::string message;               // LabelMess
  std::vector<std::string> noms;     // ListBoxNomChamps, in header order
  int preselection = -1;             // index into noms, -1 for none
  std::function<std::vector<std::string>(int)> exemples;  // ListBoxExemples for an entry
};

class Dialogues {
 public:
  virtual ~Dialogues() = default;

  // A plain message box with an OK button. An empty caption means the application's title.
  virtual void message(std::string_view texte, std::string_view titre = {}) = 0;

  // A box with Yes, No and Cancel. Escape and the close box answer Annuler.
  virtual Reponse question(std::string_view titre, std::string_view texte, Icone icone,
                           Reponse parDefaut) = 0;

  // An error box (error icon, OK button).
  virtual void erreur(std::string_view texte, std::string_view titre = {}) = 0;

  // The modal field chooser: the chosen entry's index, or nothing when cancelled.
  virtual std::optional<int> choisirChamp(const DemandeChamp& demande) = 0;

  // The hourglass cursor around long work; calls nest.
  virtual void debutAttente() = 0;
  virtual void finAttente() = 0;

  // Panel 1 of the status bar (focus hints, sort and move results).
  virtual void indication(std::string_view texte) = 0;
};

// Holds the busy cursor for the lifetime of the object.
class CurseurAttente {
 public:
  explicit CurseurAttente(Dialogues& d) : d_(d) { d_.debutAttente(); }
  ~CurseurAttente() { d_.finAttente(); }
  CurseurAttente(const CurseurAttente&) = delete;
  CurseurAttente& operator=(const CurseurAttente&) = delete;

 private:
  Dialogues& d_;
};

}  // namespace corrinom
