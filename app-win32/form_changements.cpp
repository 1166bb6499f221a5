#include "app-win32/form_changements.h"

#include <commctrl.h>
#include <commdlg.h>

#include <algorithm>
#include <array>
#include <cwchar>
#include <optional>
#include <string>

#include "app-win32/outils_annexes.h"
#include "session/journal.h"
#include "text/encodage.h"
#include "window/fenetres_annexes.h"

namespace corrinom::win32 {

namespace {

using annexes::AEchelle;
using annexes::Large;

constexpr wchar_t kClasse[] = L"CorrinomFormChangements";
constexpr int kMarge = 8;  // around the list and between the buttons, at 96 dpi

// A report list draws pictures in its item column only, and always leaves room
// for one there. So the mark, whose picture goes before its word, is the item
// column, shown last; the other texts are its sub-items, shown before it in
// their order. TexteDe gives the column of TitresChangements a list column shows.
constexpr std::size_t TexteDe(std::size_t sousItem) {
  return (sousItem + kColonnesChangements - 1) % kColonnesChangements;
}

// A path as the C library spells it on Windows (the ANSI code page) to UTF-16.
std::wstring DepuisAnsi(std::string_view ansi) {
  const int n = MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
  std::wstring r(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), r.data(), n);
  return r;
}

std::string VersAnsi(const std::wstring& texte) {
  const int n = WideCharToMultiByte(CP_ACP, 0, texte.c_str(), static_cast<int>(texte.size()), nullptr, 0,
                                    nullptr, nullptr);
  std::string r(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_ACP, 0, texte.c_str(), static_cast<int>(texte.size()), r.data(), n, nullptr, nullptr);
  return r;
}

// A file filter of the common dialogs: "label\0pattern\0\0" from "label (pattern)".
std::wstring Filtre(std::string_view filtre) {
  const std::size_t ouvrante = filtre.rfind('(');
  std::wstring r = Large(filtre);
  r.push_back(L'\0');
  r += Large(filtre.substr(ouvrante + 1, filtre.size() - ouvrante - 2));
  r.push_back(L'\0');
  r.push_back(L'\0');
  return r;
}

// The system's dialog to save a file (`nom` proposed, `.csv` added when the
// operator types none) or to open an existing one (in `dossier`, when known).
// The chosen path, or none when the dialog is cancelled.
std::optional<std::wstring> ChoisitFichier(HWND proprietaire, bool enregistrer, std::string_view titre,
                                           std::string_view filtre, std::wstring nom,
                                           const std::wstring& dossier = {}) {
  nom.resize(MAX_PATH);
  const std::wstring filtres = Filtre(filtre);
  const std::wstring legende = Large(titre);
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = proprietaire;
  ofn.lpstrFilter = filtres.c_str();
  ofn.lpstrFile = nom.data();
  ofn.nMaxFile = static_cast<DWORD>(nom.size());
  ofn.lpstrInitialDir = dossier.empty() ? nullptr : dossier.c_str();
  ofn.lpstrTitle = legende.c_str();
  if (enregistrer) {
    ofn.lpstrDefExt = L"csv";
    ofn.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR;
  } else {
    ofn.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR;
  }
  if (!(enregistrer ? GetSaveFileNameW(&ofn) : GetOpenFileNameW(&ofn))) return std::nullopt;
  nom.resize(std::wcslen(nom.c_str()));
  return nom;
}

class TFormChangements {
 public:
  TFormChangements(HINSTANCE instance, HWND proprietaire, std::vector<LigneChangement> lignes,
                   std::string_view magasin, HIMAGELIST marques, RestaurationJournal restaurer)
      : instance_(instance),
        proprietaire_(proprietaire),
        lignes_(std::move(lignes)),
        magasin_(Utf8VersCp1252Compte(magasin)),
        marques_(marques),
        restaurer_(std::move(restaurer)) {}
  TFormChangements(const TFormChangements&) = delete;
  TFormChangements& operator=(const TFormChangements&) = delete;

  void Montre();
  LRESULT Traite(HWND hwnd, UINT message, WPARAM w, LPARAM l);

 private:
  void FormCreate();
  void FormResize();
  void Remplit();
  void ImprimerClick();
  void EnregistrerClick();
  void RestaurerClick();

  HINSTANCE instance_;
  HWND proprietaire_;
  std::vector<LigneChangement> lignes_;
  std::string magasin_;  // CP1252, for the printed header
  HIMAGELIST marques_;   // the main window's
  RestaurationJournal restaurer_;
  HWND fenetre_ = nullptr;
  HWND liste_ = nullptr;
  std::array<HWND, 4> boutons_{};  // in the order of kBoutonsChangements
  UINT dpi_ = 96;
  annexes::Police police_;
  bool ouverte_ = false;
};

void TFormChangements::Montre() {
  fenetre_ = annexes::CreeFenetreAnnexe(instance_, kClasse, Large(fenetre::kTitreChangements),
                                        fenetre::kTailleChangements.largeur, fenetre::kTailleChangements.hauteur,
                                        proprietaire_, &annexes::ProcedureDe<TFormChangements>, this, dpi_);
  if (!fenetre_) return;
  FormCreate();
  annexes::BoucleModale(fenetre_, proprietaire_, liste_, ouverte_);
  fenetre_ = nullptr;
}

void TFormChangements::FormCreate() {
  liste_ = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
                           WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS, 0, 0, 0, 0,
                           fenetre_, reinterpret_cast<HMENU>(kIdListeChangements), instance_, nullptr);
  ListView_SetExtendedListViewStyle(liste_, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
  // The main window's pictures, duplicated: the main window makes its own anew
  // when its resolution changes, which may happen while this list is open. The
  // list destroys its duplicate with itself.
  if (marques_) ListView_SetImageList(liste_, ImageList_Duplicate(marques_), LVSIL_SMALL);
  const auto& titres = TitresChangements();
  std::array<int, kColonnesChangements> ordre{};
  for (std::size_t s = 0; s < kColonnesChangements; ++s) {
    const std::size_t c = TexteDe(s);
    std::wstring titre = Large(titres[c]);
    LVCOLUMNW colonne{};
    colonne.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    colonne.pszText = titre.data();
    colonne.cx = AEchelle(fenetre::kLargeursChangements[c], dpi_);
    colonne.iSubItem = static_cast<int>(s);
    ListView_InsertColumn(liste_, static_cast<int>(s), &colonne);
    ordre[c] = static_cast<int>(s);
  }
  ListView_SetColumnOrderArray(liste_, static_cast<int>(ordre.size()), ordre.data());
  constexpr std::array<int, 4> ids{kIdButtonImprimer, kIdButtonEnregistrer, kIdButtonRestaurer, IDCANCEL};
  for (std::size_t i = 0; i < boutons_.size(); ++i) {
    if (ids[i] == kIdButtonRestaurer && !restaurer_) continue;
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | (ids[i] == IDCANCEL ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
    boutons_[i] = CreateWindowExW(0, L"BUTTON", Large(fenetre::kBoutonsChangements[i].texte).c_str(), style, 0, 0,
                                  0, 0, fenetre_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(ids[i])), instance_,
                                  nullptr);
  }
  police_ = annexes::CreePolice(dpi_);
  annexes::AppliquePolice(fenetre_, police_.get());
  Remplit();
  FormResize();
}

void TFormChangements::Remplit() {
  ListView_DeleteAllItems(liste_);
  for (std::size_t i = 0; i < lignes_.size(); ++i) {
    const auto textes = TextesChangement(lignes_[i]);
    for (std::size_t s = 0; s < textes.size(); ++s) {
      const std::size_t c = TexteDe(s);
      std::wstring texte = Large(textes[c]);
      LVITEMW item{};
      item.mask = LVIF_TEXT;
      item.iItem = static_cast<int>(i);
      item.iSubItem = static_cast<int>(s);
      item.pszText = texte.data();
      if (s == 0) {
        item.mask |= LVIF_IMAGE;
        item.iImage = IndexMarque(lignes_[i].marque);
        ListView_InsertItem(liste_, &item);
      } else {
        ListView_SetItem(liste_, &item);
      }
    }
  }
}

void TFormChangements::FormResize() {
  if (!liste_) return;
  RECT client;
  GetClientRect(fenetre_, &client);
  const int marge = AEchelle(kMarge, dpi_);
  const int hauteurBouton = AEchelle(fenetre::kBoutonsChangements[0].place.hauteur, dpi_);
  const int hautBoutons = std::max(marge, static_cast<int>(client.bottom) - marge - hauteurBouton);
  MoveWindow(liste_, marge, marge, std::max(0, static_cast<int>(client.right) - 2 * marge),
             std::max(0, hautBoutons - 2 * marge), TRUE);
  // Imprimer, Enregistrer and Restaurer from the left, Fermer on the right.
  int x = marge;
  for (std::size_t i = 0; i + 1 < boutons_.size(); ++i) {
    if (!boutons_[i]) continue;
    const int largeur = AEchelle(fenetre::kBoutonsChangements[i].place.largeur, dpi_);
    MoveWindow(boutons_[i], x, hautBoutons, largeur, hauteurBouton, TRUE);
    x += largeur + marge;
  }
  const int largeurFermer = AEchelle(fenetre::kBoutonsChangements.back().place.largeur, dpi_);
  MoveWindow(boutons_.back(), std::max(x, static_cast<int>(client.right) - marge - largeurFermer), hautBoutons,
             largeurFermer, hauteurBouton, TRUE);
}

void TFormChangements::ImprimerClick() {
  const HDC dc = annexes::ChoisitImprimante(fenetre_, fenetre::kImpressionChangementsPaysage);
  if (!dc) return;

  // Half an inch of margin; 9-point text, a line and a quarter apart.
  const int dpiX = GetDeviceCaps(dc, LOGPIXELSX);
  const int dpiY = GetDeviceCaps(dc, LOGPIXELSY);
  const int gauche = std::max(0, dpiX / 2 - GetDeviceCaps(dc, PHYSICALOFFSETX));
  const int haut = std::max(0, dpiY / 2 - GetDeviceCaps(dc, PHYSICALOFFSETY));
  const int largeur = GetDeviceCaps(dc, HORZRES) - 2 * gauche;
  const int hauteur = GetDeviceCaps(dc, VERTRES) - 2 * haut;
  LOGFONTW lf{};
  lf.lfHeight = -MulDiv(9, dpiY, 72);
  lf.lfCharSet = DEFAULT_CHARSET;
  wcscpy_s(lf.lfFaceName, L"Arial");
  annexes::Police normale(CreateFontIndirectW(&lf));
  lf.lfWeight = FW_BOLD;
  annexes::Police grasse(CreateFontIndirectW(&lf));
  const HGDIOBJ ancienne = SelectObject(dc, normale.get());
  TEXTMETRICW tm{};
  GetTextMetricsW(dc, &tm);
  const int ligne = (tm.tmHeight + tm.tmExternalLeading) * 5 / 4;
  const fenetre::PagesChangements mise =
      fenetre::MetEnPageChangements(lignes_.size(), gauche, largeur, hauteur, ligne);
  const std::array<int, kColonnesChangements + 1>& bords = mise.bords;
  const int enTete = mise.enTete, pages = mise.pages;
  auto cellules = [&](int y, const auto& textes) {
    for (std::size_t c = 0; c < kColonnesChangements; ++c) {
      RECT r{bords[c], y, bords[c + 1] - dpiX / 24, y + ligne};
      std::wstring t = Large(textes[c]);
      DrawTextW(dc, t.c_str(), static_cast<int>(t.size()), &r,
                DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
    }
  };
  SYSTEMTIME maintenant;
  GetLocalTime(&maintenant);
  char date[32];
  wsprintfA(date, "%02u/%02u/%04u %02u:%02u", maintenant.wDay, maintenant.wMonth, maintenant.wYear,
            maintenant.wHour, maintenant.wMinute);

  std::wstring titre = Large(fenetre::kTitreChangements);
  DOCINFOW doc{};
  doc.cbSize = sizeof doc;
  doc.lpszDocName = titre.c_str();
  // A failure of the printer is dropped without a message, as the help window does.
  if (StartDocW(dc, &doc) > 0) {
    bool ok = true;
    for (int page = 0; ok && page < pages; ++page) {
      ok = StartPage(dc) > 0;
      if (!ok) break;
      SelectObject(dc, normale.get());
      std::wstring haut0 = Large(EnTetePageChangements(date, magasin_, page + 1, pages));
      TextOutW(dc, gauche, haut, haut0.c_str(), static_cast<int>(haut0.size()));
      SelectObject(dc, grasse.get());
      for (std::size_t c = 0; c < kColonnesChangements; ++c) {
        // Titles wrap on their lines; DT_BOTTOM needs a single line, so the
        // text is measured and moved down by hand.
        RECT r{bords[c], 0, bords[c + 1] - dpiX / 24, 0};
        std::wstring t = Large(TitresChangements()[c]);
        const UINT format = DT_LEFT | DT_WORDBREAK | DT_NOPREFIX;
        DrawTextW(dc, t.c_str(), static_cast<int>(t.size()), &r, format | DT_CALCRECT);
        const int bas = haut + enTete - ligne / 8;
        r.top = std::max(haut + 2 * ligne, bas - static_cast<int>(r.bottom - r.top));
        r.bottom = bas;
        r.right = bords[c + 1] - dpiX / 24;
        DrawTextW(dc, t.c_str(), static_cast<int>(t.size()), &r, format);
      }
      SelectObject(dc, normale.get());
      MoveToEx(dc, gauche, haut + enTete - 1, nullptr);
      LineTo(dc, gauche + largeur, haut + enTete - 1);
      const auto [debut, fin] = mise.Lignes(page, lignes_.size());
      for (std::size_t i = debut; i < fin; ++i)
        cellules(haut + enTete + static_cast<int>(i - debut) * ligne, TextesChangement(lignes_[i]));
      ok = EndPage(dc) > 0;
    }
    if (ok) EndDoc(dc);
    else AbortDoc(dc);
  }
  SelectObject(dc, ancienne);
  DeleteDC(dc);
}

void TFormChangements::EnregistrerClick() {
  const std::optional<std::wstring> fichier =
      ChoisitFichier(fenetre_, true, fenetre::kTitreEnregistrerChangements, fenetre::kFiltreChangements,
                     Large(fenetre::kNomFichierChangements));
  if (!fichier) return;
  const std::string csv = CsvChangements(lignes_);
  const HANDLE f = CreateFileW(fichier->c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                               nullptr);
  DWORD ecrits = 0;
  const bool ok = f != INVALID_HANDLE_VALUE &&
                  WriteFile(f, csv.data(), static_cast<DWORD>(csv.size()), &ecrits, nullptr) &&
                  ecrits == csv.size() && FlushFileBuffers(f);
  const DWORD erreur = GetLastError();
  if (f != INVALID_HANDLE_VALUE) CloseHandle(f);
  if (ok) return;
  std::wstring message = L"Le fichier " + *fichier +
                         L" ne peut pas \u00EAtre enregistr\u00E9 (erreur " + std::to_wstring(erreur) + L").";
  MessageBoxW(fenetre_, message.c_str(), Large(fenetre::kTitreEnregistrerChangements).c_str(),
              MB_OK | MB_ICONWARNING);
}

void TFormChangements::RestaurerClick() {
  if (!restaurer_) return;
  std::string erreur;
  const std::optional<std::string> dossierJournaux = DossierJournaux(erreur);
  const std::wstring dossier = dossierJournaux ? DepuisAnsi(*dossierJournaux) : std::wstring();
  const std::optional<std::wstring> fichier =
      ChoisitFichier(fenetre_, false, fenetre::kTitreChoixJournal, fenetre::kFiltreJournaux, {}, dossier);
  if (!fichier) return;
  if (std::optional<std::vector<LigneChangement>> lignes = restaurer_(VersAnsi(*fichier))) {
    lignes_ = std::move(*lignes);
    Remplit();
  }
}

LRESULT TFormChangements::Traite(HWND hwnd, UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_SIZE:
      FormResize();
      return 0;
    case WM_COMMAND:
      switch (LOWORD(w)) {
        case IDCANCEL:
          ouverte_ = false;
          return 0;
        case kIdButtonImprimer:
          ImprimerClick();
          return 0;
        case kIdButtonEnregistrer:
          EnregistrerClick();
          return 0;
        case kIdButtonRestaurer:
          RestaurerClick();
          return 0;
        default:
          break;
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

void MontreChangements(HINSTANCE instance, HWND proprietaire, std::vector<LigneChangement> lignes,
                       std::string_view magasin, HIMAGELIST marques, RestaurationJournal restaurer) {
  TFormChangements liste(instance, proprietaire, std::move(lignes), magasin, marques, std::move(restaurer));
  liste.Montre();
}

}  // namespace corrinom::win32
