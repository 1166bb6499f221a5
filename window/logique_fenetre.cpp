#include "window/logique_fenetre.h"

#include "import/ouvrir.h"
#include "operator/dialogues.h"
#include "reconcile/aides.h"
#include "reconcile/etat.h"
#include "reconcile/indications.h"
#include "reconcile/marques.h"
#include "reconcile/ressemblance.h"
#include "reconcile/tri.h"
#include "session/ecriture.h"
#include "session/restauration_fenetre.h"
#include "window/nom_fichier.h"

namespace corrinom::fenetre {

namespace {

// Disables a control for the lifetime of the object.
class ControleInactif {
 public:
  ControleInactif(VueFenetre& vue, std::string_view nom) : vue_(vue), nom_(nom) {
    vue_.ActiveControle(nom_, false);
  }
  ~ControleInactif() { vue_.ActiveControle(nom_, true); }
  ControleInactif(const ControleInactif&) = delete;
  ControleInactif& operator=(const ControleInactif&) = delete;

 private:
  VueFenetre& vue_;
  std::string_view nom_;
};

}  // namespace

LogiqueFenetre::LogiqueFenetre(EtatRapprochement& etat, MagasinComptes& magasin, Dialogues& dialogues,
                               VueFenetre& vue)
    : etat_(etat), magasin_(magasin), dialogues_(dialogues), vue_(vue) {}

Selections LogiqueFenetre::SelectionsCourantes() const {
  return {vue_.LigneSelectionnee(ListeSource::Comptes), vue_.LigneSelectionnee(ListeSource::Rebus)};
}

void LogiqueFenetre::RedessineTout() { vue_.Redessine(Redessin::Tout, SelectionsCourantes()); }

void LogiqueFenetre::FormCreate() {
  AfficheResume(etat_);
  RedessineTout();
}

void LogiqueFenetre::OuvreFichier(std::u16string_view nomFichier) {
  if (nomFichier.empty()) return;
  GardeGestionnaire garde(occupation_);
  if (!garde) return;
  const std::optional<std::string> nom = NomFichierSysteme(nomFichier);
  if (!nom) {
    // A name the readers cannot open would be another file's name, or none.
    dialogues_.message(MessageNomIllisible(nomFichier));
    return;
  }
  corrinom::ButtonOuvrirClick(etat_, dialogues_, *nom);
  RedessineTout();
}

void LogiqueFenetre::LanceAide(std::string_view bouton, void (*aide)(EtatRapprochement&, Dialogues&)) {
  {
    GardeGestionnaire garde(occupation_);
    if (!garde) return;
    ControleInactif inactif(vue_, bouton);
    aide(etat_, dialogues_);
  }
  RedessineTout();
}

void LogiqueFenetre::Button3Click() { LanceAide("Button3", &RapprocheNomPrenom); }
void LogiqueFenetre::Button6Click() { LanceAide("Button6", &RapprocheDateNaissance); }
void LogiqueFenetre::Button7Click() { LanceAide("Button7", &RapprocheRessemblance); }

void LogiqueFenetre::Button1Click() {
  {
    GardeGestionnaire garde(occupation_);
    if (!garde) return;
    corrinom::Button1Click(etat_, magasin_, dialogues_, journal_);
  }
  RedessineTout();
}

void LogiqueFenetre::Button4Click() {
  GardeGestionnaire garde(occupation_);
  if (!garde) return;
  vue_.MontreAide();
}

void LogiqueFenetre::ButtonChangementsClick() {
  {
    GardeGestionnaire garde(occupation_);
    if (!garde) return;
    vue_.MontreChangements(ListeChangements(etat_), journal_.magasin);
  }
  RedessineTout();
}

std::optional<std::vector<LigneChangement>> LogiqueFenetre::RestaureJournal(const std::string& journal) {
  const bool restaure =
      corrinom::RestaureJournal(journal, magasin_, journal_.magasin, etat_, dialogues_).has_value();
  RedessineTout();
  if (!restaure) return std::nullopt;
  return ListeChangements(etat_);
}

bool LogiqueFenetre::FormCloseQuery() {
  bool peutFermer = false;
  {
    // While a handler runs (one of its boxes is open) the window stays: its work is
    // not finished and nothing it has not confirmed may be written.
    GardeGestionnaire garde(occupation_);
    if (!garde) return false;
    peutFermer = corrinom::FormCloseQuery(etat_, magasin_, dialogues_, journal_);
  }
  RedessineTout();
  return peutFermer;
}

void LogiqueFenetre::ListViewUsersColumnClick(int colonne) {
  if (Occupee()) return;
  // Logins are unique: the selected row is found again by its login.
  Selections s = SelectionsCourantes();
  const std::optional<std::size_t> avant =
      s.comptes && *s.comptes < etat_.comptes.size() ? s.comptes : std::nullopt;
  const std::string login = avant ? etat_.comptes[*avant].login : std::string();
  corrinom::ListViewUsersColumnClick(etat_, dialogues_, colonne);
  s.comptes.reset();
  for (std::size_t i = 0; avant && i < etat_.comptes.size() && !s.comptes; ++i)
    if (etat_.comptes[i].login == login) s.comptes = i;
  vue_.Redessine(Redessin::LignesComptes, s);
}

void LogiqueFenetre::ListViewRebusColumnClick(int colonne) {
  if (Occupee()) return;
  // Two identical persons are interchangeable: the first one found is the one.
  Selections s = SelectionsCourantes();
  const std::optional<std::size_t> avant = s.rebus && *s.rebus < etat_.rebus.size() ? s.rebus : std::nullopt;
  const LigneRebus personne = avant ? etat_.rebus[*avant] : LigneRebus{};
  corrinom::ListViewRebusColumnClick(etat_, dialogues_, colonne);
  s.rebus.reset();
  for (std::size_t i = 0; avant && i < etat_.rebus.size() && !s.rebus; ++i)
    if (etat_.rebus[i] == personne) s.rebus = i;
  vue_.Redessine(Redessin::LignesRebus, s);
}

bool LogiqueFenetre::ListViewUsersDragOver(ListeSource source) { return corrinom::ListViewUsersDragOver(source); }
bool LogiqueFenetre::ListViewRebusDragOver(ListeSource source) { return corrinom::ListViewRebusDragOver(source); }

void LogiqueFenetre::ListViewUsersDragDrop(ListeSource source, std::optional<std::size_t> cible) {
  if (Occupee()) return;
  const std::optional<std::size_t> selection = vue_.LigneSelectionnee(source);
  if (corrinom::ListViewUsersDragDrop(etat_, dialogues_, source, selection, cible)) RedessineTout();
}

void LogiqueFenetre::ListViewRebusDragDrop(ListeSource source, std::optional<std::size_t> cible) {
  if (Occupee()) return;
  // Only an account row can be dropped here; the selection of the not-found list
  // itself plays no part.
  const std::optional<std::size_t> selection =
      source == ListeSource::Comptes ? vue_.LigneSelectionnee(ListeSource::Comptes) : std::nullopt;
  if (corrinom::ListViewRebusDragDrop(etat_, dialogues_, source, selection, cible)) RedessineTout();
}

void LogiqueFenetre::ListViewUsersKeyDown(int touche) {
  if (Occupee()) return;
  if (corrinom::ListViewUsersKeyDown(etat_, touche, vue_.LigneSelectionnee(ListeSource::Comptes)))
    RedessineTout();
}

void LogiqueFenetre::FocusEntre(std::string_view controle) {
  if (controleFocus_ && *controleFocus_ == controle) return;
  controleFocus_ = std::string(controle);
  AfficheIndicationFocus(dialogues_, controle);
}

void LogiqueFenetre::FocusSort(bool fenetreQuittee) {
  if (fenetreQuittee) return;
  controleFocus_.reset();
  ButtonExitEffaceStatusbar(dialogues_);
}

}  // namespace corrinom::fenetre
