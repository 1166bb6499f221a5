// corrinom-cli comptes: start-up as the window runs it, then the account rows.
#include <cstdio>
#include <iostream>

#include "cli/command.h"
#include "cli/console_dialogues.h"
#include "cli/options_magasin.h"
#include "cli/progression_console.h"
#include "session/demarrage.h"
#include "text/echappement.h"
#include "text/encodage.h"

namespace corrinom::cli {
namespace {

constexpr const char* kUsage =
    "comptes [--base BASE | --demo | --serveur HOTE [--utilisateur NOM] [--mot-de-passe-stdin]]";

std::string Champ(std::string_view cp1252) { return EchappeChamp(Cp1252VersUtf8(cp1252)); }

int run(const std::vector<std::string>& args) {
  OptionsMagasin options;
  std::string erreur;
  if (!LitOptionsMagasin(args, options, erreur, std::cin) || !options.reste.empty()) {
    if (erreur.empty()) erreur = "argument en trop : " + options.reste.front();
    return ErreurUsage("comptes", erreur, kUsage);
  }

  ConsoleDialogues dialogues(false);
  EtatRapprochement etat;
  std::unique_ptr<ServicesSecurite> securite = ServicesSecuriteSysteme();
  PlateformeSysteme plateforme = PlateformeCourante();
  const std::unique_ptr<ProgressionConsole> progression = ProgressionSiTerminal();
  dialogues.setProgression(progression.get());
  const Demarrage d =
      Demarre(options.choix, etat, dialogues, *securite, plateforme, progression.get());

  for (const LigneCompte& ligne : etat.comptes) {
    const std::string texte = Champ(ligne.login) + '\t' + Champ(ligne.sousItem(kNomActuel)) + '\t' +
                              Champ(ligne.sousItem(kPrenomsActuels)) + '\t' +
                              Champ(ligne.sousItem(kDateNaissActuelle)) + '\n';
    std::fwrite(texte.data(), 1, texte.size(), stdout);
  }
  switch (d.issue) {
    case Demarrage::Issue::Ok:
      return 0;
    case Demarrage::Issue::ArretSecurite:
    case Demarrage::Issue::EchecEnumeration:
      return 1;
    case Demarrage::Issue::MagasinNonOuvert:
    case Demarrage::Issue::DejaOuvert:
      return 2;
  }
  return 1;
}

}  // namespace

const Commande kCommandeComptes{"comptes", kUsage, &run};
}  // namespace corrinom::cli
