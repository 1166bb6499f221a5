// Small pieces the windows of the Win32 shell share: controls, the resolution of
// a window, the windows' font, GDI handles owned, the secondary windows' frame.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

#include "app-win32/texte_win32.h"
#include "window/geometrie.h"

namespace corrinom::win32::annexes {

// The window class and styles of a control.
struct Sorte {
  const wchar_t* classe = nullptr;
  DWORD style = 0;
  DWORD styleEtendu = 0;
};

// A visible child control of `parent` with its CP1252 text and its identifier, placed later.
HWND CreeControle(HWND parent, const Sorte& sorte, std::string_view texte, int id, HINSTANCE instance);

// Names a control for screen readers by its name in the code, as
// window/accessibilite.h says: its label `libelle`, when it has one, goes just
// before it in the z-order, where oleacc looks for it; a control without one that
// shows no text of its own (a list, a picture button) carries the name as its
// window text. Wine's oleacc reads a label for edit boxes only: a list with a
// label carries its name too.
void NommeControle(HWND controle, std::string_view nom, HWND libelle = nullptr);
// For a control whose text is its value (a drop-down list shows its choice): its
// name as an annotation of oleacc's, which Windows' screen readers read (Wine's
// oleacc keeps none).
void AnnoteNom(HWND controle, std::string_view nom);

// A rectangle of the system's as the window layer's, and back.
inline fenetre::Rectangle DeRect(const RECT& r) { return {r.left, r.top, r.right - r.left, r.bottom - r.top}; }
inline RECT VersRect(const fenetre::Rectangle& r) { return {r.x, r.y, r.x + r.largeur, r.y + r.hauteur}; }

// Moves and sizes a control to `place` (nothing for a control the window lacks).
inline void Deplace(HWND controle, const fenetre::Rectangle& place) {
  if (controle) MoveWindow(controle, place.x, place.y, place.largeur, place.hauteur, TRUE);
}

// A tooltip window of `fenetre`, and a tool of it over the child `outil` showing
// `texte` (LPSTR_TEXTCALLBACKW: asked each time through TTN_GETDISPINFOW).
HWND CreeBulles(HWND fenetre, DWORD style, DWORD styleEtendu = 0);
void AjouteBulle(HWND bulles, HWND fenetre, HWND outil, wchar_t* texte);

// Inserts column `rang` of a report list: its title (CP1252), its width in pixels,
// its text aligned left or right.
void InsereColonne(HWND liste, int rang, std::string_view titre, int largeur, bool aDroite = false);

// The resolution of the monitor a window is on (the system's before Windows 10 1607).
UINT DpiDe(HWND fenetre);

// The first face of window/controles.h's list that this system has, or `secours`.
std::wstring FamillePolice(const wchar_t* secours);

// The window procedure of the program's windows: the window's object lives in
// GWLP_USERDATA, put there from CreateWindowEx's last parameter on WM_NCCREATE, or
// by CreeFenetreAnnexe once the window exists; every message goes to its Traite.
template <class Objet>
LRESULT CALLBACK ProcedureDe(HWND hwnd, UINT message, WPARAM w, LPARAM l) {
  if (message == WM_NCCREATE) {
    if (void* objet = reinterpret_cast<CREATESTRUCTW*>(l)->lpCreateParams)
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(objet));
  }
  auto* objet = reinterpret_cast<Objet*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  return objet ? objet->Traite(hwnd, message, w, l) : DefWindowProcW(hwnd, message, w, l);
}

// A length designed at 96 dpi, at `dpi`.
int AEchelle(int pixels96, UINT dpi);

struct SupprimeObjetGdi {
  void operator()(HGDIOBJ objet) const {
    if (objet) DeleteObject(objet);
  }
};
using Police = std::unique_ptr<std::remove_pointer_t<HFONT>, SupprimeObjetGdi>;

// The windows' font at `dpi` (the first face of window/controles.h's list that is
// installed), in bold and larger by `pourcent` when asked.
Police CreePolice(UINT dpi, bool grasse = false, int pourcent = 100);

// Gives every child of `fenetre` the font.
void AppliquePolice(HWND fenetre, HFONT police);

// Registers the class `classe` of one of the program's windows, once: the arrow
// cursor, the face of buttons as background, the program's icon.
void InscritClasse(HINSTANCE instance, const wchar_t* classe, WNDPROC procedure);

// A secondary window of class `classe` (registered here on first use) with the
// styles `style` and `etendu`, sized for `client96` of client area at the owner's
// resolution, captioned `titre` and owned by `proprietaire`; centred on its owner,
// or on the desktop without one, when `centree`, else where the system puts it.
// It is created with the default window procedure, then given `objet`
// (GWLP_USERDATA) and `procedure`: its first messages need nothing of the object.
// `dpi` receives the resolution of the monitor it opened on.
HWND CreeFenetreAnnexe(HINSTANCE instance, const wchar_t* classe, std::string_view titre, fenetre::Taille client96,
                       DWORD style, DWORD etendu, HWND proprietaire, bool centree, WNDPROC procedure, void* objet,
                       UINT& dpi);

// The system's print dialog, owned by `proprietaire`, opening on the default
// printer's settings turned to landscape when `paysage` asks it (the operator may
// still change them). The chosen printer's device context, for DeleteDC, or null
// when the dialog is cancelled or no printer can be had.
HDC ChoisitImprimante(HWND proprietaire, bool paysage = false);

// The printer's page with half-inch margins (fenetre::PageAvecMarges), and the
// printed documents' font (Arial, or the system's sans serif) at `points`.
fenetre::PageImprimee PageImprimante(HDC dc);
Police PoliceImprimee(HDC dc, int points, bool grasse = false);

// Prints a document captioned `titre` on `dc`: `page` draws each page, from 0, and
// answers whether another follows, or Echec to abandon the document. The number of
// pages printed, or -1 when the printer or the drawing failed.
enum class Suite { Derniere, Autre, Echec };
int ImprimeDocument(HDC dc, std::string_view titre, const std::function<Suite(int page)>& page);

// The filters of a file dialog, "label\0pattern\0\0", from "label (pattern)".
std::wstring Filtre(std::string_view filtre);

// The system's file dialog owned by `proprietaire`, captioned `titre` (empty: the
// system's), proposing `nom`, opening in `dossier` when given: to open a file that
// need not exist (no extension added), an existing file, or to save one (".csv"
// added when none is typed, confirming before replacing). The chosen path, or none
// when the dialog is cancelled.
enum class Choix { Ouvrir, Existant, Enregistrer };
std::optional<std::wstring> ChoisitFichier(HWND proprietaire, Choix choix, std::string_view titre,
                                           const std::wstring& filtres, std::wstring nom,
                                           const std::wstring& dossier = {});

// Shows `fenetre` and runs it modally until `ouverte` turns false (its WM_CLOSE
// handler does that): the owner takes no input meanwhile, the keyboard starts on
// `focus`, Escape closes the window before its controls see it, and the dialog
// keys work. `avant` may take a message first (true: handled). A WM_QUIT is
// passed on to the main loop. The window is destroyed on the way out.
void BoucleModale(HWND fenetre, HWND proprietaire, HWND focus, bool& ouverte,
                  const std::function<bool(const MSG&)>& avant = {});

// A secondary window shown modally over its owner and freed when it closes (the
// help window, the change list, the similarity review, the field chooser).
// IDCANCEL, Escape and the close box close it; a resizable one lays its controls
// out again on each new size.
class FenetreAnnexe {
 public:
  FenetreAnnexe(HINSTANCE instance, HWND proprietaire) : instance_(instance), proprietaire_(proprietaire) {}
  virtual ~FenetreAnnexe() = default;
  FenetreAnnexe(const FenetreAnnexe&) = delete;
  FenetreAnnexe& operator=(const FenetreAnnexe&) = delete;

  // The window's messages (through ProcedureDe).
  LRESULT Traite(HWND hwnd, UINT message, WPARAM w, LPARAM l);

 protected:
  // Creates the window of class `classe` (CP1252 caption `titre`, client area
  // `taille` at 96 dpi; resizable where the system puts it, or with a dialog's
  // fixed frame centred on the owner), runs FormCreate, gives the controls the
  // windows' font and their places, runs FormShow, then the modal loop with the
  // keyboard on what Focus gives and `avant` as BoucleModale takes it.
  void Montre(const wchar_t* classe, std::string_view titre, fenetre::Taille taille,
              const std::function<bool(const MSG&)>& avant = {}, bool redimensionnable = true);
  virtual void FormCreate() = 0;  // the controls
  virtual void FormShow() {}      // what the controls show, once they are laid out
  // Lays the controls out in a client area of that size (pixels).
  virtual void FormResize(fenetre::Taille client) = 0;
  virtual HWND Focus() const = 0;
  // A control's command other than IDCANCEL, with its notification code.
  virtual void Commande(int /*id*/, int /*code*/) {}
  virtual LRESULT Notification(const NMHDR& /*n*/) { return 0; }  // a control's WM_NOTIFY
  // Ends the modal loop, as Fermer does.
  void Ferme() { ouverte_ = false; }

  // A child control with the given identifier.
  HWND Enfant(const Sorte& sorte, std::string_view texte, int id) const {
    return CreeControle(fenetre_, sorte, texte, id, instance_);
  }

  HINSTANCE instance_;
  HWND proprietaire_;
  HWND fenetre_ = nullptr;
  UINT dpi_ = 96;
  Police police_;

 private:
  bool ouverte_ = false;
  bool dispose_ = false;  // the controls exist: a new size lays them out
};

}  // namespace corrinom::win32::annexes
