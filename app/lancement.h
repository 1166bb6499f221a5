// Start-up of the window program (window/lancement.h) with the Qt shell's pieces:
// its boxes, the credentials dialog and the reading window; then the main window.
#pragma once

#include <memory>

#include "window/lancement.h"

namespace corrinom::app {

class TFormCorrinom;
class DialoguesQt;

// Everything that lives from start-up to the end of the program.
struct Session : fenetre::Lancement {
  Session();
  ~Session();

  std::unique_ptr<DialoguesQt> boites;
  std::unique_ptr<TFormCorrinom> fenetre;
};

// Runs start-up for the given (already parsed) store choice. Returns null when the
// program must end before any window: the credentials were refused or the security
// set-up stopped it (`codeSortie` says how).
std::unique_ptr<Session> Demarre(ChoixMagasin choix, int& codeSortie);

// The whole program: options, start-up, the event loop. Returns the exit code.
int Lance(int argc, char** argv);

}  // namespace corrinom::app
