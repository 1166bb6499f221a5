#include "window/logique_fenetre.h"

#include <algorithm>
#include <utility>

#include "import/ouvrir.h"
#include "operator/dialogues.h"
#include "reconcile/aides.h"
#include "reconcile/etat.h"
#include "window/indications.h"
#include "window/revue_ressemblance.h"
#include "reconcile/marques.h"
#include "reconcile/ressemblance.h"
#include "reconcile/tri.h"
#include "window/accessibilite.h"
#include "window/compteurs.h"
#include "window/controles.h"
#include "session/ecriture.h"
#include "session/progression.h"
#include "window/restauration_fenetre.h"
#include "text/encodage.h"

namespace corrinom::fenetre {

namespace {

// The message the operator gets for a file name the readers cannot open (CP1252).
std::string MessageNomIllisible(std::u16string_view nom) {
  return "Le nom de ce fichier contient des caract\xE8res que Corrinom ne sait pas lire :\n" +
         Utf16VersCp1252(nom) + "\nRenommez le fichier ou son dossier, puis ouvrez-le \xE0 nouveau.";
}

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

bool Contient(const std::vector<std::size_t>& visibles, std::size_t ligne) {
  return std::binary_search(visibles.begin(), visibles.end(), ligne);
}

}  // namespace

// The write's counts shown in the shell's progress window; the operator's stop is
// kept once seen, so that the close question can tell a stopped write.
class LogiqueFenetre::ProgressionVue : public Progression {
 public:
  explicit ProgressionVue(VueFenetre& vue) : vue_(vue) {}
  void debut(std::size_t) override { lancee_ = true; }
  void avance(std::size_t fait, std::size_t total) override {
    vue_.ProgressionEcriture(TexteEcriture(fait, total));
  }
  void fin() override { vue_.ProgressionEcriture(std::nullopt); }
  bool arretDemande() const override {
    arrete_ = arrete_ || vue_.ArretEcritureDemande();
    return arrete_;
  }
  bool lancee() const { return lancee_; }

 private:
  VueFenetre& vue_;
  bool lancee_ = false;
  mutable bool arrete_ = false;
};

LogiqueFenetre::LogiqueFenetre(EtatRapprochement& etat, MagasinComptes& magasin, Dialogues& dialogues,
                               VueFenetre& vue)
    : etat_(etat), magasin_(magasin), dialogues_(dialogues), vue_(vue) {}

Selections LogiqueFenetre::SelectionsCourantes() const {
  return {vue_.LigneSelectionnee(ListeSource::Comptes), vue_.LigneSelectionnee(ListeSource::Rebus)};
}

void LogiqueFenetre::RedessineTout() { Dessine(Redessin::Tout, SelectionsCourantes()); }

void LogiqueFenetre::Dessine(Redessin quoi, Selections selection) {
  const std::size_t avant = visibles_.size();
  visibles_ = LignesVisibles(etat_, filtre_);
  if (dessinee_ && visibles_.size() != avant) quoi = quoi | Redessin::SelectionEnVue;
  dessinee_ = true;
  if (selection.comptes && !Contient(visibles_, *selection.comptes)) selection.comptes.reset();
  vue_.Redessine(quoi, selection);
  if (Contient(quoi, Redessin::Compteurs)) {
    const auto textes = TextesCompteurs(etat_.compteurs);
    for (std::size_t i = 0; i < textes.size(); ++i) vue_.MontreTexte(kCompteurs[i], textes[i]);
  }
  vue_.MontreTexte(kNomLabelNombreComptes, TexteNombreComptes());
}

void LogiqueFenetre::EditRechercheChange(std::string_view texte) {
  filtre_.recherche = std::string(texte);
  Dessine(Redessin::LignesComptes, SelectionsCourantes());
}

void LogiqueFenetre::ComboMarquesChange(int choix) {
  if (choix < 0 || choix >= static_cast<int>(kTextesChoixMarques.size())) choix = 0;
  filtre_.marques = static_cast<ChoixMarques>(choix);
  Dessine(Redessin::LignesComptes, SelectionsCourantes());
}

std::string LogiqueFenetre::TexteNombreComptes() const {
  return TexteComptesAffiches(visibles_.size(), etat_.comptes.size());
}

std::vector<std::string> LogiqueFenetre::Attachements() const {
  std::vector<std::string> r;
  if (!filtre_.actif()) return r;
  r.reserve(etat_.comptes.size());
  for (const LigneCompte& l : etat_.comptes) {
    std::string cle;
    for (std::size_t i = kNouveauNom; l.attachee() && i < kSousItemsAttache; ++i) cle += l.sousItems[i] + '\n';
    r.push_back(std::move(cle));
  }
  return r;
}

void LogiqueFenetre::SignaleMasques(const std::vector<std::string>& avant) {
  if (avant.size() != etat_.comptes.size()) return;
  const std::vector<std::string> apres = Attachements();
  if (apres.size() != avant.size()) return;
  std::vector<std::size_t> masquees;
  for (std::size_t i = 0; i < apres.size(); ++i)
    if (!apres[i].empty() && apres[i] != avant[i] && !Contient(visibles_, i)) masquees.push_back(i);
  if (!masquees.empty()) dialogues_.indication(TexteMasquesParFiltre(etat_, masquees));
}

void LogiqueFenetre::FormCreate() {
  AfficheResume(etat_);
  RedessineTout();
}

void LogiqueFenetre::OuvreFichier(std::u16string_view nomFichier,
                                  std::optional<std::u16string_view> texteAvant) {
  if (nomFichier.empty()) return;
  GardeGestionnaire garde(occupation_);
  if (!garde) return;
  // The one conversion of the name on its way to the reader: UTF-16 to UTF-8.
  const std::optional<std::string> nom = NomFichierSysteme(nomFichier);
  if (!nom) {
    // A name the readers cannot open would be another file's name, or none.
    dialogues_.message(MessageNomIllisible(nomFichier));
    return;
  }
  // The undo history keeps the edit box's text before the opening (which may be
  // anything the operator typed, so converted losslessly) and the name read.
  const std::string avant = Utf16VersUtf8(texteAvant ? *texteAvant : texteFichier_);
  historique_.Commence(etat_);
  corrinom::LitFichierPersonnes(etat_, dialogues_, *nom);
  historique_.Termine(etat_, NomPasOuverture(Utf8VersCp1252Compte(*nom)), avant, *nom);
  texteFichier_ = std::u16string(nomFichier);
  RedessineTout();
}

void LogiqueFenetre::LanceAide(std::string_view bouton, std::string nomPas,
                               const std::function<void(EtatRapprochement&, Dialogues&)>& aide) {
  std::vector<std::string> avant;
  {
    GardeGestionnaire garde(occupation_);
    if (!garde) return;
    avant = Attachements();
    ControleInactif inactif(vue_, bouton);
    EnregistrePas(historique_, etat_, std::move(nomPas), [&] { aide(etat_, dialogues_); });
  }
  RedessineTout();
  SignaleMasques(avant);
}

void LogiqueFenetre::Button3Click() {
  LanceAide("Button3", std::string(kPasRapprochementNomPrenom), &RapprocheNomPrenom);
}
void LogiqueFenetre::Button6Click() {
  LanceAide("Button6", std::string(kPasRapprochementDateNaissance), &RapprocheDateNaissance);
}
void LogiqueFenetre::Button7Click() {
  LanceAide("Button7", std::string(kPasRapprochementRessemblance),
            [this](EtatRapprochement& etat, Dialogues& dialogues) {
              RapprocheRessemblance(
                  etat, dialogues,
                  [&](const std::vector<PropositionRessemblance>& lignes,
                      const Coches& ouverture) -> std::optional<Coches> {
                    RevueRessemblance revue(etat, lignes, ouverture);
                    if (!vue_.MontreRessemblance(revue)) return std::nullopt;
                    return revue.Cochees();
                  });
            });
}

void LogiqueFenetre::ApresEcriture(bool ecrit) {
  if (!ecrit) return;
  historique_.Efface();
  // The hint panel says both that the write cannot be undone here and where its
  // journal is, which is the way back; the path first, so that the panel shows
  // it whole (its tooltip shows the whole text).
  std::string texte;
  if (!journal_.dernierChemin.empty())
    texte = "Journal : " + Utf8VersCp1252Compte(journal_.dernierChemin) + ". ";
  dialogues_.indication(texte + std::string(kEcritureIrreversible));
}

void LogiqueFenetre::Button1Click() {
  {
    GardeGestionnaire garde(occupation_);
    if (!garde) return;
    ProgressionVue progression(vue_);
    journal_.dernierChemin.clear();
    corrinom::ConfirmeEtEffectueChangements(etat_, magasin_, dialogues_, journal_, &progression);
    ApresEcriture(progression.lancee());
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
  GardeGestionnaire garde(restauration_);
  if (!garde) return std::nullopt;
  const bool restaure =
      corrinom::RestaureJournal(journal, magasin_, journal_.magasin, etat_, dialogues_).has_value();
  // A restore writes to the server and changes rows: the steps recorded before it
  // would put back rows that no longer match the accounts.
  if (restaure) historique_.Efface();
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
    ProgressionVue progression(vue_);
    journal_.dernierChemin.clear();
    peutFermer = corrinom::AutoriseFermeture(etat_, magasin_, dialogues_, journal_, &progression);
    ApresEcriture(progression.lancee());
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
  std::vector<std::uint32_t> ordre;
  corrinom::TrieComptesParColonne(etat_, dialogues_, colonne, &ordre);
  if (!ordre.empty()) historique_.Reordonne(ListeTriee::Comptes, ordre);
  s.comptes.reset();
  for (std::size_t i = 0; avant && i < etat_.comptes.size() && !s.comptes; ++i)
    if (etat_.comptes[i].login == login) s.comptes = i;
  Dessine(Redessin::LignesComptes, s);
}

void LogiqueFenetre::ListViewRebusColumnClick(int colonne) {
  if (Occupee()) return;
  // Two identical persons are interchangeable: the first one found is the one.
  Selections s = SelectionsCourantes();
  const std::optional<std::size_t> avant = s.rebus && *s.rebus < etat_.rebus.size() ? s.rebus : std::nullopt;
  const LigneRebus personne = avant ? etat_.rebus[*avant] : LigneRebus{};
  std::vector<std::uint32_t> ordre;
  corrinom::TrieRebusParColonne(etat_, dialogues_, colonne, &ordre);
  if (!ordre.empty()) historique_.Reordonne(ListeTriee::Rebus, ordre);
  s.rebus.reset();
  for (std::size_t i = 0; avant && i < etat_.rebus.size() && !s.rebus; ++i)
    if (etat_.rebus[i] == personne) s.rebus = i;
  Dessine(Redessin::LignesRebus, s);
}

bool LogiqueFenetre::ListViewUsersDragOver(ListeSource source) { return corrinom::AccepteGlisseVersComptes(source); }
bool LogiqueFenetre::ListViewRebusDragOver(ListeSource source) { return corrinom::AccepteGlisseVersRebus(source); }

namespace {

// The name of the step that moves the person of an account row.
std::string PasDuCompte(const EtatRapprochement& etat, std::optional<std::size_t> ligne) {
  if (!ligne || *ligne >= etat.comptes.size()) return {};
  const LigneCompte& l = etat.comptes[*ligne];
  return NomPasDeplacement(l.sousItem(kNouveauNom), l.sousItem(kNouveauxPrenoms));
}

std::string PasDeLaPersonne(const EtatRapprochement& etat, std::optional<std::size_t> ligne) {
  if (!ligne || *ligne >= etat.rebus.size()) return {};
  return NomPasDeplacement(etat.rebus[*ligne].nom, etat.rebus[*ligne].prenoms);
}

}  // namespace

void LogiqueFenetre::ListViewUsersDragDrop(ListeSource source, std::optional<std::size_t> cible) {
  if (Occupee()) return;
  const std::optional<std::size_t> selection = vue_.LigneSelectionnee(source);
  const std::string pas = source == ListeSource::Rebus ? PasDeLaPersonne(etat_, selection)
                                                       : PasDuCompte(etat_, selection);
  const std::vector<std::string> avant = Attachements();
  if (EnregistrePas(historique_, etat_, pas, [&] {
        return corrinom::DeposeSurCompte(etat_, dialogues_, source, selection, cible);
      })) {
    RedessineTout();
    SignaleMasques(avant);
  }
}

void LogiqueFenetre::ListViewRebusDragDrop(ListeSource source, std::optional<std::size_t> cible) {
  if (Occupee()) return;
  // Only an account row can be dropped here; the selection of the not-found list
  // itself plays no part.
  const std::optional<std::size_t> selection =
      source == ListeSource::Comptes ? vue_.LigneSelectionnee(ListeSource::Comptes) : std::nullopt;
  if (EnregistrePas(historique_, etat_, PasDuCompte(etat_, selection), [&] {
        return corrinom::DeposeSurNonTrouves(etat_, dialogues_, source, selection, cible);
      }))
    RedessineTout();
}

void LogiqueFenetre::ListViewUsersKeyDown(int touche) {
  if (touche != kToucheSuppr || Occupee()) return;
  const std::optional<std::size_t> selection = vue_.LigneSelectionnee(ListeSource::Comptes);
  const std::string pas =
      selection && *selection < etat_.comptes.size() ? NomPasLiberation(etat_.comptes[*selection].login) : "";
  if (EnregistrePas(historique_, etat_, pas,
                    [&] { return LibereCompte(etat_, selection); }))
    RedessineTout();
}

std::vector<EntreeMenu> LogiqueFenetre::MenuRebus() const {
  const bool actif = !Occupee() && PlacementPossible(vue_.LigneSelectionnee(ListeSource::Rebus),
                                                     vue_.LigneSelectionnee(ListeSource::Comptes));
  return {{kMenuPlacer, "Ctrl+Entr\xE9" "e", actif, ActionClavier::Placer}};
}

std::vector<EntreeMenu> LogiqueFenetre::MenuComptes() const {
  // Moving from one account to another stays a drag (or Libérer, then Placer).
  const std::optional<std::size_t> s = vue_.LigneSelectionnee(ListeSource::Comptes);
  const bool attachee = s && *s < etat_.comptes.size() && etat_.comptes[*s].attachee();
  return {{kMenuLiberer, "Suppr", !Occupee() && attachee, ActionClavier::Liberer}};
}

void LogiqueFenetre::PlaceSurCompteSelectionne() {
  if (Occupee()) return;
  const std::optional<std::size_t> personne = vue_.LigneSelectionnee(ListeSource::Rebus);
  const std::optional<std::size_t> compte = vue_.LigneSelectionnee(ListeSource::Comptes);
  const std::vector<std::string> avant = Attachements();
  if (EnregistrePas(historique_, etat_, PasDeLaPersonne(etat_, personne), [&] {
        return corrinom::PlaceSurCompteSelectionne(etat_, dialogues_, personne, compte);
      })) {
    RedessineTout();
    SignaleMasques(avant);
  }
}

bool LogiqueFenetre::Touche(int touche, bool ctrl, bool majuscule, bool alt) {
  const ActionClavier action = ActionTouche(touche, ctrl, majuscule, alt);
  if (action == ActionClavier::Aucune) return false;
  Execute(action);
  return true;
}

void LogiqueFenetre::Execute(ActionClavier action) {
  switch (action) {
    case ActionClavier::Annuler:
      return Annule();
    case ActionClavier::Retablir:
      return Retablit();
    case ActionClavier::Placer:
      return PlaceSurCompteSelectionne();
    case ActionClavier::Liberer:
      return ListViewUsersKeyDown(kToucheSuppr);
    case ActionClavier::Aucune:
      return;
  }
}

void LogiqueFenetre::Annule() { Rejoue(true); }
void LogiqueFenetre::Retablit() { Rejoue(false); }

void LogiqueFenetre::Rejoue(bool annule) {
  if (Occupee()) return;
  const std::optional<PasRejoue> pas = annule ? historique_.Annule(etat_) : historique_.Retablit(etat_);
  if (!pas) return dialogues_.indication(annule ? kRienAAnnuler : kRienARetablir);
  if (pas->fichier) {
    texteFichier_ = Utf8VersUtf16(*pas->fichier);
    vue_.MontreNomFichier(texteFichier_);
  }
  AfficheNombres(etat_);
  AfficheResume(etat_);
  dialogues_.indication(annule ? TexteAnnule(pas->nom) : TexteRetabli(pas->nom));
  RedessineTout();
}

std::optional<std::size_t> LogiqueFenetre::LigneEtat(int ligneVue) const {
  if (ligneVue < 0 || static_cast<std::size_t>(ligneVue) >= visibles_.size()) return std::nullopt;
  const std::size_t ligne = visibles_[static_cast<std::size_t>(ligneVue)];
  if (ligne >= etat_.comptes.size()) return std::nullopt;
  return ligne;
}

std::optional<int> LogiqueFenetre::LigneVue(std::size_t ligneEtat) const {
  const auto p = std::lower_bound(visibles_.begin(), visibles_.end(), ligneEtat);
  if (p == visibles_.end() || *p != ligneEtat) return std::nullopt;
  return static_cast<int>(p - visibles_.begin());
}

std::optional<std::size_t> LogiqueFenetre::LigneEtat(ListeSource liste, int ligneVue) const {
  if (liste == ListeSource::Comptes) return LigneEtat(ligneVue);
  if (liste != ListeSource::Rebus || ligneVue < 0 || static_cast<std::size_t>(ligneVue) >= etat_.rebus.size())
    return std::nullopt;
  return static_cast<std::size_t>(ligneVue);
}

std::optional<int> LogiqueFenetre::LigneVue(ListeSource liste, std::optional<std::size_t> ligneEtat) const {
  if (!ligneEtat) return std::nullopt;
  if (liste == ListeSource::Comptes) return LigneVue(*ligneEtat);
  if (liste != ListeSource::Rebus || *ligneEtat >= etat_.rebus.size()) return std::nullopt;
  return static_cast<int>(*ligneEtat);
}

std::size_t LogiqueFenetre::NombreLignes(ListeSource liste) const {
  if (liste == ListeSource::Comptes) return visibles_.size();
  return liste == ListeSource::Rebus ? etat_.rebus.size() : 0;
}

std::string_view LogiqueFenetre::TexteCellule(ListeSource liste, int ligneVue, std::size_t colonne) const {
  const std::optional<std::size_t> ligne = LigneEtat(liste, ligneVue);
  if (!ligne) return {};
  if (liste == ListeSource::Rebus) return fenetre::TexteCellule(etat_.rebus[*ligne], colonne);
  const LigneCompte& compte = etat_.comptes[*ligne];
  if (colonne == kColonnesComptes.size()) return MotMarque(compte.marque);
  return fenetre::TexteCellule(compte, colonne);
}

void LogiqueFenetre::ColonneClic(ListeSource liste, int colonne) {
  if (liste == ListeSource::Comptes) ListViewUsersColumnClick(colonne);
  else if (liste == ListeSource::Rebus) ListViewRebusColumnClick(colonne);
}

bool LogiqueFenetre::AccepteGlisse(ListeSource liste, ListeSource source) {
  return (liste == ListeSource::Comptes && ListViewUsersDragOver(source)) ||
         (liste == ListeSource::Rebus && ListViewRebusDragOver(source));
}

void LogiqueFenetre::Depose(ListeSource liste, ListeSource source, std::optional<int> ligneVue) {
  if (!AccepteGlisse(liste, source)) return;
  // A drop below the last row is a drop on no row.
  const std::optional<std::size_t> cible = ligneVue ? LigneEtat(liste, *ligneVue) : std::nullopt;
  if (liste == ListeSource::Comptes) ListViewUsersDragDrop(source, cible);
  else ListViewRebusDragDrop(source, cible);
}

bool LogiqueFenetre::Clic(std::string_view bouton) {
  static constexpr std::pair<std::string_view, void (LogiqueFenetre::*)()> kBoutons[] = {
      {"Button1", &LogiqueFenetre::Button1Click}, {"Button3", &LogiqueFenetre::Button3Click},
      {"Button4", &LogiqueFenetre::Button4Click}, {"Button6", &LogiqueFenetre::Button6Click},
      {"Button7", &LogiqueFenetre::Button7Click}, {"ButtonChangements", &LogiqueFenetre::ButtonChangementsClick}};
  for (const auto& [nom, clic] : kBoutons) {
    if (nom != bouton) continue;
    (this->*clic)();
    return true;
  }
  return false;
}

void LogiqueFenetre::FocusEntre(std::string_view controle) {
  if (controleFocus_ && *controleFocus_ == controle) return;
  controleFocus_ = std::string(controle);
  if (const std::string_view recherche = IndicationRecherche(controle); !recherche.empty())
    return dialogues_.indication(recherche);
  AfficheIndicationFocus(dialogues_, controle);
}

void LogiqueFenetre::FocusSort(bool fenetreQuittee) {
  if (fenetreQuittee) return;
  controleFocus_.reset();
  ButtonExitEffaceStatusbar(dialogues_);
}

}  // namespace corrinom::fenetre
