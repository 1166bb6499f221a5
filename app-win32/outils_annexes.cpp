#include "app-win32/outils_annexes.h"

#include <commdlg.h>

#include "text/encodage.h"
#include "window/controles.h"
#include "window/geometrie.h"

namespace corrinom::win32::annexes {

std::wstring Large(std::string_view cp1252) {
  const std::u16string u = Cp1252VersUtf16(cp1252);
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

std::wstring FamillePolice(const wchar_t* secours) {
  for (std::string_view f : fenetre::kFamillesPolice)
    if (PoliceInstallee(Large(f))) return Large(f);
  return secours;
}

Police CreePolice(UINT dpi, bool grasse, int pourcent) {
  static const std::wstring famille = FamillePolice(L"MS Shell Dlg 2");
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

HWND CreeFenetreAnnexe(HINSTANCE instance, const wchar_t* classe, const std::wstring& titre, int largeur96,
                       int hauteur96, HWND proprietaire, WNDPROC procedure, void* objet, UINT& dpi) {
  WNDCLASSEXW c{};
  c.cbSize = sizeof c;
  if (!GetClassInfoExW(instance, classe, &c)) {
    c.lpfnWndProc = DefWindowProcW;
    c.hInstance = instance;
    c.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    c.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    c.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));  // the program's icon in corrinom.rc
    c.lpszClassName = classe;
    RegisterClassExW(&c);
  }
  dpi = DpiDe(proprietaire);
  RECT r{0, 0, AEchelle(largeur96, dpi), AEchelle(hauteur96, dpi)};
  const DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
  AdjustWindowRectEx(&r, style, FALSE, WS_EX_CONTROLPARENT);
  HWND fenetre = CreateWindowExW(WS_EX_CONTROLPARENT, classe, titre.c_str(), style, CW_USEDEFAULT, CW_USEDEFAULT,
                                 r.right - r.left, r.bottom - r.top, proprietaire, nullptr, instance, nullptr);
  if (!fenetre) return nullptr;
  SetWindowLongPtrW(fenetre, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(objet));
  SetWindowLongPtrW(fenetre, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure));
  dpi = DpiDe(fenetre);
  return fenetre;
}

void BoucleModale(HWND fenetre, HWND proprietaire, HWND focus, bool& ouverte,
                  const std::function<bool(const MSG&)>& avant) {
  const bool proprietaireActif = proprietaire && IsWindowEnabled(proprietaire);
  if (proprietaireActif) EnableWindow(proprietaire, FALSE);
  ShowWindow(fenetre, SW_SHOWNORMAL);
  SetFocus(focus);
  ouverte = true;
  MSG msg;
  while (ouverte) {
    const BOOL lu = GetMessageW(&msg, nullptr, 0, 0);
    if (lu == 0) {
      PostQuitMessage(static_cast<int>(msg.wParam));  // the program ends: let the main loop see it
      break;
    }
    if (lu < 0) break;
    const bool dedans = msg.hwnd == fenetre || IsChild(fenetre, msg.hwnd);
    if (dedans && msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) {
      SendMessageW(fenetre, WM_CLOSE, 0, 0);
      continue;
    }
    if (avant && avant(msg)) continue;
    if (dedans && IsDialogMessageW(fenetre, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  if (proprietaireActif) {
    EnableWindow(proprietaire, TRUE);
    SetActiveWindow(proprietaire);
  }
  if (IsWindow(fenetre)) DestroyWindow(fenetre);
}

HDC ChoisitImprimante(HWND proprietaire, bool paysage) {
  PRINTDLGW pd{};
  pd.lStructSize = sizeof pd;
  pd.hwndOwner = proprietaire;
  // The default printer's settings first, so that the dialog opens on them.
  pd.Flags = PD_RETURNDEFAULT;
  if (paysage && PrintDlgW(&pd) && pd.hDevMode) {
    if (auto* mode = static_cast<DEVMODEW*>(GlobalLock(pd.hDevMode))) {
      mode->dmFields |= DM_ORIENTATION;
      mode->dmOrientation = DMORIENT_LANDSCAPE;
      GlobalUnlock(pd.hDevMode);
    }
  }
  pd.Flags = PD_RETURNDC | PD_NOSELECTION | PD_NOPAGENUMS | PD_USEDEVMODECOPIESANDCOLLATE;
  const BOOL choisi = PrintDlgW(&pd);
  if (pd.hDevMode) GlobalFree(pd.hDevMode);
  if (pd.hDevNames) GlobalFree(pd.hDevNames);
  if (!choisi) {
    if (pd.hDC) DeleteDC(pd.hDC);
    return nullptr;
  }
  return pd.hDC;
}

}  // namespace corrinom::win32::annexes
