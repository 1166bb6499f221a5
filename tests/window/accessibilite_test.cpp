// The names screen readers give the controls, and the words of a row's mark.
#include <gtest/gtest.h>

#include <string>

#include "window/accessibilite.h"
#include "window/cherche_champ_fenetre.h"
#include "window/confort.h"
#include "window/controles.h"
#include "window/fenetres_annexes.h"

namespace corrinom::fenetre {
namespace {

// The text a window shows in a label, by the label's name, from any window's table.
std::string TexteLibelle(std::string_view libelle) {
  if (const Controle* c = TrouveControle(libelle)) return std::string(c->texte);
  if (libelle == kNomLibelleRecherche) return std::string(kTexteLibelleRecherche);
  for (const ControleChoix& c : kControlesChercheChamp)
    if (c.nom == libelle) return std::string(c.texte);
  if (libelle == "LabelUtilisateur") return std::string(kLibelleUtilisateur);
  if (libelle == "LabelMotDePasse") return std::string(kLibelleMotDePasse);
  return "(inconnu)";
}

// A control tied to a label is named by exactly the label's text, so that both
// shells agree with what the operator reads.
TEST(Accessibilite, UnControleLieAUnLibelleEnPorteLeTexte) {
  for (const NomAccessible& n : NomsAccessibles()) {
    EXPECT_FALSE(n.nom.empty()) << n.controle;
    if (!n.libelle.empty()) {
      EXPECT_EQ(std::string(n.nom), TexteLibelle(n.libelle)) << n.controle;
    }
  }
}

// Every control of the focus order, of the main window and of the field chooser,
// is named: by its caption (the buttons) or by the table.
TEST(Accessibilite, ToutControleDeLOrdreDeTabulationEstNomme) {
  for (std::string_view nom : OrdreFocusAvecRecherche()) {
    const Controle* c = TrouveControle(nom);
    const bool bouton = c && c->genre == Genre::Bouton && !c->texte.empty();
    EXPECT_TRUE(bouton || !NomAccessibleDe(nom).empty()) << nom;
  }
  EXPECT_FALSE(NomAccessibleDe("ListBoxNomChamps").empty());
  EXPECT_TRUE(NomAccessibleDe("Button1").empty());
}

TEST(Accessibilite, LaLigneDUnCompteDitSaMarque) {
  LigneCompte ligne = LigneCompte::Libre("dupont", "DUPONT", "Jean", "01/02/2003");
  EXPECT_EQ(TexteAccessibleCompte(ligne), "dupont, compte \xE0 ne pas changer");
  ligne.marque = Marque::DejaBon;
  EXPECT_EQ(TexteAccessibleCompte(ligne), "dupont, d\xE9j\xE0 bon");
}

}  // namespace
}  // namespace corrinom::fenetre
