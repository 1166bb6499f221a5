// sonde-fenetre.exe TITLE [--police FACE POINTS] [--suivre FIN]: looks at a shown window of another program, as a screen
// reader and a careful eye would, and prints what it finds on stdout, one fact a
// line, tab-separated, in UTF-8. TITLE is the start of the window's title.
//
//   fenetre   <title> <dpi>
//   controle  <class> <text> <accessible name> <where the name came from>
//             (every focusable control: visible, with a tab stop or of a kind
//             that takes the keyboard; the name as oleacc gives it; "libelle"
//             when oleacc found it in the label before the control, "texte" when
//             it is the control's own text, "aucune" when there is none)
//   texte     <class> <text> <text width> <room> <ok|COUPE|TOUCHE <neighbour>>
//             (every label, button and group caption: its text measured with its
//             own font against its own box and up to the nearest control beside it)
//   parties   <bar width> <right edges...>   (a status bar's panels)
//   focus     <class> <accessible name> <shown 0|1>
//   premiere  <list's accessible name> <column title>=<text>...
//             (each list's first row, every column, hidden ones too, as a screen
//             reader gets them from the list)
//
// With --suivre FIN it follows the window instead (see Suit).
//   police    <"de la fenetre" | "refaite": made from FACE and POINTS>
//   bilan     <unnamed controls> <texts cut or touching>
//
// Exit status 0 when the window was found, 2 when it was not. oleacc.dll is loaded
// at run time: the program imports only the DLLs every Windows has.
#include <windows.h>

#include <commctrl.h>
#include <oleacc.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

std::string Utf8(const std::wstring& t) {
  if (t.empty()) return {};
  const int n = WideCharToMultiByte(CP_UTF8, 0, t.data(), static_cast<int>(t.size()), nullptr, 0, nullptr, nullptr);
  std::string s(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, t.data(), static_cast<int>(t.size()), s.data(), n, nullptr, nullptr);
  return s;
}

// Tabs and line breaks of a text would break the line format.
std::string Champ(const std::wstring& t) {
  std::string s = Utf8(t);
  for (char& c : s)
    if (c == '\t' || c == '\n' || c == '\r') c = ' ';
  return s;
}

void Ligne(const std::vector<std::string>& champs) {
  std::string l;
  for (std::size_t i = 0; i < champs.size(); ++i) l += (i ? "\t" : "") + champs[i];
  l += '\n';
  DWORD ecrits = 0;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), l.data(), static_cast<DWORD>(l.size()), &ecrits, nullptr);
}

std::wstring Classe(HWND h) {
  wchar_t c[64] = {};
  GetClassNameW(h, c, 64);
  return c;
}

bool EstClasse(HWND h, const wchar_t* classe) { return lstrcmpiW(Classe(h).c_str(), classe) == 0; }

std::wstring Texte(HWND h) {
  // WM_GETTEXT crosses processes; the text comes back in this one.
  wchar_t t[1024] = {};
  SendMessageTimeoutW(h, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(t), SMTO_ABORTIFHUNG, 2000, nullptr);
  return t;
}

struct Recherche {
  std::wstring debut;
  HWND trouvee = nullptr;
};

BOOL CALLBACK TrouveFenetre(HWND h, LPARAM l) {
  auto& r = *reinterpret_cast<Recherche*>(l);
  DWORD pid = 0;
  GetWindowThreadProcessId(h, &pid);
  if (!IsWindowVisible(h) || pid == GetCurrentProcessId()) return TRUE;
  wchar_t titre[512] = {};
  GetWindowTextW(h, titre, 512);
  if (std::wstring(titre).rfind(r.debut, 0) != 0) return TRUE;
  r.trouvee = h;
  return FALSE;
}

BOOL CALLBACK AjouteEnfant(HWND h, LPARAM l) {
  reinterpret_cast<std::vector<HWND>*>(l)->push_back(h);
  return TRUE;
}

// The controls that live inside another control (a list's header, a combo's
// list) are that control's parts, not controls of the window.
bool DansUnControle(HWND h, HWND haut) {
  for (HWND p = GetParent(h); p && p != haut; p = GetParent(p)) {
    const std::wstring c = Classe(p);
    if (lstrcmpiW(c.c_str(), L"Static") != 0 && lstrcmpiW(c.c_str(), L"Button") != 0 &&
        lstrcmpiW(c.c_str(), L"#32770") != 0)
      return true;
  }
  return false;
}

bool EstCadre(HWND h) {
  return EstClasse(h, L"Button") && (GetWindowLongW(h, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
}

bool PrendLeClavier(HWND h) {
  const LONG style = GetWindowLongW(h, GWL_STYLE);
  if (!IsWindowVisible(h) || EstCadre(h)) return false;
  if (style & WS_TABSTOP) return true;
  for (const wchar_t* c : {L"Edit", L"ComboBox", L"SysListView32", L"ListBox", L"SysTreeView32", L"Button",
                           L"RichEdit20W", L"RICHEDIT50W"})
    if (EstClasse(h, c)) return true;
  return false;
}

using AccessibleDeFenetre = HRESULT(WINAPI*)(HWND, DWORD, REFIID, void**);
AccessibleDeFenetre accessibleDeFenetre = nullptr;
const IID kIidAccessible = {0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

std::wstring NomAccessible(HWND h) {
  if (!accessibleDeFenetre) return {};
  IAccessible* acc = nullptr;
  if (FAILED(accessibleDeFenetre(h, static_cast<DWORD>(OBJID_CLIENT), kIidAccessible, reinterpret_cast<void**>(&acc))) ||
      !acc)
    return {};
  VARIANT moi;
  VariantInit(&moi);
  moi.vt = VT_I4;
  moi.lVal = CHILDID_SELF;
  BSTR nom = nullptr;
  std::wstring resultat;
  if (acc->get_accName(moi, &nom) == S_OK && nom) resultat.assign(nom, SysStringLen(nom));
  if (nom) SysFreeString(nom);
  acc->Release();
  return resultat;
}

// A rectangle in the top window's client area.
RECT Place(HWND h, HWND haut) {
  RECT r;
  GetWindowRect(h, &r);
  MapWindowPoints(nullptr, haut, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

// The font a control draws with. Its handle (WM_GETFONT) belongs to the
// control's process: where this system lets GetObject read it from here, the
// probe makes the same font; otherwise (Wine keeps GDI handles per process) it
// makes the face and size it was given.
std::wstring faceSecours;
int pointsSecours = 0;
bool policeSecourue = false;

HFONT PoliceDe(HWND h, int dpi) {
  LOGFONTW lf{};
  const auto distante = reinterpret_cast<HFONT>(SendMessageW(h, WM_GETFONT, 0, 0));
  if (distante && GetObjectW(distante, sizeof lf, &lf) == sizeof lf) return CreateFontIndirectW(&lf);
  if (faceSecours.empty()) return nullptr;
  policeSecourue = true;
  lf.lfHeight = -MulDiv(pointsSecours, dpi, 72);
  lf.lfWeight = FW_NORMAL;
  lf.lfCharSet = DEFAULT_CHARSET;
  lf.lfPitchAndFamily = DEFAULT_PITCH | FF_SWISS;
  lstrcpynW(lf.lfFaceName, faceSecours.c_str(), LF_FACESIZE);
  return CreateFontIndirectW(&lf);
}

int dpiFenetre = 96;

SIZE Mesure(HWND h, const std::wstring& t, UINT format, int largeur) {
  HDC dc = GetDC(h);
  HFONT police = PoliceDe(h, dpiFenetre);
  HGDIOBJ avant = police ? SelectObject(dc, police) : nullptr;
  RECT r{0, 0, largeur, 0};
  DrawTextW(dc, t.c_str(), static_cast<int>(t.size()), &r, format | DT_CALCRECT | DT_NOPREFIX);
  if (avant) SelectObject(dc, avant);
  if (police) DeleteObject(police);
  ReleaseDC(h, dc);
  return {r.right - r.left, r.bottom - r.top};
}

// Where a control's text is drawn, in the top window's client area; `boite` the
// room it is given. False for a control whose text is no label (an edit box's).
bool ZoneTexte(HWND h, HWND haut, int dpi, RECT& texte, RECT& boite, std::wstring& t) {
  const LONG style = GetWindowLongW(h, GWL_STYLE);
  t = Texte(h);
  if (t.empty()) return false;
  boite = Place(h, haut);
  const int largeur = boite.right - boite.left;
  texte = boite;
  if (EstClasse(h, L"Static")) {
    const LONG type = style & SS_TYPEMASK;
    if (type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT) {
      // A label that wraps keeps its width and needs the height of its lines.
      const SIZE s = Mesure(h, t, DT_WORDBREAK, largeur);
      texte.bottom = texte.top + s.cy;
      if (type == SS_LEFT) return true;
      const SIZE une = Mesure(h, t, DT_SINGLELINE, 0);
      if (une.cx <= largeur) {
        texte.bottom = texte.top + une.cy;
        texte.left = type == SS_RIGHT ? boite.right - une.cx : boite.left + (largeur - une.cx) / 2;
        texte.right = texte.left + une.cx;
      }
      return true;
    }
    if (type == SS_LEFTNOWORDWRAP) {
      const SIZE s = Mesure(h, t, DT_SINGLELINE, 0);
      texte.right = texte.left + s.cx;
      texte.bottom = texte.top + s.cy;
      return true;
    }
    return false;
  }
  // A picture button's text is its name, not shown.
  if (!EstClasse(h, L"Button") || (style & (BS_ICON | BS_BITMAP))) return false;
  const SIZE s = Mesure(h, t, DT_SINGLELINE, 0);
  if (EstCadre(h)) {
    // A group's caption sits on its top line, a few pixels in from its left.
    texte.left = boite.left + MulDiv(8, dpi, 96);
    texte.right = texte.left + s.cx;
    texte.bottom = texte.top + s.cy;
    boite.bottom = texte.bottom;
    return true;
  }
  // A button's caption is centred; its border and focus frame take 4 pixels a side.
  const int marge = MulDiv(4, dpi, 96);
  boite.left += marge;
  boite.right -= marge;
  texte.left = (boite.left + boite.right - s.cx) / 2;
  texte.right = texte.left + s.cx;
  texte.top = (boite.top + boite.bottom - s.cy) / 2;
  texte.bottom = texte.top + s.cy;
  return true;
}

bool Contient(const RECT& a, const RECT& b) {
  return a.left <= b.left && a.top <= b.top && a.right >= b.right && a.bottom >= b.bottom;
}

// The keyboard focus of the window's thread, and whether the window shows it
// (Windows hides focus frames until the keyboard is used): a "focus" line.
HWND ControleFocus(HWND haut) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(GetWindowThreadProcessId(haut, nullptr), &info) ? info.hwndFocus : nullptr;
}

std::vector<std::string> Focus(HWND haut) {
  const HWND f = ControleFocus(haut);
  if (!f) return {};
  const LRESULT etat = SendMessageW(haut, WM_QUERYUISTATE, 0, 0);
  return {"focus", Champ(Classe(f)), Champ(NomAccessible(f)), (etat & UISF_HIDEFOCUS) ? "0" : "1"};
}

// Follows the window while the session presses keys: prints "pret", then a line
// each time the focus or a shown text (labels, choices) settles on a new state:
// the focus line with the texts after it. Ends when the file `fin` exists or the window goes.
void Suit(HWND haut, const std::wstring& fin) {
  Ligne({"pret"});
  std::vector<std::string> avant, precedent;
  HWND focusVu = nullptr;
  for (int tour = 0; tour < 6000 && IsWindow(haut) && GetFileAttributesW(fin.c_str()) == INVALID_FILE_ATTRIBUTES;
       ++tour) {
    const HWND focus = ControleFocus(haut);
    std::vector<std::string> etat = Focus(haut);
    if (etat.empty()) etat = {"focus", "", "", "0"};
    std::vector<HWND> enfants;
    EnumChildWindows(haut, &AjouteEnfant, reinterpret_cast<LPARAM>(&enfants));
    std::string textes;
    for (HWND h : enfants) {
      if (!IsWindowVisible(h) || DansUnControle(h, haut) ||
          !(EstClasse(h, L"Static") || EstClasse(h, L"ComboBox")))
        continue;
      const std::wstring t = Texte(h);
      if (!t.empty()) textes += (textes.empty() ? "" : " | ") + Champ(t);
    }
    etat.push_back(textes);
    // A new focus is printed at once. The texts take a while to read: a key
    // pressed meanwhile can show half its effect, so they are printed once two
    // readings in a row agree.
    if (focus != focusVu || (etat == precedent && etat != avant)) {
      focusVu = focus;
      Ligne(etat);
      avant = etat;
    }
    precedent = std::move(etat);
    Sleep(20);
  }
}

}  // namespace

// A list's first row, column by column. The list answers into its own process:
// the column and item records and their text buffer are made there, read back.
std::vector<std::string> PremiereLigne(HWND liste) {
  std::vector<std::string> champs{"premiere", Champ(NomAccessible(liste))};
  if (SendMessageW(liste, LVM_GETITEMCOUNT, 0, 0) <= 0) return champs;
  const HWND entete = reinterpret_cast<HWND>(SendMessageW(liste, LVM_GETHEADER, 0, 0));
  const int colonnes = entete ? static_cast<int>(SendMessageW(entete, HDM_GETITEMCOUNT, 0, 0)) : 1;
  DWORD pid = 0;
  GetWindowThreadProcessId(liste, &pid);
  HANDLE processus = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
  if (!processus) return champs;
  constexpr int kTaille = 256;
  struct Distant {
    LVCOLUMNW colonne;
    LVITEMW item;
    wchar_t texte[kTaille];
  };
  auto* d = static_cast<Distant*>(
      VirtualAllocEx(processus, nullptr, sizeof(Distant), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
  // Sends the message with the record at `distant` filled from `local`; the text it gave.
  const auto demande = [&](UINT message, WPARAM wp, void* distant, const void* local, std::size_t taille) {
    wchar_t texte[kTaille] = {};
    if (WriteProcessMemory(processus, distant, local, taille, nullptr)) {
      SendMessageW(liste, message, wp, reinterpret_cast<LPARAM>(distant));
      ReadProcessMemory(processus, d->texte, texte, sizeof texte, nullptr);
    }
    texte[kTaille - 1] = L'\0';
    return std::wstring(texte);
  };
  for (int c = 0; d && c < colonnes; ++c) {
    LVCOLUMNW colonne{};
    colonne.mask = LVCF_TEXT;
    colonne.pszText = d->texte;
    colonne.cchTextMax = kTaille;
    const std::wstring titre = demande(LVM_GETCOLUMNW, c, &d->colonne, &colonne, sizeof colonne);
    LVITEMW item{};
    item.iSubItem = c;
    item.pszText = d->texte;
    item.cchTextMax = kTaille;
    champs.push_back(Champ(titre) + "=" + Champ(demande(LVM_GETITEMTEXTW, 0, &d->item, &item, sizeof item)));
  }
  if (d) VirtualFreeEx(processus, d, 0, MEM_RELEASE);
  CloseHandle(processus);
  return champs;
}

int wmain(int argc, wchar_t** argv) {
  std::wstring fin;
  bool usage = argc < 2;
  for (int i = 2; i < argc && !usage; ++i) {
    if (lstrcmpW(argv[i], L"--police") == 0 && i + 2 < argc) {
      faceSecours = argv[++i];
      pointsSecours = _wtoi(argv[++i]);
    } else if (lstrcmpW(argv[i], L"--suivre") == 0 && i + 1 < argc) {
      fin = argv[++i];
    } else {
      usage = true;
    }
  }
  if (usage) {
    std::fputs("usage: sonde-fenetre TITRE [--police FACE POINTS] [--suivre FIN]\n", stderr);
    return 64;
  }
  SetProcessDPIAware();
  CoInitialize(nullptr);
  if (HMODULE oleacc = LoadLibraryW(L"oleacc.dll"))
    accessibleDeFenetre =
        reinterpret_cast<AccessibleDeFenetre>(reinterpret_cast<void*>(GetProcAddress(oleacc, "AccessibleObjectFromWindow")));

  Recherche recherche{argv[1]};
  for (int essai = 0; essai < 50 && !recherche.trouvee; ++essai) {
    EnumWindows(&TrouveFenetre, reinterpret_cast<LPARAM>(&recherche));
    if (!recherche.trouvee) Sleep(100);
  }
  const HWND haut = recherche.trouvee;
  if (!haut) {
    std::fputs("sonde-fenetre: no such window\n", stderr);
    return 2;
  }
  // The resolution the session gave the system.
  HDC ecran = GetDC(nullptr);
  const int dpi = GetDeviceCaps(ecran, LOGPIXELSY);
  ReleaseDC(nullptr, ecran);
  dpiFenetre = dpi;
  if (!fin.empty()) {
    Suit(haut, fin);
    return 0;
  }
  Ligne({"fenetre", Champ(Texte(haut)), std::to_string(dpi)});
  if (!accessibleDeFenetre) Ligne({"oleacc", "absent"});

  std::vector<HWND> enfants;
  EnumChildWindows(haut, &AjouteEnfant, reinterpret_cast<LPARAM>(&enfants));
  int sansNom = 0, coupes = 0;
  for (HWND h : enfants) {
    if (DansUnControle(h, haut) || !PrendLeClavier(h)) continue;
    const std::wstring nom = NomAccessible(h), texte = Texte(h);
    const char* source = nom.empty() ? "aucune" : nom == texte ? "texte" : "libelle";
    if (nom.empty()) ++sansNom;
    Ligne({"controle", Champ(Classe(h)), Champ(texte), Champ(nom), source});
  }

  for (HWND h : enfants) {
    if (!IsWindowVisible(h) || DansUnControle(h, haut)) continue;
    RECT texte, boite;
    std::wstring t;
    if (ZoneTexte(h, haut, dpi, texte, boite, t)) {
      std::string verdict = "ok";
      if (!Contient(boite, texte)) verdict = "COUPE";
      // Its text must not reach another control beside it: at least 2 pixels apart.
      for (HWND autre : enfants) {
        if (verdict != "ok") break;
        if (autre == h || !IsWindowVisible(autre) || DansUnControle(autre, haut) || EstCadre(autre)) continue;
        if (GetParent(autre) != GetParent(h)) continue;
        RECT a = Place(autre, haut);
        // A label beside it is only as wide as its text; an empty one still
        // paints its background over its whole box.
        const LONG type = GetWindowLongW(autre, GWL_STYLE) & SS_TYPEMASK;
        if (EstClasse(autre, L"Static") &&
            (type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT || type == SS_LEFTNOWORDWRAP)) {
          RECT boiteAutre;
          std::wstring texteAutre;
          if (ZoneTexte(autre, haut, dpi, a, boiteAutre, texteAutre)) {
            a.left = std::max(a.left, boiteAutre.left);
            a.right = std::min(a.right, boiteAutre.right);
          }
        }
        if (a.right <= a.left || a.bottom <= a.top || Contient(a, boite)) continue;
        // A group's caption only meets what crosses its top line.
        const bool cadre = EstCadre(h);
        if (cadre && !(a.top < texte.bottom && a.bottom > texte.top)) continue;
        if (a.top < texte.bottom && a.bottom > texte.top && a.left < texte.right + 2 && a.right > texte.left - 2) {
          const std::wstring nomAutre = Texte(autre);
          verdict = "TOUCHE " + Champ(Classe(autre)) + (nomAutre.empty() ? "" : " " + Champ(nomAutre));
        }
      }
      if (verdict != "ok") ++coupes;
      Ligne({"texte", Champ(Classe(h)), Champ(t), std::to_string(texte.right - texte.left),
             std::to_string(boite.right - boite.left), verdict});
    }
    if (EstClasse(h, STATUSCLASSNAMEW)) {
      // SB_GETPARTS writes into the bar's own process: a buffer there, read back.
      DWORD pid = 0;
      GetWindowThreadProcessId(h, &pid);
      HANDLE processus = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
      if (!processus) continue;
      int bords[16] = {};
      void* distant = VirtualAllocEx(processus, nullptr, sizeof bords, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
      if (distant) {
        const int n = static_cast<int>(SendMessageW(h, SB_GETPARTS, 16, reinterpret_cast<LPARAM>(distant)));
        SIZE_T lus = 0;
        if (n > 0 && ReadProcessMemory(processus, distant, bords, sizeof bords, &lus)) {
          RECT r;
          GetClientRect(h, &r);
          std::vector<std::string> champs{"parties", std::to_string(r.right)};
          for (int i = 0; i < n && i < 16; ++i) champs.push_back(std::to_string(bords[i]));
          Ligne(champs);
        }
        VirtualFreeEx(processus, distant, 0, MEM_RELEASE);
      }
      CloseHandle(processus);
    }
  }

  for (HWND h : enfants)
    if (IsWindowVisible(h) && EstClasse(h, WC_LISTVIEWW)) Ligne(PremiereLigne(h));
  if (const std::vector<std::string> f = Focus(haut); !f.empty()) Ligne(f);
  Ligne({"police", policeSecourue ? "refaite" : "de la fenetre"});
  Ligne({"bilan", std::to_string(sansNom), std::to_string(coupes)});
  CoUninitialize();
  return 0;
}
