#include "app-win32/form_aide.h"

#include <commctrl.h>
#include <commdlg.h>
#include <richedit.h>

#include <algorithm>
#include <string_view>

#include "app-win32/outils_annexes.h"
#include "app-win32/ressources_annexes.h"
#include "window/fenetres_annexes.h"

namespace corrinom::win32 {

namespace {

using annexes::AEchelle;
using annexes::Large;

constexpr wchar_t kClasse[] = L"CorrinomFormAideHtm";

// The RichEdit class: version 4.1 (msftedit.dll) where it is, else 2.0 (riched20.dll).
const wchar_t* ClasseTexteRiche() {
  static const wchar_t* classe = [] {
    if (LoadLibraryW(L"msftedit.dll")) return MSFTEDIT_CLASS;
    if (LoadLibraryW(L"riched20.dll")) return RICHEDIT_CLASSW;
    return static_cast<const wchar_t*>(nullptr);
  }();
  return classe;
}

class TFormAideHtm {
 public:
  TFormAideHtm(HINSTANCE instance, HWND proprietaire) : instance_(instance), proprietaire_(proprietaire) {}
  TFormAideHtm(const TFormAideHtm&) = delete;
  TFormAideHtm& operator=(const TFormAideHtm&) = delete;
  ~TFormAideHtm() {
    if (icone_) DestroyIcon(icone_);
  }

  void Montre();
  LRESULT Traite(HWND hwnd, UINT message, WPARAM w, LPARAM l);

 private:
  void FormCreate();
  void FormResize();
  void BitBtnImprimerClick();

  HINSTANCE instance_;
  HWND proprietaire_;
  HWND fenetre_ = nullptr;
  HWND WebBrowser1_ = nullptr;
  HWND ButtonFermer_ = nullptr;
  HWND BitBtnImprimer_ = nullptr;
  HWND StatusBar1_ = nullptr;
  HICON icone_ = nullptr;
  UINT dpi_ = 96;
  annexes::Police police_;
  bool ouverte_ = false;
};

void TFormAideHtm::Montre() {
  fenetre_ = annexes::CreeFenetreAnnexe(instance_, kClasse, Large(fenetre::kTitreAide), fenetre::kTailleAide.largeur,
                                        fenetre::kTailleAide.hauteur, proprietaire_,
                                        &annexes::ProcedureDe<TFormAideHtm>, this, dpi_);
  if (!fenetre_) return;
  FormCreate();
  // The keyboard goes to the page, so that the arrow and page keys scroll it at
  // once; the page is read-only, so Tab leaves it for the buttons instead.
  annexes::BoucleModale(fenetre_, proprietaire_, WebBrowser1_, ouverte_, [this](const MSG& msg) {
    if (msg.hwnd != WebBrowser1_ || msg.message != WM_KEYDOWN || msg.wParam != VK_TAB) return false;
    const bool arriere = GetKeyState(VK_SHIFT) < 0;
    SetFocus(GetNextDlgTabItem(fenetre_, WebBrowser1_, arriere ? TRUE : FALSE));
    return true;
  });
  fenetre_ = nullptr;
}

DWORD CALLBACK LitTampon(DWORD_PTR cookie, LPBYTE tampon, LONG demande, LONG* lus) {
  auto* reste = reinterpret_cast<std::string_view*>(cookie);
  const auto n = static_cast<std::size_t>(std::min<LONG>(demande, static_cast<LONG>(reste->size())));
  reste->copy(reinterpret_cast<char*>(tampon), n);
  reste->remove_prefix(n);
  *lus = static_cast<LONG>(n);
  return 0;
}

void TFormAideHtm::FormCreate() {
  const wchar_t* classe = ClasseTexteRiche();
  if (classe) {
    WebBrowser1_ = CreateWindowExW(WS_EX_CLIENTEDGE, classe, L"",
                                   WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | ES_MULTILINE | ES_READONLY |
                                       ES_AUTOVSCROLL | ES_SAVESEL,
                                   0, 0, 0, 0, fenetre_, reinterpret_cast<HMENU>(kIdWebBrowser1), instance_, nullptr);
  }
  ButtonFermer_ = CreateWindowExW(0, L"BUTTON", Large(fenetre::kButtonFermer.texte).c_str(),
                                  WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, 0, 0, 0, fenetre_,
                                  reinterpret_cast<HMENU>(IDCANCEL), instance_, nullptr);
  BitBtnImprimer_ = CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON | BS_ICON,
                                    0, 0, 0, 0, fenetre_, reinterpret_cast<HMENU>(kIdBitBtnImprimer), instance_,
                                    nullptr);
  const int cote = AEchelle(16, dpi_);
  icone_ = static_cast<HICON>(
      LoadImageW(instance_, MAKEINTRESOURCEW(kIconeImprimer), IMAGE_ICON, cote, cote, LR_DEFAULTCOLOR));
  if (icone_) SendMessageW(BitBtnImprimer_, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icone_));
  StatusBar1_ = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, fenetre_,
                                reinterpret_cast<HMENU>(kIdStatusBar1), instance_, nullptr);
  SendMessageW(StatusBar1_, SB_SIMPLE, TRUE, 0);

  // The picture button says what it does when the pointer rests on it.
  const HWND bulles = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                      CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, fenetre_, nullptr, instance_,
                                      nullptr);
  std::wstring bulle = Large(fenetre::kInfoBulleImprimer);
  TTTOOLINFOW outil{};
  outil.cbSize = sizeof outil;
  outil.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  outil.hwnd = fenetre_;
  outil.uId = reinterpret_cast<UINT_PTR>(BitBtnImprimer_);
  outil.lpszText = bulle.data();
  SendMessageW(bulles, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&outil));

  police_ = annexes::CreePolice(dpi_);
  annexes::AppliquePolice(fenetre_, police_.get());
  // The control has its width before the guide comes in, so that centred and
  // justified paragraphs are laid out for it.
  FormResize();

  // The guide; a guide that cannot be loaded leaves the window blank, without a message.
  if (WebBrowser1_) {
    const std::string rtf = RtfAide(instance_);
    std::string_view reste = rtf;
    EDITSTREAM flot{reinterpret_cast<DWORD_PTR>(&reste), 0, &LitTampon};
    SendMessageW(WebBrowser1_, EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&flot));
    SendMessageW(WebBrowser1_, EM_SETSEL, 0, 0);
  }
}

void TFormAideHtm::FormResize() {
  if (!StatusBar1_) return;  // before the controls exist
  RECT client;
  GetClientRect(fenetre_, &client);
  SendMessageW(StatusBar1_, WM_SIZE, 0, 0);
  RECT barre;
  GetWindowRect(StatusBar1_, &barre);
  const int hauteurBarre = barre.bottom - barre.top;
  const int hauteurPanneau = AEchelle(fenetre::kHauteurPanneauAide, dpi_);
  const int basTexte = std::max(0, static_cast<int>(client.bottom) - hauteurBarre - hauteurPanneau);
  if (WebBrowser1_) MoveWindow(WebBrowser1_, 0, 0, client.right, basTexte, TRUE);

  const fenetre::Rectangle fermer = fenetre::AEchelle(fenetre::kButtonFermer.place, static_cast<int>(dpi_));
  const fenetre::Rectangle imprimer = fenetre::AEchelle(fenetre::kBitBtnImprimer.place, static_cast<int>(dpi_));
  const fenetre::PositionsBoutonsAide p = fenetre::PlaceBoutonsAide(client.right, fermer.largeur, imprimer.largeur);
  MoveWindow(ButtonFermer_, p.fermer, basTexte + fermer.y, fermer.largeur, fermer.hauteur, TRUE);
  MoveWindow(BitBtnImprimer_, p.imprimer, basTexte + imprimer.y, imprimer.largeur, imprimer.hauteur, TRUE);
  SendMessageW(StatusBar1_, SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(Large(fenetre::kTexteEtatAide).c_str()));
}

void TFormAideHtm::BitBtnImprimerClick() {
  if (!WebBrowser1_) return;
  const HDC dc = annexes::ChoisitImprimante(fenetre_);
  if (!dc) return;
  // Any failure of the printer is dropped without a message: the operator sees the
  // printer's own dialogs and nothing more.
  ImprimeTexteRiche(WebBrowser1_, dc, Large(fenetre::kTitreAide));
  DeleteDC(dc);
}

LRESULT TFormAideHtm::Traite(HWND hwnd, UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_SIZE:
      FormResize();
      return 0;
    case WM_COMMAND:
      if (LOWORD(w) == IDCANCEL) {
        ouverte_ = false;  // ButtonFermer and Escape
        return 0;
      }
      if (LOWORD(w) == kIdBitBtnImprimer) {
        BitBtnImprimerClick();
        return 0;
      }
      break;
    case WM_CLOSE:
      ouverte_ = false;
      return 0;
    default:
      break;
  }
  return DefWindowProcW(hwnd, message, w, l);
}

}  // namespace

namespace {

// The printable area of a page in twips (for EM_FORMATRANGE) and in device pixels,
// half an inch from the paper's edges where the printer can print that far in.
struct Page {
  RECT papier;  // twips
  RECT zone;    // twips
  RECT pixels;  // device units
};

Page PageDe(HDC dc) {
  const int dpiX = GetDeviceCaps(dc, LOGPIXELSX), dpiY = GetDeviceCaps(dc, LOGPIXELSY);
  const int largeur = MulDiv(GetDeviceCaps(dc, PHYSICALWIDTH), 1440, dpiX);
  const int hauteur = MulDiv(GetDeviceCaps(dc, PHYSICALHEIGHT), 1440, dpiY);
  const int decalageX = MulDiv(GetDeviceCaps(dc, PHYSICALOFFSETX), 1440, dpiX);
  const int decalageY = MulDiv(GetDeviceCaps(dc, PHYSICALOFFSETY), 1440, dpiY);
  constexpr int kMarge = 720;
  Page p;
  p.papier = {0, 0, largeur, hauteur};
  p.zone = {std::max(kMarge - decalageX, 0), std::max(kMarge - decalageY, 0), largeur - kMarge - decalageX,
            hauteur - kMarge - decalageY};
  p.pixels = {MulDiv(p.zone.left, dpiX, 1440), MulDiv(p.zone.top, dpiY, 1440), MulDiv(p.zone.right, dpiX, 1440),
              MulDiv(p.zone.bottom, dpiY, 1440)};
  return p;
}

// Pages laid out by the control itself (EM_FORMATRANGE), with the guide's fonts and
// colours. False when a page fails.
bool ImprimeMisEnPage(HWND texte, HDC dc, const Page& page, LONG fin, int& pages) {
  FORMATRANGE fr{};
  fr.hdc = dc;
  fr.hdcTarget = dc;
  fr.rcPage = page.papier;
  LONG debut = 0;
  bool ok = true;
  while (ok && debut < fin) {
    fr.rc = page.zone;
    fr.chrg = {debut, -1};
    ok = StartPage(dc) > 0;
    if (!ok) break;
    const auto suivant = static_cast<LONG>(SendMessageW(texte, EM_FORMATRANGE, TRUE, reinterpret_cast<LPARAM>(&fr)));
    ok = EndPage(dc) > 0 && suivant > debut;
    debut = suivant;
    ++pages;
  }
  SendMessageW(texte, EM_FORMATRANGE, FALSE, 0);
  return ok;
}

// Pages of the plain text, paragraph by paragraph, for a control that cannot lay
// out pages itself (Wine's RichEdit does not implement EM_FORMATRANGE). False when a
// page fails.
bool ImprimeTexteSeul(HWND texte, HDC dc, const Page& page, int& pages) {
  GETTEXTLENGTHEX longueur{GTL_NUMCHARS | GTL_USECRLF, 1200};
  const auto n = static_cast<std::size_t>(
      SendMessageW(texte, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&longueur), 0));
  std::wstring tout(n + 1, L'\0');
  GETTEXTEX demande{static_cast<DWORD>((n + 1) * sizeof(wchar_t)), GT_USECRLF, 1200, nullptr, nullptr};
  tout.resize(static_cast<std::size_t>(SendMessageW(texte, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&demande),
                                                    reinterpret_cast<LPARAM>(tout.data()))));

  annexes::Police police(CreateFontW(-MulDiv(10, GetDeviceCaps(dc, LOGPIXELSY), 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE,
                                     FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                     DEFAULT_PITCH | FF_SWISS, L"Arial"));
  const int largeur = page.pixels.right - page.pixels.left;
  const int bas = page.pixels.bottom;
  const int ecart = MulDiv(6, GetDeviceCaps(dc, LOGPIXELSY), 72);  // between paragraphs
  int y = bas;  // no page started yet
  bool ok = true;
  std::size_t debut = 0;
  while (ok && debut <= tout.size()) {
    std::size_t fin = tout.find(L"\r\n", debut);
    if (fin == std::wstring::npos) fin = tout.size();
    const std::wstring paragraphe = tout.substr(debut, fin - debut);
    debut = fin + 2;
    if (y >= bas) {
      // Not even a paragraph fits any more: a new page.
      if (pages > 0) ok = EndPage(dc) > 0;
      if (ok) ok = StartPage(dc) > 0;
      if (!ok) break;
      ++pages;
      y = page.pixels.top;
      SelectObject(dc, police.get());
      SetBkMode(dc, TRANSPARENT);
    }
    RECT r{page.pixels.left, y, page.pixels.left + largeur, y};
    const UINT format = DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS | DT_EDITCONTROL;
    DrawTextW(dc, paragraphe.empty() ? L" " : paragraphe.c_str(), -1, &r, format | DT_CALCRECT);
    const int hauteur = r.bottom - r.top;
    if (y + hauteur > bas && y > page.pixels.top) {
      ok = EndPage(dc) > 0 && StartPage(dc) > 0;
      if (!ok) break;
      ++pages;
      y = page.pixels.top;
      SelectObject(dc, police.get());
      SetBkMode(dc, TRANSPARENT);
    }
    // A paragraph taller than a page is cut at the page's foot.
    RECT place{page.pixels.left, y, page.pixels.left + largeur, std::min(y + hauteur, bas)};
    DrawTextW(dc, paragraphe.c_str(), -1, &place, format);
    y += hauteur + ecart;
  }
  if (ok && pages > 0) ok = EndPage(dc) > 0;
  SelectObject(dc, GetStockObject(SYSTEM_FONT));
  return ok;
}

}  // namespace

int ImprimeTexteRiche(HWND texte, HDC dc, const std::wstring& titre) {
  const Page page = PageDe(dc);
  GETTEXTLENGTHEX longueur{GTL_NUMCHARS, 1200};
  const auto fin = static_cast<LONG>(SendMessageW(texte, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&longueur), 0));

  // Whether the control lays out pages: measure the first one without drawing.
  FORMATRANGE essai{};
  essai.hdc = dc;
  essai.hdcTarget = dc;
  essai.rcPage = page.papier;
  essai.rc = page.zone;
  essai.chrg = {0, -1};
  const bool misEnPage = SendMessageW(texte, EM_FORMATRANGE, FALSE, reinterpret_cast<LPARAM>(&essai)) > 0;
  SendMessageW(texte, EM_FORMATRANGE, FALSE, 0);

  DOCINFOW doc{};
  doc.cbSize = sizeof doc;
  doc.lpszDocName = titre.c_str();
  if (StartDocW(dc, &doc) <= 0) return -1;
  int pages = 0;
  const bool ok = misEnPage || fin == 0 ? ImprimeMisEnPage(texte, dc, page, fin, pages)
                                        : ImprimeTexteSeul(texte, dc, page, pages);
  if (!ok) {
    AbortDoc(dc);
    return -1;
  }
  EndDoc(dc);
  return pages;
}

std::string RtfAide(HINSTANCE instance) {
  const HRSRC trouve = FindResourceW(instance, L"AIDESCONET", RT_RCDATA);
  if (!trouve) return {};
  const HGLOBAL charge = LoadResource(instance, trouve);
  const void* octets = charge ? LockResource(charge) : nullptr;
  if (!octets) return {};
  return std::string(static_cast<const char*>(octets), SizeofResource(instance, trouve));
}

void MontreAide(HINSTANCE instance, HWND proprietaire) {
  // Created anew on each press and freed when it closes: nothing survives between two
  // openings.
  TFormAideHtm aide(instance, proprietaire);
  aide.Montre();
}

}  // namespace corrinom::win32
