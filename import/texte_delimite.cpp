#include "import/texte_delimite.h"

#include "reconcile/dialogues.h"

namespace corrinom {

FormatTexte FormatDeLEntete(std::string_view entete) {
  FormatTexte f;
  f.separateur = entete.find(';') != std::string_view::npos ? ';' : ',';
  f.guillemets = entete.size() >= 3 && entete.front() == '"' && entete.back() == '"';
  return f;
}

std::string TexteDuFichier(std::string contenu) { return contenu; }
std::vector<std::string> DecoupeLignes(std::string_view) { return {}; }
bool LitLignesFichier(const std::string&, std::vector<std::string>&, int& code) {
  code = 0;
  return false;
}
std::vector<std::string_view> DecoupeChamps(std::string_view, const FormatTexte&) { return {}; }
std::string EnleveGuillemets(std::string_view champ, const FormatTexte&) { return std::string(champ); }
int IndiceChamp(std::string_view, std::string_view, const FormatTexte&) { return -1; }
std::string ValeurChamp(std::string_view, int, const FormatTexte&) { return {}; }
std::string ExtraitChamp(std::string_view, int, const FormatTexte&) { return {}; }
bool LitFichierTexte(const std::string&, RemisePersonnes&, Dialogues&) { return false; }

}  // namespace corrinom
