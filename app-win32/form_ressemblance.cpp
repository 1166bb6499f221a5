#include "app-win32/form_ressemblance.h"

#include <commctrl.h>

#include <algorithm>
#include <array>
#include <string>

#include "app-win32/outils_annexes.h"
#include "app-win32/texte_win32.h"

namespace corrinom::win32 {

namespace {

using annexes::AEchelle;

constexpr wchar_t kClasse[] = L"CorrinomFormRessemblance";
constexpr int kMarge = 8;             // around the controls, at 96 dpi
constexpr int kHauteurTexte = 18;     // the label and the count
constexpr int kHauteurBouton = 25;
constexpr std::array<int, 3> kLargeursBoutons{200, 110, 90};

class TFormRessemblance {
 public:
  TFormRessemblance(HINSTANCE instance, HWND proprietaire, fenetre::RevueRessemblance& revue)
      : instance_(instance), proprietaire_(proprietaire), revue_(revue) {}
  TFormRessemblance(const TFormRessemblance&) = delete;
  TFormRessemblance& operator=(const TFormRessemblance&) = delete;

  bool Montre();
  LRESULT Traite(HWND hwnd, UINT message, WPARAM w, LPARAM l);

 private:
  void FormCreate();
  void FormResize();
  // Draws the ticks and the count again after a change of ticks.
  void CochesChangees();
  void Bascule(int ligne);
  void ColonneClick(int colonne);
  int LigneSelectionnee() const { return ListView_GetNextItem(liste_, -1, LVNI_SELECTED); }
  void Selectionne(int ligne);
  LRESULT Notification(const NMHDR& n);

  HINSTANCE instance_;
  HWND proprietaire_;
  fenetre::RevueRessemblance& revue_;
  HWND fenetre_ = nullptr;
  HWND consigne_ = nullptr;
  HWND liste_ = nullptr;
  HWND compte_ = nullptr;
  std::array<HWND, 3> boutons_{};  // Placer, Tout décocher, Annuler
  std::wstring cellule_;           // the text a LVN_GETDISPINFO answer points to
  UINT dpi_ = 96;
  annexes::Police police_;
  bool ouverte_ = false;
  bool placer_ = false;
};

bool TFormRessemblance::Montre() {
  fenetre_ = annexes::CreeFenetreAnnexe(instance_, kClasse, DeCp1252(fenetre::kTitreRessemblance),
                                        fenetre::kTailleRessemblance.largeur, fenetre::kTailleRessemblance.hauteur,
                                        proprietaire_, &annexes::ProcedureDe<TFormRessemblance>, this, dpi_);
  if (!fenetre_) return false;
  FormCreate();
  annexes::BoucleModale(fenetre_, proprietaire_, liste_, ouverte_);
  fenetre_ = nullptr;
  return placer_;
}

void TFormRessemblance::FormCreate() {
  consigne_ = CreateWindowExW(0, L"STATIC", DeCp1252(fenetre::kConsigneRessemblance).c_str(),
                              WS_CHILD | WS_VISIBLE | SS_NOPREFIX, 0, 0, 0, 0, fenetre_, nullptr, instance_, nullptr);
  liste_ = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, DeCp1252(fenetre::kTitreRessemblance).c_str(),
                           WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_OWNERDATA | LVS_SINGLESEL |
                               LVS_SHOWSELALWAYS,
                           0, 0, 0, 0, fenetre_, reinterpret_cast<HMENU>(kIdListeRessemblance), instance_, nullptr);
  ListView_SetExtendedListViewStyle(liste_, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER | LVS_EX_CHECKBOXES);
  // The ticks live in the review: the list asks for them with the texts.
  ListView_SetCallbackMask(liste_, LVIS_STATEIMAGEMASK);
  for (std::size_t c = 0; c < fenetre::kColonnesRessemblance.size(); ++c) {
    std::wstring titre = DeCp1252(fenetre::kColonnesRessemblance[c].titre);
    LVCOLUMNW colonne{};
    colonne.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM | LVCF_FMT;
    colonne.fmt = static_cast<int>(c) == fenetre::kColonneScore ? LVCFMT_RIGHT : LVCFMT_LEFT;
    colonne.pszText = titre.data();
    colonne.cx = AEchelle(fenetre::kColonnesRessemblance[c].largeur, dpi_);
    colonne.iSubItem = static_cast<int>(c);
    ListView_InsertColumn(liste_, static_cast<int>(c), &colonne);
  }
  ListView_SetItemCountEx(liste_, static_cast<int>(revue_.NombreLignes()), LVSICF_NOINVALIDATEALL);
  compte_ = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_NOPREFIX, 0, 0, 0, 0, fenetre_,
                            reinterpret_cast<HMENU>(kIdLabelCompte), instance_, nullptr);
  const std::array<std::string_view, 3> textes{fenetre::kBoutonPlacer, fenetre::kBoutonToutDecocher,
                                               fenetre::kBoutonAnnulerRessemblance};
  constexpr std::array<int, 3> ids{IDOK, kIdButtonToutDecocher, IDCANCEL};
  for (std::size_t i = 0; i < boutons_.size(); ++i)
    boutons_[i] = CreateWindowExW(0, L"BUTTON", DeCp1252(textes[i]).c_str(),
                                  WS_CHILD | WS_VISIBLE | WS_TABSTOP | (i == 0 ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON),
                                  0, 0, 0, 0, fenetre_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(ids[i])),
                                  instance_, nullptr);
  police_ = annexes::CreePolice(dpi_);
  annexes::AppliquePolice(fenetre_, police_.get());
  if (revue_.NombreLignes() > 0) Selectionne(0);
  CochesChangees();
  FormResize();
}

void TFormRessemblance::FormResize() {
  if (!liste_) return;
  RECT client;
  GetClientRect(fenetre_, &client);
  const int marge = AEchelle(kMarge, dpi_);
  const int texte = AEchelle(kHauteurTexte, dpi_);
  const int hauteurBouton = AEchelle(kHauteurBouton, dpi_);
  const int largeur = std::max(0, static_cast<int>(client.right) - 2 * marge);
  const int hautBoutons = std::max(marge, static_cast<int>(client.bottom) - marge - hauteurBouton);
  const int hautCompte = std::max(marge, hautBoutons - marge - texte);
  MoveWindow(consigne_, marge, marge, largeur, texte, TRUE);
  const int hautListe = 2 * marge + texte;
  MoveWindow(liste_, marge, hautListe, largeur, std::max(0, hautCompte - marge / 2 - hautListe), TRUE);
  MoveWindow(compte_, marge, hautCompte, largeur, texte, TRUE);
  // Placer and Tout décocher from the left, Annuler on the right.
  int x = marge;
  for (std::size_t i = 0; i + 1 < boutons_.size(); ++i) {
    const int l = AEchelle(kLargeursBoutons[i], dpi_);
    MoveWindow(boutons_[i], x, hautBoutons, l, hauteurBouton, TRUE);
    x += l + marge;
  }
  const int l = AEchelle(kLargeursBoutons.back(), dpi_);
  MoveWindow(boutons_.back(), std::max(x, static_cast<int>(client.right) - marge - l), hautBoutons, l,
             hauteurBouton, TRUE);
}

void TFormRessemblance::CochesChangees() {
  if (revue_.NombreLignes() > 0) ListView_RedrawItems(liste_, 0, static_cast<int>(revue_.NombreLignes()) - 1);
  SetWindowTextW(compte_, DeCp1252(revue_.TexteCompte()).c_str());
}

void TFormRessemblance::Bascule(int ligne) {
  if (ligne < 0) return;
  revue_.Bascule(static_cast<std::size_t>(ligne));
  CochesChangees();
}

void TFormRessemblance::Selectionne(int ligne) {
  ListView_SetItemState(liste_, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
  ListView_SetItemState(liste_, ligne, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  ListView_EnsureVisible(liste_, ligne, FALSE);
}

void TFormRessemblance::ColonneClick(int colonne) {
  const int avant = LigneSelectionnee();
  revue_.TrieColonne(colonne);
  if (avant >= 0) Selectionne(static_cast<int>(revue_.PositionApresTri(static_cast<std::size_t>(avant))));
  CochesChangees();
}

LRESULT TFormRessemblance::Notification(const NMHDR& n) {
  if (n.idFrom != kIdListeRessemblance) return 0;
  switch (n.code) {
    case LVN_GETDISPINFOW: {
      LVITEMW& item = reinterpret_cast<NMLVDISPINFOW&>(const_cast<NMHDR&>(n)).item;
      const auto ligne = static_cast<std::size_t>(item.iItem);
      if (item.mask & LVIF_TEXT) {
        cellule_ = DeCp1252(revue_.Texte(ligne, item.iSubItem));
        item.pszText = cellule_.data();
      }
      if (item.iSubItem == 0) {
        item.mask |= LVIF_STATE;
        item.stateMask |= LVIS_STATEIMAGEMASK;
        item.state = INDEXTOSTATEIMAGEMASK(revue_.Cochee(ligne) ? 2 : 1);
      }
      return 0;
    }
    case NM_CLICK: {
      LVHITTESTINFO essai{};
      essai.pt = reinterpret_cast<const NMITEMACTIVATE&>(n).ptAction;
      if (ListView_SubItemHitTest(liste_, &essai) >= 0 && (essai.flags & LVHT_ONITEMSTATEICON))
        Bascule(essai.iItem);
      return 0;
    }
    case LVN_KEYDOWN:
      if (reinterpret_cast<const NMLVKEYDOWN&>(n).wVKey == VK_SPACE) Bascule(LigneSelectionnee());
      return 0;
    case LVN_COLUMNCLICK:
      ColonneClick(reinterpret_cast<const NMLISTVIEW&>(n).iSubItem);
      return 0;
    default:
      return 0;
  }
}

LRESULT TFormRessemblance::Traite(HWND hwnd, UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_SIZE:
      FormResize();
      return 0;
    case WM_NOTIFY:
      return Notification(*reinterpret_cast<const NMHDR*>(l));
    case WM_COMMAND:
      switch (LOWORD(w)) {
        case IDOK:
          placer_ = true;
          ouverte_ = false;
          return 0;
        case IDCANCEL:
          ouverte_ = false;
          return 0;
        case kIdButtonToutDecocher:
          revue_.ToutDecocher();
          CochesChangees();
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

bool MontreRessemblance(HINSTANCE instance, HWND proprietaire, fenetre::RevueRessemblance& revue) {
  TFormRessemblance fenetre(instance, proprietaire, revue);
  return fenetre.Montre();
}

}  // namespace corrinom::win32
