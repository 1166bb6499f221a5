#include "app-win32/fenetre_progression.h"

#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <optional>

namespace corrinom::win32 {

namespace {

constexpr wchar_t kClasse[] = L"CorrinomProgression";

}  // namespace

FenetreProgression::FenetreProgression(HINSTANCE instance, HWND proprietaire, bool arreter) {
  // Without an owner it is the program's only window: it has a taskbar button.
  UINT dpi = 96;
  hwnd_ = annexes::CreeFenetreAnnexe(
      instance, kClasse, "", arreter ? fenetre::kTailleProgression : fenetre::kTailleProgressionSansBouton,
      WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_DLGMODALFRAME | (proprietaire ? 0 : WS_EX_APPWINDOW), proprietaire,
      true, &annexes::ProcedureDe<FenetreProgression>, this, dpi);
  if (!hwnd_) return;
  const annexes::Sorte sortes[3] = {{WC_STATICW, SS_LEFTNOWORDWRAP | SS_NOPREFIX},
                                    {PROGRESS_CLASSW},
                                    {WC_BUTTONW, WS_TABSTOP | BS_PUSHBUTTON}};
  for (std::size_t i = 0; i < (arreter ? 3 : 2); ++i) {
    const fenetre::ControleAnnexe& c = fenetre::kControlesProgression[i];
    const HWND h = annexes::CreeControle(hwnd_, sortes[i], c.texte, i == 2 ? IDCANCEL : 0, instance);
    const fenetre::Rectangle p = fenetre::AEchelle(c.place, static_cast<int>(dpi));
    SetWindowPos(h, nullptr, p.x, p.y, p.largeur, p.hauteur, SWP_NOZORDER | SWP_NOACTIVATE);
    if (i == 0) texte_ = h;
    if (i == 1) barre_ = h;
  }
  police_ = annexes::CreePolice(dpi);
  annexes::AppliquePolice(hwnd_, police_.get());
}

FenetreProgression::~FenetreProgression() {
  if (hwnd_ && IsWindow(hwnd_)) DestroyWindow(hwnd_);
}

LRESULT FenetreProgression::Traite(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  // Arrêter, Escape and the close box all ask to stop; the work closes the window.
  if ((msg == WM_COMMAND && LOWORD(wp) == IDCANCEL) || msg == WM_CLOSE) {
    arret_ = true;
    return 0;
  }
  if (msg == WM_NCDESTROY) hwnd_ = nullptr;
  return DefWindowProcW(hwnd, msg, wp, lp);
}

void FenetreProgression::Montre(std::string_view texte, std::size_t fait, std::size_t total) {
  if (!hwnd_) return;
  const std::wstring t = DeCp1252(texte);
  SetWindowTextW(hwnd_, t.c_str());
  SetWindowTextW(texte_, t.c_str());
  const std::optional<int> fin = fenetre::FinBarre(total);
  const bool defile = !fin;
  if (defile != defile_) {
    const LONG_PTR style = GetWindowLongPtrW(barre_, GWL_STYLE);
    SetWindowLongPtrW(barre_, GWL_STYLE, defile ? style | PBS_MARQUEE : style & ~static_cast<LONG_PTR>(PBS_MARQUEE));
    SendMessageW(barre_, PBM_SETMARQUEE, defile ? TRUE : FALSE, 30);
    defile_ = defile;
  }
  if (!defile) {
    SendMessageW(barre_, PBM_SETRANGE32, 0, static_cast<LPARAM>(*fin));
    SendMessageW(barre_, PBM_SETPOS, static_cast<WPARAM>(std::min(fait, total)), 0);
  }
  if (!IsWindowVisible(hwnd_)) {
    ShowWindow(hwnd_, SW_SHOWNORMAL);
    if (HWND bouton = GetDlgItem(hwnd_, IDCANCEL)) SetFocus(bouton);
  }
  UpdateWindow(hwnd_);
}

void FenetreProgression::PompeSeule() { Pompe(true); }

void FenetreProgression::PompeTout() { Pompe(false); }

void FenetreProgression::Pompe(bool seule) {
  // Alone, the filter takes this window's messages and its children's, nothing
  // else, and there are none left once the window is gone.
  MSG msg;
  while ((hwnd_ || !seule) && PeekMessageW(&msg, seule ? hwnd_ : nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));  // the program ends: let its loop see it
      break;
    }
    if (hwnd_ && IsDialogMessageW(hwnd_, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

void FenetreLecture::debut(std::size_t total) {
  fenetre_ = std::make_unique<FenetreProgression>(instance_, nullptr, false);
  fenetre_->Montre(kTitreLecture, 0, total);
  cadence_.Recommence();
  fenetre_->PompeSeule();
}

void FenetreLecture::avance(std::size_t lus, std::size_t total) {
  if (!fenetre_) return;
  // The count is drawn at the cadence's pace, the window's messages taken at every page.
  const std::chrono::milliseconds maintenant(static_cast<std::chrono::milliseconds::rep>(GetTickCount64()));
  if (cadence_.ADessiner(maintenant, lus, total)) fenetre_->Montre(TexteLecture(lus, total), lus, total);
  fenetre_->PompeSeule();
  ferme_ = ferme_ || fenetre_->ArretDemande();
}

void FenetreLecture::fin() {
  if (!fenetre_) return;
  // A close pressed while the last page was read still counts.
  fenetre_->PompeSeule();
  ferme_ = ferme_ || fenetre_->ArretDemande();
  if (ferme_) Retire();
}

}  // namespace corrinom::win32
