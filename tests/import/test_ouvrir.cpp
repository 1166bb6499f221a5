// Opening a file: which reader reads it, and the hand-over to the reconciliation state.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "import/ouvrir.h"
#include "outils.h"
#include "operator/dialogues_script.h"
#include "reconcile/etat.h"

namespace corrinom {
namespace {

using test::DossierTemporaire;
using test::RemiseEnregistree;
using Genre = DialoguesScript::Genre;

TEST(ExtensionFichier, LastFullStopOfTheFileNameOnly) {
  struct Cas {
    const char* nom;
    const char* extension;
    bool xml;
  };
  const Cas cas[] = {
      {"/tmp/eleves.xml", ".xml", true},
      {"C:\\Sconet\\ElevesSansAdresses.XML", ".XML", true},
      {"profs.XmL", ".XmL", true},
      {"liste.csv", ".csv", false},
      {"liste.xml.txt", ".txt", false},
      {"/dossier.xml/liste", "", false},  // a full stop in a folder does not count
      {"C:\\dossier.xml\\liste", "", false},
      {"sansextension", "", false},
      {"fichier.xmll", ".xmll", false},
      {"fichier.", ".", false},
      {".xml", ".xml", true},
      {"", "", false},
  };
  for (const Cas& c : cas) {
    EXPECT_EQ(ExtensionFichier(c.nom), c.extension) << c.nom;
    EXPECT_EQ(EstNomXml(c.nom), c.xml) << c.nom;
  }
}

const char* const kEleves =
    "<BEE_ELEVES><DONNEES><ELEVES><ELEVE><NOM>DUPONT</NOM><PRENOM>Jean</PRENOM>"
    "<DATE_NAISS>12/05/1990</DATE_NAISS></ELEVE></ELEVES></DONNEES></BEE_ELEVES>";
const char* const kIndividus =
    "<STS_EDT><DONNEES><INDIVIDUS><INDIVIDU><NOM_USAGE>MARTIN</NOM_USAGE><PRENOM>Anne</PRENOM>"
    "<DATE_NAISSANCE>1970-12-31</DATE_NAISSANCE></INDIVIDU></INDIVIDUS></DONNEES></STS_EDT>";

TEST(LitFichierPersonnes, DispatchesByExtensionAndProbe) {
  DossierTemporaire d;
  struct Cas {
    std::string fichier;
    Lecteur lecteur;
    bool remis;
    std::vector<std::string> messages;
    std::vector<Personne> personnes;
  };
  const std::string absent = d.nom("absent.xml");
  const std::vector<Cas> cas{
      {d.ecrit("eleves.xml", kEleves), Lecteur::Eleves, true, {}, {{"DUPONT", "Jean", "12/05/1990"}}},
      {d.ecrit("profs.XML", kIndividus), Lecteur::Individus, true, {},
       {{"MARTIN", "Anne", "31/12/1970"}}},
      // Every failed probe ends with the staff reader's message.
      {absent, Lecteur::Individus, false, {"Erreur en lisant le fichier " + absent}, {}},
      {d.ecrit("autre.xml", "<A><B/></A>"), Lecteur::Individus, false,
       {"Type de fichier incorrect, Balise \"DONNEES\" non trouv\xE9" "e."}, {}},
      {d.ecrit("sans-eleves.xml", "<A><DONNEES/></A>"), Lecteur::Individus, false,
       {"Type de fichier incorrect, Balise \"INDIVIDUS\" non trouv\xE9" "e."}, {}},
      // XML content under another extension goes to the text reader.
      {d.ecrit("eleves.csv", kEleves), Lecteur::Texte, false, {"Fichier vide"}, {}},
      {d.ecrit("liste.xml.txt", "NOM,PRENOM,NE(E) LE\nDUPONT,Jean,12/05/1990\n"), Lecteur::Texte,
       true, {}, {{"DUPONT", "Jean", "12/05/1990"}}},
      {d.ecrit("liste", "NOM;PRENOM\nDURAND;Lise\n"), Lecteur::Texte, true, {},
       {{"DURAND", "Lise", ""}}},
  };
  for (const Cas& c : cas) {
    RemiseEnregistree remise;
    DialoguesScript dialogues;
    const ResultatOuverture r = LitFichierPersonnes(remise, dialogues, c.fichier);
    EXPECT_EQ(r.lecteur, c.lecteur) << c.fichier;
    EXPECT_EQ(r.remis, c.remis) << c.fichier;
    EXPECT_EQ(dialogues.textes(Genre::Message), c.messages) << c.fichier;
    EXPECT_EQ(remise.personnes, c.personnes) << c.fichier;
  }
}

LigneCompte Compte(const char* login, const char* nom, const char* prenoms, const char* date) {
  return LigneCompte::Libre(login, nom, prenoms, date);
}

TEST(LitFichierPersonnes, HandsOverToExactMatchingAndRefreshesTheState) {
  DossierTemporaire d;
  EtatRapprochement etat;
  etat.comptes = {Compte("jdupont", "DUPONT", "Jean", "12/05/1990"),
                  Compte("hmartin", "MARTIN", "HELENE", ""),
                  Compte("zlibre", "LIBRE", "Zoe", "")};
  etat.rebus = {{"ANCIEN", "Rebus", ""}};
  const std::string csv = d.ecrit("a.csv",
                                  "NOM;PRENOM;NE(E) LE\n"
                                  "Zorro;Diego;01/01/2000\n"
                                  "Dupont;Jean;12/05/1990\n"
                                  "Martin;Helene;03/03/2003\n"
                                  "Abel;Ali;\n");
  DialoguesScript dialogues;
  const ResultatOuverture r = LitFichierPersonnes(etat, dialogues, csv);
  EXPECT_TRUE(r.remis);
  EXPECT_EQ(etat.comptes[0].marque, Marque::DejaBon);
  EXPECT_EQ(etat.comptes[1].marque, Marque::ModificationMineure);
  EXPECT_EQ(etat.comptes[2].marque, Marque::NePasChanger);
  // Emptied first, then sorted by name after the text file.
  EXPECT_EQ(etat.rebus, (std::vector<LigneRebus>{{"ABEL", "Ali", ""}, {"ZORRO", "Diego", "01/01/2000"}}));
  EXPECT_EQ(etat.indicationRebus, "Nombre de personnes : 2");
  EXPECT_EQ(etat.indicationComptes, "Nombre de personnes : 3");
  EXPECT_EQ(etat.compteurs.value().nePasChanger, 1);
  EXPECT_EQ(etat.compteurs.value().dejaBon, 1);
  EXPECT_EQ(etat.compteurs.value().modificationsMineures, 1);
  EXPECT_EQ(etat.compteurs.value().modificationsImportantes, 0);

  // A second file: the not-found list is emptied again, the rows keep their persons,
  // and the XML reader leaves the not-found list in file order.
  const std::string xml = d.ecrit(
      "b.xml",
      "<R><DONNEES><ELEVES>"
      "<ELEVE><NOM>Zed</NOM><PRENOM>Z</PRENOM></ELEVE>"
      "<ELEVE><NOM>Abc</NOM><PRENOM>A</PRENOM></ELEVE>"
      "<ELEVE><NOM>Dupont</NOM><PRENOM>Jean</PRENOM><DATE_NAISS>12/05/1990</DATE_NAISS></ELEVE>"
      "</ELEVES></DONNEES></R>");
  EXPECT_TRUE(LitFichierPersonnes(etat, dialogues, xml).remis);
  // The second Dupont replaced the first, who goes back to the end of the list.
  EXPECT_EQ(etat.rebus, (std::vector<LigneRebus>{{"ZED", "Z", ""},
                                                 {"ABC", "A", ""},
                                                 {"DUPONT", "Jean", "12/05/1990"}}));
  EXPECT_EQ(etat.comptes[1].sousItems.size(), kSousItemsAttache);
  EXPECT_EQ(etat.comptes[1].marque, Marque::ModificationMineure);

  // A file that fails leaves the lists as they were.
  const std::vector<LigneRebus> avant = etat.rebus;
  EXPECT_FALSE(LitFichierPersonnes(etat, dialogues, d.nom("absent.xml")).remis);
  EXPECT_EQ(etat.rebus, avant);
}

}  // namespace
}  // namespace corrinom
