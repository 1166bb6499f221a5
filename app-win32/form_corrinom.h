// The main window on Windows, drawn with the Win32 controls. It builds its
// controls from the table of window/controles.h, draws the core's state, and
// turns the controls' events into calls of the window logic (window/), which
// decides everything else.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app-win32/fenetre_progression.h"
#include "app-win32/outils_annexes.h"
#include "reconcile/deplacements.h"
#include "reconcile/etat.h"
#include "window/controles.h"
#include "window/dialogues_fenetre.h"
#include "window/logique_fenetre.h"

namespace corrinom {
class MagasinComptes;
}

namespace corrinom::win32 {

class DialoguesWin32;

class TFormCorrinom : private fenetre::VueFenetre {
 public:
  // `etat` holds the accounts as start-up loaded them; `magasin` is the store they
  // were read from and that changes are written to. `nomBase` names an embedded
  // base in a third status panel (empty for the system's store). `boites` answers
  // the operator's boxes; the hint panel is always this window's.
  TFormCorrinom(HINSTANCE instance, EtatRapprochement& etat, MagasinComptes& magasin, std::wstring nomBase,
                DialoguesWin32& boites);
  ~TFormCorrinom() override;
  TFormCorrinom(const TFormCorrinom&) = delete;
  TFormCorrinom& operator=(const TFormCorrinom&) = delete;

  // Creates the window and its controls, places it (centred, then AjusteFenetre)
  // and runs FormCreate. False when Windows refused.
  bool Cree();
  HWND Fenetre() const { return hwnd_; }

  // Keyboard navigation between the controls (Tab, Shift+Tab) and Escape during a
  // drag, for the message loop. True when the message was used.
  bool MessageDeDialogue(MSG& msg);

  // A control by its name in the table or on the search line (null for a band or
  // a splitter).
  HWND Controle(std::string_view nom) const;

  // Where the write runs of this window keep their journals, and how journals
  // name its store.
  void ChoisitJournal(DestinationJournal journal);

  // The window's messages (through annexes::ProcedureDe).
  LRESULT Traite(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

 private:
  // A drag in progress: the list it left and the picture that follows the pointer.
  struct Glisse {
    HWND source = nullptr;
    HIMAGELIST image = nullptr;
  };
  struct ControleCree {
    const fenetre::Controle* controle;
    HWND hwnd;
  };

  // Scrolls a list while a drag rests near its edge.
  static constexpr UINT_PTR kMinuterieDefilement = 1;

  static LRESULT CALLBACK ProcedureControle(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id,
                                            DWORD_PTR donnees);
  LRESULT Notification(NMHDR& n);
  void Commande(HWND controle, int code);

  // VueFenetre
  std::optional<std::size_t> LigneSelectionnee(ListeSource liste) const override;
  void Redessine(fenetre::Redessin quoi, const fenetre::Selections& selection) override;
  void MontreTexte(std::string_view nom, std::string_view texte) override;
  void ActiveControle(std::string_view nom, bool actif) override;
  void MontreAide() override;
  void MontreNomFichier(std::u16string_view texte) override {
    SetWindowTextW(EditNomFich_, std::wstring(texte.begin(), texte.end()).c_str());
  }
  void ProgressionEcriture(const std::optional<std::string>& texte) override;
  bool ArretEcritureDemande() const override { return progression_ && progression_->ArretDemande(); }

  // The context menu of a list at a point of the screen.
  void MenuContextuel(HWND liste, POINT ecran);
  void MontreChangements(const std::vector<LigneChangement>& lignes, std::string_view magasin) override;
  bool MontreRessemblance(fenetre::RevueRessemblance& revue) override;

  void CreeControles();
  void OrdreFocus();
  void CreeListes();
  // The mark pictures at this resolution, given to the account list and the Image controls.
  void CreeImages();
  // ComboMarques draws its choices, each choice of one mark with its picture.
  int HauteurChoix() const;
  void DessineChoix(const DRAWITEMSTRUCT& dessin) const;
  void AppliquePolice();
  void Place();
  void ChangeResolution(UINT dpi, const RECT& propose);
  int E(int pixels96) const;  // a length at 96 dpi, at this window's resolution

  void ButtonOuvrirClick();
  void Indication(std::string_view texte);
  const char* NomDe(HWND controle) const;
  ListeSource SourceDe(HWND liste) const;
  void SelectionneLigne(HWND liste, std::optional<std::size_t> ligne);
  void TexteCellule(HWND liste, NMLVDISPINFOW& info);
  // Draws the new names' changed letters in bold, in the mark's colour.
  LRESULT DessinComptes(NMLVCUSTOMDRAW& dessin);

  // Drag and drop between the lists, with the row's picture under the pointer.
  void DebutGlisse(HWND liste, int ligne, POINT depart);
  void SuitGlisse(POINT ecran);
  void FinGlisse(bool deposer, POINT ecran);
  void DefileSousGlisse();
  HWND ListeSous(POINT ecran) const;
  std::optional<int> LigneALaHauteur(HWND liste, POINT ecran) const;

  HINSTANCE instance_;
  EtatRapprochement& etat_;
  std::wstring nomBase_;
  DialoguesWin32& boites_;
  std::unique_ptr<fenetre::DialoguesFenetre> dialogues_;
  std::unique_ptr<fenetre::LogiqueFenetre> logique_;
  HWND hwnd_ = nullptr;
  UINT dpi_ = 96;
  annexes::Police police_;
  annexes::Police policeGrasse_;  // the changed letters of the new names
  HIMAGELIST ImageListRougeVertGris_ = nullptr;
  std::array<HICON, 4> icones_{};  // by mark
  std::vector<ControleCree> controles_;
  // The places in the client area; the splitters are the gaps between the controls they separate.
  fenetre::SuiviSeparateurs separateurs_;
  std::unique_ptr<Glisse> glisse_;
  std::wstring texteCellule_;  // the text handed to a list for one cell
  std::wstring texteBulle_;    // the text handed to the lists' tooltip

  HWND focus_ = nullptr;  // the control that had the keyboard last
  HWND EditNomFich_ = nullptr;
  HWND ListViewUsers_ = nullptr;
  HWND ListViewRebus_ = nullptr;
  HWND StatusBar1_ = nullptr;
  HWND bulles_ = nullptr;  // the lists' hints
  HWND EditRecherche_ = nullptr;
  HWND ComboMarques_ = nullptr;
  std::unique_ptr<FenetreProgression> progression_;  // the write's progress window while it is shown
};

}  // namespace corrinom::win32
