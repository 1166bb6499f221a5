#include "window/indications.h"

namespace corrinom {

const std::array<IndicationFocus, 11> kIndicationsFocus = {{
    {"EditNomFich", "EditNomFichEnter",
     "Tapez le chemin ou cliquez sur \"Ouvrir\" pour choisir un fichier \xE0 importer"},
    {"ButtonOuvrir", "ButtonOuvrirEnter",
     "Ouvre et fait correspondre les utilisateurs trouv\xE9s avec ceux qui existent d\xE9j\xE0"},
    {"Button3", "Button3Enter",
     "Recherche parmi les utilisateurs non trouv\xE9s ceux qui ont des pr\xE9noms en plus ou en "
     "moins."},
    {"Button6", "Button6Enter", "Compare les dates de naissance et vous demande confirmation."},
    {"Button7", "Button7Enter",
     "Propose, en commen\xE7" "ant par les plus ressemblantes, les personnes non trouv\xE9" "es qui "
     "ressemblent \xE0 un compte libre"},
    {"ListViewRebus", "ListViewRebusEnter", "Faites glissez vers la liste des utilisateurs TAVO"},
    {"ListViewUsers", "ListViewUsersEnter",
     "Pour supprimer, faites glissez vers la liste des utilisateurs non trouv\xE9s"},
    {"Button1", "Button1Enter", "Effectue les modifications des noms dans dans votre serveur TAVO"},
    {"Button2", "Button2Enter", "Quitte ce programme"},
    {"Button4", "Button4Enter",
     "Donne une fen\xEAtre d'aide et de conseils sur l'utilisation de ce programme"},
    {"ButtonChangements", "ButtonChangementsEnter",
     "Montre la liste des changements qui seront \xE9" "crits dans le serveur"},
}};

std::string_view TexteIndicationFocus(std::string_view controle) {
  for (const IndicationFocus& i : kIndicationsFocus)
    if (i.controle == controle) return i.texte;
  return {};
}

void AfficheIndicationFocus(Dialogues& dialogues, std::string_view controle) {
  const std::string_view texte = TexteIndicationFocus(controle);
  if (!texte.empty()) dialogues.indication(texte);
}

void ButtonExitEffaceStatusbar(Dialogues& dialogues) { dialogues.indication({}); }

}  // namespace corrinom
