// The field chooser's logic: what it lists, what it preselects, what it answers.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "import/cherche_champ.h"
#include "outils.h"
#include "operator/dialogues_script.h"

namespace corrinom {
namespace {

using test::DossierTemporaire;
using Genre = DialoguesScript::Genre;
using Noms = std::vector<std::string>;

const char* const kVide = "Table de type incorrect. La premi\xE8re ligne comporte un nom de champ vide";
const char* const kDevrait =
    "Table de type incorrect. La premi\xE8re ligne devrait contenir le nom des champs "
    "s\xE9par\xE9s par un ; ou une ,";

TEST(NomsDesChamps, HeaderNamesAsListed) {
  struct Cas {
    const char* entete;
    Noms noms;
    const char* erreur;
  };
  const Cas cas[] = {
      {"NOM;PRENOM;NE(E) LE;DIV", {"NOM", "PRENOM", "NE(E) LE", "DIV"}, ""},
      {" nom ; Pr\xE9nom 1;", {"NOM", "PR\xE9NOM 1"}, ""},  // final separator: no empty name
      {"nom,prenom;date", {"NOM,PRENOM", "DATE"}, ""},     // the semicolon wins
      {"\"nom\",\"b, c\"", {"NOM", "B, C"}, ""},           // quoted: quotes removed
      {"NOM", {}, kDevrait},
      {"NOM;", {}, kDevrait},
      {"", {}, kDevrait},
      {"A;;B", {}, kVide},
      {"A; ;B", {}, kVide},
      {";", {}, kVide},
  };
  for (const Cas& c : cas) {
    std::string erreur;
    EXPECT_EQ(TFormChercheChamp::NomsDesChamps(c.entete, erreur), c.noms) << c.entete;
    EXPECT_EQ(erreur, c.erreur) << c.entete;
  }
}

struct Chooser {
  DialoguesScript dialogues;
  TFormChercheChamp form{dialogues};
  std::string choisit(const std::string& fichier, const std::string& defaut) {
    return form.ChoisirChamp(fichier, "Titre", defaut, "Message");
  }
};

TEST(ChoisirChamp, PreselectsTheDefaultAndAnswersTheChosenName) {
  DossierTemporaire d;
  const std::string f = d.ecrit("a.csv", "Nom;NE(E) LE;x\nDUPONT;1;2\n");
  struct Cas {
    std::optional<int> choix;
    std::string reponse;
  };
  const Cas cas[] = {
      {1, "NE(E) LE"},
      {0, "NOM"},  // upper-cased as listed
      {std::nullopt, "NE(E) LE"},  // cancelled: the default comes back
      {-1, "NE(E) LE"},            // Ok without a selection
      {7, "NE(E) LE"},
  };
  for (const Cas& c : cas) {
    Chooser ch;
    ch.dialogues.choix = {c.choix};
    EXPECT_EQ(ch.choisit(f, "NE(E) LE"), c.reponse);
    ASSERT_EQ(ch.dialogues.appels.size(), 1u);
    const auto& a = ch.dialogues.appels[0];
    EXPECT_EQ(a.genre, Genre::Choix);
    EXPECT_EQ(a.titre, "Titre");
    EXPECT_EQ(a.texte, "Message");
    EXPECT_EQ(a.noms, (Noms{"NOM", "NE(E) LE", "X"}));
    EXPECT_EQ(a.preselection, 1);
  }
  // The default is compared exactly: "Nom" does not preselect "NOM".
  Chooser ch;
  ch.choisit(f, "Nom");
  EXPECT_EQ(ch.dialogues.appels[0].preselection, -1);
}

TEST(ChoisirChamp, ExamplesAreRawRepairedAndAtMost99) {
  DossierTemporaire d;
  std::string contenu = "NOM;PRENOM\n";
  contenu += " Dupont ;\x82mile\n";  // an OEM é
  contenu += "\"Martin\"\n";         // no second field
  for (int i = 3; i <= 150; ++i) contenu += "N" + std::to_string(i) + ";P" + std::to_string(i) + "\n";
  const std::string f = d.ecrit("b.csv", contenu);

  struct Capture : DialoguesScript {
    std::vector<std::string> noms, prenoms, aucun;
    std::optional<int> choisirChamp(const DemandeChamp& demande) override {
      noms = demande.exemples(0);
      prenoms = demande.exemples(1);
      aucun = demande.exemples(-1);
      return DialoguesScript::choisirChamp(demande);
    }
  } dialogues;
  TFormChercheChamp form(dialogues);
  form.ChoisirChamp(f, "T", "NOM", "M");
  ASSERT_EQ(dialogues.noms.size(), 99u);
  EXPECT_EQ(dialogues.noms[0], " Dupont ");
  EXPECT_EQ(dialogues.noms[1], "\"Martin\"");
  EXPECT_EQ(dialogues.noms[98], "N99");  // line 100
  EXPECT_EQ(dialogues.prenoms[0], "\xE9mile");
  EXPECT_EQ(dialogues.prenoms[1], "");
  EXPECT_TRUE(dialogues.aucun.empty());
}

TEST(ChoisirChamp, UnusableFilesGiveAnErrorBoxAndTheDefault) {
  DossierTemporaire d;
  struct Cas {
    std::string fichier;
    std::string erreur;  // the whole text, or its beginning when it ends with the system's text
    bool debut;
  };
  const std::string absent = d.nom("absent.csv");
  const std::vector<Cas> cas{
      {d.ecrit("vide.csv", ""), "Erreur en ouvrant la table " + d.nom("vide.csv") + "\nFichier vide",
       false},
      {absent, "Erreur en ouvrant la table " + absent + "\n", true},
      {d.ecrit("un.csv", "NOM\nDUPONT\n"), kDevrait, false},
      {d.ecrit("trou.csv", "NOM;;X\nA;B;C\n"), kVide, false},
  };
  for (const Cas& c : cas) {
    Chooser ch;
    EXPECT_EQ(ch.choisit(c.fichier, "Pr\xE9nom 2"), "Pr\xE9nom 2");
    EXPECT_EQ(ch.dialogues.nombre(Genre::Choix), 0u) << c.fichier;  // the dialog is not shown
    const std::vector<std::string> e = ch.dialogues.textes(Genre::Erreur);
    ASSERT_EQ(e.size(), 1u) << c.fichier;
    if (c.debut) {
      EXPECT_EQ(e[0].substr(0, c.erreur.size()), c.erreur);
      EXPECT_GT(e[0].size(), c.erreur.size());
    } else {
      EXPECT_EQ(e[0], c.erreur);
    }
  }
  Chooser ch;
  EXPECT_EQ(ch.choisit("", "NOM"), "NOM");
  EXPECT_TRUE(ch.dialogues.appels.empty());
}

}  // namespace
}  // namespace corrinom
