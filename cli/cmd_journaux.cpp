// corrinom-cli journaux: the journals of the per-user folder, oldest first,
//
//   NOM<TAB>YYYY-MM-DD HH:MM:SS<TAB>store<TAB>intentions<TAB>results
//
// the date being the run's start, from the file name, and the counts those of
// its lines ("?" for a journal that cannot be read). With --purger JOURS, the
// journals older than JOURS days are deleted instead, except one a run is
// still writing, each printed as "supprimé: NOM".
//
// Exit: 0, 2 when the folder is unknown, 64 usage.
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

#include "cli/command.h"
#include "cli/console_dialogues.h"
#include "session/conservation_journaux.h"
#include "session/journal.h"
#include "text/echappement.h"
#include "text/octets.h"

namespace corrinom::cli {
namespace {

constexpr const char* kUsage = "journaux [--purger JOURS]";
constexpr int kExitDossier = 2;

void Imprime(const std::string& ligne) {
  std::fwrite(ligne.data(), 1, ligne.size(), stdout);
  std::fputc('\n', stdout);
}

std::string Date(const InstantLocal& i) {
  char t[24];
  std::snprintf(t, sizeof t, "%04d-%02d-%02d %02d:%02d:%02d", i.annee, i.mois, i.jour, i.heure,
                i.minute, i.seconde);
  return t;
}

void ImprimeJournal(const JournalDuDossier& j) {
  std::vector<LigneJournal> lignes;
  std::string erreur;
  std::string magasin, intentions = "?", resultats = "?";
  if (LitFichierJournal(j.chemin, lignes, erreur)) {
    std::size_t i = 0, r = 0;
    for (const LigneJournal& l : lignes) {
      if (magasin.empty()) magasin = l.magasin;
      if (l.resultat)
        ++r;
      else if (!l.conflit)
        ++i;
    }
    intentions = std::to_string(i);
    resultats = std::to_string(r);
  }
  Imprime(EchappeChamp(j.nom) + '\t' + Date(j.date) + '\t' + EchappeChamp(magasin) + '\t' +
          intentions + '\t' + resultats);
}

int run(const std::vector<std::string>& args) {
  std::optional<std::uint32_t> jours;
  if (!args.empty() && args[0] == "--purger") {
    if (args.size() == 1)
      return ErreurUsage("journaux", "l'option --purger attend une valeur", kUsage);
    if (args.size() > 2) return ErreurUsage("journaux", "argument en trop : " + args[2], kUsage);
    jours = Nombre32(args[1]);
    if (!jours) return ErreurUsage("journaux", "JOURS doit \xC3\xAAtre un nombre entier de jours", kUsage);
  } else if (!args.empty()) {
    return ErreurUsage("journaux", "argument en trop : " + args.front(), kUsage);
  }
  ConsoleDialogues dialogues(false);
  std::string erreur;
  const std::optional<std::string> dossier = DossierJournaux(erreur);
  if (!dossier) {
    dialogues.erreur(erreur);
    return kExitDossier;
  }
  if (!jours) {
    for (const JournalDuDossier& j : JournauxDuDossier(*dossier)) ImprimeJournal(j);
  } else {
    const std::time_t limite = std::time(nullptr) - static_cast<std::time_t>(*jours) * 86400;
    for (const JournalDuDossier& j : PurgeJournaux(*dossier, InstantLocalDe(limite)))
      Imprime("supprim\xC3\xA9: " + EchappeChamp(j.nom));
  }
  std::fflush(stdout);
  return 0;
}

}  // namespace

const Commande kCommandeJournaux{"journaux", kUsage, &run};
}  // namespace corrinom::cli
