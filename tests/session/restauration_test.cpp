// The restore: compare, then set, and its own journal; the change list.
#include <gtest/gtest.h>

#include <map>

#include "session/ecriture.h"
#include "session/liste_changements.h"
#include "session/restauration.h"
#include "operator/dialogues_script.h"
#include "outils.h"

namespace corrinom {
namespace {

using test::Compte;
using test::MagasinMemoire;

LigneJournal Ligne(std::string login, std::string ancien, std::string nouveau,
                   std::optional<std::uint32_t> statut) {
  LigneJournal l;
  l.magasin = "m";
  l.resultat = statut.has_value();
  l.statut = statut;
  l.changement = {std::move(login), ancien, "TAVO;;;;;;" + std::to_string(ancien.size()),
                  nouveau, "TAVO;;;;;;" + std::to_string(nouveau.size())};
  return l;
}

CompteStocke Apres(const std::string& login, const std::string& nom) {
  return Compte(login, nom, "TAVO;;;;;;" + std::to_string(nom.size()));
}

TEST(Restauration, EachAccountAsItsJournalAndItsCurrentTextsSay) {
  MagasinMemoire m;
  m.comptes["ecrit"] = Apres("ecrit", "NEUF A");
  m.comptes["change"] = Apres("change", "AUTRE A");        // modified since
  m.comptes["echoue"] = Apres("echoue", "VIEUX B");        // its write failed
  m.comptes["coupe"] = Apres("coupe", "NEUF C");           // intention only, written
  m.comptes["pas.ecrit"] = Apres("pas.ecrit", "VIEUX D");  // intention only, not written
  m.comptes["deux.fois"] = Apres("deux.fois", "TROIS E");  // two runs
  m.comptes["refus"] = Apres("refus", "NEUF F");
  m.echecsEcriture["refus"] = 5;
  const std::vector<LigneJournal> lignes{
      Ligne("ecrit", "VIEUX A", "NEUF A", {}),       Ligne("ecrit", "VIEUX A", "NEUF A", 0),
      Ligne("change", "VIEUX A", "NEUF A", {}),      Ligne("change", "VIEUX A", "NEUF A", 0),
      Ligne("echoue", "VIEUX B", "NEUF B", {}),      Ligne("echoue", "VIEUX B", "NEUF B", 2221),
      Ligne("deux.fois", "UN E", "DEUX E", {}),      Ligne("deux.fois", "UN E", "DEUX E", 0),
      Ligne("refus", "VIEUX F", "NEUF F", {}),       Ligne("refus", "VIEUX F", "NEUF F", 0),
      Ligne("coupe", "VIEUX C", "NEUF C", {}),       Ligne("pas.ecrit", "VIEUX D", "NEUF D", {}),
      Ligne("deux.fois", "DEUX E", "TROIS E", {}),   Ligne("deux.fois", "DEUX E", "TROIS E", 0),
      Ligne("absent", "VIEUX G", "NEUF G", 0),
  };
  const std::vector<HistoriqueCompte> h = HistoriquesDuJournal(lignes);
  const CompteStocke ecritAvant = m.comptes["ecrit"];

  // Without a journal, nothing is written.
  const Restauration essai = Restaure(h, m, nullptr);
  EXPECT_EQ(m.ecritures, 0);
  EXPECT_EQ(m.comptes["ecrit"], ecritAvant);

  test::Dossier d;
  std::string erreur;
  auto journal = JournalChangements::OuvreFichier(d.nom("j.csv"), "m", erreur);
  ASSERT_TRUE(journal) << erreur;
  const Restauration r = Restaure(h, m, journal.get());
  EXPECT_TRUE(r.erreurJournal.empty());

  using I = IssueRestauration;
  const std::vector<std::tuple<std::string, I, I, std::uint32_t>> attendu{
      {"ecrit", I::ARestaurer, I::Restaure, 0},   {"change", I::Laisse, I::Laisse, 0},
      {"echoue", I::Laisse, I::Laisse, 0},        {"deux.fois", I::ARestaurer, I::Restaure, 0},
      {"refus", I::ARestaurer, I::Echec, 5},      {"coupe", I::ARestaurer, I::Restaure, 0},
      {"pas.ecrit", I::Laisse, I::Laisse, 0},     {"absent", I::Echec, I::Echec, kNerrUserNotFound},
  };
  ASSERT_EQ(r.comptes.size(), attendu.size());
  ASSERT_EQ(essai.comptes.size(), attendu.size());
  for (std::size_t i = 0; i < attendu.size(); ++i) {
    const auto& [login, avant, apres, statut] = attendu[i];
    EXPECT_EQ(essai.comptes[i].login, login);
    EXPECT_EQ(essai.comptes[i].issue, avant) << login;
    EXPECT_EQ(r.comptes[i].issue, apres) << login;
    EXPECT_EQ(r.comptes[i].statut, statut) << login;
  }
  EXPECT_EQ(m.comptes["ecrit"], Apres("ecrit", "VIEUX A"));  // every other field as it was
  EXPECT_EQ(m.comptes["deux.fois"], Apres("deux.fois", "UN E"));
  EXPECT_EQ(m.comptes["coupe"], Apres("coupe", "VIEUX C"));
  EXPECT_EQ(m.comptes["change"], Apres("change", "AUTRE A"));

  // The restore's journal undoes the restore.
  std::vector<LigneJournal> siennes;
  ASSERT_TRUE(LitFichierJournal(journal->chemin(), siennes, erreur)) << erreur;
  EXPECT_EQ(siennes.size(), 8u);  // four accounts tried, two lines each
  m.echecsEcriture.clear();
  const Restauration retour = Restaure(HistoriquesDuJournal(siennes), m, journal.get());
  for (const CompteRestaure& c : retour.comptes)  // refus was never written
    EXPECT_EQ(c.issue, c.login == "refus" ? I::Laisse : I::Restaure) << c.login;
  EXPECT_EQ(m.comptes["ecrit"], ecritAvant);
  EXPECT_EQ(m.comptes["deux.fois"], Apres("deux.fois", "TROIS E"));
}

TEST(Restauration, FieldSevenComesBackAsItsBytesWere) {
  // A write puts a number where the account held something else ("x7", empty):
  // the restore puts back those very bytes, not the number they would read as.
  for (const std::string ancien : {"x7", "", "07"}) {
    MagasinMemoire m;
    m.comptes["r"] = Compte("r", "ROCHE Leo", "TAVO;;;;;;5;;01/12/2010");
    LigneJournal l = Ligne("r", "ROCHE Leo", "ROCHE Leo", 0);
    l.changement.ancienCommentaire = "TAVO;;;;;;" + ancien + ";;01/12/2010";
    l.changement.nouveauCommentaire = "TAVO;;;;;;5;;01/12/2010";
    LigneJournal intention = l;
    intention.resultat = false;
    intention.statut.reset();
    test::Dossier d;
    std::string erreur;
    auto journal = JournalChangements::OuvreFichier(d.nom("j.csv"), "m", erreur);
    ASSERT_TRUE(journal) << erreur;
    Restaure(HistoriquesDuJournal({intention, l}), m, journal.get());
    EXPECT_EQ(m.comptes["r"].usr_comment.texte, "TAVO;;;;;;" + ancien + ";;01/12/2010") << ancien;
  }
}

TEST(Restauration, AJournalOfAnotherStoreIsRefused) {
  std::vector<LigneJournal> lignes{Ligne("a", "X", "Y", {}), Ligne("a", "X", "Y", 0)};
  std::string erreur;
  EXPECT_TRUE(JournalDuMagasin(lignes, "m", erreur));
  lignes[1].magasin = "autre";
  EXPECT_FALSE(JournalDuMagasin(lignes, "m", erreur));
  EXPECT_NE(erreur.find("ligne"), std::string::npos);
}

// Another program renames the account while the intention line reaches the
// disk: the read just before the write sees it, and nothing is overwritten.
class AutreProgramme final : public MagasinComptes {
 public:
  explicit AutreProgramme(MagasinMemoire& m) : m_(m) {}
  std::uint32_t enumere(std::uint32_t l, std::vector<CompteStocke>& p, std::uint32_t& t,
                        std::uint32_t& r) override {
    return m_.enumere(l, p, t, r);
  }
  std::uint32_t lit(std::string_view login, CompteStocke& compte) override {
    if (++lectures_ == 2) m_.comptes.find(login)->second.full_name = ChampTexte::de("AUTRE Jean");
    return m_.lit(login, compte);
  }
  std::uint32_t ecrit(std::string_view login, const CompteStocke& compte) override {
    return m_.ecrit(login, compte);
  }

 private:
  MagasinMemoire& m_;
  int lectures_ = 0;
};

TEST(Restauration, ComparedAgainImmediatelyBeforeEachWrite) {
  test::Dossier d;
  std::string erreur;
  for (const bool restauration : {true, false}) {
    MagasinMemoire m;
    m.comptes["a"] = Apres("a", "AB Jean");
    AutreProgramme autre(m);
    auto journal = JournalChangements::OuvreFichier(d.nom(restauration ? "r.csv" : "e.csv"), "m", erreur);
    ASSERT_TRUE(journal) << erreur;
    if (restauration) {
      const Restauration r =
          Restaure(HistoriquesDuJournal({Ligne("a", "A Jean", "AB Jean", 0)}), autre, journal.get());
      ASSERT_EQ(r.comptes.size(), 1u);
      EXPECT_EQ(r.comptes[0].issue, IssueRestauration::Laisse);
      EXPECT_EQ(r.comptes[0].raison, kRaisonModifieEntreTemps);
    } else {
      DialoguesScript dialogues;
      const TextesCompte lus{"AB Jean", m.comptes["a"].usr_comment.texte};
      EXPECT_EQ(ModifieCompte(autre, LoginsMagasin{}, &lus, "a", "ABC", "Jean", dialogues, *journal).issue,
                IssueModification::Conflit);
    }
    EXPECT_EQ(m.ecritures, 0);
    EXPECT_EQ(m.comptes["a"].full_name.texte, "AUTRE Jean");
  }
}

TEST(ListeChangements, PendingRowsInListOrderAndTheirCsv) {
  EtatRapprochement etat;
  etat.comptes.push_back(LigneCompte::Libre("gris", "GRIS", "Ana", "01/01/2011"));
  for (const auto& [login, marque] : {std::pair{"rouge", Marque::ModificationImportante}, {"vert", Marque::DejaBon},
                                      {"rose", Marque::ModificationMineure}}) {
    LigneCompte l = LigneCompte::Libre(login, "DUPONT", "Jean", "12/05/2011");
    AttachePersonne(l, "DUPONT;MARTIN", "J\xE9r\xF4me", "13/05/2011");
    l.marque = marque;
    etat.comptes.push_back(l);
  }
  const std::vector<LigneChangement> liste = ListeChangements(etat);
  ASSERT_EQ(liste.size(), 2u);
  EXPECT_EQ(liste[0], (LigneChangement{"rouge", "DUPONT Jean", "DUPONT;MARTIN J\xE9r\xF4me",
                                       "12/05/2011", "13/05/2011", Marque::ModificationImportante}));
  EXPECT_EQ(liste[1].login, "rose");
  EXPECT_EQ(CsvChangements(liste),
            "\xEF\xBB\xBFLogin;Nom complet actuel;Nouveau nom complet;Date naiss actuelle;"
            "Nouv. date naiss;Changement\r\n"
            "rouge;DUPONT Jean;\"DUPONT;MARTIN J\xC3\xA9r\xC3\xB4me\";12/05/2011;13/05/2011;"
            "importante\r\n"
            "rose;DUPONT Jean;\"DUPONT;MARTIN J\xC3\xA9r\xC3\xB4me\";12/05/2011;13/05/2011;"
            "mineure\r\n");
}

}  // namespace
}  // namespace corrinom
