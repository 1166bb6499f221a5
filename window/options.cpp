#include "window/options.h"

#include "text/version.h"

namespace corrinom::fenetre {

namespace {

OptionsLancement Erreur(std::string texte) {
  OptionsLancement o;
  o.action = OptionsLancement::Action::Erreur;
  o.erreur = std::move(texte);
  return o;
}

}  // namespace

OptionsLancement LitOptions(const std::vector<std::string>& args) {
  OptionsLancement o;
  bool base = false, demo = false, serveur = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--help" || a == "-h") {
      o.action = OptionsLancement::Action::Aide;
      return o;
    }
    if (a == "--version") {
      o.action = OptionsLancement::Action::Version;
      return o;
    }
    if (a == "--demo") {
      demo = true;
    } else if (a == "--base" || a == "--serveur") {
      if (i + 1 >= args.size() || args[i + 1].empty())
        return Erreur("l'option " + a + " attend une valeur");
      const std::string& v = args[++i];
      if (a == "--base") {
        if (base) return Erreur("l'option --base est donnée deux fois");
        base = true;
        o.choix.fichier = v;
      } else {
        if (serveur) return Erreur("l'option --serveur est donnée deux fois");
        serveur = true;
        o.choix.serveur = v;
      }
    } else {
      return Erreur("option inconnue : " + a);
    }
  }
  if (base + demo + serveur > 1)
    return Erreur("choisissez une seule des options --base, --demo et --serveur");
  if (base) o.choix.sorte = ChoixMagasin::Sorte::Base;
  else if (demo) o.choix.sorte = ChoixMagasin::Sorte::Demo;
  return o;
}

std::string TexteAide() {
  return "usage : corrinom [--demo | --base FICHIER | --serveur MACHINE]\n"
         "\n"
         "Corrige les noms et prénoms des comptes TAVO du serveur.\n"
         "\n"
         "  (sans option)       les comptes de cette machine\n"
         "  --serveur MACHINE   les comptes d'un autre serveur\n"
         "  --base FICHIER      une base de comptes intégrée (fichier SQLite)\n"
         "  --demo              une copie neuve de la base de démonstration\n"
         "  --help              affiche cette aide\n"
         "  --version           affiche la version\n";
}

std::string TexteVersion() { return "corrinom " + std::string(kVersion) + "\n"; }

}  // namespace corrinom::fenetre
