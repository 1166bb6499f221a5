// The account store options shared by the subcommands that read accounts.
#include "cli/options_magasin.h"

namespace corrinom::cli {

bool LitOptionsMagasin(const std::vector<std::string>& args, OptionsMagasin& options,
                       std::string& erreur, std::istream& entree) {
  LectureOptionsMagasin lu = corrinom::LitOptionsMagasin(args, LigneDeCommande::Cli);
  options = OptionsMagasin{std::move(lu.choix), std::move(lu.reste), lu.apresFinOptions};
  if (!lu.erreur.empty()) {
    erreur = std::move(lu.erreur);
    return false;
  }
  if (lu.motDePasseStdin) {
    std::string ligne;
    if (!std::getline(entree, ligne)) {
      erreur = "--mot-de-passe-stdin : aucun mot de passe sur l'entr\xC3\xA9" "e standard";
      return false;
    }
    if (!ligne.empty() && ligne.back() == '\r') ligne.pop_back();
    options.choix.motDePasse = ligne;
  }
  return true;
}

std::size_t NombreApresFinOptions(const std::vector<std::string>& args) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--") return args.size() - i - 1;
    if (args[i] == "--base" || args[i] == "--serveur" || args[i] == "--utilisateur" ||
        args[i] == "--journal")
      ++i;
  }
  return 0;
}

bool LitOptionsCommande(const std::vector<std::string>& args, const OptionsMagasin& magasin,
                        std::initializer_list<std::pair<std::string_view, bool*>> drapeaux,
                        std::optional<std::string>& journal, std::vector<std::string>& positionnels,
                        std::string& erreur) {
  const std::vector<std::string>& reste = magasin.reste;
  const std::size_t debutPositionnels = reste.size() - NombreApresFinOptions(args);
  for (std::size_t i = 0; i < reste.size(); ++i) {
    const std::string& a = reste[i];
    if (i >= debutPositionnels) {
      positionnels.push_back(a);
      continue;
    }
    bool connu = false;
    for (const auto& [nom, drapeau] : drapeaux) {
      if (a != nom) continue;
      *drapeau = connu = true;
      break;
    }
    if (connu) continue;
    if (a == "--journal") {
      if (journal || i + 1 >= reste.size()) {
        erreur = journal ? "l'option --journal est donn\xC3\xA9" "e deux fois"
                        : "l'option --journal attend une valeur";
        return false;
      }
      journal = reste[++i];
    } else if (a.size() > 1 && a[0] == '-') {
      erreur = "option inconnue : " + a;
      return false;
    } else {
      positionnels.push_back(a);
    }
  }
  return true;
}

}  // namespace corrinom::cli
