#include "app-win32/form_corrinom.h"

#include <windowsx.h>

#include <algorithm>
#include <cstring>
#include <cwchar>
#include <utility>

#include "app-win32/dialogues_win32.h"
#include "app-win32/form_aide.h"
#include "app-win32/form_changements.h"
#include "app-win32/form_ressemblance.h"
#include "app-win32/outils_annexes.h"
#include "app-win32/texte_win32.h"
#include "text/encodage.h"
#include "window/accessibilite.h"
#include "window/confort.h"
#include "window/fenetres_annexes.h"
#include "window/geometrie.h"
#include "window/images_marques.h"

namespace corrinom::win32 {

using fenetre::Genre;
using fenetre::Redessin;

namespace {

constexpr wchar_t kClasse[] = L"TFormCorrinom";
constexpr int kPremierId = 100;  // a control's id is its rank in the table plus this
// The account list's hidden column after its last one: the marks' words.
constexpr int kColonneMarque = static_cast<int>(fenetre::kColonnesComptes.size());

std::wstring TexteDe(HWND controle) {
  const int n = GetWindowTextLengthW(controle);
  std::wstring t(static_cast<std::size_t>(n) + 1, L'\0');
  GetWindowTextW(controle, t.data(), n + 1);
  t.resize(static_cast<std::size_t>(n));
  return t;
}

// The window class and styles of a control of the table; no class for what is no
// window of its own (the window itself, the splitters, a band without text).
annexes::Sorte SorteDe(const fenetre::Controle& c) {
  const bool centre = c.style & fenetre::kTexteCentre, aLaLigne = c.style & fenetre::kTexteALaLigne;
  switch (c.genre) {
    case Genre::Fenetre: case Genre::Separateur: break;
    case Genre::Bande:
      if (c.texte.empty()) break;
      return {WC_STATICW, static_cast<DWORD>(SS_NOPREFIX | (centre ? SS_CENTER | SS_CENTERIMAGE : SS_LEFT)), 0};
    case Genre::Libelle:
      if (c.style & fenetre::kTexteADroite) return {WC_STATICW, SS_RIGHT | SS_NOPREFIX, 0};
      return {WC_STATICW, static_cast<DWORD>(SS_NOPREFIX | (aLaLigne ? SS_LEFT : SS_LEFTNOWORDWRAP)), 0};
    case Genre::Edition: return {WC_EDITW, ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case Genre::Bouton: return {WC_BUTTONW, BS_PUSHBUTTON | BS_NOTIFY, 0};
    case Genre::Cadre: return {WC_BUTTONW, BS_GROUPBOX, 0};
    case Genre::Liste:
      return {WC_LISTVIEWW, LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_OWNERDATA, WS_EX_CLIENTEDGE};
    case Genre::Trait: return {WC_STATICW, SS_ETCHEDHORZ, 0};
    case Genre::Image: return {WC_STATICW, SS_ICON | SS_REALSIZECONTROL, 0};
    case Genre::Choix:
      return {WC_COMBOBOXW, CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS | WS_VSCROLL, 0};
    case Genre::BarreEtat: return {STATUSCLASSNAMEW, SBARS_SIZEGRIP | SBARS_TOOLTIPS, 0};
  }
  return {};
}

// The size of `texte` drawn in `police` on `controle`.
SIZE TailleTexte(HWND controle, const std::wstring& texte, HFONT police) {
  HDC dc = GetDC(controle);
  HGDIOBJ avant = SelectObject(dc, police);
  SIZE s{};
  GetTextExtentPoint32W(dc, texte.c_str(), static_cast<int>(texte.size()), &s);
  SelectObject(dc, avant);
  ReleaseDC(controle, dc);
  return s;
}

// A mark's picture as an icon of `cote` pixels, drawn with its alpha channel.
HICON CreeIconeMarque(Marque marque, int cote) {
  const fenetre::ImageMarque image = fenetre::DessineMarque(marque, cote);
  BITMAPV5HEADER entete{};
  entete.bV5Size = sizeof entete;
  entete.bV5Width = cote;
  entete.bV5Height = -cote;  // rows from the top, as the picture holds them
  entete.bV5Planes = 1;
  entete.bV5BitCount = 32;
  entete.bV5Compression = BI_BITFIELDS;
  entete.bV5RedMask = 0x00FF0000;
  entete.bV5GreenMask = 0x0000FF00;
  entete.bV5BlueMask = 0x000000FF;
  entete.bV5AlphaMask = 0xFF000000;
  void* bits = nullptr;
  HDC ecran = GetDC(nullptr);
  HBITMAP couleurs =
      CreateDIBSection(ecran, reinterpret_cast<BITMAPINFO*>(&entete), DIB_RGB_COLORS, &bits, nullptr, 0);
  ReleaseDC(nullptr, ecran);
  if (!couleurs) return nullptr;
  std::memcpy(bits, image.argb.data(), image.argb.size() * sizeof image.argb[0]);
  // An all-opaque mask: the alpha channel alone shapes the dot. Its rows are words.
  const std::vector<BYTE> zeros(static_cast<std::size_t>((cote + 15) / 16 * 2 * cote), 0);
  HBITMAP masque = CreateBitmap(cote, cote, 1, 1, zeros.data());
  ICONINFO info{TRUE, 0, 0, masque, couleurs};
  HICON icone = CreateIconIndirect(&info);
  DeleteObject(masque);
  DeleteObject(couleurs);
  return icone;
}

}  // namespace

TFormCorrinom::TFormCorrinom(HINSTANCE instance, EtatRapprochement& etat, MagasinComptes& magasin,
                             std::wstring nomBase, DialoguesWin32& boites)
    : instance_(instance),
      etat_(etat),
      nomBase_(std::move(nomBase)),
      boites_(boites),
      dialogues_(std::make_unique<fenetre::DialoguesFenetre>(
          boites, [this](std::string_view texte) { Indication(texte); })),
      logique_(std::make_unique<fenetre::LogiqueFenetre>(etat, magasin, *dialogues_,
                                                        static_cast<fenetre::VueFenetre&>(*this))) {}

TFormCorrinom::~TFormCorrinom() {
  if (hwnd_) DestroyWindow(hwnd_);
  if (ImageListRougeVertGris_) ImageList_Destroy(ImageListRougeVertGris_);
  for (HICON i : icones_)
    if (i) DestroyIcon(i);
}

int TFormCorrinom::E(int pixels96) const { return fenetre::AEchelle(pixels96, static_cast<int>(dpi_)); }

HWND TFormCorrinom::Controle(std::string_view nom) const {
  for (const ControleCree& c : controles_)
    if (c.controle->nom == nom) return c.hwnd;
  return nullptr;
}

const char* TFormCorrinom::NomDe(HWND controle) const {
  for (const ControleCree& c : controles_)
    if (c.hwnd == controle) return c.controle->nom.data();
  return "";
}

bool TFormCorrinom::Cree() {
  annexes::InscritClasse(instance_, kClasse, &annexes::ProcedureDe<TFormCorrinom>);

  // No WS_CLIPCHILDREN: the group boxes are drawn over the window's own background.
  const DWORD style = WS_OVERLAPPEDWINDOW;
  hwnd_ = CreateWindowExW(WS_EX_CONTROLPARENT, kClasse, DeCp1252(fenetre::kTitreFenetre).c_str(), style,
                          CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance_,
                          this);
  if (!hwnd_) return false;
  dpi_ = annexes::DpiDe(hwnd_);
  separateurs_ = fenetre::SuiviSeparateurs(static_cast<int>(dpi_));
  CreeControles();
  CreeImages();
  OrdreFocus();
  CreeListes();
  AppliquePolice();

  // Centred on the screen at the design size, then AjusteFenetre for its resolution.
  RECT cadre{0, 0, fenetre::kTailleClient.largeur, fenetre::kTailleClient.hauteur};
  AdjustWindowRectEx(&cadre, style, FALSE, WS_EX_CONTROLPARENT);
  MONITORINFO mi{};
  mi.cbSize = sizeof mi;
  GetMonitorInfoW(MonitorFromWindow(hwnd_, MONITOR_DEFAULTTOPRIMARY), &mi);
  const fenetre::Rectangle bureau = annexes::DeRect(mi.rcWork);
  fenetre::GeometrieFenetre g;
  g.client = fenetre::kTailleClient;
  g.cadre = {-cadre.left, -cadre.top, cadre.right - g.client.largeur, cadre.bottom - g.client.hauteur};
  const fenetre::GeometrieFenetre n = fenetre::PlaceCentree(g, bureau, static_cast<int>(dpi_), bureau);
  SetWindowPos(hwnd_, nullptr, n.position.x, n.position.y, n.exterieur().largeur, n.exterieur().hauteur,
               SWP_NOZORDER | SWP_NOACTIVATE);
  Place();

  logique_->FormCreate();
  SendMessageW(StatusBar1_, SB_SETTEXTW, 0,
               reinterpret_cast<LPARAM>(DeCp1252(fenetre::TextePanneauVersion()).c_str()));
  return true;
}

void TFormCorrinom::CreeImages() {
  // The four mark pictures at the size of this resolution.
  const int cote = E(16);
  if (ImageListRougeVertGris_) ImageList_Destroy(ImageListRougeVertGris_);
  ImageListRougeVertGris_ = ImageList_Create(cote, cote, ILC_COLOR32 | ILC_MASK, 4, 0);
  for (const Marque marque : kMarques) {
    HICON& icone = icones_[static_cast<std::size_t>(IndexMarque(marque))];
    if (icone) DestroyIcon(icone);
    icone = CreeIconeMarque(marque, cote);
    ImageList_AddIcon(ImageListRougeVertGris_, icone);
  }
  ListView_SetImageList(ListViewUsers_, ImageListRougeVertGris_, LVSIL_SMALL);
  for (const ControleCree& c : controles_)
    if (c.controle->genre == Genre::Image)
      SendMessageW(c.hwnd, STM_SETICON,
                   reinterpret_cast<WPARAM>(icones_[static_cast<std::size_t>(IndexMarque(*c.controle->marque))]), 0);
}

void TFormCorrinom::CreeControles() {
  // Every control of the table is a child of the window itself, so that their
  // notifications come here; a parent in the table only gives the place. The
  // search line comes after the rest, on GroupBox1's caption line.
  std::vector<const fenetre::Controle*> table;
  for (const auto& c : fenetre::Controles()) table.push_back(&c);
  for (const auto& c : fenetre::ControlesRecherche()) table.push_back(&c);
  for (std::size_t i = 0; i < table.size(); ++i) {
    const fenetre::Controle& c = *table[i];
    annexes::Sorte sorte = SorteDe(c);
    if (!sorte.classe) continue;
    if (c.tabulation >= 0) sorte.style |= WS_TABSTOP;
    const HWND h = annexes::CreeControle(hwnd_, sorte, c.texte, kPremierId + static_cast<int>(i), instance_);
    controles_.push_back({&c, h});
    if (c.tabulation >= 0)
      SetWindowSubclass(h, &TFormCorrinom::ProcedureControle, 1, reinterpret_cast<DWORD_PTR>(this));
  }
  EditNomFich_ = Controle("EditNomFich");
  ListViewUsers_ = Controle("ListViewUsers");
  ListViewRebus_ = Controle("ListViewRebus");
  StatusBar1_ = Controle("StatusBar1");
  EditRecherche_ = Controle(fenetre::kNomEditRecherche);
  ComboMarques_ = Controle(fenetre::kNomComboMarques);
  for (std::string_view choix : kTextesChoixMarques)
    SendMessageW(ComboMarques_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(DeCp1252(choix).c_str()));
  SendMessageW(ComboMarques_, CB_SETCURSEL, 0, 0);
}

void TFormCorrinom::OrdreFocus() {
  // The Tab key follows the window's order of its children: the focus order on
  // top, the group boxes at the bottom, under the controls they frame.
  HWND avant = HWND_TOP;
  for (std::string_view nom : fenetre::OrdreFocusAvecRecherche()) {
    const HWND h = Controle(nom);
    SetWindowPos(h, avant, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    avant = h;
  }
  // Each named control's label just before it; the lists' names as their text.
  for (const fenetre::NomAccessible& n : fenetre::NomsAccessibles())
    if (const HWND h = Controle(n.controle); h && h != ComboMarques_)
      annexes::NommeControle(h, n.controle, Controle(n.libelle));
  annexes::AnnoteNom(ComboMarques_, fenetre::kNomComboMarques);
  for (const ControleCree& c : controles_)
    if (c.controle->genre == Genre::Cadre)
      SetWindowPos(c.hwnd, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  // GroupBox1's top line runs behind the search line: it does not paint over it.
  const HWND cadre = Controle("GroupBox1");
  SetWindowLongPtrW(cadre, GWL_STYLE, GetWindowLongPtrW(cadre, GWL_STYLE) | WS_CLIPSIBLINGS);
}

void TFormCorrinom::CreeListes() {
  for (HWND liste : {ListViewUsers_, ListViewRebus_}) {
    ListView_SetExtendedListViewStyle(liste, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
    const std::span<const fenetre::Colonne> colonnes = fenetre::ColonnesListe(NomDe(liste));
    for (std::size_t i = 0; i < colonnes.size(); ++i)
      annexes::InsereColonne(liste, static_cast<int>(i), colonnes[i].titre, E(colonnes[i].largeur));
    ListView_SetTextColor(liste, RGB(0, 0, 0));
  }
  // The marks' words, for screen readers only: a last column nobody sees.
  annexes::InsereColonne(ListViewUsers_, kColonneMarque, fenetre::kTitreColonneMarque, 0);

  // Each list's hint, wherever the pointer rests on it; none while it is empty.
  bulles_ = annexes::CreeBulles(hwnd_, TTS_NOPREFIX | TTS_ALWAYSTIP, WS_EX_TOPMOST);
  for (HWND liste : {ListViewUsers_, ListViewRebus_}) annexes::AjouteBulle(bulles_, hwnd_, liste, LPSTR_TEXTCALLBACKW);
}

void TFormCorrinom::AppliquePolice() {
  // The windows' font at this resolution; the old one goes once the controls have the new one.
  const annexes::Police ancienne = std::exchange(police_, annexes::CreePolice(dpi_));
  policeGrasse_ = annexes::CreePolice(dpi_, true);
  annexes::AppliquePolice(hwnd_, police_.get());
  if (ComboMarques_) {
    SendMessageW(ComboMarques_, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), HauteurChoix());
    SendMessageW(ComboMarques_, CB_SETITEMHEIGHT, 0, HauteurChoix());
  }
}

int TFormCorrinom::HauteurChoix() const {
  int texte = E(13);
  if (police_) {
    HDC dc = GetDC(hwnd_);
    HGDIOBJ avant = SelectObject(dc, police_.get());
    TEXTMETRICW m{};
    if (GetTextMetricsW(dc, &m)) texte = m.tmHeight;
    SelectObject(dc, avant);
    ReleaseDC(hwnd_, dc);
  }
  return std::max(texte, E(16)) + E(2);
}

void TFormCorrinom::DessineChoix(const DRAWITEMSTRUCT& d) const {
  const bool choisi = (d.itemState & ODS_SELECTED) != 0;
  FillRect(d.hDC, &d.rcItem, GetSysColorBrush(choisi ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  if (d.itemID >= kTextesChoixMarques.size()) return;
  const int cote = E(16);
  const int x = d.rcItem.left + E(2);
  if (const std::optional<Marque> marque = fenetre::MarqueDuChoix(static_cast<ChoixMarques>(d.itemID)))
    DrawIconEx(d.hDC, x, (d.rcItem.top + d.rcItem.bottom - cote) / 2,
               icones_[static_cast<std::size_t>(IndexMarque(*marque))], cote, cote, 0, nullptr, DI_NORMAL);
  const std::wstring texte = DeCp1252(kTextesChoixMarques[d.itemID]);
  RECT r = d.rcItem;
  r.left = x + cote + E(4);
  HGDIOBJ avant = police_ ? SelectObject(d.hDC, police_.get()) : nullptr;
  SetBkMode(d.hDC, TRANSPARENT);
  SetTextColor(d.hDC, GetSysColor(choisi ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  DrawTextW(d.hDC, texte.c_str(), -1, &r, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
  if (avant) SelectObject(d.hDC, avant);
  if (d.itemState & ODS_FOCUS) DrawFocusRect(d.hDC, &d.rcItem);
}

void TFormCorrinom::Place() {
  if (!StatusBar1_) return;
  RECT client;
  GetClientRect(hwnd_, &client);

  // The status bar places itself along the bottom: the version panel, the hint
  // panel over all the width left, then the base's name for good when there is one.
  SendMessageW(StatusBar1_, WM_SIZE, 0, 0);
  RECT barre;
  GetWindowRect(StatusBar1_, &barre);
  int largeurBase = 0;
  if (!nomBase_.empty())  // margins and the size grip
    largeurBase = TailleTexte(StatusBar1_, nomBase_, police_.get()).cx + E(12) + GetSystemMetrics(SM_CXVSCROLL);
  const std::vector<int> bords = fenetre::BordsPanneauxEtat(barre.right - barre.left, static_cast<int>(dpi_), largeurBase);
  SendMessageW(StatusBar1_, SB_SETPARTS, bords.size(), reinterpret_cast<LPARAM>(bords.data()));
  if (!nomBase_.empty()) SendMessageW(StatusBar1_, SB_SETTEXTW, 2, reinterpret_cast<LPARAM>(nomBase_.c_str()));

  const std::vector<fenetre::PlaceControle>& places =
      separateurs_.Dispose({client.right, client.bottom}, static_cast<int>(dpi_), barre.bottom - barre.top);
  // The search line at the right of GroupBox1's caption, with the rest. The
  // caption is drawn 8 pixels in from the box's left edge.
  std::vector<fenetre::PlaceControle> toutes = places;
  const HWND cadre = Controle("GroupBox1");
  const int finLegende = E(8) + TailleTexte(cadre, TexteDe(cadre), police_.get()).cx;
  for (const fenetre::PlaceControle& p : places)
    if (p.nom == "GroupBox1")
      for (const fenetre::PlaceControle& q : fenetre::PlaceLigneRecherche(p.place, static_cast<int>(dpi_), finLegende))
        toutes.push_back(q);
  HDWP lot = BeginDeferWindowPos(static_cast<int>(toutes.size()));
  for (const fenetre::PlaceControle& p : toutes) {
    const auto cree = std::find_if(controles_.begin(), controles_.end(),
                                   [&p](const ControleCree& c) { return c.controle->nom == p.nom; });
    if (cree == controles_.end() || cree->hwnd == StatusBar1_) continue;
    const HWND h = cree->hwnd;
    fenetre::Rectangle r = p.place;
    if (cree->controle->genre == Genre::Trait) r.hauteur = 2;  // the line along its top edge
    if (cree->controle->genre == Genre::Choix) r.hauteur += E(6 * 16 + 4);  // and its open list of six choices
    if (cree->controle->style & fenetre::kTailleDuTexte) {
      const SIZE s = TailleTexte(h, TexteDe(h), police_.get());
      r.largeur = s.cx;
      r.hauteur = s.cy;
    }
    lot = DeferWindowPos(lot, h, nullptr, r.x, r.y, r.largeur, r.hauteur, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  EndDeferWindowPos(lot);
  InvalidateRect(hwnd_, nullptr, TRUE);
}

void TFormCorrinom::ChangeResolution(UINT dpi, const RECT& propose) {
  // The splitters keep their share; pictures, columns and font are made anew.
  separateurs_.ChangeResolution(static_cast<int>(dpi));
  dpi_ = dpi;
  CreeImages();
  for (HWND liste : {ListViewUsers_, ListViewRebus_}) {
    const std::span<const fenetre::Colonne> colonnes = fenetre::ColonnesListe(NomDe(liste));
    for (std::size_t i = 0; i < colonnes.size(); ++i)
      ListView_SetColumnWidth(liste, static_cast<int>(i), E(colonnes[i].largeur));
  }
  AppliquePolice();
  SetWindowPos(hwnd_, nullptr, propose.left, propose.top, propose.right - propose.left, propose.bottom - propose.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
  Place();
}

LRESULT TFormCorrinom::Traite(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) hwnd_ = hwnd;
  if (!hwnd_) return DefWindowProcW(hwnd, msg, wp, lp);  // after WM_NCDESTROY
  switch (msg) {
    case WM_SIZE:
      Place();
      return 0;
    case WM_SETFOCUS:
      // The keyboard goes back to the control that had it, the first one at start.
      SetFocus(focus_ && IsWindow(focus_) ? focus_ : EditNomFich_);
      return 0;
    case WM_GETMINMAXINFO:
      reinterpret_cast<MINMAXINFO*>(lp)->ptMinTrackSize = {E(300), E(360)};
      return 0;
    case WM_DPICHANGED:
      ChangeResolution(HIWORD(wp), *reinterpret_cast<const RECT*>(lp));
      return 0;
    case WM_CTLCOLORSTATIC: {
      // Labels and group boxes on the window's face.
      HDC dc = reinterpret_cast<HDC>(wp);
      SetBkMode(dc, TRANSPARENT);
      SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    case WM_COMMAND:
      if (lp) Commande(reinterpret_cast<HWND>(lp), HIWORD(wp));
      return 0;
    case WM_MEASUREITEM: {
      auto& mesure = *reinterpret_cast<MEASUREITEMSTRUCT*>(lp);
      if (mesure.CtlType != ODT_COMBOBOX) break;
      mesure.itemHeight = static_cast<UINT>(HauteurChoix());
      return TRUE;
    }
    case WM_DRAWITEM: {
      const auto& dessin = *reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
      if (dessin.hwndItem != ComboMarques_) break;
      DessineChoix(dessin);
      return TRUE;
    }
    case WM_NOTIFY:
      return Notification(*reinterpret_cast<NMHDR*>(lp));
    case WM_CONTEXTMENU: {
      const auto liste = reinterpret_cast<HWND>(wp);
      if (liste != ListViewUsers_ && liste != ListViewRebus_) break;
      POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
      if (p.x == -1 && p.y == -1) {  // from the keyboard: at the list's top left
        p = {E(10), E(10)};
        ClientToScreen(liste, &p);
      }
      MenuContextuel(liste, p);
      return 0;
    }
    case WM_SETCURSOR:
      if (boites_.EnAttente()) {
        SetCursor(LoadCursorW(nullptr, IDC_WAIT));
        return TRUE;
      }
      if (reinterpret_cast<HWND>(wp) == hwnd_ && LOWORD(lp) == HTCLIENT) {
        POINT p;
        GetCursorPos(&p);
        ScreenToClient(hwnd_, &p);
        const std::string_view s = separateurs_.Sous({p.x, p.y});
        if (!s.empty()) {
          SetCursor(LoadCursorW(nullptr, fenetre::SuiviSeparateurs::Vertical(s) ? IDC_SIZENS : IDC_SIZEWE));
          return TRUE;
        }
      }
      break;
    case WM_LBUTTONDOWN:
      if (!glisse_ && separateurs_.Presse({GET_X_LPARAM(lp), GET_Y_LPARAM(lp)})) SetCapture(hwnd_);
      return 0;
    case WM_MOUSEMOVE: {
      POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
      if (glisse_) {
        ClientToScreen(hwnd_, &p);
        SuitGlisse(p);
      } else if (separateurs_.Suit({p.x, p.y})) {
        Place();
      }
      return 0;
    }
    case WM_LBUTTONUP: {
      POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
      if (glisse_) {
        ClientToScreen(hwnd_, &p);
        FinGlisse(true, p);
      } else if (separateurs_.Relache()) {
        ReleaseCapture();
      }
      return 0;
    }
    case WM_TIMER:
      if (wp == kMinuterieDefilement && glisse_) DefileSousGlisse();
      return 0;
    case WM_CAPTURECHANGED:
      if (glisse_ && reinterpret_cast<HWND>(lp) != hwnd_) FinGlisse(false, {});
      separateurs_.Relache();
      return 0;
    case WM_CLOSE:
      // Button2 and the close box alike; the window logic decides.
      if (logique_->FormCloseQuery()) DestroyWindow(hwnd_);
      return 0;
    case WM_QUERYENDSESSION:
      // Logging off or shutting down closes the window too: the same question first.
      return logique_->FormCloseQuery() ? TRUE : FALSE;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    case WM_NCDESTROY:
      hwnd_ = nullptr;
      break;
    default:
      break;
  }
  return DefWindowProcW(hwnd_, msg, wp, lp);
}

void TFormCorrinom::Commande(HWND controle, int code) {
  if (controle == EditRecherche_) {
    if (code != EN_CHANGE) return;
    const std::wstring texte = TexteDe(controle);
    logique_->EditRechercheChange(Utf16VersCp1252(std::u16string(texte.begin(), texte.end())));
    return;
  }
  if (controle == ComboMarques_) {
    if (code == CBN_SELCHANGE)
      logique_->ComboMarquesChange(static_cast<int>(SendMessageW(controle, CB_GETCURSEL, 0, 0)));
    return;
  }
  if (code != BN_CLICKED) return;
  const std::string_view nom = NomDe(controle);
  if (nom == "ButtonOuvrir") ButtonOuvrirClick();
  else if (nom == "Button2") PostMessageW(hwnd_, WM_CLOSE, 0, 0);
  else logique_->Clic(nom);
}

LRESULT TFormCorrinom::Notification(NMHDR& n) {
  if (n.code == TTN_GETDISPINFOW && n.hwndFrom == bulles_) {
    auto& info = reinterpret_cast<NMTTDISPINFOW&>(n);
    const HWND liste = reinterpret_cast<HWND>(n.idFrom);
    texteBulle_ = DeCp1252(liste == ListViewUsers_ ? etat_.indicationComptes : etat_.indicationRebus);
    info.lpszText = texteBulle_.data();
    return 0;
  }
  // The marks' column stays out of sight: its divider does not move.
  if (n.code == HDN_BEGINTRACKW && n.hwndFrom == ListView_GetHeader(ListViewUsers_) &&
      reinterpret_cast<NMHEADERW&>(n).iItem == kColonneMarque)
    return TRUE;
  if (n.hwndFrom != ListViewUsers_ && n.hwndFrom != ListViewRebus_) return 0;
  switch (n.code) {
    case NM_CUSTOMDRAW:
      if (n.hwndFrom == ListViewUsers_) return DessinComptes(reinterpret_cast<NMLVCUSTOMDRAW&>(n));
      return CDRF_DODEFAULT;
    case LVN_GETDISPINFOW:
      TexteCellule(n.hwndFrom, reinterpret_cast<NMLVDISPINFOW&>(n));
      return 0;
    case LVN_COLUMNCLICK:
      logique_->ColonneClic(SourceDe(n.hwndFrom), reinterpret_cast<NMLISTVIEW&>(n).iSubItem);
      return 0;
    case LVN_BEGINDRAG: {
      const auto& lv = reinterpret_cast<NMLISTVIEW&>(n);
      DebutGlisse(n.hwndFrom, lv.iItem, lv.ptAction);
      return 0;
    }
    case LVN_KEYDOWN:
      if (n.hwndFrom == ListViewUsers_) logique_->ListViewUsersKeyDown(reinterpret_cast<NMLVKEYDOWN&>(n).wVKey);
      return 0;
    default:
      return 0;
  }
}

void TFormCorrinom::TexteCellule(HWND liste, NMLVDISPINFOW& info) {
  LVITEMW& item = info.item;
  const ListeSource source = SourceDe(liste);
  const std::optional<std::size_t> ligne = logique_->LigneEtat(source, item.iItem);
  if (!ligne) return;
  if ((item.mask & LVIF_IMAGE) && source == ListeSource::Comptes)
    item.iImage = item.iSubItem == 0 ? IndexMarque(etat_.comptes[*ligne].marque) : I_IMAGENONE;
  if (item.mask & LVIF_TEXT)
    texteCellule_ = DeCp1252(logique_->TexteCellule(source, item.iItem, static_cast<std::size_t>(item.iSubItem)));
  if ((item.mask & LVIF_TEXT) && item.pszText && item.cchTextMax > 0) {
    const std::size_t n = std::min(texteCellule_.size(), static_cast<std::size_t>(item.cchTextMax - 1));
    std::wmemcpy(item.pszText, texteCellule_.data(), n);
    item.pszText[n] = L'\0';
  }
}

bool TFormCorrinom::MessageDeDialogue(MSG& msg) {
  if (!hwnd_) return false;
  if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE && glisse_) {
    FinGlisse(false, {});
    return true;
  }
  // Ctrl+Z, Ctrl+Y, Ctrl+Shift+Z and Ctrl+Entrée belong to the window, except in
  // an edit box, where they keep their usual meaning.
  if (msg.message == WM_KEYDOWN && IsChild(hwnd_, msg.hwnd) && (GetKeyState(VK_CONTROL) & 0x8000)) {
    wchar_t classe[16] = {};
    GetClassNameW(msg.hwnd, classe, 16);
    if (lstrcmpiW(classe, L"Edit") != 0 &&
        logique_->Touche(static_cast<int>(msg.wParam), true, (GetKeyState(VK_SHIFT) & 0x8000) != 0,
                         (GetKeyState(VK_MENU) & 0x8000) != 0))
      return true;
  }
  // Only Tab and Shift+Tab go to the dialog navigation; every other key keeps its
  // meaning in its control (Enter in the edit box, Delete in the account list).
  if ((msg.message == WM_KEYDOWN || msg.message == WM_CHAR) && msg.wParam == VK_TAB && IsChild(hwnd_, msg.hwnd))
    return IsDialogMessageW(hwnd_, &msg) != FALSE;
  return false;
}

// ---- What the window logic asks of the window ------------------------------------

ListeSource TFormCorrinom::SourceDe(HWND liste) const {
  if (liste == ListViewUsers_) return ListeSource::Comptes;
  if (liste == ListViewRebus_) return ListeSource::Rebus;
  return ListeSource::Autre;
}

std::optional<std::size_t> TFormCorrinom::LigneSelectionnee(ListeSource source) const {
  const HWND liste = source == ListeSource::Comptes ? ListViewUsers_
                     : source == ListeSource::Rebus ? ListViewRebus_
                                                    : nullptr;
  if (!liste) return std::nullopt;
  return logique_->LigneEtat(source, ListView_GetNextItem(liste, -1, LVNI_SELECTED));
}

void TFormCorrinom::SelectionneLigne(HWND liste, std::optional<std::size_t> ligne) {
  // `ligne` is a position in the whole list; the account list shows the filter's rows.
  const std::optional<int> vue = logique_->LigneVue(SourceDe(liste), ligne);
  const int avant = ListView_GetNextItem(liste, -1, LVNI_SELECTED);
  if (vue && avant == *vue) return;
  ListView_SetItemState(liste, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
  if (!vue) return;
  ListView_SetItemState(liste, *vue, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

void TFormCorrinom::Redessine(Redessin quoi, const fenetre::Selections& selection) {
  if (!hwnd_) return;
  // The lists show the state through LVN_GETDISPINFO: a new row count and a
  // repaint are all they need; the scrolled position stays.
  const std::pair<HWND, Redessin> listes[2] = {{ListViewUsers_, Redessin::LignesComptes},
                                               {ListViewRebus_, Redessin::LignesRebus}};
  for (const auto& [liste, partie] : listes) {
    const std::size_t n = logique_->NombreLignes(SourceDe(liste));
    const bool autreNombre = static_cast<std::size_t>(ListView_GetItemCount(liste)) != n;
    if (fenetre::Contient(quoi, partie) || autreNombre) {
      ListView_SetItemCountEx(liste, static_cast<int>(n), LVSICF_NOINVALIDATEALL | LVSICF_NOSCROLL);
      InvalidateRect(liste, nullptr, FALSE);
      // Fewer rows than the scrolled position: the last ones come into view.
      if (n > 0 && static_cast<std::size_t>(ListView_GetTopIndex(liste)) >= n)
        ListView_EnsureVisible(liste, static_cast<int>(n - 1), FALSE);
    }
  }
  SelectionneLigne(ListViewUsers_, selection.comptes);
  SelectionneLigne(ListViewRebus_, selection.rebus);
  // When the filter shows other rows, the selected account stays in sight.
  if (fenetre::Contient(quoi, Redessin::SelectionEnVue) && selection.comptes) {
    if (const std::optional<int> vue = logique_->LigneVue(*selection.comptes))
      ListView_EnsureVisible(ListViewUsers_, *vue, FALSE);
  }
  // The hints are read by the tooltip each time it shows.
}

void TFormCorrinom::MontreTexte(std::string_view nom, std::string_view texte) {
  const HWND h = hwnd_ ? Controle(nom) : nullptr;
  if (!h) return;
  SetWindowTextW(h, DeCp1252(texte).c_str());
  // An empty label would still paint its box over what lies under it (the count
  // of rows shown over GroupBox1's top line): it is hidden instead.
  ShowWindow(h, texte.empty() ? SW_HIDE : SW_SHOWNA);
}

void TFormCorrinom::ActiveControle(std::string_view nom, bool actif) {
  const HWND h = Controle(nom);
  if (!h) return;
  EnableWindow(h, actif ? TRUE : FALSE);
  // A box that closed while its button was off left the keyboard on the window:
  // it goes back to the button.
  if (actif && h == focus_ && GetFocus() == hwnd_) SetFocus(h);
}

void TFormCorrinom::MontreAide() { win32::MontreAide(instance_, hwnd_); }

void TFormCorrinom::MontreChangements(const std::vector<LigneChangement>& lignes, std::string_view magasin) {
  win32::MontreChangements(instance_, hwnd_, lignes, magasin, ImageListRougeVertGris_,
                           [this](const std::string& journal) { return logique_->RestaureJournal(journal); });
}

bool TFormCorrinom::MontreRessemblance(fenetre::RevueRessemblance& revue) {
  return win32::MontreRessemblance(instance_, hwnd_, revue);
}

void TFormCorrinom::ChoisitJournal(DestinationJournal journal) { logique_->ChoisitJournal(std::move(journal)); }

// ---- Handlers that need the system's dialogs ---------------------------------------

void TFormCorrinom::ButtonOuvrirClick() {
  if (logique_->Occupee()) return;
  std::wstring filtres;
  for (const fenetre::FiltreFichiers& f : fenetre::kFiltresOuvrir)
    filtres += DeCp1252(f.libelle) + L'\0' + DeCp1252(f.motifs) + L'\0';
  const std::wstring avant = TexteDe(EditNomFich_);
  const std::optional<std::wstring> choisi =
      annexes::ChoisitFichier(hwnd_, annexes::Choix::Ouvrir, {}, filtres + L'\0', avant);
  if (!choisi) return;
  const std::wstring& nom = *choisi;
  SetWindowTextW(EditNomFich_, nom.c_str());
  logique_->OuvreFichier(std::u16string(nom.begin(), nom.end()), std::u16string(avant.begin(), avant.end()));
}

void TFormCorrinom::Indication(std::string_view texte) {
  // A text longer than the panel shows whole in its tooltip.
  const std::wstring t = DeCp1252(texte);
  SendMessageW(StatusBar1_, SB_SETTEXTW, 1, reinterpret_cast<LPARAM>(t.c_str()));
  SendMessageW(StatusBar1_, SB_SETTIPTEXTW, 1, reinterpret_cast<LPARAM>(t.c_str()));
}

// ---- Focus hints ------------------------------------------------------------------

LRESULT CALLBACK TFormCorrinom::ProcedureControle(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                                  DWORD_PTR donnees) {
  auto* f = reinterpret_cast<TFormCorrinom*>(donnees);
  switch (msg) {
    case WM_SETFOCUS: {
      const LRESULT r = DefSubclassProc(hwnd, msg, wp, lp);
      f->focus_ = hwnd;
      f->logique_->FocusEntre(f->NomDe(hwnd));
      return r;
    }
    case WM_KEYDOWN:
      // Entrée in EditNomFich reads the file named there, as "Ouvrir" does.
      if (wp == VK_RETURN && hwnd == f->EditNomFich_ && !(GetKeyState(VK_CONTROL) & 0x8000)) {
        const std::wstring texte = TexteDe(hwnd);
        f->logique_->EditNomFichEntree(std::u16string(texte.begin(), texte.end()));
        return 0;
      }
      return DefSubclassProc(hwnd, msg, wp, lp);
    case WM_CHAR:
      if (wp == L'\r' && hwnd == f->EditNomFich_) return 0;  // no beep for the Entrée just used
      return DefSubclassProc(hwnd, msg, wp, lp);
    case WM_KILLFOCUS: {
      const LRESULT r = DefSubclassProc(hwnd, msg, wp, lp);
      // A box opening over the window, or another window taking the keyboard, is
      // no leaving of the control.
      const HWND suivant = reinterpret_cast<HWND>(wp);
      f->logique_->FocusSort(!suivant || (suivant != f->hwnd_ && !IsChild(f->hwnd_, suivant)));
      return r;
    }
    default:
      return DefSubclassProc(hwnd, msg, wp, lp);
  }
}

// ---- Context menus, the file name box on undo, the write's progress -------------

void TFormCorrinom::MenuContextuel(HWND liste, POINT ecran) {
  const auto entrees = liste == ListViewUsers_ ? logique_->MenuComptes() : logique_->MenuRebus();
  HMENU menu = CreatePopupMenu();
  if (!menu) return;
  UINT id = 1;
  for (const fenetre::EntreeMenu& e : entrees) {
    AppendMenuW(menu, MF_STRING | (e.actif ? MF_ENABLED : MF_GRAYED), id++, DeCp1252(e.ligne()).c_str());
  }
  const int choix = static_cast<int>(
      TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, ecran.x, ecran.y, 0, hwnd_, nullptr));
  DestroyMenu(menu);
  if (choix >= 1 && static_cast<std::size_t>(choix) <= entrees.size())
    logique_->Execute(entrees[static_cast<std::size_t>(choix - 1)].action);
}

void TFormCorrinom::ProgressionEcriture(const std::optional<std::string>& texte) {
  if (!texte) {
    if (progression_) {
      EnableWindow(hwnd_, TRUE);
      progression_.reset();
      SetForegroundWindow(hwnd_);
    }
    return;
  }
  if (!progression_) {
    progression_ = std::make_unique<FenetreProgression>(instance_, hwnd_, true);
    // No other control of the main window reacts while it is shown.
    EnableWindow(hwnd_, FALSE);
  }
  progression_->Montre(*texte, 0, 0);
  // Paints and takes the clicks on Arrêter between two accounts.
  progression_->PompeTout();
}

// ---- The changed letters of the new names ------------------------------------------

LRESULT TFormCorrinom::DessinComptes(NMLVCUSTOMDRAW& dessin) {
  switch (dessin.nmcd.dwDrawStage) {
    case CDDS_PREPAINT: return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT: return CDRF_NOTIFYSUBITEMDRAW;
    case CDDS_ITEMPREPAINT | CDDS_SUBITEM: break;
    default: return CDRF_DODEFAULT;
  }
  // Only the list's visible cells come here: the work per paint stays small.
  const int vue = static_cast<int>(dessin.nmcd.dwItemSpec);
  const std::optional<std::size_t> position = logique_->LigneEtat(vue);
  if (!position) return CDRF_DODEFAULT;
  const LigneCompte& ligne = etat_.comptes[*position];
  const std::vector<bool> change = fenetre::LettresSurlignees(ligne, dessin.iSubItem);
  if (change.empty()) return CDRF_DODEFAULT;
  // One UTF-16 unit per CP1252 byte: the flags line up with the text.
  const std::wstring texte = DeCp1252(ligne.sousItem(static_cast<std::size_t>(dessin.iSubItem - 1)));
  if (texte.size() != change.size()) return CDRF_DODEFAULT;

  RECT cellule{};
  if (!ListView_GetSubItemRect(ListViewUsers_, vue, dessin.iSubItem, LVIR_BOUNDS, &cellule)) return CDRF_DODEFAULT;
  // The colours the list gives a row: selected in the focused list, selected
  // elsewhere (the selection stays shown), or not.
  const bool choisie = (ListView_GetItemState(ListViewUsers_, vue, LVIS_SELECTED) & LVIS_SELECTED) != 0;
  const bool active = GetFocus() == ListViewUsers_;
  COLORREF fond = ListView_GetBkColor(ListViewUsers_);
  COLORREF encre = ListView_GetTextColor(ListViewUsers_);
  if (choisie) {
    fond = GetSysColor(active ? COLOR_HIGHLIGHT : COLOR_BTNFACE);
    encre = GetSysColor(active ? COLOR_HIGHLIGHTTEXT : COLOR_BTNTEXT);
  }
  const fenetre::Couleur m = fenetre::CouleurMarque(ligne.marque);
  const COLORREF marque = choisie ? encre : RGB(m.rouge, m.vert, m.bleu);

  HDC dc = dessin.nmcd.hdc;
  const int sauve = SaveDC(dc);
  SetBkColor(dc, fond);
  ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &cellule, nullptr, 0, nullptr);
  IntersectClipRect(dc, cellule.left, cellule.top, cellule.right, cellule.bottom);
  SetBkMode(dc, TRANSPARENT);
  // The list's own margin before a column's text.
  RECT zone = cellule;
  zone.left += E(6);
  for (const fenetre::Morceau& m : fenetre::Morceaux(change)) {
    if (zone.left >= zone.right) break;
    const int n = static_cast<int>(m.fin - m.debut);
    SelectObject(dc, (m.change ? policeGrasse_ : police_).get());
    SetTextColor(dc, m.change ? marque : encre);
    DrawTextW(dc, texte.data() + m.debut, n, &zone, DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    SIZE taille{};
    GetTextExtentPoint32W(dc, texte.data() + m.debut, n, &taille);
    zone.left += taille.cx;
  }
  RestoreDC(dc, sauve);
  return CDRF_SKIPDEFAULT;
}

}  // namespace corrinom::win32
