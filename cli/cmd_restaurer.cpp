// corrinom-cli restaurer: puts back what a journal shows as written, account by
// account, where the account still holds exactly what was written.
//
//   login<TAB>restauré | à restaurer | laissé | échec<TAB>STATUS
//
// Exit: 0 all restored, 1 some left alone, 3 a read or write failed, 2 the store
// or a journal cannot be opened or the journal names another store, 64 usage.
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "accounts/store/ouverture.h"
#include "cli/command.h"
#include "cli/console_dialogues.h"
#include "cli/options_magasin.h"
#include "session/nom_magasin.h"
#include "session/restauration.h"
#include "session/verrou_ecriture.h"
#include "text/echappement.h"
#include "text/encodage.h"

namespace corrinom::cli {
namespace {

constexpr const char* kUsage =
    "restaurer [--base BASE | --serveur HOTE [--utilisateur NOM] [--mot-de-passe-stdin]] "
    "[--journal FICHIER] [--oui] JOURNAL";

constexpr int kExitLaisses = 1;
constexpr int kExitOuverture = 2;
constexpr int kExitEchec = 3;

struct Options {
  OptionsMagasin magasin;
  std::optional<std::string> journal;  // where the restore's own lines go
  bool oui = false;
  std::string aRestaurer;
};


bool LitOptions(const std::vector<std::string>& args, Options& o, std::string& erreur) {
  if (!LitOptionsMagasin(args, o.magasin, erreur, std::cin)) return false;
  if (o.magasin.choix.sorte == ChoixMagasin::Sorte::Demo) {
    erreur = "l'option --demo ne s'emploie pas ici : une base de d\xC3\xA9monstration neuve ne "
              "contient rien d'un journal";
    return false;
  }
  std::vector<std::string> journaux;
  if (!LitOptionsCommande(args, o.magasin, {{"--oui", &o.oui}}, o.journal, journaux, erreur)) return false;
  if (journaux.size() != 1) {
    erreur = journaux.empty() ? "aucun journal \xC3\xA0 restaurer" : "un seul journal \xC3\xA0 la fois";
    return false;
  }
  o.aRestaurer = std::move(journaux.front());
  if (o.journal && !o.oui) {
    // Without --oui nothing is written, and a journal option would go unheard.
    erreur = "--journal ne s'emploie qu'avec --oui";
    return false;
  }
  return true;
}

std::string_view Mot(IssueRestauration issue) {
  switch (issue) {
    case IssueRestauration::ARestaurer:
      return "\xC3\xA0 restaurer";
    case IssueRestauration::Restaure:
      return "restaur\xC3\xA9";
    case IssueRestauration::Laisse:
      return "laiss\xC3\xA9";
    case IssueRestauration::Echec:
      return "\xC3\xA9" "chec";
  }
  return {};
}

void Imprime(const CompteRestaure& c) {
  std::string ligne = EchappeChamp(c.login) + '\t' + std::string(Mot(c.issue));
  if (c.issue == IssueRestauration::Echec) ligne += '\t' + std::to_string(c.statut);
  ligne += '\n';
  std::fwrite(ligne.data(), 1, ligne.size(), stdout);
  if (!c.raison.empty()) {
    std::fprintf(stderr, "laiss\xC3\xA9: %s: %s\n", c.login.c_str(), Cp1252VersUtf8(c.raison).c_str());
  }
}

int run(const std::vector<std::string>& args) {
  Options o;
  std::string erreur;
  if (!LitOptions(args, o, erreur)) return ErreurUsage("restaurer", erreur, kUsage);
  ConsoleDialogues dialogues(false);

  const std::string nomMagasin = NomMagasinJournal(o.magasin.choix);
  std::vector<HistoriqueCompte> historiques;
  if (!LitHistoriques(o.aRestaurer, nomMagasin, historiques, erreur)) {
    dialogues.erreur(erreur);
    return kExitOuverture;
  }
  MagasinOuvert ouvert = OuvreMagasin(o.magasin.choix);
  if (!ouvert.magasin) {
    dialogues.erreur(ouvert.erreur);
    return kExitOuverture;
  }

  // Only a restore that writes holds the store's lock, refused while another program has it.
  VerrouEcriture verrou;
  if (o.oui) verrou = VerrouilleMagasin(o.magasin.choix, ouvert);
  if (!verrou.refus.empty()) {
    dialogues.erreur(verrou.refus);
    return kExitOuverture;
  }
  std::unique_ptr<JournalChangements> journal;
  if (o.oui) {
    journal = OuvreJournal(o.journal, std::time(nullptr), nomMagasin, erreur);
    if (!journal) {
      dialogues.erreur(erreur + "\nAucun compte n'a \xE9t\xE9 modifi\xE9.");
      return kExitOuverture;
    }
    std::fprintf(stderr, "journal: %s\n", journal->chemin().c_str());
  }
  const Restauration r = Restaure(historiques, *ouvert.magasin, journal.get());
  bool laisses = false, echecs = false;
  for (const CompteRestaure& c : r.comptes) {
    Imprime(c);
    laisses = laisses || c.issue == IssueRestauration::Laisse;
    echecs = echecs || c.issue == IssueRestauration::Echec;
  }
  std::fflush(stdout);
  if (!r.erreurJournal.empty()) {
    dialogues.erreur(r.erreurJournal + "\nLa restauration s'est arr\xEAt\xE9" "e l\xE0.");
    return kExitEchec;
  }
  return echecs ? kExitEchec : laisses ? kExitLaisses : 0;
}

}  // namespace

const Commande kCommandeRestaurer{"restaurer", kUsage, &run};
}  // namespace corrinom::cli
