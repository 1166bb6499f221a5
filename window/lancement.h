// Start-up of the window program, the same in both shells: the credentials when
// the system's store needs them, the platform and security start-up, the account
// load under the reading window; then the shell makes its main window over what
// start-up left (Lancement). Each shell gives its own pieces (PiecesLancement).
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "accounts/plateforme.h"
#include "accounts/security/services_securite.h"
#include "reconcile/etat.h"
#include "session/demarrage.h"
#include "session/ecriture.h"
#include "session/progression.h"
#include "window/magasin_vide.h"
#include "window/options.h"

namespace corrinom::fenetre {

// What a shell brings to start-up besides its boxes.
class PiecesLancement {
 public:
  virtual ~PiecesLancement() = default;
  // The operator's credentials for the system's store on `choix.serveur`, put into
  // `choix`; false when the operator gives up.
  virtual bool DemandeIdentifiants(ChoixMagasin& choix) = 0;
  // The reading window over the account load, made when the load is about to begin.
  virtual Progression& Lecture() = 0;
  // The load is over (closing the reading window or keeping it until the main window shows).
  virtual void FinLecture() = 0;
};

// What lives from start-up to the end of the program, the main window aside.
struct Lancement {
  EtatRapprochement etat;
  std::unique_ptr<ServicesSecurite> services;
  PlateformeSysteme plateforme;
  Demarrage demarrage;
  MagasinVide vide;
  DestinationJournal journal;  // for the main window's write runs

  // The store the main window works on: the one opened, or the empty one.
  MagasinComptes& magasin();
};

// Runs start-up for the given (already parsed) store choice into `l`. Returns the
// exit code when the program must end before any window: the credentials were
// refused, the reading window closed or another program holds the store's lock
// (0, after its message), or the security set-up stopped it (1); none when the
// main window is to open. The lock is held from the account load while `l` lives.
std::optional<int> Demarre(ChoixMagasin choix, Dialogues& boites, PiecesLancement& pieces, Lancement& l);

// The answer to --help, --version or a wrong command line: the text for standard
// output (or standard error when `erreur`) and the exit code; none when the
// program goes on.
struct ReponseOptions {
  std::string texte;  // UTF-8
  bool erreur = false;
  int code = 0;
};
std::optional<ReponseOptions> RepondOptions(const OptionsLancement& options);

// For a toolkit that takes its own single-dash options (-platform, -display...)
// off the command line `mots` before the program reads it: the answer owed before
// the toolkit starts (--help, --version, or a wrong line without any single-dash
// word that the toolkit might explain); none when the toolkit is to start first.
std::optional<ReponseOptions> RepondAvantLaBoiteAOutils(const std::vector<std::string>& mots);

}  // namespace corrinom::fenetre
