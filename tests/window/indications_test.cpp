#include "window/indications.h"

#include <gtest/gtest.h>

#include <string>

#include "operator/dialogues_script.h"

namespace corrinom {
namespace {

TEST(IndicationsFocus, TextsOfEveryFocusedControl) {
  struct Cas {
    const char* controle;
    const char* texte;
  } cas[] = {
      {"EditNomFich",
       "Tapez le chemin ou cliquez sur \"Ouvrir\" pour choisir un fichier \xE0 importer"},
      {"ButtonOuvrir",
       "Ouvre et fait correspondre les utilisateurs trouv\xE9s avec ceux qui existent d\xE9j\xE0"},
      {"Button3",
       "Recherche parmi les utilisateurs non trouv\xE9s ceux qui ont des pr\xE9noms en plus ou en "
       "moins."},
      {"Button6", "Compare les dates de naissance et vous demande confirmation."},
      {"Button7",
       "Propose, en commen\xE7" "ant par les plus ressemblantes, les personnes non trouv\xE9" "es "
       "qui ressemblent \xE0 un compte libre"},
      {"ListViewRebus", "Faites glissez vers la liste des utilisateurs TAVO"},
      {"ListViewUsers", "Pour supprimer, faites glissez vers la liste des utilisateurs non trouv\xE9s"},
      {"Button1", "Effectue les modifications des noms dans dans votre serveur TAVO"},
      {"Button2", "Quitte ce programme"},
      {"Button4", "Donne une fen\xEAtre d'aide et de conseils sur l'utilisation de ce programme"},
      {"ButtonChangements", "Montre la liste des changements qui seront \xE9" "crits dans le serveur"},
  };
  ASSERT_EQ(kIndicationsFocus.size(), std::size(cas));
  for (std::size_t i = 0; i < std::size(cas); ++i) {
    EXPECT_EQ(kIndicationsFocus[i].controle, cas[i].controle);
    EXPECT_EQ(kIndicationsFocus[i].gestionnaire, std::string(cas[i].controle) + "Enter");
    EXPECT_EQ(TexteIndicationFocus(cas[i].controle), cas[i].texte);
  }
  EXPECT_EQ(TexteIndicationFocus("Button5"), "");
}

TEST(IndicationsFocus, TabFromEditToButton) {
  DialoguesScript d;
  AfficheIndicationFocus(d, "EditNomFich");
  EXPECT_EQ(d.indicationCourante, TexteIndicationFocus("EditNomFich"));
  ButtonExitEffaceStatusbar(d);
  EXPECT_EQ(d.indicationCourante, "");
  AfficheIndicationFocus(d, "ButtonOuvrir");
  EXPECT_EQ(d.indicationCourante, TexteIndicationFocus("ButtonOuvrir"));
  EXPECT_EQ(d.textes(DialoguesScript::Genre::Indication).size(), 3u);
  AfficheIndicationFocus(d, "Inconnu");
  EXPECT_EQ(d.appels.size(), 3u);
}

}  // namespace
}  // namespace corrinom
