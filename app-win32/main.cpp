// corrinom.exe: the window program on Windows. Start-up, in order: the command
// line, the platform and security start-up with the account load (its reading
// window shown meanwhile), then the main window and its message loop.
#include <windows.h>

#include <commctrl.h>
#include <objbase.h>
#include <shellapi.h>

#include <memory>
#include <string>
#include <vector>

#include "accounts/plateforme.h"
#include "accounts/security/services_securite.h"
#include "app-win32/console.h"
#include "app-win32/dialogues_win32.h"
#include "app-win32/fenetre_progression.h"
#include "app-win32/form_corrinom.h"
#include "app-win32/texte_win32.h"
#include "session/demarrage.h"
#include "session/nom_magasin.h"
#include "window/magasin_vide.h"
#include "window/options.h"

namespace corrinom::win32 {
namespace {

using fenetre::LitOptions;
using fenetre::OptionsLancement;
using fenetre::TexteAide;
using fenetre::TexteVersion;

std::vector<std::string> Arguments() {
  int n = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &n);
  std::vector<std::string> mots;
  for (int i = 1; argv && i < n; ++i) mots.push_back(VersUtf8(argv[i]).value_or(std::string("\xEF\xBF\xBD")));
  if (argv) LocalFree(argv);
  return mots;
}

int Lance(HINSTANCE instance) {
  OptionsLancement options = LitOptions(Arguments());
  switch (options.action) {
    case OptionsLancement::Action::Aide:
      EcritSortie(TexteAide(), false);
      return 0;
    case OptionsLancement::Action::Version:
      EcritSortie(TexteVersion(), false);
      return 0;
    case OptionsLancement::Action::Erreur:
      EcritSortie("corrinom : " + options.erreur + "\n" + TexteAide(), true);
      return 64;
    case OptionsLancement::Action::Lance:
      break;
  }

  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES |
                                           ICC_TAB_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&icc);
  // The open-file dialog and the help window use COM; the main thread is their apartment.
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);

  int code = 0;
  {
    EtatRapprochement etat;
    DialoguesWin32 boites(instance);
    std::unique_ptr<ServicesSecurite> services = ServicesSecuriteSysteme();
    PlateformeSysteme plateforme = PlateformeCourante();
    FenetreLecture lecture(instance);
    Demarrage demarrage = corrinom::Demarre(options.choix, etat, boites, *services, plateforme, &lecture);
    if (lecture.arretDemande()) {
      // Closing the reading window ends the program, as refusing the credentials does.
      code = 0;
    } else if (demarrage.issue == Demarrage::Issue::ArretSecurite) {
      code = 1;
    } else {
      fenetre::MagasinVide vide;
      MagasinComptes& magasin = demarrage.magasin.magasin ? *demarrage.magasin.magasin : vide;
      TFormCorrinom fenetre(instance, etat, magasin, DeCp1252(demarrage.magasin.nomAffiche), boites);
      fenetre.ChoisitJournal(DestinationJournal{NomMagasinJournal(options.choix, demarrage), {}, {}, {}});
      if (!fenetre.Cree()) {
        code = 1;
      } else {
        boites.setProprietaire(fenetre.Fenetre());
        ShowWindow(fenetre.Fenetre(), SW_SHOWNORMAL);
        lecture.Retire();
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
