// corrinom-cli rapprocher: the whole road of the window without the window.
// Start-up and account load, each FILE as "Ouvrir" reads it, the matching aids
// on request (in the order of the window's buttons; the similarity aid places
// nothing unless --oui or --sures says which of its lines), the write-back on request,
// then the two lists and the four counters on stdout (or, with --changements,
// only the pending rows as they stand before any write). A write run's journal
// path goes to stderr as "journal: PATH" as soon as the journal is open, and
// each account left alone because it changed since the load as "conflit: LOGIN".
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "accounts/plateforme.h"
#include "cli/command.h"
#include "cli/console_dialogues.h"
#include "import/ouvrir.h"
#include "cli/options_magasin.h"
#include "cli/progression_console.h"
#include "reconcile/aides.h"
#include "reconcile/etat.h"
#include "reconcile/ressemblance.h"
#include "session/demarrage.h"
#include "session/ecriture.h"
#include "session/nom_magasin.h"
#include "text/echappement.h"
#include "text/encodage.h"
#include "window/compteurs.h"

namespace corrinom::cli {
namespace {

constexpr const char* kUsage =
    "rapprocher [--base BASE | --demo | --serveur HOTE [--utilisateur NOM] "
    "[--mot-de-passe-stdin]] [--meme-prenom] [--date-naissance] [--ressemblance] [--sures] [--oui] "
    "[--changements] [--appliquer] [--journal JOURNAL] FICHIER...";

struct Options {
  OptionsMagasin magasin;
  bool memePrenom = false;
  bool dateNaissance = false;
  bool ressemblance = false;
  bool sures = false;
  bool oui = false;
  bool appliquer = false;
  bool changements = false;
  std::optional<std::string> journal;
  std::vector<std::string> fichiers;
};


bool LitOptions(const std::vector<std::string>& args, Options& o, std::string& erreur) {
  if (!LitOptionsMagasin(args, o.magasin, erreur, std::cin)) return false;
  if (!LitOptionsCommande(args, o.magasin,
                          {{"--meme-prenom", &o.memePrenom},
                           {"--date-naissance", &o.dateNaissance},
                           {"--ressemblance", &o.ressemblance},
                           {"--sures", &o.sures},
                           {"--oui", &o.oui},
                           {"--appliquer", &o.appliquer},
                           {"--changements", &o.changements}},
                          o.journal, o.fichiers, erreur))
    return false;
  if (o.fichiers.empty()) {
    erreur = "aucun fichier de personnes";
    return false;
  }
  return true;
}

void Ecrit(std::string& ligne, bool premier, const std::string& texteCp1252) {
  if (!premier) ligne += '\t';
  ligne += EchappeChamp(Cp1252VersUtf8(texteCp1252));
}

void Imprime(const std::string& ligne) {
  std::fwrite(ligne.data(), 1, ligne.size(), stdout);
  std::fputc('\n', stdout);
}

void ImprimeCompte(const LigneCompte& c) {
  std::string ligne = std::to_string(IndexMarque(c.marque));
  Ecrit(ligne, false, c.login);
  for (const std::string& s : c.sousItems) Ecrit(ligne, false, s);
  Imprime(ligne);
}

void ImprimeChangements(const EtatRapprochement& etat) {
  for (const LigneCompte& c : etat.comptes)
    if (EstModification(c.marque)) ImprimeCompte(c);
}

void ImprimeEtat(const EtatRapprochement& etat) {
  for (const LigneCompte& c : etat.comptes) ImprimeCompte(c);
  Imprime("--");
  for (const LigneRebus& r : etat.rebus) {
    std::string ligne;
    Ecrit(ligne, true, r.nom);
    Ecrit(ligne, false, r.prenoms);
    Ecrit(ligne, false, r.dateNaiss);
    Imprime(ligne);
  }
  Imprime("--");
  for (const std::string& compteur : fenetre::TextesCompteurs(etat.compteurs)) {
    std::string ligne;
    Ecrit(ligne, true, compteur);
    Imprime(ligne);
  }
}

// The similarity aid's review without its window: --sures keeps the ticks at
// opening; --oui ticks, best first, every line whose person and account are still
// free, as a yes to each proposal in turn would; neither is the review cancelled.
RevueLignes Revue(const Options& o) {
  return [&o](const std::vector<PropositionRessemblance>& lignes,
              const Coches& ouverture) -> std::optional<Coches> {
    if (o.sures) return ouverture;
    if (o.oui) return CochesToutes(lignes);
    return std::nullopt;
  };
}

int run(const std::vector<std::string>& args) {
  Options o;
  std::string erreur;
  if (!LitOptions(args, o, erreur)) return ErreurUsage("rapprocher", erreur, kUsage);

  ConsoleDialogues dialogues(o.oui);
  EtatRapprochement etat;
  std::unique_ptr<ServicesSecurite> services = ServicesSecuriteSysteme();
  PlateformeSysteme plateforme = PlateformeCourante();
  const std::unique_ptr<ProgressionConsole> progression = ProgressionSiTerminal();
  dialogues.setProgression(progression.get());
  // Only a run that writes holds the store's lock, refused while another program has it.
  Demarrage demarrage = Demarre(o.magasin.choix, etat, dialogues, *services, plateforme, progression.get(),
                                o.appliquer ? Ecriture::Ecrivain : Ecriture::LectureSeule);
  if (demarrage.issue == Demarrage::Issue::ArretSecurite) return 1;
  if (demarrage.issue == Demarrage::Issue::DejaOuvert) dialogues.erreur(demarrage.refus);
  if (demarrage.issue == Demarrage::Issue::MagasinNonOuvert || demarrage.issue == Demarrage::Issue::DejaOuvert)
    return 2;

  for (const std::string& fichier : o.fichiers) LitFichierPersonnes(etat, dialogues, fichier);
  if (o.memePrenom) RapprocheNomPrenom(etat, dialogues);
  if (o.dateNaissance) RapprocheDateNaissance(etat, dialogues);
  if (o.ressemblance || o.sures) RapprocheRessemblance(etat, dialogues, Revue(o));

  if (o.changements) {
    ImprimeChangements(etat);
    std::fflush(stdout);
  }
  int code = 0;
  if (o.appliquer && demarrage.magasin.magasin) {
    DestinationJournal journal{NomMagasinJournal(o.magasin.choix, demarrage), o.journal,
                               [](const std::string& chemin) {
                                 std::fprintf(stderr, "journal: %s\n", chemin.c_str());
                                 std::fflush(stderr);
                               },
                               {}};
    if (progression) progression->ecriture(true);
    const BilanChangements bilan =
        EffectueChangements(etat, *demarrage.magasin.magasin, dialogues, journal, progression.get());
    for (const std::string& login : bilan.conflits)
      std::fprintf(stderr, "conflit: %s\n", Cp1252VersUtf8(login).c_str());
    // The first failure stops the run and leaves its row pink or red, and so
    // does an account changed since the load.
    if (ModificationsEnAttente(etat)) code = 1;
  }
  if (!o.changements) ImprimeEtat(etat);
  std::fflush(stdout);
  return code;
}

}  // namespace

const Commande kCommandeRapprocher{"rapprocher", kUsage, &run};
}  // namespace corrinom::cli
