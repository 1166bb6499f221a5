#include "app-win32/form_aide.h"

#include <commctrl.h>
#include <commdlg.h>
#include <richedit.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "app-win32/outils_annexes.h"
#include "app-win32/ressources_annexes.h"
#include "window/aide.h"

namespace corrinom::win32 {

namespace {

using annexes::AEchelle;

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

// Pages laid out by the control itself (EM_FORMATRANGE), with the guide's fonts and
// colours.
int ImprimeMisEnPage(HWND texte, HDC dc, const fenetre::PageImprimee& page, LONG fin, std::string_view titre) {
  FORMATRANGE fr{};
  fr.hdc = dc;
  fr.hdcTarget = dc;
  fr.rcPage = annexes::VersRect(page.papier);
  LONG debut = 0;
  const int pages = annexes::ImprimeDocument(dc, titre, [&](int) {
    fr.rc = annexes::VersRect(page.zone);
    fr.chrg = {debut, -1};
    const auto suivant = static_cast<LONG>(SendMessageW(texte, EM_FORMATRANGE, TRUE, reinterpret_cast<LPARAM>(&fr)));
    if (suivant <= debut) return annexes::Suite::Echec;
    debut = suivant;
    return debut < fin ? annexes::Suite::Autre : annexes::Suite::Derniere;
  });
  SendMessageW(texte, EM_FORMATRANGE, FALSE, 0);
  return pages;
}

// Pages of the plain text, paragraph by paragraph, for a control that cannot lay
// out pages itself (Wine's RichEdit does not implement EM_FORMATRANGE).
int ImprimeTexteSeul(HWND texte, HDC dc, const fenetre::PageImprimee& page, std::string_view titre) {
  GETTEXTLENGTHEX longueur{GTL_NUMCHARS | GTL_USECRLF, 1200};
  const auto n = static_cast<std::size_t>(
      SendMessageW(texte, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&longueur), 0));
  std::wstring tout(n + 1, L'\0');
  GETTEXTEX demande{static_cast<DWORD>((n + 1) * sizeof(wchar_t)), GT_USECRLF, 1200, nullptr, nullptr};
  tout.resize(static_cast<std::size_t>(SendMessageW(texte, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&demande),
                                                    reinterpret_cast<LPARAM>(tout.data()))));

  const annexes::Police police = annexes::PoliceImprimee(dc, 10);
  const int largeur = page.pixels.largeur;
  const int ecart = fenetre::Proportion(6, GetDeviceCaps(dc, LOGPIXELSY), 72);  // between paragraphs
  constexpr UINT kFormat = DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS | DT_EDITCONTROL;
  std::vector<std::wstring> paragraphes;
  std::vector<int> hauteurs;
  SelectObject(dc, police.get());
  for (std::size_t debut = 0; debut <= tout.size();) {
    std::size_t fin = tout.find(L"\r\n", debut);
    if (fin == std::wstring::npos) fin = tout.size();
    paragraphes.push_back(tout.substr(debut, fin - debut));
    debut = fin + 2;
    RECT r{page.pixels.x, 0, page.pixels.x + largeur, 0};
    DrawTextW(dc, paragraphes.back().empty() ? L" " : paragraphes.back().c_str(), -1, &r, kFormat | DT_CALCRECT);
    hauteurs.push_back(r.bottom - r.top);
  }
  const std::vector<fenetre::PlaceParagraphe> places =
      fenetre::MetEnPageParagraphes(hauteurs, page.pixels.y, page.pixels.y + page.pixels.hauteur, ecart);
  std::size_t i = 0;
  const int pages = annexes::ImprimeDocument(dc, titre, [&](int p) {
    SelectObject(dc, police.get());
    SetBkMode(dc, TRANSPARENT);
    for (; i < places.size() && places[i].page == p; ++i) {
      RECT place{page.pixels.x, places[i].y, page.pixels.x + largeur, places[i].y + places[i].hauteur};
      DrawTextW(dc, paragraphes[i].c_str(), -1, &place, kFormat);
    }
    return i < places.size() ? annexes::Suite::Autre : annexes::Suite::Derniere;
  });
  SelectObject(dc, GetStockObject(SYSTEM_FONT));
  return pages;
}

// Prints the whole text of the RichEdit control, half an inch from the paper's
// edges, laid out by the control; where it cannot lay out pages (Wine), the plain
// text in paragraphs. The number of pages printed, or -1 when the printer failed.
int ImprimeTexteRiche(HWND texte, HDC dc, std::string_view titre) {
  const fenetre::PageImprimee page = annexes::PageImprimante(dc);
  GETTEXTLENGTHEX longueur{GTL_NUMCHARS, 1200};
  const auto fin = static_cast<LONG>(SendMessageW(texte, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&longueur), 0));
  if (fin == 0) return 0;  // nothing to print

  // Whether the control lays out pages: measure the first one without drawing.
  FORMATRANGE essai{};
  essai.hdc = dc;
  essai.hdcTarget = dc;
  essai.rcPage = annexes::VersRect(page.papier);
  essai.rc = annexes::VersRect(page.zone);
  essai.chrg = {0, -1};
  const bool misEnPage = SendMessageW(texte, EM_FORMATRANGE, FALSE, reinterpret_cast<LPARAM>(&essai)) > 0;
  SendMessageW(texte, EM_FORMATRANGE, FALSE, 0);
  return misEnPage ? ImprimeMisEnPage(texte, dc, page, fin, titre) : ImprimeTexteSeul(texte, dc, page, titre);
}

// The guide's RTF as stored in the program (empty when it is missing).
std::string RtfAide(HINSTANCE instance) {
  const HRSRC trouve = FindResourceW(instance, L"AIDESCONET", RT_RCDATA);
  if (!trouve) return {};
  const HGLOBAL charge = LoadResource(instance, trouve);
  const void* octets = charge ? LockResource(charge) : nullptr;
  if (!octets) return {};
  return std::string(static_cast<const char*>(octets), SizeofResource(instance, trouve));
}

class TFormAideHtm : public annexes::FenetreAnnexe {
 public:
  using FenetreAnnexe::FenetreAnnexe;
  ~TFormAideHtm() override {
    if (icone_) DestroyIcon(icone_);
  }

  void Montre() {
    // The keyboard goes to the page, so that the arrow and page keys scroll it at
    // once; the page is read-only, so Tab leaves it for the buttons instead.
    FenetreAnnexe::Montre(kClasse, fenetre::kTitreAide, fenetre::kTailleAide, [this](const MSG& msg) {
      if (msg.hwnd != WebBrowser1_ || msg.message != WM_KEYDOWN || msg.wParam != VK_TAB) return false;
      SetFocus(GetNextDlgTabItem(fenetre_, WebBrowser1_, GetKeyState(VK_SHIFT) < 0 ? TRUE : FALSE));
      return true;
    });
  }

 private:
  void FormCreate() override;
  void FormShow() override;
  void FormResize(fenetre::Taille client) override;
  HWND Focus() const override { return WebBrowser1_; }
  void Commande(int id, int) override {
    if (id == kIdBitBtnImprimer) BitBtnImprimerClick();
  }
  void BitBtnImprimerClick();

  HWND WebBrowser1_ = nullptr;
  HWND ButtonFermer_ = nullptr;
  HWND BitBtnImprimer_ = nullptr;
  HWND StatusBar1_ = nullptr;
  HICON icone_ = nullptr;
};

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
    constexpr DWORD kStyle = WS_VSCROLL | WS_TABSTOP | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | ES_SAVESEL;
    WebBrowser1_ = Enfant({classe, kStyle, WS_EX_CLIENTEDGE}, "", kIdWebBrowser1);
  }
  ButtonFermer_ = Enfant({L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON}, fenetre::kButtonFermer.texte, IDCANCEL);
  BitBtnImprimer_ = Enfant({L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON | BS_ICON}, "", kIdBitBtnImprimer);
  annexes::NommeControle(BitBtnImprimer_, "BitBtnImprimer");
  const int cote = AEchelle(16, dpi_);
  icone_ = static_cast<HICON>(
      LoadImageW(instance_, MAKEINTRESOURCEW(kIconeImprimer), IMAGE_ICON, cote, cote, LR_DEFAULTCOLOR));
  if (icone_) SendMessageW(BitBtnImprimer_, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icone_));
  StatusBar1_ = Enfant({STATUSCLASSNAMEW}, "", kIdStatusBar1);
  SendMessageW(StatusBar1_, SB_SIMPLE, TRUE, 0);

  // The picture button says what it does when the pointer rests on it.
  std::wstring bulle = DeCp1252(fenetre::kInfoBulleImprimer);
  annexes::AjouteBulle(annexes::CreeBulles(fenetre_, TTS_ALWAYSTIP), fenetre_, BitBtnImprimer_, bulle.data());
}

void TFormAideHtm::FormShow() {
  // The control has its width before the guide comes in, so that centred and
  // justified paragraphs are laid out for it. A guide that cannot be loaded
  // leaves the window blank, without a message.
  if (!WebBrowser1_) return;
  const std::string rtf = RtfAide(instance_);
  std::string_view reste = rtf;
  EDITSTREAM flot{reinterpret_cast<DWORD_PTR>(&reste), 0, &LitTampon};
  SendMessageW(WebBrowser1_, EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&flot));
  SendMessageW(WebBrowser1_, EM_SETSEL, 0, 0);
}

void TFormAideHtm::FormResize(fenetre::Taille client) {
  SendMessageW(StatusBar1_, WM_SIZE, 0, 0);
  RECT barre{};
  GetWindowRect(StatusBar1_, &barre);
  const fenetre::PlacesAide places = fenetre::PlaceAide(client, barre.bottom - barre.top, static_cast<int>(dpi_));
  annexes::Deplace(WebBrowser1_, places.page);
  annexes::Deplace(ButtonFermer_, places.fermer);
  annexes::Deplace(BitBtnImprimer_, places.imprimer);
  SendMessageW(StatusBar1_, SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(DeCp1252(fenetre::kTexteEtatAide).c_str()));
}

void TFormAideHtm::BitBtnImprimerClick() {
  if (!WebBrowser1_) return;
  const HDC dc = annexes::ChoisitImprimante(fenetre_);
  if (!dc) return;
  // Any failure of the printer is dropped without a message: the operator sees the
  // printer's own dialogs and nothing more.
  ImprimeTexteRiche(WebBrowser1_, dc, fenetre::kTitreAide);
  DeleteDC(dc);
}

}  // namespace

void MontreAide(HINSTANCE instance, HWND proprietaire) {
  // Created anew on each press and freed when it closes: nothing survives between two
  // openings.
  TFormAideHtm aide(instance, proprietaire);
  aide.Montre();
}

}  // namespace corrinom::win32
