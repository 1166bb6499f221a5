// corrinom-cli suggerer: what the similarity aid would propose, without asking.
// Start-up and account load, each FILE as "Ouvrir" reads it (exact matching only),
// then every line of the similarity aid's review window, best first, one line each:
//   last name, first names, birth date, login, score, reasons, ticked
// tab-separated, in UTF-8, each field escaped as rapprocher escapes them; the last
// field is 1 for a line ticked when the window opens, else 0.
#include <cstdio>
#include <initializer_list>
#include <iostream>
#include <string>
#include <vector>

#include "accounts/plateforme.h"
#include "cli/command.h"
#include "cli/console_dialogues.h"
#include "cli/options_magasin.h"
#include "import/ouvrir.h"
#include "reconcile/etat.h"
#include "reconcile/ressemblance.h"
#include "session/demarrage.h"
#include "text/echappement.h"
#include "text/encodage.h"

namespace corrinom::cli {
namespace {

constexpr const char* kUsage =
    "suggerer [--base BASE | --demo | --serveur HOTE [--utilisateur NOM] "
    "[--mot-de-passe-stdin]] FICHIER...";

bool LitOptions(const std::vector<std::string>& args, OptionsMagasin& o,
                std::vector<std::string>& fichiers, std::string& erreur) {
  if (!LitOptionsMagasin(args, o, erreur, std::cin)) return false;
  const std::size_t debutFichiersSeuls = o.reste.size() - o.apresFinOptions;
  for (std::size_t i = 0; i < o.reste.size(); ++i) {
    const std::string& a = o.reste[i];
    if (i < debutFichiersSeuls && a.size() > 1 && a[0] == '-') {
      erreur = "option inconnue : " + a;
      return false;
    }
    fichiers.push_back(a);
  }
  if (fichiers.empty()) {
    erreur = "aucun fichier de personnes";
    return false;
  }
  return true;
}

// One output line: the fields, CP1252 inside the core, in UTF-8 and escaped.
std::string Ligne(std::initializer_list<std::string> champs) {
  std::string ligne;
  for (const std::string& champ : champs) {
    if (&champ != champs.begin()) ligne += '\t';
    ligne += EchappeChamp(Cp1252VersUtf8(champ));
  }
  ligne += '\n';
  return ligne;
}

int run(const std::vector<std::string>& args) {
  OptionsMagasin o;
  std::vector<std::string> fichiers;
  std::string erreur;
  if (!LitOptions(args, o, fichiers, erreur)) return ErreurUsage("suggerer", erreur, kUsage);

  ConsoleDialogues dialogues(/*repondOui=*/false);
  EtatRapprochement etat;
  std::unique_ptr<ServicesSecurite> services = ServicesSecuriteSysteme();
  PlateformeSysteme plateforme = PlateformeCourante();
  Demarrage demarrage = Demarre(o.choix, etat, dialogues, *services, plateforme);
  if (demarrage.issue == Demarrage::Issue::ArretSecurite) return 1;
  if (demarrage.issue == Demarrage::Issue::MagasinNonOuvert) return 2;

  for (const std::string& fichier : fichiers) LitFichierPersonnes(etat, dialogues, fichier);

  const std::vector<PropositionRessemblance> lignes = LignesRessemblance(etat);
  const Coches coches = CochesOuverture(lignes);
  for (std::size_t i = 0; i < lignes.size(); ++i) {
    const PropositionRessemblance& p = lignes[i];
    const LigneRebus& personne = etat.rebus[p.rebus];
    const std::string ligne =
        Ligne({personne.nom, personne.prenoms, personne.dateNaiss, etat.comptes[p.compte].login,
               std::to_string(p.ressemblance.score), RaisonsRessemblance(p.ressemblance),
               coches[i] ? "1" : "0"});
    std::fwrite(ligne.data(), 1, ligne.size(), stdout);
  }
  std::fflush(stdout);
  return 0;
}

}  // namespace

const Commande kCommandeSuggerer{"suggerer", kUsage, &run};
}  // namespace corrinom::cli
