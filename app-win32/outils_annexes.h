// Small pieces the secondary windows of the Win32 shell share: text for the W
// functions, the resolution of a window, the windows' font, GDI handles owned.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>

namespace corrinom::win32::annexes {

// The core's CP1252 as UTF-16 for a control or a box.
std::wstring Large(std::string_view cp1252);

// The resolution of the monitor a window is on (the system's before Windows 10 1607).
UINT DpiDe(HWND fenetre);

// The first face of window/controles.h's list that this system has, or `secours`.
std::wstring FamillePolice(const wchar_t* secours);

// The window procedure of the program's windows: the window's object lives in
// GWLP_USERDATA, put there from CreateWindowEx's last parameter on WM_NCCREATE, or
// by CreeFenetreAnnexe once the window exists; every message goes to its Traite.
template <class Objet>
LRESULT CALLBACK ProcedureDe(HWND hwnd, UINT message, WPARAM w, LPARAM l) {
  if (message == WM_NCCREATE) {
    if (void* objet = reinterpret_cast<CREATESTRUCTW*>(l)->lpCreateParams)
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(objet));
  }
  auto* objet = reinterpret_cast<Objet*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  return objet ? objet->Traite(hwnd, message, w, l) : DefWindowProcW(hwnd, message, w, l);
}

// A length designed at 96 dpi, at `dpi`.
int AEchelle(int pixels96, UINT dpi);

struct SupprimeObjetGdi {
  void operator()(HGDIOBJ objet) const {
    if (objet) DeleteObject(objet);
  }
};
using Police = std::unique_ptr<std::remove_pointer_t<HFONT>, SupprimeObjetGdi>;

// The windows' font at `dpi` (the first face of window/controles.h's list that is
// installed), in bold and larger by `pourcent` when asked.
Police CreePolice(UINT dpi, bool grasse = false, int pourcent = 100);

// Gives every child of `fenetre` the font.
void AppliquePolice(HWND fenetre, HFONT police);

// A secondary window of class `classe` (registered here on first use, with the
// program's icon), sized for `largeur96` x
// `hauteur96` of client area at the owner's resolution, captioned `titre` and
// owned by `proprietaire`. It is created with the default window procedure, then
// given `objet` (GWLP_USERDATA) and `procedure`: its first messages need nothing
// of the object. `dpi` receives the resolution of the monitor it opened on.
HWND CreeFenetreAnnexe(HINSTANCE instance, const wchar_t* classe, const std::wstring& titre, int largeur96,
                       int hauteur96, HWND proprietaire, WNDPROC procedure, void* objet, UINT& dpi);

// The system's print dialog, owned by `proprietaire`, opening on the default
// printer's settings turned to landscape when `paysage` asks it (the operator may
// still change them). The chosen printer's device context, for DeleteDC, or null
// when the dialog is cancelled or no printer can be had.
HDC ChoisitImprimante(HWND proprietaire, bool paysage = false);

// Shows `fenetre` and runs it modally until `ouverte` turns false (its WM_CLOSE
// handler does that): the owner takes no input meanwhile, the keyboard starts on
// `focus`, Escape closes the window before its controls see it, and the dialog
// keys work. `avant` may take a message first (true: handled). A WM_QUIT is
// passed on to the main loop. The window is destroyed on the way out.
void BoucleModale(HWND fenetre, HWND proprietaire, HWND focus, bool& ouverte,
                  const std::function<bool(const MSG&)>& avant = {});

}  // namespace corrinom::win32::annexes
