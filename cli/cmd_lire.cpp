// corrinom-cli lire FILE: reads a person file as "Ouvrir" would, against an empty
// account list, and prints every person handed to exact matching, in order:
// last name, first names, birth date, TAB-separated.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/command.h"
#include "cli/console_dialogues.h"
#include "import/ouvrir.h"
#include "import/remise_etat.h"
#include "reconcile/etat.h"
#include "text/echappement.h"
#include "text/encodage.h"

namespace corrinom::cli {
namespace {

// Prints each person as it is handed over, then passes it on.
class RemiseImprimee : public RemisePersonnes {
 public:
  explicit RemiseImprimee(RemisePersonnes& suite) : suite_(suite) {}

  void videNonTrouves() override { suite_.videNonTrouves(); }
  void rapprocheExact(const Personne& p) override {
    std::string ligne = EchappeChamp(Cp1252VersUtf8(p.Nom));
    ligne += '\t';
    ligne += EchappeChamp(Cp1252VersUtf8(p.Prenoms));
    ligne += '\t';
    ligne += EchappeChamp(Cp1252VersUtf8(p.DateNaiss));
    ligne += '\n';
    std::fwrite(ligne.data(), 1, ligne.size(), stdout);
    suite_.rapprocheExact(p);
  }
  void trieNonTrouves() override { suite_.trieNonTrouves(); }
  void afficheNombresEtResume() override { suite_.afficheNombresEtResume(); }

 private:
  RemisePersonnes& suite_;
};

int run(const std::vector<std::string>& args) {
  if (args.size() != 1 || args[0].empty()) {
    std::fputs("usage : corrinom-cli lire FICHIER\n", stderr);
    return kExitUsage;
  }
  EtatRapprochement etat;
  RemiseEtat versEtat(etat);
  RemiseImprimee remise(versEtat);
  ConsoleDialogues dialogues(/*repondOui=*/false);
  const ResultatOuverture r = LitFichierPersonnes(remise, dialogues, args[0]);
  std::fflush(stdout);
  return r.remis ? 0 : 1;
}

}  // namespace

const Commande kCommandeLire{"lire", "lire FICHIER", &run};
}  // namespace corrinom::cli
