#include "window/accessibilite.h"

#include "import/cherche_champ.h"
#include "window/compteurs.h"
#include "window/confort.h"
#include "window/controles.h"
#include "window/aide.h"
#include "window/fenetres_annexes.h"
#include "window/liste_changements.h"
#include "window/revue_ressemblance.h"

namespace corrinom::fenetre {

namespace {

// The combo box of the search line has no label: its name says what it chooses.
constexpr std::string_view kNomComboMarquesAccessible = "Comptes \xE0 montrer";

constexpr NomAccessible kNoms[] = {
    // The main window.
    {"EditNomFich", "Label1", "Nom du fichier contenant les utilisateurs modifi\xE9s"},
    {"ListViewRebus", "", "Utilisateurs non trouv\xE9s"},
    {"ListViewUsers", "", "Liste des utilisateurs TAVO"},
    {kNomEditRecherche, kNomLibelleRecherche, kTexteLibelleRecherche},
    {kNomComboMarques, "", kNomComboMarquesAccessible},
    // The field chooser.
    {"ListBoxNomChamps", "LabelNomsChamps", kColonneNomsChamps},
    {"ListBoxExemples", "LabelExemples", kColonneExemples},
    // The help window: its page, and the picture button named by its tooltip.
    {"WebBrowser1", "", kTitreAide},
    {"BitBtnImprimer", "", kInfoBulleImprimer},
    // The change list and the similarity aid's review list, by their window's caption.
    {"ListeChangements", "", kTitreChangements},
    {"ListeRessemblance", "", kTitreRessemblance},
    // The credentials window.
    {"EditUtilisateur", "LabelUtilisateur", kLibelleUtilisateur},
    {"EditMotDePasse", "LabelMotDePasse", kLibelleMotDePasse},
};

// The inner right edge of a group box, at 96 dpi: its width less its border.
int BordInterieur(std::string_view cadre) {
  const Controle* c = TrouveControle(cadre);
  return c ? c->place.largeur - kMargesCadre.droite : 0;
}

}  // namespace

std::span<const NomAccessible> NomsAccessibles() { return kNoms; }

std::string_view NomAccessibleDe(std::string_view controle) {
  for (const NomAccessible& n : kNoms)
    if (n.controle == controle) return n.nom;
  return {};
}

std::string_view MotMarque(Marque marque) { return kMotsMarques[static_cast<std::size_t>(marque)]; }

std::string TexteAccessibleCompte(const LigneCompte& ligne) {
  return ligne.login + ", " + std::string(MotMarque(ligne.marque));
}

std::vector<PlaceLibelle> PlacesLibelles(int dpi) {
  const auto e = [dpi](int v) { return AEchelle(v, dpi); };
  std::vector<PlaceLibelle> places;
  // A label of the table, up to the left edge of `suivant` or else to `bord` (96 dpi).
  const auto ajoute = [&](std::string_view nom, std::string_view suivant, int bord, std::string texte) {
    const Controle* l = TrouveControle(nom);
    const Controle* s = suivant.empty() ? nullptr : TrouveControle(suivant);
    if (!l) return;
    const int x = e(l->place.x);
    const int fin = s ? e(s->place.x) : e(bord);
    places.push_back({l->nom, l->parent, suivant, std::move(texte), x, fin - x - e(kEcartLibelle)});
  };
  ajoute("Label1", "EditNomFich", 0, std::string(TrouveControle("Label1")->texte));
  // The counters: the left ones up to the right ones' pictures, the right ones up
  // to the group's border.
  const int bord = BordInterieur("GroupBoxResume");
  for (std::size_t i = 0; i < kCompteurs.size(); ++i) {
    const std::string_view suivant = i < 2 ? (i == 0 ? "LabelAFaireMineurImage" : "LabelAFaireImage") : "";
    ajoute(kCompteurs[i], suivant, bord, TexteCompteur(static_cast<Marque>(i), 99999));
  }
  // The search line at the window's design width: the count of rows shown up to
  // the label, the label up to its edit box.
  const PlacesRecherche r = PlaceRecherche(e(BordInterieur("GroupBox1") + kMargesCadre.droite), dpi);
  places.push_back({kNomLabelNombreComptes, "GroupBox1", kNomLibelleRecherche, TexteComptesAffiches(99998, 99999),
                    r.nombre.x, r.libelle.x - r.nombre.x - e(kEcartLibelle)});
  places.push_back({kNomLibelleRecherche, "GroupBox1", kNomEditRecherche, std::string(kTexteLibelleRecherche),
                    r.libelle.x, r.edition.x - r.libelle.x - e(kEcartLibelle)});
  return places;
}

}  // namespace corrinom::fenetre
