// corrinom.exe: the window program on Windows. Start-up, in order: the command
// line, the platform and security start-up with the account load (its reading
// window shown meanwhile), then the main window and its message loop.
#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

#include <optional>

#include "app-win32/console.h"
#include "app-win32/dialogues_win32.h"
#include "app-win32/fenetre_progression.h"
#include "app-win32/form_corrinom.h"
#include "app-win32/texte_win32.h"
#include "text/arguments.h"
#include "window/lancement.h"

namespace corrinom::win32 {
namespace {

using fenetre::LitOptions;
using fenetre::OptionsLancement;

// The reading window stays on screen after the load until the main window shows.
class PiecesWin32 : public fenetre::PiecesLancement {
 public:
  explicit PiecesWin32(HINSTANCE instance) : lecture(instance) {}
  bool DemandeIdentifiants(ChoixMagasin&) override { return true; }  // the store asks none
  Progression& Lecture() override { return lecture; }
  void FinLecture() override {}

  FenetreLecture lecture;
};

int Lance(HINSTANCE instance) {
  const OptionsLancement options = LitOptions(ArgumentsProgramme(0, nullptr));
  if (const std::optional<fenetre::ReponseOptions> r = fenetre::RepondOptions(options)) {
    EcritSortie(r->texte, r->erreur);
    return r->code;
  }

  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES |
                                           ICC_TAB_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&icc);
  // The open-file dialog and the help window use COM; the main thread is their apartment.
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);

  int code = 0;
  {
    DialoguesWin32 boites(instance);
    PiecesWin32 pieces(instance);
    fenetre::Lancement l;
    if (const std::optional<int> fin = fenetre::Demarre(options.choix, boites, pieces, l)) {
      code = *fin;
    } else {
      TFormCorrinom fenetre(instance, l.etat, l.magasin(), DeCp1252(l.demarrage.magasin.nomAffiche), boites);
      fenetre.ChoisitJournal(std::move(l.journal));
      if (!fenetre.Cree()) {
        code = 1;
      } else {
        boites.setProprietaire(fenetre.Fenetre());
        ShowWindow(fenetre.Fenetre(), SW_SHOWNORMAL);
        pieces.lecture.Retire();
        UpdateWindow(fenetre.Fenetre());
        MSG msg;
        while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
          if (fenetre.MessageDeDialogue(msg)) continue;
          TranslateMessage(&msg);
          DispatchMessageW(&msg);
        }
        boites.setProprietaire(nullptr);
      }
    }
  }
  if (SUCCEEDED(com)) CoUninitialize();
  return code;
}

}  // namespace
}  // namespace corrinom::win32

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) { return corrinom::win32::Lance(instance); }
