#include "app-win32/form_cherche_champ.h"

#include <string_view>
#include <utility>

#include "app-win32/outils_annexes.h"
#include "window/cherche_champ_fenetre.h"

namespace corrinom::win32 {

namespace {

using Genre = fenetre::GenreChoix;

// An empty dialog: the controls are made in WM_INITDIALOG, at their pixel places.
struct alignas(4) ModeleVide {
  DLGTEMPLATE modele;
  WORD menu = 0, classe = 0, titre = 0;
};

// Control identifiers: the dialog's own IDOK and IDCANCEL for its two buttons,
// from 1001 in the table's order for the others.
constexpr int IdDe(std::string_view nom) {
  if (nom == "ButtonOk") return IDOK;
  if (nom == "ButtonAnnuler") return IDCANCEL;
  int id = 1001;
  for (const fenetre::ControleChoix& c : fenetre::kControlesChercheChamp) {
    if (c.nom == nom) return id;
    ++id;
  }
  return -1;
}
constexpr int kIdListBoxNomChamps = IdDe("ListBoxNomChamps");
constexpr int kIdListBoxExemples = IdDe("ListBoxExemples");

// The window class and styles of each kind of control.
annexes::Sorte SorteDe(Genre genre) {
  switch (genre) {
    case Genre::Trait: return {L"STATIC", SS_ETCHEDHORZ, 0};
    case Genre::Message: return {L"STATIC", SS_LEFT | SS_NOPREFIX, 0};
    case Genre::Titre: return {L"STATIC", SS_CENTER | SS_NOPREFIX, 0};
    case Genre::Noms:
      return {L"LISTBOX", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
    case Genre::Exemples: return {L"LISTBOX", LBS_NOSEL | LBS_NOINTEGRALHEIGHT | WS_VSCROLL, WS_EX_CLIENTEDGE};
    case Genre::BoutonOk: return {L"BUTTON", BS_DEFPUSHBUTTON | WS_TABSTOP, 0};
    case Genre::BoutonAnnuler: return {L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0};
    case Genre::Libelle: break;
  }
  return {L"STATIC", SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0};
}

// What the dialog's procedure works with, from WM_INITDIALOG to EndDialog.
struct Choix {
  HINSTANCE instance;
  HWND proprietaire;
  const DemandeChamp& demande;
  annexes::Police police{};
  annexes::Police policeTitre{};
  std::optional<int> choix{};
};

// The client area at its design size, adjusted to the resolution and the screen,
// centred over the owner.
void Place(HWND dialogue, HWND proprietaire, UINT dpi) {
  const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(dialogue, GWL_STYLE));
  const DWORD etendu = static_cast<DWORD>(GetWindowLongPtrW(dialogue, GWL_EXSTYLE));
  RECT cadre{0, 0, 0, 0};
  AdjustWindowRectEx(&cadre, style, FALSE, etendu);
  fenetre::GeometrieFenetre g;
  g.client = fenetre::kTailleChercheChamp;
  g.cadre = {-cadre.left, -cadre.top, cadre.right, cadre.bottom};
  MONITORINFO mi{sizeof mi, {}, {}, 0};
  GetMonitorInfoW(MonitorFromWindow(proprietaire ? proprietaire : dialogue, MONITOR_DEFAULTTONEAREST), &mi);
  RECT parent = mi.rcWork;
  if (proprietaire) GetWindowRect(proprietaire, &parent);
  const fenetre::GeometrieFenetre n =
      fenetre::PlaceCentree(g, annexes::DeRect(parent), static_cast<int>(dpi), annexes::DeRect(mi.rcWork));
  const fenetre::Taille ne = n.exterieur();
  SetWindowPos(dialogue, nullptr, n.position.x, n.position.y, ne.largeur, ne.hauteur, SWP_NOZORDER | SWP_NOACTIVATE);
}

std::optional<int> Selection(HWND dialogue) {
  const LRESULT n = SendDlgItemMessageW(dialogue, kIdListBoxNomChamps, LB_GETCURSEL, 0, 0);
  if (n == LB_ERR) return std::nullopt;
  return static_cast<int>(n);
}

void AfficheExemples(HWND dialogue, const DemandeChamp& demande) {
  const HWND exemples = GetDlgItem(dialogue, kIdListBoxExemples);
  SendMessageW(exemples, LB_RESETCONTENT, 0, 0);
  SendMessageW(exemples, WM_SETREDRAW, FALSE, 0);
  for (const std::string& exemple : fenetre::ExemplesChercheChamp(demande, Selection(dialogue)))
    SendMessageW(exemples, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(DeCp1252(exemple).c_str()));
  SendMessageW(exemples, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(exemples, nullptr, TRUE);
}

void FormCreate(HWND dialogue, Choix& f) {
  const UINT dpi = annexes::DpiDe(f.proprietaire ? f.proprietaire : dialogue);
  SetWindowTextW(dialogue, DeCp1252(kTitreChercheChamp).c_str());
  // The program's icon (resource 1 of corrinom.rc), as on the main window.
  if (HICON icone = LoadIconW(f.instance, MAKEINTRESOURCEW(1)))
    SendMessageW(dialogue, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icone));

  for (const fenetre::ControleChoix& c : fenetre::kControlesChercheChamp) {
    const std::string_view texte = c.genre == Genre::Message ? f.demande.message
                                   : c.genre == Genre::Titre ? f.demande.titre
                                                             : c.texte;
    const HWND h = annexes::CreeControle(dialogue, SorteDe(c.genre), texte, IdDe(c.nom), f.instance);
    annexes::Deplace(h, fenetre::AEchelle(c.place, static_cast<int>(dpi)));
  }
  for (const auto& [liste, libelle] : {std::pair{"ListBoxNomChamps", "LabelNomsChamps"},
                                       std::pair{"ListBoxExemples", "LabelExemples"}})
    annexes::NommeControle(GetDlgItem(dialogue, IdDe(liste)), liste, GetDlgItem(dialogue, IdDe(libelle)));
  f.police = annexes::CreePolice(dpi);
  f.policeTitre = annexes::CreePolice(dpi, true, 150);
  annexes::AppliquePolice(dialogue, f.police.get());
  SendDlgItemMessageW(dialogue, IdDe("LabelTitre"), WM_SETFONT, reinterpret_cast<WPARAM>(f.policeTitre.get()), TRUE);
  Place(dialogue, f.proprietaire, dpi);

  const HWND noms = GetDlgItem(dialogue, kIdListBoxNomChamps);
  for (const std::string& nom : f.demande.noms)
    SendMessageW(noms, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(DeCp1252(nom).c_str()));
  const auto n = static_cast<int>(f.demande.noms.size());
  if (const std::optional<int> p = fenetre::PreselectionChercheChamp(f.demande.preselection, n))
    SendMessageW(noms, LB_SETCURSEL, static_cast<WPARAM>(*p), 0);
  AfficheExemples(dialogue, f.demande);
  SetFocus(noms);
}

INT_PTR CALLBACK Procedure(HWND dialogue, UINT message, WPARAM w, LPARAM l) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrW(dialogue, DWLP_USER, l);
    FormCreate(dialogue, *reinterpret_cast<Choix*>(l));
    return FALSE;  // the focus is set: on the field names
  }
  auto* f = reinterpret_cast<Choix*>(GetWindowLongPtrW(dialogue, DWLP_USER));
  if (!f || message != WM_COMMAND) return FALSE;
  switch (LOWORD(w)) {
    case IDOK:
    case IDCANCEL:  // Annuler, Escape, the close box
      f->choix = fenetre::ChoixChercheChamp(LOWORD(w) == IDOK, Selection(dialogue));
      EndDialog(dialogue, LOWORD(w));
      return TRUE;
    case kIdListBoxNomChamps:
      if (HIWORD(w) == LBN_SELCHANGE) AfficheExemples(dialogue, f->demande);
      return TRUE;
    default: return FALSE;
  }
}

}  // namespace

std::optional<int> ChoisitChamp(HINSTANCE instance, HWND proprietaire, const DemandeChamp& demande) {
  Choix choix{instance, proprietaire, demande};
  ModeleVide modele{};
  modele.modele.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
  modele.modele.dwExtendedStyle = WS_EX_DLGMODALFRAME;
  const INT_PTR r = DialogBoxIndirectParamW(instance, &modele.modele, proprietaire, &Procedure,
                                            reinterpret_cast<LPARAM>(&choix));
  if (r != IDOK) return std::nullopt;
  return choix.choix;
}

}  // namespace corrinom::win32
