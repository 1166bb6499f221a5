// Small pieces the secondary windows of the Win32 shell share: text for the W
// functions, the resolution of a window, the windows' font, GDI handles owned.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <string_view>
#include <type_traits>

namespace corrinom::win32::annexes {

// The core's CP1252 as UTF-16 for a control or a box.
std::wstring Large(std::string_view cp1252);

// The resolution of the monitor a window is on (the system's before Windows 10 1607).
UINT DpiDe(HWND fenetre);

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

}  // namespace corrinom::win32::annexes
