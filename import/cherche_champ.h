// The field chooser's logic: which field of a delimited file holds a piece of
// information. The dialog itself is shown through Dialogues::choisirChamp.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "import/texte_delimite.h"

namespace corrinom {

class Dialogues;
struct DemandeChamp;

// The fixed texts of the chooser dialog.
inline constexpr const char* kTitreChercheChamp = "Aide \xE0 la recherche d'un nom de champ";
inline constexpr const char* kAnnulerChercheChamp =
    "Si le fichier ne contient pas ce champ, faites \"Annuler\"";
inline constexpr const char* kColonneNomsChamps = "Nom des champs";
inline constexpr const char* kColonneExemples = "Exemples du contenu de ce champ";

// At most this many example values are listed (lines 2 to 100).
inline constexpr int kMaxExemples = 99;

class TFormChercheChamp {
 public:
  explicit TFormChercheChamp(Dialogues& dialogues) : dialogues_(dialogues) {}

  // Asks the operator which field holds the information; the answer is the chosen
  // field name, or `defaut` when the operator cancels or the file cannot be used.
  std::string ChoisirChamp(const std::string& nomFichier, const std::string& titre,
                           const std::string& defaut, const std::string& message);

  // The examples of field `n`: its raw value on lines 2 to 100, OEM letters repaired.
  std::vector<std::string> AfficheExemples(int n) const;

  // The field names of the header line as the dialog lists them (upper-cased,
  // trimmed, quotes removed in a quoted file). Empty with `erreur` set when the
  // header cannot be used.
  static std::vector<std::string> NomsDesChamps(std::string_view entete, std::string& erreur);

 private:
  Dialogues& dialogues_;
  LignesFichier lignes_;
  FormatTexte format_;
};

}  // namespace corrinom
