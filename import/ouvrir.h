// Opening a person file: which reader reads it.
//
// The window runs its own file dialog and puts the chosen name into its edit
// box; then it calls LitFichierPersonnes with that name. A cancelled dialog never
// gets here, so nothing is read and the lists stay as they were.
#pragma once

#include <string>
#include <string_view>

#include "import/personne.h"

namespace corrinom {

class Dialogues;
struct EtatRapprochement;

// The open-file dialog's filter, in the Windows form "label|patterns|label|patterns".
inline constexpr const char* kFiltreOuvrir =
    "Fichiers Sconet (*.xml;*.csv;*.txt)|*.xml;*.csv;*.txt|Tous les fichiers|*.*";

// The extension of a file name: from the last full stop of its last path
// component on, full stop included; empty when that component has none.
std::string ExtensionFichier(std::string_view nomFichier);

// True when the extension is ".XML" in any mix of case.
bool EstNomXml(std::string_view nomFichier);

// Which reader ended up reading the file.
enum class Lecteur { Aucun, Eleves, Individus, Texte };

struct ResultatOuverture {
  Lecteur lecteur = Lecteur::Aucun;
  bool remis = false;  // the file was accepted and its persons handed over
};

// Reads the named file with the right reader: a name ending in ".xml" is probed
// as a Sconet student export, read as one when it is, else read as a staff
// export; any other name goes to the delimited text reader. Every message the
// operator sees goes through `dialogues`.
ResultatOuverture LitFichierPersonnes(RemisePersonnes& remise, Dialogues& dialogues,
                                      const std::string& nomFichier);

// The same over the reconciliation state: persons go to exact matching and the
// lists' hints and counters are refreshed.
ResultatOuverture LitFichierPersonnes(EtatRapprochement& etat, Dialogues& dialogues,
                                      const std::string& nomFichier);

}  // namespace corrinom
