// What the operator sees is true and whole: the file named in EditNomFich opens
// with Entrée, a row whose account already holds its new names is green, the
// filter says how many rows it shows and the hint names a row it hid, the hint
// panel takes the width left.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "accounts/store/base_demo.h"
#include "accounts/store/magasin_sqlite.h"
#include "operator/dialogues_script.h"
#include "reconcile/etat.h"
#include "reconcile/marques.h"
#include "session/enumeration.h"
#include "window/compteurs.h"
#include "window/confort.h"
#include "window/controles.h"
#include "window/logique_fenetre.h"
#include "window/magasin_vide.h"
#include "tests/window/vue_test.h"

#ifndef CORRINOM_EXEMPLES
#error "CORRINOM_EXEMPLES must name the sample files' folder"
#endif

namespace corrinom::fenetre {
namespace {

using test::Vue;

std::optional<std::size_t> Ligne(const EtatRapprochement& etat, std::string_view login) {
  for (std::size_t i = 0; i < etat.comptes.size(); ++i)
    if (etat.comptes[i].login == login) return i;
  return std::nullopt;
}

std::u16string U16(const std::filesystem::path& p) {
  const std::u16string s = p.u16string();
  return s;
}

// One row of each mark and a free one, with no account texts known.
struct Banc {
  EtatRapprochement etat;
  MagasinVide magasin;
  DialoguesScript d;
  Vue vue;
  LogiqueFenetre logique{etat, magasin, d, vue};
  Banc() {
    etat.comptes = {LigneCompte::Libre("gris1", "GRIS", "Un", ""), LigneCompte::Libre("gris2", "GRIS", "Deux", ""),
                    LigneCompte::Libre("vert", "VERT", "Jean", ""), LigneCompte::Libre("rose", "ROSE", "Jean", ""),
                    LigneCompte::Libre("rouge", "ROUGE", "Jean", "")};
    const char* nouveaux[][2] = {{"VERT", "Jean"}, {"ROSE", "JEAN"}, {"ROUGES", "Jean"}};
    for (std::size_t i = 0; i < 3; ++i) {
      AttachePersonne(etat.comptes[2 + i], nouveaux[i][0], nouveaux[i][1], "");
      MarqueLigne(etat.comptes[2 + i]);
    }
    etat.rebus = {{"BLEU", "Paul", ""}};
    logique.RedessineTout();
  }
};

TEST(FiltreDit, CountUnderEachMarkChoice) {
  Banc b;
  const char* attendus[] = {"",
                            "2 comptes affich\xE9s sur 5",
                            "1 compte affich\xE9 sur 5",
                            "1 compte affich\xE9 sur 5",
                            "1 compte affich\xE9 sur 5",
                            "2 comptes affich\xE9s sur 5"};
  static_assert(std::size(attendus) == kTextesChoixMarques.size());
  // The window's labels are given their texts as it is drawn.
  for (std::size_t i = 0; i < kCompteurs.size(); ++i)
    EXPECT_EQ(b.vue.textes[std::string(kCompteurs[i])], TextesCompteurs(b.etat.compteurs)[i]);
  for (int i = 0; i < static_cast<int>(std::size(attendus)); ++i) {
    b.logique.ComboMarquesChange(i);
    EXPECT_EQ(b.logique.TexteNombreComptes(), attendus[i]) << kTextesChoixMarques[static_cast<std::size_t>(i)];
    EXPECT_EQ(b.vue.textes["LabelNombreComptes"], attendus[i]);
  }
  // A search that hides nothing says nothing; one that hides every row says 0.
  b.logique.ComboMarquesChange(0);
  b.logique.EditRechercheChange("r");
  EXPECT_EQ(b.logique.TexteNombreComptes(), "");
  b.logique.EditRechercheChange("zzz");
  EXPECT_EQ(b.logique.TexteNombreComptes(), "0 compte affich\xE9 sur 5");
}

TEST(FiltreDit, MoveOntoARowTheFilterThenHidesIsNamed) {
  Banc b;
  b.logique.ComboMarquesChange(static_cast<int>(ChoixMarques::NePasChanger));
  b.vue.selection = {std::nullopt, 0};
  b.logique.ListViewUsersDragDrop(ListeSource::Rebus, 0);
  EXPECT_TRUE(b.etat.comptes[0].attachee());
  EXPECT_EQ(b.d.indicationCourante, "BLEU Paul vient d'\xEAtre d\xE9plac\xE9 sur gris1, masqu\xE9 par le filtre");
  // Shown by the filter: the move's usual hint.
  b.logique.ComboMarquesChange(0);
  b.etat.rebus = {{"NOIR", "Luc", ""}};
  b.vue.selection = {std::nullopt, 0};
  b.logique.ListViewUsersDragDrop(ListeSource::Rebus, 1);
  EXPECT_EQ(b.d.indicationCourante, "NOIR Luc vient d'\xEAtre d\xE9plac\xE9.");
}

TEST(EditNomFich, EntreeReadsTheNamedFileAsOuvrir) {
  Banc b;
  b.logique.EditNomFichEntree(u"");
  EXPECT_EQ(b.etat.rebus.size(), 1u);
  EXPECT_FALSE(b.logique.historique().PeutAnnuler());

  const std::filesystem::path dossier = std::filesystem::temp_directory_path() / "corrinom-entree";
  std::filesystem::create_directories(dossier);
  const std::filesystem::path fichier = dossier / "liste.csv";
  std::ofstream(fichier) << "NOM;PRENOM;NE(E) LE\r\nGRIS;Un;\r\nBLANC;Anne;01/01/2010\r\n";
  b.logique.EditNomFichEntree(U16(fichier));
  ASSERT_EQ(b.etat.rebus.size(), 1u);  // the list emptied, then BLANC alone not found
  EXPECT_EQ(b.etat.rebus[0].nom, "BLANC");
  ASSERT_TRUE(b.logique.historique().PeutAnnuler());
  b.logique.Annule();
  EXPECT_EQ(b.etat.rebus[0].nom, "BLEU");
  EXPECT_EQ(b.vue.nomFichier, u"");
  std::filesystem::remove_all(dossier);
}

TEST(BarreEtat, HintPanelTakesTheFreeWidth) {
  for (const int echelle : {1, 2}) {
    const int dpi = 96 * echelle, barre = 863 * echelle, version = 220 * echelle;
    for (const int base : {0, 150 * echelle}) {
      const std::vector<int> bords = BordsPanneauxEtat(barre, dpi, base);
      ASSERT_EQ(bords.size(), base ? 3u : 2u);
      EXPECT_EQ(bords[0], version);
      EXPECT_EQ(bords[1] - bords[0], barre - version - base) << echelle << " " << base;
      EXPECT_EQ(bords.back(), barre);
    }
  }
  // Narrower than the version panel: no panel of negative width.
  EXPECT_EQ(BordsPanneauxEtat(100, 96, 50), (std::vector<int>{220, 220, 220}));
}

// The demo base and the sample student file: the account ndiaye.a holds
// "N'DIAYE Aminata", which its columns show cleaned as "NDIAYE"; the pupil
// attached to it is right, so the row is green and the write leaves it alone.
TEST(Marques, NdiayeIsGreenAndNotWritten) {
  const std::filesystem::path dossier = std::filesystem::temp_directory_path() / "corrinom-ndiaye";
  std::filesystem::remove_all(dossier);
  std::filesystem::create_directories(dossier);
  std::string erreur;
  const std::string base = (dossier / "demo.db").string();
  ASSERT_TRUE(EcritBaseDemo(base, erreur)) << erreur;
  std::unique_ptr<MagasinSqlite> magasin = MagasinSqlite::Ouvre(base, erreur);
  ASSERT_TRUE(magasin) << erreur;
  EtatRapprochement etat;
  DialoguesScript d;
  ASSERT_EQ(ChargeUtilisateurs(*magasin, etat, d), 0u);
  Vue vue;
  LogiqueFenetre logique(etat, *magasin, d, vue);
  DestinationJournal journal;
  journal.fichier = (dossier / "journal.csv").string();
  logique.ChoisitJournal(journal);
  logique.EditNomFichEntree(U16(std::filesystem::path(CORRINOM_EXEMPLES) / "ElevesSansAdresses.xml"));
  logique.Button6Click();  // every question answered Yes
  const std::optional<std::size_t> ndiaye = Ligne(etat, "ndiaye.a");
  ASSERT_TRUE(ndiaye);
  ASSERT_TRUE(etat.comptes[*ndiaye].attachee());
  EXPECT_EQ(etat.comptes[*ndiaye].sousItem(kNomActuel), "NDIAYE");
  EXPECT_EQ(etat.comptes[*ndiaye].sousItem(kNouveauNom), "N'DIAYE");
  EXPECT_EQ(etat.comptes[*ndiaye].marque, Marque::DejaBon);

  int enAttente = 0;
  for (const LigneCompte& l : etat.comptes) enAttente += EstModification(l.marque) ? 1 : 0;
  ASSERT_GT(enAttente, 0);
  d.reponses = {Reponse::Oui};
  logique.Button1Click();
  EXPECT_EQ(d.textes(DialoguesScript::Genre::Message).back(),
            "0 suppression effectu\xE9" "e\n" + std::to_string(enAttente) + " changement" +
                (enAttente > 1 ? "s" : "") + " de nom effectu\xE9" + (enAttente > 1 ? "s" : ""));
  std::ifstream lu(*journal.fichier);
  std::stringstream contenu;
  contenu << lu.rdbuf();
  EXPECT_NE(contenu.str().find(";intention;"), std::string::npos);
  EXPECT_EQ(contenu.str().find("ndiaye.a"), std::string::npos);
  std::filesystem::remove_all(dossier);
}

}  // namespace
}  // namespace corrinom::fenetre
