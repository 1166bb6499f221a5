#include "window/options.h"

#include "accounts/store/options_magasin.h"
#include "text/version.h"

namespace corrinom::fenetre {

OptionsLancement LitOptions(const std::vector<std::string>& args) {
  LectureOptionsMagasin lu = LitOptionsMagasin(args, LigneDeCommande::Fenetre);
  using A = OptionsLancement::Action;
  using D = LectureOptionsMagasin::Demande;
  if (!lu.erreur.empty()) return {A::Erreur, {}, std::move(lu.erreur)};
  return {lu.demande == D::Aide ? A::Aide : lu.demande == D::Version ? A::Version : A::Lance, std::move(lu.choix), {}};
}

std::string TexteAide() {
  return "usage : corrinom [--demo | --base BASE | --serveur HOTE]\n"
         "\n"
         "Corrige les noms et prénoms des comptes TAVO du serveur.\n"
         "\n"
         "  (sans option)       les comptes de cette machine\n"
         "  --serveur HOTE      les comptes d'un autre serveur\n"
         "  --base BASE         une base de comptes intégrée (fichier SQLite)\n"
         "  --demo              une copie neuve de la base de démonstration\n"
         "  --help              affiche cette aide\n"
         "  --version           affiche la version\n";
}

std::string TexteVersion() { return "corrinom " + std::string(kVersion) + "\n"; }

}  // namespace corrinom::fenetre
