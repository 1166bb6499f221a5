#include "app-win32/form_ressemblance.h"

#include <commctrl.h>

#include <array>
#include <string>

#include "app-win32/outils_annexes.h"
#include "app-win32/texte_win32.h"

namespace corrinom::win32 {

namespace {

using annexes::AEchelle;

constexpr wchar_t kClasse[] = L"CorrinomFormRessemblance";

// Control identifiers (Placer is IDOK, Annuler IDCANCEL, so that Entrée and Échap
// are them too).
constexpr int kIdListeRessemblance = 2201;
constexpr int kIdButtonToutDecocher = 2202;
constexpr int kIdLabelCompte = 2203;

class TFormRessemblance : public annexes::FenetreAnnexe {
 public:
  TFormRessemblance(HINSTANCE instance, HWND proprietaire, fenetre::RevueRessemblance& revue)
      : FenetreAnnexe(instance, proprietaire), revue_(revue) {}

  // True when closed by Placer.
  bool Montre() {
    FenetreAnnexe::Montre(kClasse, fenetre::kTitreRessemblance, fenetre::kTailleRessemblance);
    return placer_;
  }

 private:
  void FormCreate() override;
  void FormShow() override {
    if (revue_.NombreLignes() > 0) Selectionne(0);
    CochesChangees();
  }
  void FormResize(fenetre::Taille client) override;
  HWND Focus() const override { return liste_; }
  void Commande(int id, int) override;
  LRESULT Notification(const NMHDR& n) override;
  // Draws the ticks and the count again after a change of ticks.
  void CochesChangees();
  void Bascule(int ligne);
  void ColonneClick(int colonne);
  int LigneSelectionnee() const { return ListView_GetNextItem(liste_, -1, LVNI_SELECTED); }
  void Selectionne(int ligne);

  fenetre::RevueRessemblance& revue_;
  HWND consigne_ = nullptr;
  HWND liste_ = nullptr;
  HWND compte_ = nullptr;
  std::array<HWND, 3> boutons_{};  // Placer, Tout décocher, Annuler
  std::wstring cellule_;           // the text a LVN_GETDISPINFO answer points to
  bool placer_ = false;
};

void TFormRessemblance::FormCreate() {
  consigne_ = Enfant({L"STATIC", SS_NOPREFIX}, fenetre::kConsigneRessemblance, 0);
  liste_ = Enfant({WC_LISTVIEWW, WS_TABSTOP | LVS_REPORT | LVS_OWNERDATA | LVS_SINGLESEL | LVS_SHOWSELALWAYS,
                   WS_EX_CLIENTEDGE},
                  fenetre::kTitreRessemblance, kIdListeRessemblance);
  ListView_SetExtendedListViewStyle(liste_, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER | LVS_EX_CHECKBOXES);
  // The ticks live in the review: the list asks for them with the texts.
  ListView_SetCallbackMask(liste_, LVIS_STATEIMAGEMASK);
  for (std::size_t c = 0; c < fenetre::kColonnesRessemblance.size(); ++c)
    annexes::InsereColonne(liste_, static_cast<int>(c), fenetre::kColonnesRessemblance[c].titre,
                           AEchelle(fenetre::kColonnesRessemblance[c].largeur, dpi_),
                           static_cast<int>(c) == fenetre::kColonneScore);
  ListView_SetItemCountEx(liste_, static_cast<int>(revue_.NombreLignes()), LVSICF_NOINVALIDATEALL);
  compte_ = Enfant({L"STATIC", SS_NOPREFIX}, "", kIdLabelCompte);
  constexpr std::array<int, 3> ids{IDOK, kIdButtonToutDecocher, IDCANCEL};
  for (std::size_t i = 0; i < boutons_.size(); ++i) {
    const DWORD style = WS_TABSTOP | (i == 0 ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
    boutons_[i] = Enfant({L"BUTTON", style}, fenetre::kBoutonsRessemblance[i].texte, ids[i]);
  }
}

void TFormRessemblance::FormResize(fenetre::Taille client) {
  const fenetre::DispositionRessemblance d = fenetre::DisposeRessemblance(client, static_cast<int>(dpi_));
  annexes::Deplace(consigne_, d.consigne);
  annexes::Deplace(liste_, d.liste);
  annexes::Deplace(compte_, d.compte);
  for (std::size_t i = 0; i < boutons_.size(); ++i) annexes::Deplace(boutons_[i], d.boutons[i]);
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

void TFormRessemblance::Commande(int id, int) {
  if (id == IDOK) {
    placer_ = true;
    Ferme();
  } else if (id == kIdButtonToutDecocher) {
    revue_.ToutDecocher();
    CochesChangees();
  }
}

}  // namespace

bool MontreRessemblance(HINSTANCE instance, HWND proprietaire, fenetre::RevueRessemblance& revue) {
  TFormRessemblance fenetre(instance, proprietaire, revue);
  return fenetre.Montre();
}

}  // namespace corrinom::win32
