#include "app-win32/outils_annexes.h"

#include "window/controles.h"
#include "window/geometrie.h"
#include "window/nom_fichier.h"

namespace corrinom::win32::annexes {

std::wstring Large(std::string_view cp1252) {
  const std::u16string u = fenetre::Cp1252VersUtf16(cp1252);
  return std::wstring(u.begin(), u.end());
}

UINT DpiDe(HWND fenetre) {
  using GetDpiForWindowF = UINT(WINAPI*)(HWND);
  static const auto parFenetre = reinterpret_cast<GetDpiForWindowF>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
  if (parFenetre && fenetre) {
    if (const UINT dpi = parFenetre(fenetre)) return dpi;
  }
  HDC ecran = GetDC(nullptr);
  const int dpi = ecran ? GetDeviceCaps(ecran, LOGPIXELSY) : 96;
  if (ecran) ReleaseDC(nullptr, ecran);
  return dpi > 0 ? static_cast<UINT>(dpi) : 96;
}

int AEchelle(int pixels96, UINT dpi) { return fenetre::AEchelle(pixels96, static_cast<int>(dpi)); }

namespace {

bool PoliceInstallee(const std::wstring& famille) {
  LOGFONTW lf{};
  lf.lfCharSet = DEFAULT_CHARSET;
  famille.copy(lf.lfFaceName, LF_FACESIZE - 1);
  bool trouvee = false;
  HDC dc = GetDC(nullptr);
  EnumFontFamiliesExW(
      dc, &lf,
      [](const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM trouve) -> int {
        *reinterpret_cast<bool*>(trouve) = true;
        return 0;
      },
      reinterpret_cast<LPARAM>(&trouvee), 0);
  ReleaseDC(nullptr, dc);
  return trouvee;
}

}  // namespace

Police CreePolice(UINT dpi, bool grasse, int pourcent) {
  static const std::wstring famille = [] {
    for (std::string_view f : fenetre::kFamillesPolice)
      if (PoliceInstallee(Large(f))) return Large(f);
    return std::wstring(L"MS Shell Dlg 2");
  }();
  const int hauteur = -MulDiv(fenetre::kTaillePolice * pourcent, static_cast<int>(dpi), 72 * 100);
  return Police(CreateFontW(hauteur, 0, 0, 0, grasse ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                            OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_SWISS,
                            famille.c_str()));
}

void AppliquePolice(HWND fenetre, HFONT police) {
  EnumChildWindows(
      fenetre,
      [](HWND enfant, LPARAM p) -> BOOL {
        SendMessageW(enfant, WM_SETFONT, static_cast<WPARAM>(p), TRUE);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(police));
}

}  // namespace corrinom::win32::annexes
