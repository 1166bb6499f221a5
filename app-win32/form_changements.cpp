#include "app-win32/form_changements.h"

#include <commctrl.h>
#include <commdlg.h>

#include <algorithm>
#include <array>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

#include "app-win32/outils_annexes.h"
#include "text/encodage.h"

namespace corrinom::win32 {

namespace {

using annexes::AEchelle;

constexpr wchar_t kClasse[] = L"CorrinomFormChangements";

// A report list draws pictures in its item column only, and always leaves room
// for one there. So the mark, whose picture goes before its word, is the item
// column, shown last; the other texts are its sub-items, shown before it in
// their order. TexteDe gives the column of TitresChangements a list column shows.
constexpr std::size_t TexteDe(std::size_t sousItem) {
  return (sousItem + kColonnesChangements - 1) % kColonnesChangements;
}

class TFormChangements : public annexes::FenetreAnnexe {
 public:
  TFormChangements(HINSTANCE instance, HWND proprietaire, std::vector<LigneChangement> lignes,
                   std::string_view magasin, HIMAGELIST marques, RestaurationJournal restaurer)
      : FenetreAnnexe(instance, proprietaire),
        logique_(std::move(lignes), Utf8VersCp1252Compte(magasin), std::move(restaurer)),
        marques_(marques) {}

  void Montre() { FenetreAnnexe::Montre(kClasse, fenetre::kTitreChangements, fenetre::kTailleChangements); }

 private:
  void FormCreate() override;
  void FormShow() override { Remplit(); }
  void FormResize(fenetre::Taille client) override;
  HWND Focus() const override { return liste_; }
  void Commande(int id, int) override;
  void Remplit();
  void ImprimerClick();
  void EnregistrerClick();
  void RestaurerClick();

  fenetre::ListeChangementsFenetre logique_;
  HIMAGELIST marques_;  // the main window's
  HWND liste_ = nullptr;
  std::array<HWND, 4> boutons_{};  // in the order of kBoutonsChangements
};

void TFormChangements::FormCreate() {
  liste_ = Enfant({WC_LISTVIEWW, WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS, WS_EX_CLIENTEDGE}, "",
                  kIdListeChangements);
  annexes::NommeControle(liste_, "ListeChangements");
  ListView_SetExtendedListViewStyle(liste_, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
  // The main window's pictures, duplicated: the main window makes its own anew
  // when its resolution changes, which may happen while this list is open. The
  // list destroys its duplicate with itself.
  if (marques_) ListView_SetImageList(liste_, ImageList_Duplicate(marques_), LVSIL_SMALL);
  const auto& titres = TitresChangements();
  std::array<int, kColonnesChangements> ordre{};
  for (std::size_t s = 0; s < kColonnesChangements; ++s) {
    const std::size_t c = TexteDe(s);
    annexes::InsereColonne(liste_, static_cast<int>(s), titres[c], AEchelle(fenetre::kLargeursChangements[c], dpi_));
    ordre[c] = static_cast<int>(s);
  }
  ListView_SetColumnOrderArray(liste_, static_cast<int>(ordre.size()), ordre.data());
  constexpr std::array<int, 4> ids{kIdButtonImprimer, kIdButtonEnregistrer, kIdButtonRestaurer, IDCANCEL};
  for (std::size_t i = 0; i < boutons_.size(); ++i) {
    if (ids[i] == kIdButtonRestaurer && !logique_.Restaurable()) continue;
    const DWORD style = WS_TABSTOP | (ids[i] == IDCANCEL ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
    boutons_[i] = Enfant({L"BUTTON", style}, fenetre::kBoutonsChangements[i].texte, ids[i]);
  }
}

void TFormChangements::Remplit() {
  ListView_DeleteAllItems(liste_);
  const std::vector<LigneChangement>& lignes = logique_.Lignes();
  for (std::size_t i = 0; i < lignes.size(); ++i) {
    const auto textes = TextesChangement(lignes[i]);
    for (std::size_t s = 0; s < textes.size(); ++s) {
      const std::size_t c = TexteDe(s);
      std::wstring texte = DeCp1252(textes[c]);
      LVITEMW item{};
      item.mask = LVIF_TEXT;
      item.iItem = static_cast<int>(i);
      item.iSubItem = static_cast<int>(s);
      item.pszText = texte.data();
      if (s == 0) {
        item.mask |= LVIF_IMAGE;
        item.iImage = IndexMarque(lignes[i].marque);
        ListView_InsertItem(liste_, &item);
      } else {
        ListView_SetItem(liste_, &item);
      }
    }
  }
}

void TFormChangements::FormResize(fenetre::Taille client) {
  const fenetre::PlacesChangements places =
      fenetre::PlaceChangements(client, static_cast<int>(dpi_), logique_.Restaurable());
  annexes::Deplace(liste_, places.liste);
  for (std::size_t i = 0; i < boutons_.size(); ++i) annexes::Deplace(boutons_[i], places.boutons[i]);
}

void TFormChangements::ImprimerClick() {
  const HDC dc = annexes::ChoisitImprimante(fenetre_, fenetre::kImpressionChangementsPaysage);
  if (!dc) return;

  // Half an inch of margin; 9-point text, a line and a quarter apart.
  const int dpiX = GetDeviceCaps(dc, LOGPIXELSX);
  const auto [gauche, haut, largeur, hauteur] = annexes::PageImprimante(dc).pixels;
  const annexes::Police normale = annexes::PoliceImprimee(dc, 9), grasse = annexes::PoliceImprimee(dc, 9, true);
  const HGDIOBJ ancienne = SelectObject(dc, normale.get());
  TEXTMETRICW tm{};
  GetTextMetricsW(dc, &tm);
  const int ligne = (tm.tmHeight + tm.tmExternalLeading) * 5 / 4;
  const fenetre::PagesChangements mise =
      fenetre::MetEnPageChangements(logique_.Lignes().size(), gauche, largeur, hauteur, ligne, haut);
  const auto texte = [dc](std::string_view cp1252, RECT r, UINT format) {
    const std::wstring t = DeCp1252(cp1252);
    DrawTextW(dc, t.c_str(), static_cast<int>(t.size()), &r, format | DT_LEFT | DT_NOPREFIX);
    return r;
  };
  const std::string date = fenetre::DateImpression(InstantLocalDe(std::time(nullptr)));

  // A failure of the printer is dropped without a message, as the help window does.
  annexes::ImprimeDocument(dc, fenetre::kTitreChangements, [&](int page) {
    for (const fenetre::TexteImprime& t : logique_.Page(mise, page, date, dpiX / 24)) {
      RECT r = annexes::VersRect(t.place);
      SelectObject(dc, t.sorte == fenetre::TexteImprime::Sorte::Titre ? grasse.get() : normale.get());
      if (t.sorte == fenetre::TexteImprime::Sorte::EnTete) {
        const std::wstring w = DeCp1252(t.texte);
        TextOutW(dc, r.left, r.top, w.c_str(), static_cast<int>(w.size()));
      } else if (t.sorte == fenetre::TexteImprime::Sorte::Titre) {
        // Titles wrap on their lines; DT_BOTTOM needs a single line, so the
        // text is measured and moved down by hand.
        const RECT mesure = texte(t.texte, {r.left, 0, r.right, 0}, DT_WORDBREAK | DT_CALCRECT);
        r.top = std::max(r.top, r.bottom - mesure.bottom);
        texte(t.texte, r, DT_WORDBREAK);
      } else {
        texte(t.texte, r, DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
      }
    }
    SelectObject(dc, normale.get());
    MoveToEx(dc, gauche, mise.Trait(), nullptr);
    LineTo(dc, gauche + largeur, mise.Trait());
    return page + 1 < mise.pages ? annexes::Suite::Autre : annexes::Suite::Derniere;
  });
  SelectObject(dc, ancienne);
  DeleteDC(dc);
}

void TFormChangements::EnregistrerClick() {
  const std::optional<std::wstring> fichier =
      annexes::ChoisitFichier(fenetre_, annexes::Choix::Enregistrer, fenetre::kTitreEnregistrerChangements,
                              annexes::Filtre(fenetre::kFiltreChangements), DeCp1252(fenetre::kNomFichierChangements));
  if (!fichier) return;
  // A name UTF-8 cannot spell is none: the failure to open it is told.
  const std::string erreur = logique_.Enregistre(VersUtf8(*fichier).value_or(std::string()));
  if (!erreur.empty())
    MessageBoxW(fenetre_, DeCp1252(erreur).c_str(), DeCp1252(fenetre::kTitreEnregistrerChangements).c_str(),
                MB_OK | MB_ICONWARNING);
}

void TFormChangements::RestaurerClick() {
  if (!logique_.Restaurable()) return;
  const std::optional<std::wstring> fichier =
      annexes::ChoisitFichier(fenetre_, annexes::Choix::Existant, fenetre::kTitreChoixJournal,
                              annexes::Filtre(fenetre::kFiltreJournaux), {}, DeUtf8(logique_.DossierJournal()));
  // The core reads files by their UTF-8 names, whatever the system's code page.
  const std::optional<std::string> journal = fichier ? VersUtf8(*fichier) : std::nullopt;
  if (journal && logique_.Restaure(*journal)) Remplit();
}

void TFormChangements::Commande(int id, int) {
  if (id == kIdButtonImprimer) ImprimerClick();
  else if (id == kIdButtonEnregistrer) EnregistrerClick();
  else if (id == kIdButtonRestaurer) RestaurerClick();
}

}  // namespace

void MontreChangements(HINSTANCE instance, HWND proprietaire, std::vector<LigneChangement> lignes,
                       std::string_view magasin, HIMAGELIST marques, RestaurationJournal restaurer) {
  TFormChangements liste(instance, proprietaire, std::move(lignes), magasin, marques, std::move(restaurer));
  liste.Montre();
}

}  // namespace corrinom::win32
