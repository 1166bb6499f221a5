#include "app-win32/outils_annexes.h"

#include <commctrl.h>
#include <commdlg.h>
// The annotation service's identifiers are defined here: the program does not
// link oleacc.dll, which COM loads when asked for the service.
#include <initguid.h>
#include <oleacc.h>

#include <algorithm>
#include <cwchar>

#include "app-win32/ressources.h"
#include "window/accessibilite.h"
#include "window/controles.h"
#include "window/geometrie.h"
#include "window/liste_changements.h"

namespace corrinom::win32::annexes {

HWND CreeControle(HWND parent, const Sorte& sorte, std::string_view texte, int id, HINSTANCE instance) {
  return CreateWindowExW(sorte.styleEtendu, sorte.classe, DeCp1252(texte).c_str(), WS_CHILD | WS_VISIBLE | sorte.style,
                         0, 0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
}

void NommeControle(HWND controle, std::string_view nom, HWND libelle) {
  if (!controle) return;
  wchar_t classe[16] = {};
  GetClassNameW(controle, classe, 16);
  if (libelle) {
    const HWND avant = GetWindow(controle, GW_HWNDPREV);
    if (avant != libelle)
      SetWindowPos(libelle, avant ? avant : HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (lstrcmpiW(classe, L"Edit") == 0) return;  // its text is what the operator types
  }
  SetWindowTextW(controle, DeCp1252(fenetre::NomAccessibleDe(nom)).c_str());
}

void AnnoteNom(HWND controle, std::string_view nom) {
  IAccPropServices* services = nullptr;
  if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                              reinterpret_cast<void**>(&services))) ||
      !services)
    return;
  const std::wstring texte = DeCp1252(fenetre::NomAccessibleDe(nom));
  services->SetHwndPropStr(controle, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, PROPID_ACC_NAME, texte.c_str());
  services->Release();
}

HWND CreeBulles(HWND fenetre, DWORD style, DWORD styleEtendu) {
  return CreateWindowExW(styleEtendu, TOOLTIPS_CLASSW, nullptr, WS_POPUP | style, CW_USEDEFAULT, CW_USEDEFAULT,
                         CW_USEDEFAULT, CW_USEDEFAULT, fenetre, nullptr,
                         reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(fenetre, GWLP_HINSTANCE)), nullptr);
}

void AjouteBulle(HWND bulles, HWND fenetre, HWND outil, wchar_t* texte) {
  TTTOOLINFOW info{};
  info.cbSize = sizeof info;
  info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  info.hwnd = fenetre;
  info.uId = reinterpret_cast<UINT_PTR>(outil);
  info.lpszText = texte;
  SendMessageW(bulles, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

void InsereColonne(HWND liste, int rang, std::string_view titre, int largeur, bool aDroite) {
  std::wstring texte = DeCp1252(titre);
  LVCOLUMNW colonne{};
  colonne.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM | LVCF_FMT;
  colonne.fmt = aDroite ? LVCFMT_RIGHT : LVCFMT_LEFT;
  colonne.pszText = texte.data();
  colonne.cx = largeur;
  colonne.iSubItem = rang;
  SendMessageW(liste, LVM_INSERTCOLUMNW, static_cast<WPARAM>(rang), reinterpret_cast<LPARAM>(&colonne));
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
    if (PoliceInstallee(DeCp1252(f))) return DeCp1252(f);
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

void InscritClasse(HINSTANCE instance, const wchar_t* classe, WNDPROC procedure) {
  WNDCLASSEXW c{};
  c.cbSize = sizeof c;
  if (GetClassInfoExW(instance, classe, &c)) return;
  c.lpfnWndProc = procedure;
  c.hInstance = instance;
  c.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  c.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  c.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(kIconeProgramme));
  c.lpszClassName = classe;
  RegisterClassExW(&c);
}

HWND CreeFenetreAnnexe(HINSTANCE instance, const wchar_t* classe, std::string_view titre, fenetre::Taille client96,
                       DWORD style, DWORD etendu, HWND proprietaire, bool centree, WNDPROC procedure, void* objet,
                       UINT& dpi) {
  InscritClasse(instance, classe, DefWindowProcW);
  dpi = DpiDe(proprietaire);
  RECT r{0, 0, AEchelle(client96.largeur, dpi), AEchelle(client96.hauteur, dpi)};
  AdjustWindowRectEx(&r, style, FALSE, etendu);
  const fenetre::Taille taille{r.right - r.left, r.bottom - r.top};
  fenetre::Point coin{CW_USEDEFAULT, CW_USEDEFAULT};
  if (centree) {
    RECT autour{};
    if (!proprietaire || !GetWindowRect(proprietaire, &autour)) SystemParametersInfoW(SPI_GETWORKAREA, 0, &autour, 0);
    coin = fenetre::Centre(taille, DeRect(autour));
  }
  HWND fenetre = CreateWindowExW(etendu, classe, DeCp1252(titre).c_str(), style, coin.x, coin.y, taille.largeur,
                                 taille.hauteur, proprietaire, nullptr, instance, nullptr);
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

std::wstring Filtre(std::string_view filtre) {
  const std::size_t ouvrante = filtre.rfind('(');
  std::wstring r = DeCp1252(filtre);
  r.push_back(L'\0');
  r += DeCp1252(filtre.substr(ouvrante + 1, filtre.size() - ouvrante - 2));
  r.append(2, L'\0');
  return r;
}

std::optional<std::wstring> ChoisitFichier(HWND proprietaire, Choix choix, std::string_view titre,
                                           const std::wstring& filtres, std::wstring nom, const std::wstring& dossier) {
  nom.resize(std::max<std::size_t>(nom.size() + 1, choix == Choix::Ouvrir ? 32768 : MAX_PATH), L'\0');
  const std::wstring legende = DeCp1252(titre), extension = DeCp1252(fenetre::kExtensionChangements);
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = proprietaire;
  ofn.lpstrFilter = filtres.c_str();
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = nom.data();
  ofn.nMaxFile = static_cast<DWORD>(nom.size());
  ofn.lpstrInitialDir = dossier.empty() ? nullptr : dossier.c_str();
  ofn.lpstrTitle = titre.empty() ? nullptr : legende.c_str();
  switch (choix) {
    case Choix::Ouvrir: ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_ENABLESIZING; break;
    case Choix::Existant: ofn.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR; break;
    case Choix::Enregistrer:
      ofn.lpstrDefExt = extension.c_str();
      ofn.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR;
      break;
  }
  if (!(choix == Choix::Enregistrer ? GetSaveFileNameW(&ofn) : GetOpenFileNameW(&ofn))) return std::nullopt;
  nom.resize(std::wcslen(nom.c_str()));
  return nom;
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

fenetre::PageImprimee PageImprimante(HDC dc) {
  return fenetre::PageAvecMarges({GetDeviceCaps(dc, PHYSICALWIDTH), GetDeviceCaps(dc, PHYSICALHEIGHT)},
                                 {GetDeviceCaps(dc, PHYSICALOFFSETX), GetDeviceCaps(dc, PHYSICALOFFSETY)},
                                 GetDeviceCaps(dc, LOGPIXELSX), GetDeviceCaps(dc, LOGPIXELSY));
}

Police PoliceImprimee(HDC dc, int points, bool grasse) {
  return Police(CreateFontW(fenetre::HauteurPolice(points, GetDeviceCaps(dc, LOGPIXELSY)), 0, 0, 0,
                            grasse ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                            CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, L"Arial"));
}

int ImprimeDocument(HDC dc, std::string_view titre, const std::function<Suite(int page)>& page) {
  const std::wstring nom = DeCp1252(titre);
  DOCINFOW doc{};
  doc.cbSize = sizeof doc;
  doc.lpszDocName = nom.c_str();
  if (StartDocW(dc, &doc) <= 0) return -1;
  int pages = 0;
  for (Suite suite = Suite::Autre; suite == Suite::Autre; ++pages) {
    suite = StartPage(dc) > 0 ? page(pages) : Suite::Echec;
    if (suite == Suite::Echec || EndPage(dc) <= 0) {
      AbortDoc(dc);
      return -1;
    }
  }
  EndDoc(dc);
  return pages;
}

void FenetreAnnexe::Montre(const wchar_t* classe, std::string_view titre, fenetre::Taille taille,
                           const std::function<bool(const MSG&)>& avant, bool redimensionnable) {
  const DWORD style = redimensionnable ? WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN : WS_POPUP | WS_CAPTION | WS_SYSMENU;
  const DWORD etendu = WS_EX_CONTROLPARENT | (redimensionnable ? 0 : WS_EX_DLGMODALFRAME);
  fenetre_ = CreeFenetreAnnexe(instance_, classe, titre, taille, style, etendu, proprietaire_, !redimensionnable,
                               &ProcedureDe<FenetreAnnexe>, this, dpi_);
  if (!fenetre_) return;
  FormCreate();
  police_ = CreePolice(dpi_);
  AppliquePolice(fenetre_, police_.get());
  RECT client;
  GetClientRect(fenetre_, &client);
  dispose_ = true;
  FormResize({client.right, client.bottom});
  FormShow();
  BoucleModale(fenetre_, proprietaire_, Focus(), ouverte_, avant);
  fenetre_ = nullptr;
}

LRESULT FenetreAnnexe::Traite(HWND hwnd, UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_SIZE:
      if (dispose_) FormResize({LOWORD(l), HIWORD(l)});
      return 0;
    case WM_COMMAND:
      if (LOWORD(w) == IDCANCEL) ouverte_ = false;
      else Commande(LOWORD(w), HIWORD(w));
      return 0;
    case WM_NOTIFY:
      return Notification(*reinterpret_cast<const NMHDR*>(l));
    case WM_CLOSE:
      ouverte_ = false;
      return 0;
    default:
      return DefWindowProcW(hwnd, message, w, l);
  }
}

}  // namespace corrinom::win32::annexes
