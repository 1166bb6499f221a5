// The two Sconet XML readers on real files.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "import/sconet.h"
#include "outils.h"
#include "operator/dialogues_script.h"

namespace corrinom {
namespace {

using test::DossierTemporaire;
using test::RemiseEnregistree;
using Genre = DialoguesScript::Genre;
using Personnes = std::vector<Personne>;

TEST(ConvertitDate, OnlyTenCharacterIsoDatesChange) {
  struct Cas {
    const char* entree;
    const char* sortie;
  };
  const Cas cas[] = {
      {"1965-03-07", "07/03/1965"}, {"1970-12-31", "31/12/1970"}, {"07/03/1965", "07/03/1965"},
      {"1965-3-7", "1965-3-7"},     {"1965-03-07T00", "1965-03-07T00"}, {"", ""},
      {"abcd-ef-gh", "gh/ef/abcd"},  // digits are not looked at
      {"12/3-/4-56", "12/3-/4-56"},  // slashes at 3 and 6 keep it as it is
      {"1965/03/07", "1965/03/07"},
  };
  for (const Cas& c : cas) EXPECT_EQ(ConvertitDate(c.entree), c.sortie) << c.entree;
}

std::string Eleves(const std::string& corps) {
  return "<?xml version=\"1.0\" encoding=\"ISO-8859-15\"?>\n"
         "<BEE_ELEVES VERSION=\"3.1\">\n<PARAMETRES><UAJ>0330001A</UAJ></PARAMETRES>\n"
         "<DONNEES>\n<ELEVES>\n" +
         corps + "</ELEVES>\n</DONNEES>\n</BEE_ELEVES>\n";
}

struct Lecture {
  RemiseEnregistree remise;
  DialoguesScript dialogues;
  int code = -1;
};

TEST(LitElevesXML, ReadsPupilsStillAtTheSchool) {
  DossierTemporaire d;
  const std::string f = d.ecrit(
      "eleves.xml",
      Eleves("<ELEVE ELEVE_ID=\"1\"><NOM>de la Fontaine</NOM><PRENOM>\xE9lodie</PRENOM>"
             "<PRENOM2> Marie </PRENOM2><DATE_NAISS>12/05/1990</DATE_NAISS></ELEVE>\n"
             // left the school: DATE_SORTIE after the names
             "<ELEVE><NOM>PARTI</NOM><PRENOM>Paul</PRENOM><DATE_SORTIE>01/09/2023</DATE_SORTIE>"
             "</ELEVE>\n"
             // an empty DATE_SORTIE keeps the pupil
             "<ELEVE><NOM>RESTE</NOM><PRENOM>Rita</PRENOM><DATE_SORTIE/></ELEVE>\n"
             // no last name: dropped silently
             "<ELEVE><NOM></NOM><PRENOM>Sans</PRENOM></ELEVE>\n"
             "<ELEVE><PRENOM>Sans</PRENOM></ELEVE>\n"
             // a comment before the text gives an empty name
             "<ELEVE><NOM><!-- x -->CACHE</NOM></ELEVE>\n"
             // lower-case element names are found; the later field wins
             "<eleve><nom>bas</nom><prenom>A</prenom><prenom>B</prenom><prenom3>C</prenom3>"
             "<date_naiss>1990-05-12</date_naiss></eleve>\n"
             // a nested ELEVE is not read, neither are other children of ELEVES
             "<GROUPE><ELEVE><NOM>NICHE</NOM></ELEVE></GROUPE>\n"
             // no first name: PRENOM2 and PRENOM3 are not used
             "<ELEVE><NOM>SEUL</NOM><PRENOM2>Deux</PRENOM2><PRENOM3>Trois</PRENOM3></ELEVE>\n"));
  Lecture l;
  l.code = LitElevesXML(f, /*sonde=*/false, l.remise, l.dialogues);
  EXPECT_EQ(l.code, kLectureReussie);
  EXPECT_TRUE(l.dialogues.appels.empty());
  const Personnes attendu{
      {"DE LA FONTAINE", "\xE9lodie Marie", "12/05/1990"},
      {"RESTE", "Rita", ""},
      {"BAS", "B", "1990-05-12"},  // PRENOM3 without PRENOM2 is not used
      {"SEUL", "", ""},
  };
  EXPECT_EQ(l.remise.personnes, attendu);
  EXPECT_EQ(l.remise.appels.front(), "vide");
  EXPECT_EQ(l.remise.appels.back(), "affiche");
  EXPECT_EQ(std::count(l.remise.appels.begin(), l.remise.appels.end(), "tri"), 0);
}

TEST(LitElevesXML, CurrentExportsNameTheFamilyInOtherElements) {
  DossierTemporaire d;
  const std::string f = d.ecrit(
      "eleves2016.xml",
      Eleves("<ELEVE><NOM_DE_FAMILLE>MARTIN</NOM_DE_FAMILLE><NOM_USAGE/><PRENOM>Luc</PRENOM>"
             "</ELEVE>\n"
             "<ELEVE><NOM_DE_FAMILLE>MARTIN</NOM_DE_FAMILLE><NOM_USAGE>DURAND</NOM_USAGE>"
             "<PRENOM>Lea</PRENOM></ELEVE>\n"
             "<ELEVE><NOM_USAGE>USAGE</NOM_USAGE><NOM_DE_FAMILLE>FAMILLE</NOM_DE_FAMILLE>"
             "<NOM>ANCIEN</NOM><PRENOM>Ana</PRENOM></ELEVE>\n"
             "<ELEVE><NOM/><NOM_DE_FAMILLE>REPLI</NOM_DE_FAMILLE><PRENOM>Rose</PRENOM></ELEVE>\n"
             "<ELEVE><NOM_USAGE/><NOM_DE_FAMILLE/><PRENOM>Vide</PRENOM></ELEVE>\n"));
  Lecture l;
  EXPECT_EQ(LitElevesXML(f, false, l.remise, l.dialogues), kLectureReussie);
  const Personnes attendu{
      {"MARTIN", "Luc", ""},
      {"DURAND", "Lea", ""},  // the usage name first
      {"ANCIEN", "Ana", ""},  // NOM, when present, wins
      {"REPLI", "Rose", ""},
  };
  EXPECT_EQ(l.remise.personnes, attendu);
}

TEST(LitElevesXML, FailuresAndTheProbe) {
  DossierTemporaire d;
  struct Cas {
    std::string fichier;
    std::string message;
  };
  const std::string absent = d.nom("absent.xml");
  const std::string casse = d.ecrit("casse.xml", "<DONNEES><ELEVES></DONNEES>");
  const std::vector<Cas> cas{
      {absent, "Erreur en lisant le fichier " + absent},
      {casse, "Erreur en lisant le fichier " + casse},
      {d.ecrit("vide.xml", ""), "Type de fichier incorrect, Balise \"DONNEES\" non trouv\xE9" "e."},
      {d.ecrit("profond.xml", "<A><B><DONNEES><ELEVES/></DONNEES></B></A>"),
       "Type de fichier incorrect, Balise \"DONNEES\" non trouv\xE9" "e."},
      {d.ecrit("sans-eleves.xml", "<A><DONNEES><X><ELEVES/></X></DONNEES></A>"),
       "Type de fichier incorrect, Balise \"ELEVES\" non trouv\xE9" "e."},
  };
  for (const Cas& c : cas) {
    Lecture sonde;
    EXPECT_EQ(LitElevesXML(c.fichier, true, sonde.remise, sonde.dialogues), kLectureEchouee);
    EXPECT_TRUE(sonde.dialogues.appels.empty());
    EXPECT_TRUE(sonde.remise.appels.empty());

    Lecture l;
    EXPECT_EQ(LitElevesXML(c.fichier, false, l.remise, l.dialogues), kLectureEchouee);
    EXPECT_EQ(l.dialogues.textes(Genre::Message), (std::vector<std::string>{c.message}));
    EXPECT_TRUE(l.remise.appels.empty()) << c.fichier;  // the lists are not touched
  }
  // DONNEES as the root or one level below it, ELEVES empty: accepted, nothing handed over.
  for (const char* xml : {"<DONNEES><ELEVES/></DONNEES>", "<R><donnees><eleves/></donnees></R>"}) {
    const std::string f = d.ecrit("ok.xml", xml);
    Lecture sonde;
    EXPECT_EQ(LitElevesXML(f, true, sonde.remise, sonde.dialogues), kLectureReussie) << xml;
    EXPECT_TRUE(sonde.remise.appels.empty());
    Lecture l;
    EXPECT_EQ(LitElevesXML(f, false, l.remise, l.dialogues), kLectureReussie);
    EXPECT_EQ(l.remise.appels, (std::vector<std::string>{"vide", "affiche"}));
  }
}

TEST(LitIndividusXML, ReadsStaffByUsageName) {
  DossierTemporaire d;
  const std::string f = d.ecrit(
      "sts.xml",
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<STS_EDT><DONNEES><INDIVIDUS>"
      "<INDIVIDU ID=\"1\"><NOM_USAGE>Lef\xC3\xA8vre</NOM_USAGE><NOM_PATRONYMIQUE>X</NOM_PATRONYMIQUE>"
      "<PRENOM>  Jean   Marc </PRENOM><PRENOM2>Non</PRENOM2>"
      "<DATE_NAISSANCE>1970-12-31</DATE_NAISSANCE></INDIVIDU>"
      "<INDIVIDU><NOM>SANSUSAGE</NOM><PRENOM>Zoe</PRENOM></INDIVIDU>"
      "<INDIVIDU><NOM_USAGE>VIDE</NOM_USAGE><DATE_NAISSANCE/><DATE_SORTIE>2020</DATE_SORTIE>"
      "</INDIVIDU>"
      "</INDIVIDUS></DONNEES></STS_EDT>\n");
  Lecture l;
  EXPECT_EQ(LitIndividusXML(f, l.remise, l.dialogues), kLectureReussie);
  const Personnes attendu{
      {"LEFEVRE", "Jean Marc", "31/12/1970"},
      {"VIDE", "", ""},  // no departure for staff; an empty date stays empty
  };
  EXPECT_EQ(l.remise.personnes, attendu);
  EXPECT_TRUE(l.dialogues.appels.empty());
}

TEST(LitIndividusXML, MissingListElement) {
  DossierTemporaire d;
  const std::string f = d.ecrit("eleves.xml", Eleves(""));
  Lecture l;
  EXPECT_EQ(LitIndividusXML(f, l.remise, l.dialogues), kLectureEchouee);
  EXPECT_EQ(l.dialogues.textes(Genre::Message),
            (std::vector<std::string>{
                "Type de fichier incorrect, Balise \"INDIVIDUS\" non trouv\xE9" "e."}));
  EXPECT_TRUE(l.remise.appels.empty());
}

}  // namespace
}  // namespace corrinom
