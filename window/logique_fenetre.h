// The main window's logic, without any toolkit.
//
// Corrinom has two windows over one behaviour: the Qt window (app/, Linux) and the
// Win32 window (app-win32/, Windows). Each is a thin shell that draws the core's
// state and turns the toolkit's events into calls of this class, which decides
// everything that is not drawing: which core call a handler makes, the re-entry
// guard, what must be redrawn afterwards, which row stays selected, the focus
// hints, the close question. The window's facts (controls, texts, places, focus
// order, columns) are in window/controles.h, AjusteFenetre's arithmetic in
// window/geometrie.h.
//
// The rule: every later change to window behaviour lands in this layer and in both
// shells (Qt and Win32), each with its test.
//
// The layer is plain C++20 over the core; it includes neither Qt nor windows.h.
// Texts are CP1252 bytes, like everywhere in the core; the shells convert at their
// edge. One thread: the shell calls the handlers from its event loop, one at a
// time, but a handler's modal boxes let the loop run again, which is what the
// guard is for.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "reconcile/deplacements.h"
#include "reconcile/filtre.h"
#include "reconcile/historique.h"
#include "window/confort.h"
#include "session/ecriture.h"
#include "session/liste_changements.h"
#include "window/garde.h"

namespace corrinom {
class Dialogues;
class MagasinComptes;
struct EtatRapprochement;
}  // namespace corrinom

namespace corrinom::fenetre {

// What a shell must draw again from the core's state after a handler.
enum class Redessin : unsigned {
  Rien = 0,
  LignesComptes = 1,  // ListViewUsers: rows, texts, marks, order
  LignesRebus = 2,    // ListViewRebus: rows, texts, order
  Indications = 4,    // the two lists' hints (their tooltips)
  Compteurs = 8,      // the four counters of "Travail a faire"
  Tout = 15,          // every part above
  // Not a part: the rows ListViewUsers shows changed in number (the filter hid or
  // showed some), so its selected row is brought into sight.
  SelectionEnVue = 16,
};
constexpr Redessin operator|(Redessin a, Redessin b) {
  return static_cast<Redessin>(static_cast<unsigned>(a) | static_cast<unsigned>(b));
}
// True when `quoi` names all of `partie`.
constexpr bool Contient(Redessin quoi, Redessin partie) {
  return (static_cast<unsigned>(quoi) & static_cast<unsigned>(partie)) == static_cast<unsigned>(partie);
}

// The selected row of each list (none: nothing selected).
struct Selections {
  std::optional<std::size_t> comptes;  // ListViewUsers
  std::optional<std::size_t> rebus;    // ListViewRebus
  friend bool operator==(const Selections&, const Selections&) = default;
};

class RevueRessemblance;

// What the logic asks of the shell. The hint panel and every box go through the
// Dialogues the logic is given, not through this.
class VueFenetre {
 public:
  virtual ~VueFenetre() = default;

  // The row selected in ListViewUsers (ListeSource::Comptes) or ListViewRebus
  // (ListeSource::Rebus), or none; none for any other source.
  virtual std::optional<std::size_t> LigneSelectionnee(ListeSource liste) const = 0;

  // Draws again from the state what `quoi` names (the lists; the labels come
  // through MontreTexte afterwards), then shows `selection` selected in both
  // lists (a row past a list's end: nothing selected in it). The lists keep
  // their scrolled position, so that a move deep in a long list leaves the
  // operator where they were.
  virtual void Redessine(Redessin quoi, const Selections& selection) = 0;

  // Gives a label its text, by its name: the four counters (kCompteurs) when
  // Redessin::Compteurs is drawn, and LabelNombreComptes at every drawing.
  virtual void MontreTexte(std::string_view nom, std::string_view texte) = 0;
  // Enables or disables a control by its name (an aid's button while the aid runs).
  virtual void ActiveControle(std::string_view nom, bool actif) = 0;

  // Button4Click: the help window, modal; returns when it is closed.
  virtual void MontreAide() = 0;

  // Undoing or redoing the opening of a file gives EditNomFich this text.
  virtual void MontreNomFichier(std::u16string_view texte) { (void)texte; }

  // The write's progress window: shown modal with `texte` ("Écriture des
  // changements : 12 / 240") and a button "Arrêter", updated at each account,
  // closed by none. At each call the shell lets its event loop run once, so that
  // the window paints and takes a click on Arrêter or its close box; no other
  // control of the main window reacts meanwhile.
  virtual void ProgressionEcriture(const std::optional<std::string>& texte) { (void)texte; }
  // True once Arrêter or the progress window's close box was pressed.
  virtual bool ArretEcritureDemande() const { return false; }

  // ButtonChangementsClick: the change list (window/fenetres_annexes.h), modal;
  // returns when it is closed. `magasin` names the server or the base in its
  // printed pages. Its "Restaurer un journal..." calls RestaureJournal.
  virtual void MontreChangements(const std::vector<LigneChangement>& lignes,
                                 std::string_view magasin) = 0;

  // Button7Click: the similarity aid's review window (window/revue_ressemblance.h),
  // modal; true when closed by "Placer les rapprochements cochés", false by
  // Annuler, Escape or the close box. The ticks are read from `revue` afterwards.
  virtual bool MontreRessemblance(RevueRessemblance& revue) {
    (void)revue;
    return false;
  }
};

class LogiqueFenetre {
 public:
  // `etat` holds the accounts as start-up loaded them; `magasin` is the store they
  // were read from and that changes are written to; `dialogues` answers every box
  // and shows the hint panel; `vue` is the shell. All four outlive this object.
  LogiqueFenetre(EtatRapprochement& etat, MagasinComptes& magasin, Dialogues& dialogues,
                 VueFenetre& vue);

  // A handler is running (one of its boxes may be open): the others do nothing,
  // and the window may not close.
  bool Occupee() const { return occupation_.occupee(); }

  // The end of the window's creation, once the shell has built and placed its
  // controls (AjusteFenetre) and before it shows the window: the counters are
  // recounted once more and everything is drawn. The lists' hints stay as the load
  // left them until the first operation that sets them. Panel 0 of the status bar
  // shows TextePanneauVersion(); the shell writes it.
  void FormCreate();

  // Draws everything again, keeping both selections.
  void RedessineTout();

  // What follows the open-file dialog (or a name given otherwise): the shell,
  // unless Occupee(), has put the name into EditNomFich; an empty name does
  // nothing; a name UTF-8 cannot spell (an unpaired surrogate) gets a message
  // saying so; any other is converted once, to the UTF-8 name the readers take,
  // read (import/ouvrir.h) and everything is redrawn. Both shells hand over the
  // UTF-16 their toolkit holds (QString's own units, GetOpenFileNameW's buffer). The shell's ButtonOuvrirClick
  // runs its open-file dialog (kFiltreOuvrir of import/ouvrir.h, the file need not
  // exist, the edit box's text proposed) only when the window is not busy.
  // `texteAvant`: EditNomFich's text before the shell put the name in, which
  // undoing the opening gives back (by default, the name of the last opening).
  void OuvreFichier(std::u16string_view nomFichier,
                    std::optional<std::u16string_view> texteAvant = std::nullopt);
  // Entrée in EditNomFich: the file named there is read exactly as after the
  // open-file dialog (an empty box does nothing); undoing it gives back the name
  // of the opening before.
  void EditNomFichEntree(std::u16string_view texte) { OuvreFichier(texte); }

  // The matching aids; each one's button is disabled while it runs. Button7 lists
  // the similarity aid's proposals in its review window; the ticked ones are placed
  // as one undo step.
  void Button3Click();
  void Button6Click();
  void Button7Click();

  // "Effectuer les changements dans le serveur": the confirmed write.
  void Button1Click();

  // "Aide": the help window.
  void Button4Click();

  // "Voir les changements": the change list, every pending row in list order.
  void ButtonChangementsClick();

  // "Restaurer un journal..." of the change list, for the journal file the
  // operator chose (UTF-8): the restore asks, writes its own journal and reports;
  // the rows of the restored accounts follow the store. Returns the change list
  // as it stands afterwards, or none when nothing was restored. It runs while
  // the change list is open, within ButtonChangementsClick.
  std::optional<std::vector<LigneChangement>> RestaureJournal(const std::string& journal);

  // Where this window's write runs keep their journals, and how journals name
  // its store.
  void ChoisitJournal(DestinationJournal journal) { journal_ = std::move(journal); }
  const DestinationJournal& Journal() const { return journal_; }

  // Whether the window may close (Button2Click and the close box both come here):
  // never while a handler runs; else the close question about pending changes,
  // which may write them. Everything is redrawn before the answer.
  bool FormCloseQuery();

  // A click on a column header: sorts the list (or says in the hint panel why
  // not); the selection follows its row to its new place, so that a Delete pressed
  // after a sort acts on the row the operator chose.
  void ListViewUsersColumnClick(int colonne);
  void ListViewRebusColumnClick(int colonne);

  // Whether a list accepts a drag from `source` while the pointer moves over it.
  static bool ListViewUsersDragOver(ListeSource source);
  static bool ListViewRebusDragOver(ListeSource source);

  // A drop of a row dragged from `source` (the selected row of that list) onto the
  // row `cible` of the list (none: below the last row). The shell turns the drop
  // point into a row: the row found 10 pixels from the list's left edge at the
  // drop's height.
  void ListViewUsersDragDrop(ListeSource source, std::optional<std::size_t> cible);
  void ListViewRebusDragDrop(ListeSource source, std::optional<std::size_t> cible);

  // A key pressed in ListViewUsers, by its Windows virtual-key code: Delete (46)
  // sends the selected row's person back to the not-found list.
  void ListViewUsersKeyDown(int touche);

  // The focus hints. FocusEntre: a control (by name) gained the keyboard focus;
  // its hint shows, unless it is the control that had it last (the focus coming
  // back to the window after a box closed is no entry). FocusSort: the control
  // lost it; the panel is emptied, unless the focus only left for another window
  // or a popup (`fenetreQuittee`), which keeps the hint and the record.
  void FocusEntre(std::string_view controle);
  void FocusSort(bool fenetreQuittee);

  // The account list's filter (EditRecherche, ComboMarques): it only hides rows.
  // The shell shows LignesComptesVisibles(), positions in the whole list, in order;
  // every selection the logic and the shell exchange is a position in the whole
  // list. The filter is applied again after every operation; a selected row that
  // becomes hidden is no longer selected.
  void EditRechercheChange(std::string_view texte);  // CP1252
  void ComboMarquesChange(int choix);                // index into kTextesChoixMarques
  const FiltreComptes& Filtre() const { return filtre_; }
  const std::vector<std::size_t>& LignesComptesVisibles() const { return visibles_; }
  // LabelNombreComptes' text: "N comptes affichés sur M" while the filter hides rows.
  std::string TexteNombreComptes() const;
  // A row of ListViewUsers as shown to its position in the whole list, and back;
  // none out of range or hidden.
  std::optional<std::size_t> LigneEtat(int ligneVue) const;
  std::optional<int> LigneVue(std::size_t ligneEtat) const;
  // The same for either list (ListViewRebus shows every row of the not-found list,
  // in order), the number of rows a list shows, and the text of a cell of a shown
  // row (TexteCellule of window/controles.h; past the account list's last column,
  // its row's mark in words, for a shell that keeps it in a hidden column).
  std::optional<std::size_t> LigneEtat(ListeSource liste, int ligneVue) const;
  std::optional<int> LigneVue(ListeSource liste, std::optional<std::size_t> ligneEtat) const;
  std::size_t NombreLignes(ListeSource liste) const;
  std::string_view TexteCellule(ListeSource liste, int ligneVue, std::size_t colonne) const;

  // The events of either list, as the shells see them: a click on a column
  // header, whether the list accepts a drag from `source`, and a drop on the
  // list's shown row `ligneVue` (none: below the last row), which does nothing
  // when the list does not accept it.
  void ColonneClic(ListeSource liste, int colonne);
  static bool AccepteGlisse(ListeSource liste, ListeSource source);
  void Depose(ListeSource liste, ListeSource source, std::optional<int> ligneVue);

  // A click on a button of the table by its name: true when it is one of the
  // buttons this logic answers whole (Button1, Button3, Button4, Button6, Button7,
  // ButtonChangements); "Ouvrir" and "Fermer" need the shell.
  bool Clic(std::string_view bouton);

  // The context menus: on a not-found person, and on an account row.
  std::vector<EntreeMenu> MenuRebus() const;
  std::vector<EntreeMenu> MenuComptes() const;
  // "Placer sur le compte sélectionné": exactly the drop of the selected person on
  // the selected account row.
  void PlaceSurCompteSelectionne();
  // A key of the main window (ActionTouche): true when it did something.
  bool Touche(int touche, bool ctrl, bool majuscule, bool alt);
  // Runs an action of a menu or a key.
  void Execute(ActionClavier action);

  // Undo and redo of the last change to the lists (opening a file, an aid's run,
  // a move, a Delete); the hint panel names what was undone or redone.
  void Annule();
  void Retablit();
  const Historique& historique() const { return historique_; }

  // Any aid, as one undo step named `nomPas`; its button is disabled while it runs.
  void LanceAide(std::string_view bouton, std::string nomPas,
                 const std::function<void(EtatRapprochement&, Dialogues&)>& aide);

 private:
  class ProgressionVue;

  Selections SelectionsCourantes() const;
  // Applies the filter again, drops a selection it hides, and asks the shell to draw.
  void Dessine(Redessin quoi, Selections selection);
  // What is attached to each account row, to find the rows an operation attached
  // a person to (empty while no filter is on: nothing can hide them).
  std::vector<std::string> Attachements() const;
  // After an operation: when the filter hides rows it attached a person to, the
  // hint panel says so.
  void SignaleMasques(const std::vector<std::string>& avant);
  // After a write run: the history ends there.
  void ApresEcriture(bool ecrit);
  // One step back (`annule`) or forward in the history, the file name box and the
  // counters with it.
  void Rejoue(bool annule);

  EtatRapprochement& etat_;
  MagasinComptes& magasin_;
  Dialogues& dialogues_;
  VueFenetre& vue_;
  DestinationJournal journal_;
  Occupation occupation_;
  // A restore runs within the change list's handler, so apart from it: its boxes
  // let events run, and a second restore must not start under the first.
  Occupation restauration_;
  std::optional<std::string> controleFocus_;  // the control the focus hints last entered
  FiltreComptes filtre_;
  std::vector<std::size_t> visibles_;
  bool dessinee_ = false;  // the shell has drawn the lists once
  Historique historique_;
  std::u16string texteFichier_;  // EditNomFich's text after the last opening or undo
};

}  // namespace corrinom::fenetre
