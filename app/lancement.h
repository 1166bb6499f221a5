// Start-up of the window program, in order: the command line, the administrator's
// credentials when the system's store needs them, the platform and security
// start-up with the account load, then the main window.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/magasin_vide.h"
#include "reconcile/etat.h"
#include "session/demarrage.h"

namespace corrinom::app {

class TFormCorrinom;
class DialoguesQt;

// Everything that lives from start-up to the end of the program.
struct Session {
  Session();
  ~Session();

  EtatRapprochement etat;
  std::unique_ptr<DialoguesQt> boites;
  std::unique_ptr<ServicesSecurite> services;
  PlateformeSysteme plateforme;
  Demarrage demarrage;
  MagasinVide vide;
  std::unique_ptr<TFormCorrinom> fenetre;

  MagasinComptes& magasin();
};

// Runs start-up for the given (already parsed) store choice. Returns null when the
// program must end before any window: the credentials were refused or the security
// set-up stopped it (`codeSortie` says how).
std::unique_ptr<Session> Demarre(ChoixMagasin choix, int& codeSortie);

// The whole program: options, start-up, the event loop. Returns the exit code.
int Lance(int argc, char** argv);

}  // namespace corrinom::app
