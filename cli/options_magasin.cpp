// The account store options shared by the subcommands that read accounts.
#include "cli/options_magasin.h"

namespace corrinom::cli {

bool LitOptionsMagasin(const std::vector<std::string>& args, OptionsMagasin& options,
                       std::string& erreur, std::istream& entree) {
  options = OptionsMagasin{};
  bool base = false, demo = false, serveur = false, utilisateur = false, motDePasse = false;
  auto valeur = [&](std::size_t& i, bool& vu, std::string& cible) {
    if (vu) {
      erreur = args[i] + " is given twice";
      return false;
    }
    if (i + 1 >= args.size()) {
      erreur = args[i] + " needs a value";
      return false;
    }
    vu = true;
    cible = args[++i];
    return true;
  };
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--") {
      options.reste.insert(options.reste.end(), args.begin() + static_cast<long>(i) + 1, args.end());
      options.apresFinOptions = args.size() - i - 1;
      break;
    }
    if (a == "--base") {
      if (!valeur(i, base, options.choix.fichier)) return false;
    } else if (a == "--serveur") {
      if (!valeur(i, serveur, options.choix.serveur)) return false;
    } else if (a == "--utilisateur") {
      if (!valeur(i, utilisateur, options.choix.utilisateur)) return false;
    } else if (a == "--demo") {
      if (demo) {
        erreur = "--demo is given twice";
        return false;
      }
      demo = true;
    } else if (a == "--mot-de-passe-stdin") {
      if (motDePasse) {
        erreur = "--mot-de-passe-stdin is given twice";
        return false;
      }
      motDePasse = true;
    } else {
      options.reste.push_back(a);
    }
  }
  if (base && demo) {
    erreur = "--base and --demo cannot be used together";
    return false;
  }
  if ((base || demo) && (serveur || utilisateur || motDePasse)) {
    erreur = "--serveur, --utilisateur and --mot-de-passe-stdin apply to the system's store only";
    return false;
  }
  if (base) options.choix.sorte = ChoixMagasin::Sorte::Base;
  if (demo) options.choix.sorte = ChoixMagasin::Sorte::Demo;
  if (motDePasse) {
    std::string ligne;
    if (!std::getline(entree, ligne)) {
      erreur = "--mot-de-passe-stdin: no password on standard input";
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

}  // namespace corrinom::cli
