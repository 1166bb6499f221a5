// The help window on Windows: the operator's guide in a RichEdit control, with a
// close button, a print button (the system's print dialog) and a status bar. The
// guide is resources/aide/aide.htm, converted to RTF when the program is built
// (aide_rtf.cmake) and stored as the resource "AIDESCONET".
#pragma once

#include <windows.h>

namespace corrinom::win32 {

// Button4Click of the main window: shows the help window modally over
// `proprietaire` and frees it when it closes.
void MontreAide(HINSTANCE instance, HWND proprietaire);

// Control identifiers (the close button is IDCANCEL, so that Escape is it too).
inline constexpr int kIdWebBrowser1 = 2001;
inline constexpr int kIdBitBtnImprimer = 2002;
inline constexpr int kIdStatusBar1 = 2003;

}  // namespace corrinom::win32
