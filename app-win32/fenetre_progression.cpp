#include "app-win32/fenetre_progression.h"

#include <commctrl.h>

#include <algorithm>
#include <climits>

#include "app-win32/outils_annexes.h"
#include "app-win32/ressources.h"

namespace corrinom::win32 {

namespace {

constexpr wchar_t kClasse[] = L"CorrinomProgression";
constexpr ULONGLONG kIntervalle = 100;  // milliseconds between two drawings of the count

}  // namespace

FenetreProgression::FenetreProgression(HINSTANCE instance, HWND proprietaire, bool arreter) {
  WNDCLASSEXW c{};
  c.cbSize = sizeof c;
  if (!GetClassInfoExW(instance, kClasse, &c)) {
    c.lpfnWndProc = &annexes::ProcedureDe<FenetreProgression>;
    c.hInstance = instance;
    c.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    c.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    c.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(kIconeProgramme));
    c.lpszClassName = kClasse;
    RegisterClassExW(&c);
  }
  const UINT dpi = annexes::DpiDe(proprietaire);
  const auto e = [dpi](int v) { return annexes::AEchelle(v, dpi); };
  // Without an owner it is the program's only window: it has a taskbar button.
  const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
  const DWORD exStyle = WS_EX_DLGMODALFRAME | (proprietaire ? 0 : WS_EX_APPWINDOW);
  RECT r{0, 0, e(340), e(arreter ? 96 : 62)};
  AdjustWindowRectEx(&r, style, FALSE, exStyle);
  const int largeur = r.right - r.left, hauteur = r.bottom - r.top;
  // Centred on its owner, or on the desktop.
  RECT autour{};
  if (!proprietaire || !GetWindowRect(proprietaire, &autour)) SystemParametersInfoW(SPI_GETWORKAREA, 0, &autour, 0);
  hwnd_ = CreateWindowExW(exStyle, kClasse, L"", style, (autour.left + autour.right - largeur) / 2,
                          (autour.top + autour.bottom - hauteur) / 2, largeur, hauteur, proprietaire, nullptr,
                          instance, this);
  if (!hwnd_) return;
  texte_ = CreateWindowExW(0, WC_STATICW, L"", WS_CHILD | WS_VISIBLE | SS_LEFTNOWORDWRAP | SS_NOPREFIX, e(12), e(12),
                           e(316), e(16), hwnd_, nullptr, instance, nullptr);
  barre_ = CreateWindowExW(0, PROGRESS_CLASSW, nullptr, WS_CHILD | WS_VISIBLE, e(12), e(34), e(316), e(16), hwnd_,
                           nullptr, instance, nullptr);
  if (arreter)
    CreateWindowExW(0, WC_BUTTONW, annexes::Large(kBoutonArreter).c_str(),
                    WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, e(130), e(62), e(80), e(23), hwnd_,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDCANCEL)), instance, nullptr);
  police_ = annexes::CreePolice(dpi).release();
  annexes::AppliquePolice(hwnd_, police_);
}

FenetreProgression::~FenetreProgression() {
  if (hwnd_ && IsWindow(hwnd_)) DestroyWindow(hwnd_);
  if (police_) DeleteObject(police_);
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
  const std::wstring t = annexes::Large(texte);
  SetWindowTextW(hwnd_, t.c_str());
  SetWindowTextW(texte_, t.c_str());
  const bool defile = total == 0 || total > static_cast<std::size_t>(INT_MAX);
  if (defile != defile_) {
    const LONG_PTR style = GetWindowLongPtrW(barre_, GWL_STYLE);
    SetWindowLongPtrW(barre_, GWL_STYLE, defile ? style | PBS_MARQUEE : style & ~static_cast<LONG_PTR>(PBS_MARQUEE));
    SendMessageW(barre_, PBM_SETMARQUEE, defile ? TRUE : FALSE, 30);
    defile_ = defile;
  }
  if (!defile) {
    SendMessageW(barre_, PBM_SETRANGE32, 0, static_cast<LPARAM>(total));
    SendMessageW(barre_, PBM_SETPOS, static_cast<WPARAM>(std::min(fait, total)), 0);
  }
  if (!IsWindowVisible(hwnd_)) {
    ShowWindow(hwnd_, SW_SHOWNORMAL);
    if (HWND bouton = GetDlgItem(hwnd_, IDCANCEL)) SetFocus(bouton);
  }
  UpdateWindow(hwnd_);
}

void FenetreProgression::PompeSeule() {
  // The filter takes this window's messages and its children's, nothing else.
  MSG msg;
  while (hwnd_ && PeekMessageW(&msg, hwnd_, 0, 0, PM_REMOVE)) {
    if (IsDialogMessageW(hwnd_, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

void FenetreProgression::PompeTout() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (hwnd_ && IsDialogMessageW(hwnd_, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

FenetreLecture::~FenetreLecture() = default;

void FenetreLecture::debut(std::size_t total) {
  fenetre_ = std::make_unique<FenetreProgression>(instance_, nullptr, false);
  fenetre_->Montre(kTitreLecture, 0, total);
  montre_ = GetTickCount64();
  fenetre_->PompeSeule();
}

void FenetreLecture::avance(std::size_t lus, std::size_t total) {
  if (!fenetre_) return;
  // Pages come much faster than a person reads: the count is drawn ten times a
  // second, the window's messages taken at every page.
  const ULONGLONG maintenant = GetTickCount64();
  if (maintenant - montre_ >= kIntervalle) {
    fenetre_->Montre(TexteLecture(lus, total), lus, total);
    montre_ = maintenant;
  }
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
