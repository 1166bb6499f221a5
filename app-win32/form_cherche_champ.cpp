#include "app-win32/form_cherche_champ.h"

#include <string>
#include <string_view>

#include "app-win32/outils_annexes.h"
#include "window/accessibilite.h"
#include "window/cherche_champ_fenetre.h"

namespace corrinom::win32 {

namespace {

using Genre = fenetre::GenreChoix;

constexpr wchar_t kClasse[] = L"CorrinomFormChercheChamp";

// Control identifiers: the system's IDOK and IDCANCEL for its two buttons (Entrée
// and Échap), from 1001 in the table's order for the others.
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

// Where the chooser opens (fenetre::PlaceChercheChamp): centred on the owner at
// its size for the resolution, fitted to the work area.
void Place(HWND dialogue, HWND proprietaire, UINT dpi) {
  const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(dialogue, GWL_STYLE));
  const DWORD etendu = static_cast<DWORD>(GetWindowLongPtrW(dialogue, GWL_EXSTYLE));
  RECT cadre{0, 0, 0, 0};
  AdjustWindowRectEx(&cadre, style, FALSE, etendu);
  MONITORINFO mi{sizeof mi, {}, {}, 0};
  GetMonitorInfoW(MonitorFromWindow(proprietaire ? proprietaire : dialogue, MONITOR_DEFAULTTONEAREST), &mi);
  RECT autour = mi.rcWork;
  if (proprietaire) GetWindowRect(proprietaire, &autour);
  const fenetre::GeometrieFenetre n =
      fenetre::PlaceChercheChamp({-cadre.left, -cadre.top, cadre.right, cadre.bottom}, annexes::DeRect(autour),
                                 static_cast<int>(dpi), annexes::DeRect(mi.rcWork));
  const fenetre::Taille ne = n.exterieur();
  SetWindowPos(dialogue, nullptr, n.position.x, n.position.y, ne.largeur, ne.hauteur, SWP_NOZORDER | SWP_NOACTIVATE);
}

class TFormChercheChamp : public annexes::FenetreAnnexe {
 public:
  TFormChercheChamp(HINSTANCE instance, HWND proprietaire, const DemandeChamp& demande)
      : FenetreAnnexe(instance, proprietaire), demande_(demande) {}

  // The chosen entry after Ok with an entry selected, else none.
  std::optional<int> Montre() {
    FenetreAnnexe::Montre(kClasse, kTitreChercheChamp, fenetre::kTailleChercheChamp, {}, false);
    return choix_;
  }

 private:
  void FormCreate() override;
  void FormShow() override;
  void FormResize(fenetre::Taille) override {}  // a fixed size
  HWND Focus() const override { return GetDlgItem(fenetre_, kIdListBoxNomChamps); }
  void Commande(int id, int code) override;
  std::optional<int> Selection() const;
  void AfficheExemples();

  const DemandeChamp& demande_;
  annexes::Police policeTitre_;
  std::optional<int> choix_;
};

void TFormChercheChamp::FormCreate() {
  for (const fenetre::ControleChoix& c : fenetre::kControlesChercheChamp) {
    const std::string_view texte = c.genre == Genre::Message ? demande_.message
                                   : c.genre == Genre::Titre ? demande_.titre
                                                             : c.texte;
    annexes::Deplace(Enfant(SorteDe(c.genre), texte, IdDe(c.nom)), fenetre::AEchelle(c.place, static_cast<int>(dpi_)));
  }
  // Each list named by the label before it, as window/accessibilite.h pairs them.
  for (const fenetre::NomAccessible& n : fenetre::NomsAccessibles())
    if (const HWND h = IdDe(n.controle) > 0 ? GetDlgItem(fenetre_, IdDe(n.controle)) : nullptr)
      annexes::NommeControle(h, n.controle, GetDlgItem(fenetre_, IdDe(n.libelle)));
}

void TFormChercheChamp::FormShow() {
  policeTitre_ = annexes::CreePolice(dpi_, true, 150);
  SendDlgItemMessageW(fenetre_, IdDe("LabelTitre"), WM_SETFONT, reinterpret_cast<WPARAM>(policeTitre_.get()), TRUE);
  Place(fenetre_, proprietaire_, dpi_);
  const HWND noms = GetDlgItem(fenetre_, kIdListBoxNomChamps);
  for (const std::string& nom : demande_.noms)
    SendMessageW(noms, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(DeCp1252(nom).c_str()));
  const auto n = static_cast<int>(demande_.noms.size());
  if (const std::optional<int> p = fenetre::PreselectionChercheChamp(demande_.preselection, n))
    SendMessageW(noms, LB_SETCURSEL, static_cast<WPARAM>(*p), 0);
  AfficheExemples();
}

std::optional<int> TFormChercheChamp::Selection() const {
  const LRESULT n = SendDlgItemMessageW(fenetre_, kIdListBoxNomChamps, LB_GETCURSEL, 0, 0);
  if (n == LB_ERR) return std::nullopt;
  return static_cast<int>(n);
}

void TFormChercheChamp::AfficheExemples() {
  const HWND exemples = GetDlgItem(fenetre_, kIdListBoxExemples);
  SendMessageW(exemples, LB_RESETCONTENT, 0, 0);
  SendMessageW(exemples, WM_SETREDRAW, FALSE, 0);
  for (const std::string& exemple : fenetre::ExemplesChercheChamp(demande_, Selection()))
    SendMessageW(exemples, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(DeCp1252(exemple).c_str()));
  SendMessageW(exemples, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(exemples, nullptr, TRUE);
}

void TFormChercheChamp::Commande(int id, int code) {
  if (id == IDOK) {
    choix_ = fenetre::ChoixChercheChamp(true, Selection());
    Ferme();
  } else if (id == kIdListBoxNomChamps && code == LBN_SELCHANGE) {
    AfficheExemples();
  }
}

}  // namespace

std::optional<int> ChoisitChamp(HINSTANCE instance, HWND proprietaire, const DemandeChamp& demande) {
  return TFormChercheChamp(instance, proprietaire, demande).Montre();
}

}  // namespace corrinom::win32
