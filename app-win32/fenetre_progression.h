// The small windows that show long work on Windows: the write's progress, with
// its button "Arrêter", and the reading of the accounts at start-up, without one.
// The work stays on the window's thread and calls in between two steps; each
// call paints the window and takes its clicks.
#pragma once

#include <windows.h>

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "app-win32/outils_annexes.h"
#include "session/progression.h"
#include "window/progression_fenetre.h"

namespace corrinom::win32 {

class FenetreProgression {
 public:
  // A window owned by `proprietaire` (none: a window of its own), with a button
  // "Arrêter" when `arreter`. Its caption and its text both say where the work
  // is. Hidden until the first Montre.
  FenetreProgression(HINSTANCE instance, HWND proprietaire, bool arreter);
  ~FenetreProgression();
  FenetreProgression(const FenetreProgression&) = delete;
  FenetreProgression& operator=(const FenetreProgression&) = delete;

  // Shows `texte` (CP1252) and, when `total` is known, `fait` of `total` on the
  // bar; a bar that only moves while the total is not known.
  void Montre(std::string_view texte, std::size_t fait, std::size_t total);

  // True once Arrêter, Escape or the close box was pressed.
  bool ArretDemande() const { return arret_; }

  // Lets the messages waiting for this window alone run: it paints and takes its
  // clicks, and nothing else of the program can act.
  void PompeSeule();
  // Lets every waiting message run, this window's dialog keys first (the main
  // window is disabled meanwhile by its owner). A WM_QUIT is passed on.
  void PompeTout();

  // The window's messages (through annexes::ProcedureDe).
  LRESULT Traite(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

 private:
  // Runs the waiting messages: this window's alone when `seule`, else all of them.
  void Pompe(bool seule);

  HWND hwnd_ = nullptr;
  HWND texte_ = nullptr;
  HWND barre_ = nullptr;
  annexes::Police police_;
  bool defile_ = false;  // the bar only moves, for want of a total
  bool arret_ = false;
};

// The reading window of start-up over the account load: shown when the load
// begins. Closing it asks the load to stop after its page; the program then ends
// before anything else is shown. It stays on screen after the load until the
// main window is shown (Retire): the activation goes straight from one to the
// other, and the main window comes up in front.
class FenetreLecture : public Progression {
 public:
  explicit FenetreLecture(HINSTANCE instance) : instance_(instance) {}
  FenetreLecture(const FenetreLecture&) = delete;
  FenetreLecture& operator=(const FenetreLecture&) = delete;

  void debut(std::size_t total) override;
  void avance(std::size_t lus, std::size_t total) override;
  void fin() override;
  bool arretDemande() const override { return ferme_; }

  // Takes the window off the screen.
  void Retire() { fenetre_.reset(); }

 private:
  HINSTANCE instance_;
  std::unique_ptr<FenetreProgression> fenetre_;
  fenetre::CadenceLecture cadence_;
  bool ferme_ = false;
};

}  // namespace corrinom::win32
