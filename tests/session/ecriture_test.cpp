// Writing the new names of confirmed rows back to their accounts, end to end on
// a real SQLite base.
#include <gtest/gtest.h>

#include "accounts/store/magasin_en_panne.h"
#include "accounts/store/magasin_sqlite.h"
#include "accounts/tsv_comptes.h"
#include "operator/dialogues_script.h"
#include "reconcile/marques.h"
#include "reconcile/rapprochement_exact.h"
#include "session/ecriture.h"
#include "session/restauration.h"
#include "session/enumeration.h"
#include "tests/accounts/outils_test.h"

namespace corrinom {
namespace {

using test::Compte;
using test::DossierTemporaire;
using test::Tavo;
using Genre = DialoguesScript::Genre;

const std::string kResume0 = "0 suppression effectu\xE9" "e\n0 changement de nom effectu\xE9";
const std::string kResume1 = "0 suppression effectu\xE9" "e\n1 changement de nom effectu\xE9";

class EcritureTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // Characters outside CP1252 in the comment and the other fields must survive.
    CompteStocke kowalski = Compte("kowalski", "KOWALSKI \xC5\x81ucja",
                                   "TAVO;E;2026;6C;;;8;;29/07/2011;\xC5\x81\xC3\xB3" "d\xC5\xBA;x;0;0;\xE2\x98\x83");
    kowalski.home_dir = ChampTexte::de("\\\\SRV\\\xC5\x81");
    kowalski.comment = ChampTexte::de("\xE2\x82\xAC \xE2\x98\x83");
    kowalski.profile = ChampTexte::de("");
    kowalski.logon_hours = std::array<std::uint8_t, 21>{0xFF, 0x0F};
    kowalski.user_id = 1042;
    CompteStocke sansCommentaire = Compte("nul", "NUL Paul", "");
    sansCommentaire.usr_comment = ChampTexte{};
    comptes = {
        {Compte("dupont", "DUPONT Jean", Tavo(6, "12/05/2011")), SorteCompte::Normal},
        {kowalski, SorteCompte::Normal},
        {Compte("court", "COURT Anne", "TAVO;E;2026"), SorteCompte::Normal},
        {Compte("\xC5\x82ukasz", "NOWAK \xC5\x81ukasz", Tavo(5, "16/08/2011")), SorteCompte::Normal},
        {Compte("martin", "MARTIN Paul", Tavo(6, "01/02/2011")), SorteCompte::Normal},
        {sansCommentaire, SorteCompte::Normal},
    };
    std::string erreur;
    etat = EtatRapprochement{};
    d = DialoguesScript{};
    base = MagasinSqlite::OuvreOuCree(dossier.fichier("base" + std::to_string(++numero) + ".sqlite"),
                                      erreur);
    ASSERT_TRUE(base) << erreur;
    ASSERT_TRUE(base->ajoute(comptes, erreur)) << erreur;
    ASSERT_EQ(ChargeUtilisateurs(*base, etat, d), 0u);
    d.appels.clear();
    journal = DestinationJournal{"base", dossier.fichier("journal" + std::to_string(numero) + ".csv"),
                                 nullptr, {}};
  }

  LigneCompte& ligne(std::string_view login) {
    for (LigneCompte& l : etat.comptes)
      if (l.login == login) return l;
    ADD_FAILURE() << "no row " << login;
    return etat.comptes.front();
  }
  void attache(std::string_view login, std::string nom, std::string prenoms, std::string date = {}) {
    LigneCompte& l = ligne(login);
    AttachePersonne(l, std::move(nom), std::move(prenoms), std::move(date));
    MarqueLigne(l);
  }
  // The stored record, read past any fault.
  CompteStocke stocke(std::string_view login) {
    for (const CompteBase& c : base->tous())
      if (c.compte.name.texte == login) return c.compte;
    ADD_FAILURE() << "no account " << login;
    return {};
  }
  std::vector<std::string> textes(Genre genre) const {
    std::vector<std::string> r;
    for (const auto& a : d.appels)
      if (a.genre == genre) r.push_back(a.texte);
    return r;
  }

  DossierTemporaire dossier;
  int numero = 0;
  std::vector<CompteBase> comptes;
  std::unique_ptr<MagasinSqlite> base;
  EtatRapprochement etat;
  DialoguesScript d;
  DestinationJournal journal;
};

TEST_F(EcritureTest, EachRunKeepsItsJournalAndWritesNothingWithoutOne) {
  attache("dupont", "DUPONT", "Jean Paul");
  attache("martin", "MARTIN", "Paule");
  const std::string avant = ExporteTsv(base->tous());
  journal.fichier = dossier.fichier("absent/journal.csv");
  d.reponses = {Reponse::Oui};
  ASSERT_TRUE(ConfirmeEtEffectueChangements(etat, *base, d, journal));
  EXPECT_EQ(ExporteTsv(base->tous()), avant);
  ASSERT_EQ(textes(Genre::Erreur).size(), 1u);
  EXPECT_NE(textes(Genre::Erreur)[0].find("Aucun compte n'a \xE9t\xE9 modifi\xE9."), std::string::npos);
  EXPECT_EQ(textes(Genre::Message), (std::vector<std::string>{kResume0}));
  EXPECT_EQ(ligne("dupont").marque, Marque::ModificationImportante);

  journal.fichier = std::nullopt;  // a new file in the per-user folder
  std::string ouvert;
  journal.surOuverture = [&](const std::string& chemin) {
    ouvert = chemin;
    EXPECT_EQ(ExporteTsv(base->tous()), avant);  // told before any account is written
  };
  const char* ancien = std::getenv("XDG_DATA_HOME");
  const std::string sauve = ancien ? ancien : "";
  setenv("XDG_DATA_HOME", dossier.fichier("donnees").c_str(), 1);
  d.reponses = {Reponse::Oui};
  ConfirmeEtEffectueChangements(etat, *base, d, journal);
  if (ancien) setenv("XDG_DATA_HOME", sauve.c_str(), 1);
  else unsetenv("XDG_DATA_HOME");
  EXPECT_EQ(ouvert, journal.dernierChemin);
  EXPECT_EQ(ouvert.rfind(dossier.fichier("donnees/corrinom/journaux/"), 0), 0u) << ouvert;
  EXPECT_EQ(d.indicationCourante, "Journal : " + ouvert);
  std::vector<LigneJournal> lignes;
  std::string erreur;
  ASSERT_TRUE(LitFichierJournal(ouvert, lignes, erreur)) << erreur;
  ASSERT_EQ(lignes.size(), 4u);
  EXPECT_EQ(lignes[2].changement.login, "martin");
  EXPECT_EQ(lignes[3].changement.nouveauNomComplet, "MARTIN Paule");
}

TEST_F(EcritureTest, RewriteChangesOnlyFullNameAndFieldSeven) {
  attache("kowalski", "KOWALSKA-NOWAK", "Lucja Maria");
  ASSERT_EQ(ligne("kowalski").marque, Marque::ModificationImportante);
  const std::string avant = ExporteTsv(base->tous());
  d.reponses = {Reponse::Oui};
  ASSERT_TRUE(ConfirmeEtEffectueChangements(etat, *base, d, journal));

  CompteStocke attendu = comptes[1].compte;
  attendu.full_name = ChampTexte::de("KOWALSKA-NOWAK Lucja Maria");
  attendu.usr_comment = ChampTexte::de(
      "TAVO;E;2026;6C;;;14;;29/07/2011;\xC5\x81\xC3\xB3" "d\xC5\xBA;x;0;0;\xE2\x98\x83");
  EXPECT_EQ(stocke("kowalski"), attendu);

  // Every other account and every other field, byte for byte.
  std::string apres = ExporteTsv(base->tous());
  const auto remplace = [](std::string& t, const std::string& de, const std::string& par) {
    const auto p = t.find(de);
    ASSERT_NE(p, std::string::npos) << de;
    t.replace(p, de.size(), par);
  };
  remplace(apres, "KOWALSKA-NOWAK Lucja Maria", "KOWALSKI \xC5\x81ucja");
  remplace(apres, ";;;14;;29/07/2011", ";;;8;;29/07/2011");
  EXPECT_EQ(apres, avant);

  const LigneCompte& l = ligne("kowalski");
  EXPECT_EQ(l.marque, Marque::DejaBon);
  EXPECT_EQ(l.sousItems, (std::vector<std::string>{"KOWALSKA-NOWAK", "Lucja Maria", "29/07/2011",
                                                   "KOWALSKA-NOWAK", "Lucja Maria", ""}));
}

TEST_F(EcritureTest, StopAfterTheAccountBeingWrittenCountsWhatWasWritten) {
  attache("dupont", "DUPONT-MOREL", "Jean");
  attache("martin", "MARTINE", "Paul");
  attache("kowalski", "KOWALSKA", "Lucja");
  test::ProgressionNotee p;
  p.arretApres = 2;  // 0 / 3, then 1 / 3: Arrêter during the first account
  EXPECT_EQ(EffectueChangements(etat, *base, d, journal, &p).changements, 1);
  EXPECT_EQ(p.avances, (std::vector<std::pair<std::size_t, std::size_t>>{{0, 3}, {1, 3}}));
  EXPECT_EQ(p.fins, 1);
  EXPECT_EQ(textes(Genre::Message), std::vector<std::string>{kResume1});
  EXPECT_EQ(ModificationsEnAttente(etat), true);

  // At the close question, a stopped write keeps the window open.
  test::ProgressionNotee q;
  q.arretApres = 1;
  d.reponses = {Reponse::Oui};
  EXPECT_FALSE(AutoriseFermeture(etat, *base, d, journal, &q));
  EXPECT_EQ(TexteEcriture(12, 240), "\xC9" "criture des changements : 12 / 240");
  EXPECT_EQ(TexteLecture(1200, 0), "Lecture des comptes du serveur... 1200");
}

TEST_F(EcritureTest, ReloadShowsTheNewNames) {
  attache("dupont", "DUPONT-MOREL", "Jean \xC9tienne");
  d.reponses = {Reponse::Oui};
  ConfirmeEtEffectueChangements(etat, *base, d, journal);
  EXPECT_EQ(stocke("dupont").full_name.texte, "DUPONT-MOREL Jean \xC3\x89tienne");
  EXPECT_EQ(stocke("dupont").usr_comment.texte, Tavo(12, "12/05/2011"));
  EtatRapprochement relu;
  DialoguesScript dd;
  ChargeUtilisateurs(*base, relu, dd);
  EXPECT_EQ(relu.comptes.at(0).sousItems,
            (std::vector<std::string>{"DUPONT-MOREL", "Jean \xC9tienne", "12/05/2011"}));
}

TEST_F(EcritureTest, LastNameLengthCountsLettersNotStoredBytes) {
  // The store holds UTF-8, where each accented letter takes two bytes; field 7
  // counts the letters of the last name, as the full name is split on reading.
  attache("dupont", "L\xC9VY-M\xC8RE", "Zo\xE9 \xC9lise");
  d.reponses = {Reponse::Oui};
  ConfirmeEtEffectueChangements(etat, *base, d, journal);
  EXPECT_EQ(stocke("dupont").full_name.texte, "L\xC3\x89VY-M\xC3\x88RE Zo\xC3\xA9 \xC3\x89lise");
  EXPECT_EQ(stocke("dupont").usr_comment.texte, Tavo(9, "12/05/2011"));
  EtatRapprochement relu;
  DialoguesScript dd;
  ChargeUtilisateurs(*base, relu, dd);
  EXPECT_EQ(relu.comptes.at(0).sousItems,
            (std::vector<std::string>{"LEVY-MERE", "Zo\xE9 \xC9lise", "12/05/2011"}));
}

TEST_F(EcritureTest, CommentsWithoutFieldSevenAndNullCommentsStayAsTheyAre) {
  attache("court", "COURTOIS", "Anne");
  d.reponses = {Reponse::Oui};
  ConfirmeEtEffectueChangements(etat, *base, d, journal);
  EXPECT_EQ(textes(Genre::Message), (std::vector<std::string>{kResume1}));
  EXPECT_EQ(stocke("court").usr_comment, ChampTexte::de("TAVO;E;2026"));
  EXPECT_EQ(stocke("court").full_name.texte, "COURTOIS Anne");

  // Accounts without a record are never listed, but a write by login keeps
  // a null comment null and an empty one empty.
  std::string erreur;
  CompteStocke vide = Compte("vide", "VIDE Eva", "");
  ASSERT_TRUE(base->ajoute({{vide, SorteCompte::Normal}}, erreur));
  auto jc = JournalChangements::OuvreFichier(dossier.fichier("modifie.csv"), "base", erreur);
  ASSERT_TRUE(jc) << erreur;
  EXPECT_TRUE(ModifieCompte(*base, "nul", "NULLE", "", d, *jc));  // no first names: the last name alone
  EXPECT_TRUE(ModifieCompte(*base, "vide", "VIDAL", "Eva", d, *jc));
  EXPECT_TRUE(stocke("nul").usr_comment.nul);
  EXPECT_EQ(stocke("nul").full_name.texte, "NULLE");
  EXPECT_EQ(stocke("vide").usr_comment, ChampTexte::de(""));
  EXPECT_EQ(stocke("vide").full_name.texte, "VIDAL Eva");
}

TEST_F(EcritureTest, LoginOutsideCp1252IsFoundByItsOwnText) {
  ASSERT_EQ(etat.comptes.at(3).login, "lukasz");
  attache("lukasz", "NOWAK", "Lukasz Jan");
  d.reponses = {Reponse::Oui};
  ConfirmeEtEffectueChangements(etat, *base, d, journal);
  EXPECT_EQ(textes(Genre::Message), (std::vector<std::string>{kResume1}));
  EXPECT_EQ(stocke("\xC5\x82ukasz").full_name.texte, "NOWAK Lukasz Jan");
}

TEST_F(EcritureTest, TwoLoginsWithTheSameViewAreNotGuessed) {
  std::string erreur;
  ASSERT_TRUE(base->ajoute({{Compte("lukasz", "NOWAK Lukasz", Tavo(5, "")), SorteCompte::Normal}}, erreur));
  EtatRapprochement e;
  ChargeUtilisateurs(*base, e, d);
  etat = e;
  d.appels.clear();
  attache("lukasz", "NOWAK", "Jan");
  d.reponses = {Reponse::Oui};
  ConfirmeEtEffectueChangements(etat, *base, d, journal);
  EXPECT_EQ(textes(Genre::Message),
            (std::vector<std::string>{"Erreur  1332 en obtenant le compte lukasz", kResume0}));
  EXPECT_EQ(stocke("lukasz").full_name.texte, "NOWAK Lukasz");
  EXPECT_EQ(stocke("\xC5\x82ukasz").full_name.texte, "NOWAK \xC5\x81ukasz");
}

TEST_F(EcritureTest, FailedWritesStopTheRunAndLeaveTheAccount) {
  const struct {
    OperationPanne operation;
    std::uint32_t statut;
    std::string message;
  } cas[] = {
      {OperationPanne::Lecture, 2221, "Erreur  2221 en obtenant le compte kowalski"},
      {OperationPanne::Ecriture, 5, "Erreur 5 en modifiant le compte kowalski"},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.message);
    SetUp();
    MagasinEnPanne enPanne(*base, {{c.operation, c.statut, std::string("kowalski"), {}}});
    attache("dupont", "DUPONTE", "Jean");
    attache("kowalski", "KOWALSKA", "Lucja");
    attache("martin", "MARTINEZ", "Paul");
    const std::string avant = ExporteTsv(base->tous());

    d.reponses = {Reponse::Oui};
    ConfirmeEtEffectueChangements(etat, enPanne, d, journal);
    EXPECT_EQ(textes(Genre::Message), (std::vector<std::string>{c.message, kResume1}));
    EXPECT_EQ(ligne("dupont").marque, Marque::DejaBon);
    EXPECT_EQ(ligne("kowalski").marque, Marque::ModificationImportante);
    EXPECT_EQ(ligne("martin").marque, Marque::ModificationImportante);
    EXPECT_EQ(ligne("kowalski").sousItem(kNomActuel), "KOWALSKI");
    EXPECT_EQ(stocke("kowalski"), comptes[1].compte);
    EXPECT_EQ(stocke("martin"), comptes[4].compte);
    EXPECT_EQ(etat.compteurs.value().dejaBon, 1);
    EXPECT_EQ(etat.compteurs.value().modificationsImportantes, 2);
    EXPECT_NE(ExporteTsv(base->tous()), avant);  // dupont was written
  }
}

TEST_F(EcritureTest, OnlyPendingRowsWithANewLastNameAreWritten) {
  attache("dupont", "DUPONT", "Jean");    // green: already right
  attache("martin", "", "Paul");          // red, but no new last name
  attache("court", "COURT", "ANNE");     // pink
  ASSERT_EQ(ligne("court").marque, Marque::ModificationMineure);
  const std::string dupontAvant = ExporteTsv({{stocke("dupont"), SorteCompte::Normal}});
  d.reponses = {Reponse::Oui};
  ConfirmeEtEffectueChangements(etat, *base, d, journal);
  EXPECT_EQ(textes(Genre::Message), (std::vector<std::string>{kResume1}));
  EXPECT_EQ(stocke("court").full_name.texte, "COURT ANNE");
  EXPECT_EQ(ExporteTsv({{stocke("dupont"), SorteCompte::Normal}}), dupontAvant);
  EXPECT_EQ(stocke("martin"), comptes[4].compte);
  EXPECT_EQ(ligne("martin").marque, Marque::ModificationImportante);
  EXPECT_TRUE(ModificationsEnAttente(etat));
}

TEST_F(EcritureTest, ConfirmsOnlyWhenSomethingIsPending) {
  ConfirmeEtEffectueChangements(etat, *base, d, journal);  // nothing pending: no question, the summary
  ASSERT_EQ(d.appels.size(), 3u);
  EXPECT_EQ(d.appels[0].genre, Genre::DebutAttente);
  EXPECT_EQ(d.appels[1].genre, Genre::FinAttente);
  EXPECT_EQ(d.appels[2].texte, kResume0);

  for (const Reponse r : {Reponse::Non, Reponse::Annuler}) {
    d.appels.clear();
    attache("dupont", "DURAND", "Jean");
    d.reponses = {r};
    EXPECT_FALSE(ConfirmeEtEffectueChangements(etat, *base, d, journal));
    ASSERT_EQ(d.appels.size(), 1u);
    EXPECT_EQ(d.appels[0].titre, "Confirmation");
    EXPECT_EQ(d.appels[0].texte,
              "Les modifications vont \xEAtre effecu\xE9" "es dans la base de comptes de votre serveur TAVO");
    EXPECT_EQ(d.appels[0].icone, Icone::Aucune);
    EXPECT_EQ(stocke("dupont").full_name.texte, "DUPONT Jean");
    DetachePersonne(ligne("dupont"));
    MarqueLigne(ligne("dupont"));
  }
}

TEST_F(EcritureTest, CloseQuestionComesBackWhileRowsArePending) {
  const std::string question =
      "Des modifications ont \xE9t\xE9 faites, voulez-vous effectuer ces modifications dans votre "
      "serveur TAVO ?";
  // No pending row: closes without a question.
  EXPECT_TRUE(AutoriseFermeture(etat, *base, d, journal));
  EXPECT_TRUE(d.appels.empty());

  attache("dupont", "DURAND", "Jean");
  d.reponses = {Reponse::Annuler};
  EXPECT_FALSE(AutoriseFermeture(etat, *base, d, journal));
  d.reponses = {Reponse::Non};
  EXPECT_TRUE(AutoriseFermeture(etat, *base, d, journal));
  EXPECT_EQ(stocke("dupont").full_name.texte, "DUPONT Jean");
  EXPECT_EQ(textes(Genre::Question), (std::vector<std::string>{question, question}));

  // Yes writes; a failed write brings the question back, No then closes.
  d.appels.clear();
  attache("martin", "MARTINEZ", "Paul");
  MagasinEnPanne enPanne(*base, {{OperationPanne::Ecriture, 5, std::string("martin"), {}}});
  d.reponses = {Reponse::Oui, Reponse::Non};
  EXPECT_TRUE(AutoriseFermeture(etat, enPanne, d, journal));
  EXPECT_EQ(textes(Genre::Question), (std::vector<std::string>{question, question}));
  EXPECT_EQ(textes(Genre::Message),
            (std::vector<std::string>{"Erreur 5 en modifiant le compte martin", kResume1}));
  EXPECT_EQ(stocke("dupont").full_name.texte, "DURAND Jean");

  // Yes on a row that is never written: the question keeps coming.
  d.appels.clear();
  attache("court", "", "Anne");
  DetachePersonne(ligne("martin"));
  MarqueLigne(ligne("martin"));
  d.reponses = {Reponse::Oui, Reponse::Oui, Reponse::Annuler};
  EXPECT_FALSE(AutoriseFermeture(etat, enPanne, d, journal));
  EXPECT_EQ(textes(Genre::Question).size(), 3u);
  EXPECT_EQ(textes(Genre::Message), (std::vector<std::string>{kResume0, kResume0}));
}

TEST_F(EcritureTest, ExactMatchingThenApplyEndToEnd) {
  // Persons as a reader hands them over: upper-case last name, first names as read.
  RapprocheExact(etat, "DUPONT", "JEAN", "12/05/2011");         // pink
  RapprocheExact(etat, "MARTIN", "Paul", "01/02/2011");         // green
  RapprocheExact(etat, "KOWALSKI", "Lucja", "29/07/2011");      // green
  RapprocheExact(etat, "INCONNU", "Personne", "01/01/2000");    // not found
  ASSERT_EQ(ligne("dupont").marque, Marque::ModificationMineure);
  ASSERT_EQ(ligne("martin").marque, Marque::DejaBon);
  ASSERT_EQ(etat.rebus.size(), 1u);
  d.reponses = {Reponse::Oui};
  ConfirmeEtEffectueChangements(etat, *base, d, journal);
  EXPECT_EQ(textes(Genre::Message), (std::vector<std::string>{kResume1}));
  EXPECT_EQ(stocke("dupont").full_name.texte, "DUPONT JEAN");
  EXPECT_EQ(stocke("martin"), comptes[4].compte);
  EXPECT_EQ(stocke("kowalski"), comptes[1].compte);
  EXPECT_FALSE(ModificationsEnAttente(etat));
}

// Between the load and the write, another administrator renames martin and
// gives dupont the very names this run would write.
TEST_F(EcritureTest, AccountChangedSinceTheLoadIsLeftAndOneAlreadyRightIsNotWritten) {
  attache("dupont", "DUPONTEL", "Jean");
  attache("martin", "MARTINEZ", "Paul");
  attache("kowalski", "KOWALSKA", "Lucja");
  CompteStocke martin = stocke("martin"), dupont = stocke("dupont");
  martin.full_name = ChampTexte::de("MARTIN Pierre");
  dupont.full_name = ChampTexte::de("DUPONTEL Jean");
  dupont.usr_comment = ChampTexte::de(Tavo(8, "12/05/2011"));
  ASSERT_EQ(base->ecrit("martin", martin), kNerrSuccess);
  ASSERT_EQ(base->ecrit("dupont", dupont), kNerrSuccess);

  EXPECT_EQ(EffectueChangements(etat, *base, d, journal).conflits, std::vector<std::string>{"martin"});
  EXPECT_EQ(textes(Genre::Message),
            std::vector<std::string>{kResume1 + "\nComptes modifi\xE9s dans le serveur depuis la lecture, "
                                                "laiss\xE9s tels quels (1) : martin"});
  EXPECT_EQ(stocke("martin"), martin);
  EXPECT_EQ(stocke("dupont"), dupont);
  EXPECT_EQ(stocke("kowalski").full_name.texte, "KOWALSKA Lucja");
  EXPECT_EQ(ligne("martin").marque, Marque::ModificationImportante);
  EXPECT_EQ(ligne("dupont").marque, Marque::DejaBon);
  EXPECT_EQ(ligne("dupont").sousItems[kNomActuel], "DUPONTEL");

  // kowalski's two lines, then martin's conflict line (what the account holds,
  // what would have been written); dupont has none.
  std::vector<LigneJournal> lignes;
  std::string erreur;
  ASSERT_TRUE(LitFichierJournal(*journal.fichier, lignes, erreur)) << erreur;
  ASSERT_EQ(lignes.size(), 3u);
  EXPECT_TRUE(lignes[2].conflit);
  EXPECT_FALSE(lignes[2].statut);
  EXPECT_EQ(lignes[2].changement, (ChangementCompte{"martin", "MARTIN Pierre", Tavo(6, "01/02/2011"),
                                                    "MARTINEZ Paul", Tavo(8, "01/02/2011")}));
  EXPECT_EQ(lignes[1].changement.login, "kowalski");
  EXPECT_EQ(HistoriquesDuJournal(lignes).size(), 1u);  // the restore sees kowalski alone

  // A second run in the same window compares with what the first wrote.
  DetachePersonne(ligne("kowalski"));
  attache("kowalski", "KOWALSKI-NOWAK", "Lucja");
  const BilanChangements second = EffectueChangements(etat, *base, d, journal);
  EXPECT_EQ(second.changements, 1);
  EXPECT_EQ(second.conflits, std::vector<std::string>{"martin"});  // still pending, still changed
  EXPECT_EQ(stocke("kowalski").full_name.texte, "KOWALSKI-NOWAK Lucja");
}

TEST(ResumeChangements, PluralFromTwo) {
  EXPECT_EQ(ResumeChangements(0, 0), "0 suppression effectu\xE9" "e\n0 changement de nom effectu\xE9");
  EXPECT_EQ(ResumeChangements(0, 1), "0 suppression effectu\xE9" "e\n1 changement de nom effectu\xE9");
  EXPECT_EQ(ResumeChangements(2, 12),
            "2 suppressions effectu\xE9" "es\n12 changements de nom effectu\xE9s");
  std::vector<std::string> logins;
  for (char c = 'a'; c <= 'k'; ++c) logins.push_back(std::string(1, c));
  EXPECT_EQ(ResumeChangements(0, 0, logins),
            "0 suppression effectu\xE9" "e\n0 changement de nom effectu\xE9\nComptes modifi\xE9s dans "
            "le serveur depuis la lecture, laiss\xE9s tels quels (11) : a, b, c, d, e, f, g, h, i, j, \x85");
}

}  // namespace
}  // namespace corrinom
