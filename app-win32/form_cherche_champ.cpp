#include "app-win32/form_cherche_champ.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "import/cherche_champ.h"
#include "window/fenetres_annexes.h"

namespace corrinom::win32 {

namespace {

using annexes::AEchelle;

// An empty dialog: the controls are made in WM_INITDIALOG, at their pixel places.
struct alignas(4) ModeleVide {
  DLGTEMPLATE modele;
  WORD menu = 0, classe = 0, titre = 0;
};

int IdDe(std::string_view nom) {
  if (nom == "ButtonOk") return IDOK;
  if (nom == "ButtonAnnuler") return IDCANCEL;
  int id = 1001;
  for (const fenetre::ControleAnnexe& c : fenetre::kControlesChercheChamp) {
    if (c.nom == nom) return id;
    ++id;
  }
  return -1;
}

// The window class and styles of each control of the table.
annexes::Sorte SorteDe(std::string_view nom) {
  if (nom == "Bevel1") return {L"STATIC", SS_ETCHEDHORZ, 0};
  if (nom == "LabelMess") return {L"STATIC", SS_LEFT | SS_NOPREFIX, 0};
  if (nom == "LabelTitre") return {L"STATIC", SS_CENTER | SS_NOPREFIX, 0};
  if (nom == "ListBoxNomChamps")
    return {L"LISTBOX", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
  if (nom == "ListBoxExemples") return {L"LISTBOX", LBS_NOSEL | LBS_NOINTEGRALHEIGHT | WS_VSCROLL, WS_EX_CLIENTEDGE};
  if (nom == "ButtonOk") return {L"BUTTON", BS_DEFPUSHBUTTON | WS_TABSTOP, 0};
  if (nom == "ButtonAnnuler") return {L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0};
  return {L"STATIC", SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0};
}

}  // namespace

std::optional<int> TFormChercheChamp::ChoisirChamp(const DemandeChamp& demande) {
  demande_ = &demande;
  choix_.reset();
  ModeleVide modele{};
  modele.modele.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
  modele.modele.dwExtendedStyle = WS_EX_DLGMODALFRAME;
  const INT_PTR r = DialogBoxIndirectParamW(instance_, &modele.modele, proprietaire_, &TFormChercheChamp::Procedure,
                                            reinterpret_cast<LPARAM>(this));
  demande_ = nullptr;
  if (r != IDOK) return std::nullopt;
  return choix_;
}

INT_PTR CALLBACK TFormChercheChamp::Procedure(HWND dialogue, UINT message, WPARAM w, LPARAM l) {
  if (message == WM_INITDIALOG) {
    auto* f = reinterpret_cast<TFormChercheChamp*>(l);
    SetWindowLongPtrW(dialogue, DWLP_USER, l);
    f->FormCreate(dialogue);
    return FALSE;  // the focus is set: on the field names
  }
  auto* f = reinterpret_cast<TFormChercheChamp*>(GetWindowLongPtrW(dialogue, DWLP_USER));
  if (!f) return FALSE;
  switch (message) {
    case WM_COMMAND:
      switch (LOWORD(w)) {
        case IDOK: f->Termine(true); return TRUE;
        case IDCANCEL: f->Termine(false); return TRUE;  // Annuler, Escape, the close box
        case kIdListBoxNomChamps:
          if (HIWORD(w) == LBN_SELCHANGE) f->AfficheExemples();
          return TRUE;
        default: break;
      }
      break;
    default: break;
  }
  return FALSE;
}

void TFormChercheChamp::FormCreate(HWND dialogue) {
  dialogue_ = dialogue;
  dpi_ = annexes::DpiDe(proprietaire_ ? proprietaire_ : dialogue);
  SetWindowTextW(dialogue, DeCp1252(kTitreChercheChamp).c_str());
  // The program's icon (resource 1 of corrinom.rc), as on the main window.
  if (HICON icone = LoadIconW(instance_, MAKEINTRESOURCEW(1)))
    SendMessageW(dialogue, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icone));

  for (const fenetre::ControleAnnexe& c : fenetre::kControlesChercheChamp) {
    const std::string_view texte =
        c.nom == "LabelMess" ? demande_->message : c.nom == "LabelTitre" ? demande_->titre : c.texte;
    annexes::CreeControle(dialogue, SorteDe(c.nom), texte, IdDe(c.nom), instance_);
  }
  for (const auto& [liste, libelle] : {std::pair{"ListBoxNomChamps", "LabelNomsChamps"},
                                       std::pair{"ListBoxExemples", "LabelExemples"}})
    annexes::NommeControle(GetDlgItem(dialogue, IdDe(liste)), liste, GetDlgItem(dialogue, IdDe(libelle)));
  police_ = annexes::CreePolice(dpi_);
  policeTitre_ = annexes::CreePolice(dpi_, true, 150);
  annexes::AppliquePolice(dialogue, police_.get());
  SendDlgItemMessageW(dialogue, IdDe("LabelTitre"), WM_SETFONT, reinterpret_cast<WPARAM>(policeTitre_.get()), TRUE);
  Place(dialogue);

  const HWND noms = GetDlgItem(dialogue, kIdListBoxNomChamps);
  for (const std::string& nom : demande_->noms)
    SendMessageW(noms, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(DeCp1252(nom).c_str()));
  const auto n = static_cast<int>(demande_->noms.size());
  if (const std::optional<int> p = fenetre::PreselectionChercheChamp(demande_->preselection, n))
    SendMessageW(noms, LB_SETCURSEL, static_cast<WPARAM>(*p), 0);
  AfficheExemples();
  SetFocus(noms);
}

void TFormChercheChamp::Place(HWND dialogue) {
  for (const fenetre::ControleAnnexe& c : fenetre::kControlesChercheChamp) {
    const fenetre::Rectangle p = fenetre::AEchelle(c.place, static_cast<int>(dpi_));
    SetWindowPos(GetDlgItem(dialogue, IdDe(c.nom)), nullptr, p.x, p.y, p.largeur, p.hauteur,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }

  // The client area at its design size, adjusted to the resolution and the screen,
  // centred over the owner.
  const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(dialogue, GWL_STYLE));
  const DWORD etendu = static_cast<DWORD>(GetWindowLongPtrW(dialogue, GWL_EXSTYLE));
  RECT cadre{0, 0, 0, 0};
  AdjustWindowRectEx(&cadre, style, FALSE, etendu);
  fenetre::GeometrieFenetre g;
  g.client = fenetre::kTailleChercheChamp;
  g.cadre = {-cadre.left, -cadre.top, cadre.right, cadre.bottom};
  MONITORINFO mi{sizeof mi, {}, {}, 0};
  GetMonitorInfoW(MonitorFromWindow(proprietaire_ ? proprietaire_ : dialogue, MONITOR_DEFAULTTONEAREST), &mi);
  RECT parent = mi.rcWork;
  if (proprietaire_) GetWindowRect(proprietaire_, &parent);
  const fenetre::GeometrieFenetre n = fenetre::PlaceCentree(g, annexes::DeRect(parent), static_cast<int>(dpi_),
                                                            annexes::DeRect(mi.rcWork));
  const fenetre::Taille ne = n.exterieur();
  SetWindowPos(dialogue, nullptr, n.position.x, n.position.y, ne.largeur, ne.hauteur, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TFormChercheChamp::AfficheExemples() {
  const HWND exemples = GetDlgItem(dialogue_, kIdListBoxExemples);
  SendMessageW(exemples, LB_RESETCONTENT, 0, 0);
  const LRESULT n = SendDlgItemMessageW(dialogue_, kIdListBoxNomChamps, LB_GETCURSEL, 0, 0);
  if (n == LB_ERR || !demande_->exemples) return;
  SendMessageW(exemples, WM_SETREDRAW, FALSE, 0);
  for (const std::string& exemple : demande_->exemples(static_cast<int>(n)))
    SendMessageW(exemples, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(DeCp1252(exemple).c_str()));
  SendMessageW(exemples, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(exemples, nullptr, TRUE);
}

void TFormChercheChamp::Termine(bool ok) {
  const LRESULT n = SendDlgItemMessageW(dialogue_, kIdListBoxNomChamps, LB_GETCURSEL, 0, 0);
  choix_ = fenetre::ChoixChercheChamp(ok, n == LB_ERR ? std::nullopt : std::optional<int>(static_cast<int>(n)));
  EndDialog(dialogue_, ok ? IDOK : IDCANCEL);
}

}  // namespace corrinom::win32
