// The journal of corrinom-cli's write runs and the restore, end to end on an
// embedded base: what the journal says is what the base shows, and a restore
// gives the base back byte for byte.
#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <optional>
#include <set>
#include <sstream>
#include <thread>

#include "accounts/store/magasin_sqlite.h"
#include "session/conservation_journaux.h"
#include "session/csv.h"
#include "session/journal.h"
#include "lance.h"

namespace corrinom::e2e {
namespace {

using Lignes = std::vector<std::string>;
using Comptes = std::map<std::string, std::string>;  // login -> its exported TSV line

// XDG_DATA_HOME pointed at a folder of the test for its lifetime.
class DonneesUtilisateur {
 public:
  DonneesUtilisateur() {
    const char* v = std::getenv("XDG_DATA_HOME");
    if (v) ancien_ = v;
    setenv("XDG_DATA_HOME", dossier_.nom("donnees").c_str(), 1);
  }
  ~DonneesUtilisateur() {
    if (ancien_)
      setenv("XDG_DATA_HOME", ancien_->c_str(), 1);
    else
      unsetenv("XDG_DATA_HOME");
  }
  std::string journaux() const { return dossier_.nom("donnees/corrinom/journaux"); }

 private:
  Dossier dossier_;
  std::optional<std::string> ancien_;
};

std::string Base(const Dossier& d, const std::string& tsv = CORRINOM_COMPTES_EXEMPLES) {
  const std::string base = d.nom("comptes.db");
  const Sortie s = Lance({"base", "importer", base, tsv});
  EXPECT_EQ(s.code, 0) << s.err;
  return std::filesystem::canonical(base).string();
}

Comptes Exporte(const std::string& base) {
  const Sortie s = Lance({"base", "exporter", base});
  EXPECT_EQ(s.code, 0) << s.err;
  Comptes r;
  for (const std::string& l : s.lignesOut()) r[l.substr(0, l.find('\t'))] = l;
  r.erase("login");
  return r;
}

// Field i of an exported line (0 login, 1 full name, 2 user comment), unescaped
// enough for the texts these tests use.
std::string Champ(const std::string& ligne, int i) {
  std::size_t debut = 0;
  for (int n = 0; n < i; ++n) debut = ligne.find('\t', debut) + 1;
  return ligne.substr(debut, ligne.find('\t', debut) - debut);
}

std::set<std::string> Changes(const Comptes& avant, const Comptes& apres) {
  std::set<std::string> r;
  for (const auto& [login, ligne] : apres)
    if (avant.at(login) != ligne) r.insert(login);
  return r;
}

// The path of the "journal: PATH" line of stderr.
std::string JournalDe(const Sortie& s) {
  for (const std::string& l : s.lignesErr())
    if (l.rfind("journal: ", 0) == 0) return l.substr(9);
  ADD_FAILURE() << "no journal line in: " << s.err;
  return {};
}

std::vector<LigneJournal> Lit(const std::string& journal) {
  std::vector<LigneJournal> lignes;
  std::string erreur;
  EXPECT_TRUE(LitFichierJournal(journal, lignes, erreur)) << erreur;
  return lignes;
}

Lignes Rapproche(const std::string& base, Lignes options, const std::string& fichier, int code) {
  Lignes args{"rapprocher", "--base", base};
  args.insert(args.end(), options.begin(), options.end());
  args.push_back(fichier);
  const Sortie s = Lance(args);
  EXPECT_EQ(s.code, code) << s.err;
  return s.lignesErr();
}

TEST(Journal, WriteRunFailureRestoreAndRestoreOfTheRestore) {
  DonneesUtilisateur donnees;
  Dossier d;
  const std::string base = Base(d);
  const std::string eleves = Exemple("ElevesSansAdresses.xml");
  const Comptes origine = Exporte(base);

  // A write run stopped by a failure on its fourth account.
  ASSERT_EQ(Lance({"base", "panne", base, "set", "5", "garcia.i"}).code, 0);
  const Sortie run = Lance({"rapprocher", "--base", base, "--meme-prenom", "--date-naissance",
                            "--oui", "--appliquer", eleves});
  EXPECT_EQ(run.code, 1) << run.err;
  const std::string journal = JournalDe(run);
  EXPECT_EQ(std::filesystem::path(journal).parent_path(), donnees.journaux());
  EXPECT_TRUE(std::regex_match(std::filesystem::path(journal).filename().string(),
                               std::regex(R"(\d{4}-\d\d-\d\d_\d\d-\d\d-\d\d\.csv)")))
      << journal;
  const Comptes apresRun = Exporte(base);
  EXPECT_EQ(Changes(origine, apresRun), (std::set<std::string>{"moreau.l", "lefevre.h", "bernard.c"}));

  const std::vector<LigneJournal> lignes = Lit(journal);
  ASSERT_EQ(lignes.size(), 8u);
  const Lignes ordre{"moreau.l", "lefevre.h", "bernard.c", "garcia.i"};
  for (std::size_t i = 0; i < lignes.size(); ++i) {
    const LigneJournal& l = lignes[i];
    const std::string& login = ordre[i / 2];
    SCOPED_TRACE(login);
    EXPECT_EQ(l.changement.login, login);
    EXPECT_EQ(l.magasin, base);
    EXPECT_EQ(l.resultat, i % 2 == 1);
    EXPECT_EQ(l.statut, l.resultat ? std::optional<std::uint32_t>(login == "garcia.i" ? 5u : 0u) : std::nullopt);
    EXPECT_EQ(l.changement.ancienNomComplet, Champ(origine.at(login), 1));
    EXPECT_EQ(l.changement.ancienCommentaire, Champ(origine.at(login), 2));
    const std::string& maintenant = apresRun.at(login);
    const bool ecrit = login != "garcia.i";
    EXPECT_EQ(l.changement.nouveauNomComplet == Champ(maintenant, 1), ecrit);
    EXPECT_EQ(l.changement.nouveauCommentaire, login == "garcia.i"
                                                   ? "TAVO;E;2026;;;;12;;14/02/2012;;;0;0"
                                                   : Champ(maintenant, 2));
  }
  EXPECT_EQ(lignes[1].changement.nouveauNomComplet, "MOREAU Lucas");

  // The fault gone, the rest is written into a chosen journal; then moreau.l is
  // renamed once more by another run.
  std::filesystem::remove(base + ".pannes");
  const std::string deuxieme = d.nom("deuxieme.csv");
  Rapproche(base, {"--meme-prenom", "--date-naissance", "--oui", "--appliquer", "--journal", deuxieme},
            eleves, 0);
  EXPECT_EQ(Lit(deuxieme).size(), 36u);  // ndiaye.a already holds its new name: green, not written
  const std::string moreaux = d.ecrit("moreaux.csv", "NOM;PRENOM;NE(E) LE\r\nMOREAUX;Lucas;03/09/2011\r\n");
  Rapproche(base, {"--date-naissance", "--oui", "--appliquer", "--journal", d.nom("troisieme.csv")},
            moreaux, 0);
  const Comptes avantRestauration = Exporte(base);
  ASSERT_EQ(Champ(avantRestauration.at("moreau.l"), 1), "MOREAUX Lucas");

  // Without --oui: what would be done, nothing written.
  const Sortie essai = Lance({"restaurer", "--base", base, journal});
  EXPECT_EQ(essai.code, 1) << essai.err;
  EXPECT_EQ(essai.lignesOut(), (Lignes{"moreau.l\tlaissé", "lefevre.h\tà restaurer",
                                       "bernard.c\tà restaurer", "garcia.i\tlaissé"}));
  EXPECT_EQ(Exporte(base), avantRestauration);

  const std::string sien = d.nom("restauration.csv");
  const Sortie restauration = Lance({"restaurer", "--base", base, "--oui", "--journal", sien, journal});
  EXPECT_EQ(restauration.code, 1) << restauration.err;
  EXPECT_EQ(restauration.lignesOut(), (Lignes{"moreau.l\tlaissé", "lefevre.h\trestauré",
                                              "bernard.c\trestauré", "garcia.i\tlaissé"}));
  EXPECT_EQ(JournalDe(restauration), sien);
  const Comptes restaure = Exporte(base);
  EXPECT_EQ(restaure.at("lefevre.h"), origine.at("lefevre.h"));  // every byte of every field
  EXPECT_EQ(restaure.at("bernard.c"), origine.at("bernard.c"));
  EXPECT_EQ(restaure.at("moreau.l"), avantRestauration.at("moreau.l"));
  EXPECT_EQ(Changes(avantRestauration, restaure), (std::set<std::string>{"lefevre.h", "bernard.c"}));

  // The restore's own journal undoes it.
  const Sortie retour = Lance({"restaurer", "--base", base, "--oui", "--journal", d.nom("retour.csv"), sien});
  EXPECT_EQ(retour.code, 0) << retour.err;
  EXPECT_EQ(retour.lignesOut(), (Lignes{"lefevre.h\trestauré", "bernard.c\trestauré"}));
  EXPECT_EQ(Exporte(base), avantRestauration);
}

TEST(Journal, ChangesListedBeforeWriting) {
  DonneesUtilisateur donnees;
  Dossier d;
  const std::string base = Base(d);
  // The pending rows of the usual output's first part.
  Lignes attendu;
  std::istringstream in(LitFichier(Attendu("rapprocher_eleves_aides.txt")));
  for (std::string l; std::getline(in, l) && l != "--";)
    if (l[0] == '2' || l[0] == '3') attendu.push_back(l);
  ASSERT_EQ(attendu.size(), 21u);
  const Lignes aides{"rapprocher", "--base", base, "--meme-prenom", "--date-naissance", "--oui",
                     "--changements"};
  Lignes args = aides;
  args.push_back(Exemple("ElevesSansAdresses.xml"));
  const Sortie seul = Lance(args);
  EXPECT_EQ(seul.code, 0) << seul.err;
  EXPECT_EQ(seul.lignesOut(), attendu);
  args.insert(args.end() - 1, "--appliquer");
  const Sortie ecrit = Lance(args);
  EXPECT_EQ(ecrit.code, 0) << ecrit.err;
  EXPECT_EQ(ecrit.lignesOut(), attendu);  // as they stood before the write
  EXPECT_EQ(Lit(JournalDe(ecrit)).size(), 42u);  // every pending row; ndiaye.a, already right, is green
}

TEST(Journal, NothingWrittenWithoutAJournalAndRestoreRefusals) {
  DonneesUtilisateur donnees;
  Dossier d;
  const std::string base = Base(d);
  const Comptes origine = Exporte(base);
  const Sortie s = Lance({"rapprocher", "--base", base, "--meme-prenom", "--appliquer", "--journal",
                          d.nom("absent/j.csv"), Exemple("ElevesSansAdresses.xml")});
  EXPECT_EQ(s.code, 1) << s.err;
  EXPECT_NE(s.err.find("error: Le journal " + d.nom("absent/j.csv") +
                       " ne peut pas être ouvert (dossier introuvable).\\nAucun compte n'a été modifié."),
            std::string::npos)
      << s.err;
  EXPECT_EQ(Exporte(base), origine);

  // A journal of this base, restored on a copy elsewhere, names another store.
  const std::string journal = d.nom("j.csv");
  Rapproche(base, {"--meme-prenom", "--appliquer", "--journal", journal},
            Exemple("ElevesSansAdresses.xml"), 0);
  Dossier autre;
  const std::string copie = Base(autre);
  EXPECT_EQ(Lance({"restaurer", "--base", copie, journal}).code, 2);
  EXPECT_EQ(Lance({"restaurer", "--base", base, d.nom("absent.csv")}).code, 2);
  EXPECT_EQ(Lance({"restaurer", "--base", base, Exemple("eleves_tableur_utf8.csv")}).code, 2);
  EXPECT_EQ(Lance({"restaurer", "--demo", journal}).code, 64);
  EXPECT_EQ(Lance({"restaurer", "--base", base}).code, 64);
  EXPECT_EQ(Lance({"restaurer", "--base", base, "--oui", journal, journal}).code, 64);
  EXPECT_EQ(Lance({"restaurer", "--base", d.nom("absente.db"), journal}).code, 2);
}

// While a slow write run goes down the list, another program renames the last
// pending account. That account is left as the other program made it, the run
// goes on, and ndiaye.a, which already holds "N'DIAYE Aminata", is not written.
// The run's journal also takes the place of one fourteen months old.
TEST(Journal, AccountChangedDuringTheRunIsLeftAndOldJournalsGo) {
  DonneesUtilisateur donnees;
  Dossier d;
  const std::string base = Base(d);
  const Comptes origine = Exporte(base);
  const std::string eleves = Exemple("ElevesSansAdresses.xml");
  const Lignes aides{"rapprocher", "--base", base, "--meme-prenom", "--date-naissance", "--oui"};
  Lignes args = aides;
  args.insert(args.end(), {"--changements", eleves});
  Lignes enAttente;
  for (const std::string& l : Lance(args).lignesOut()) enAttente.push_back(Champ(l, 1));
  ASSERT_EQ(enAttente.size(), 21u);
  ASSERT_EQ(std::find(enAttente.begin(), enAttente.end(), "ndiaye.a"), enAttente.end());
  const std::string change = enAttente.back();

  const InstantLocal maintenant = InstantLocalDe(std::time(nullptr));
  const std::string vieux = NomFichierJournal(MoisAvant(maintenant, 14), 1);
  const std::string recent = NomFichierJournal(MoisAvant(maintenant, 12), 1);
  std::filesystem::create_directories(donnees.journaux());
  const std::string entete = std::string(kBomUtf8) + std::string(kEnteteJournal) + "\r\n";
  for (const std::string& nom : {vieux, recent})
    std::ofstream(donnees.journaux() + "/" + nom, std::ios::binary) << entete;

  ASSERT_EQ(Lance({"base", "panne", base, "lent", "300"}).code, 0);
  args = aides;
  args.insert(args.end(), {"--appliquer", eleves});
  const int pid = LanceEnFond(args, d.nom("out"), d.nom("err"));
  const auto limite = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  while (LitFichier(d.nom("err")).find("journal: ") == std::string::npos &&
         std::chrono::steady_clock::now() < limite)
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  {
    std::string erreur;
    auto autre = MagasinSqlite::Ouvre(base, erreur);
    ASSERT_TRUE(autre) << erreur;
    CompteStocke c;
    ASSERT_EQ(autre->lit(change, c), kNerrSuccess);
    c.full_name = ChampTexte::de("RENOMM\xC3\x89 Ailleurs");
    ASSERT_EQ(autre->ecrit(change, c), kNerrSuccess);
  }
  EXPECT_EQ(Attend(pid), 1);
  const std::string err = LitFichier(d.nom("err"));
  EXPECT_NE(err.find("\nconflit: " + change + "\n"), std::string::npos) << err;
  EXPECT_NE(err.find("message: 0 suppression effectuée\\n20 changements de nom effectués\\n"
                     "Comptes modifiés dans le serveur depuis la lecture, laissés tels quels (1) : " +
                     change + "\n"),
            std::string::npos)
      << err;
  const Comptes apres = Exporte(base);
  EXPECT_EQ(Champ(apres.at(change), 1), "RENOMMÉ Ailleurs");
  EXPECT_EQ(apres.at("ndiaye.a"), origine.at("ndiaye.a"));
  const std::set<std::string> changes = Changes(origine, apres);
  EXPECT_EQ(changes.size(), 21u);  // the twenty written and the one renamed elsewhere
  EXPECT_EQ(changes.count(change), 1u);
  const std::string sortie = LitFichier(d.nom("out"));
  EXPECT_NE(sortie.find("\n1\tndiaye.a\tNDIAYE\tAminata\t"), std::string::npos) << sortie;  // green, never written
  const std::size_t laissee = sortie.find("\t" + change + "\t");
  ASSERT_NE(laissee, std::string::npos);
  EXPECT_TRUE(sortie[laissee - 1] == '2' || sortie[laissee - 1] == '3');  // still pending

  const std::string journal = JournalDe(Sortie{0, {}, err});
  const std::vector<LigneJournal> lignes = Lit(journal);
  ASSERT_EQ(lignes.size(), 41u);
  EXPECT_TRUE(lignes.back().conflit);
  EXPECT_EQ(lignes.back().changement.login, change);
  EXPECT_EQ(lignes.back().changement.ancienNomComplet, "RENOMMÉ Ailleurs");
  for (const LigneJournal& l : lignes) EXPECT_NE(l.changement.login, "ndiaye.a");

  // The fourteen-month-old journal is gone, the twelve-month-old one kept.
  const std::string nom = std::filesystem::path(journal).filename().string();
  const Sortie liste = Lance({"journaux"});
  EXPECT_EQ(liste.code, 0) << liste.err;
  auto date = [](const std::string& n) {
    const InstantLocal i = *DateNomJournal(n);
    char t[24];
    std::snprintf(t, sizeof t, "%04d-%02d-%02d %02d:%02d:%02d", i.annee, i.mois, i.jour, i.heure,
                  i.minute, i.seconde);
    return std::string(t);
  };
  EXPECT_EQ(liste.lignesOut(), (Lignes{recent + "\t" + date(recent) + "\t\t0\t0",
                                       nom + "\t" + date(nom) + "\t" + base + "\t20\t20"}));
  const Sortie purge = Lance({"journaux", "--purger", "300"});
  EXPECT_EQ(purge.code, 0) << purge.err;
  EXPECT_EQ(purge.lignesOut(), Lignes{"supprimé: " + recent});
  EXPECT_EQ(Lance({"journaux"}).lignesOut().size(), 1u);
  EXPECT_EQ(Lance({"journaux", "--purger", "trois"}).code, 64);
}

// 500 accounts whose names differ from the person file in letter case only.
void BaseDeCinqCents(const Dossier& d, std::string& base, std::string& personnes) {
  std::string tsv = "login\tfull_name\tusr_comment\thome_dir\n";
  std::string csv = "NOM;PRENOM;NE(E) LE\r\n";
  for (int i = 0; i < 500; ++i) {
    char n[16];
    std::snprintf(n, sizeof n, "%03d", i);
    const std::string nom = std::string("NOM") + static_cast<char>('A' + i % 26) +
                            static_cast<char>('A' + i / 26);
    const std::string date = std::string("01/01/") + std::to_string(1950 + i / 10);
    tsv += "e" + std::string(n) + "\t" + nom + " jean\tTAVO;E;2026;;;;5;;" + date + ";;;0;0\t\\\\\\\\srv\\\\e" + n + "\n";
    csv += nom + ";Jean;" + date + "\r\n";
  }
  base = Base(d, d.ecrit("cinq_cents.tsv", tsv));
  personnes = d.ecrit("cinq_cents.csv", csv);
}

TEST(Journal, KilledMidRunEveryChangedAccountHasItsIntentionAndRestores) {
  DonneesUtilisateur donnees;
  Dossier d;
  std::string base, personnes;
  BaseDeCinqCents(d, base, personnes);
  const Comptes origine = Exporte(base);
  ASSERT_EQ(origine.size(), 500u);
  ASSERT_EQ(Lance({"base", "panne", base, "lent", "20"}).code, 0);

  const std::string journal = d.nom("tue.csv");
  const int pid = LanceEnFond({"rapprocher", "--base", base, "--appliquer", "--journal", journal, personnes},
                              d.nom("out"), d.nom("err"));
  // Let it write a few dozen accounts (500 take ten seconds), then kill it.
  const auto limite = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  std::size_t vues = 0;
  while (std::chrono::steady_clock::now() < limite) {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    const std::string t = LitFichier(journal);
    vues = 0;
    for (std::size_t p = t.find(";intention;"); p != std::string::npos; p = t.find(";intention;", p + 1)) ++vues;
    if (vues >= 40) break;
  }
  ASSERT_EQ(kill(pid, SIGKILL), 0);
  EXPECT_EQ(Attend(pid), -1);
  ASSERT_GE(vues, 40u) << LitFichier(d.nom("err"));

  std::filesystem::remove(base + ".pannes");
  const std::set<std::string> changes = Changes(origine, Exporte(base));
  EXPECT_GE(changes.size(), 39u);
  EXPECT_LT(changes.size(), 500u);
  std::set<std::string> intentions;
  for (const LigneJournal& l : Lit(journal))
    if (!l.resultat) intentions.insert(l.changement.login);
  for (const std::string& login : changes) EXPECT_TRUE(intentions.count(login)) << login;

  // The kill may have come between the last intention line and its write: that
  // account alone is then left alone, having never been written.
  const Sortie r = Lance({"restaurer", "--base", base, "--oui", "--journal", d.nom("r.csv"), journal});
  EXPECT_TRUE(r.code == 0 || r.code == 1) << r.err;
  const Lignes sorties = r.lignesOut();
  for (std::size_t i = 0; i + 1 < sorties.size(); ++i) EXPECT_TRUE(sorties[i].ends_with("\trestauré")) << sorties[i];
  EXPECT_EQ(Exporte(base), origine);
}

}  // namespace
}  // namespace corrinom::e2e
