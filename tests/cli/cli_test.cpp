// corrinom-cli base and comptes, run as the program itself.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <sqlite3.h>
#include <sys/wait.h>

#include <filesystem>

#include "tests/accounts/outils_test.h"

namespace corrinom {
namespace {

struct Resultat {
  int code = -1;
  std::string sortie;
  std::string erreurs;
};

std::string Lit(const std::string& chemin) {
  std::ifstream f(chemin, std::ios::binary);
  std::ostringstream s;
  s << f.rdbuf();
  return s.str();
}

void Ecrit(const std::string& chemin, const std::string& texte) {
  std::ofstream(chemin, std::ios::binary) << texte;
}

std::string Guillemets(const std::string& mot) { return "'" + mot + "'"; }

class CliTest : public ::testing::Test {
 protected:
  Resultat lance(const std::vector<std::string>& args) {
    std::string commande = Guillemets(CORRINOM_CLI);
    for (const std::string& a : args) commande += " " + Guillemets(a);
    const std::string sortie = dossier.fichier("stdout"), erreurs = dossier.fichier("stderr");
    commande += " </dev/null >" + Guillemets(sortie) + " 2>" + Guillemets(erreurs);
    const int etat = std::system(commande.c_str());
    Resultat r;
    r.code = WIFEXITED(etat) ? WEXITSTATUS(etat) : -1;
    r.sortie = Lit(sortie);
    r.erreurs = Lit(erreurs);
    return r;
  }
  std::string f(const std::string& nom) { return dossier.fichier(nom); }

  test::DossierTemporaire dossier;
};

const std::string kEntete = "login\tfull_name\tusr_comment\tkind\n";

TEST_F(CliTest, ExportImportsBackByteForByte) {
  ASSERT_EQ(lance({"base", "importer", f("a.sqlite"), CORRINOM_DEMO_TSV}).code, 0);
  const Resultat export1 = lance({"base", "exporter", f("a.sqlite")});
  ASSERT_EQ(export1.code, 0) << export1.erreurs;
  EXPECT_EQ(std::count(export1.sortie.begin(), export1.sortie.end(), '\n'), 55);
  Ecrit(f("export.tsv"), export1.sortie);
  ASSERT_EQ(lance({"base", "importer", f("b.sqlite"), f("export.tsv")}).code, 0);
  const Resultat export2 = lance({"base", "exporter", f("b.sqlite")});
  EXPECT_EQ(export2.sortie, export1.sortie);
}

TEST_F(CliTest, ImportExtendsAndRefusesWholeFiles) {
  Ecrit(f("un.tsv"), kEntete + "dupont\tDUPONT Jean\tTAVO;;;;;;6;;12/05/2011\tnormal\n");
  Ecrit(f("deux.tsv"), kEntete + "martin\tMARTIN Paul\tTAVO\tnormal\n"
                                  "DUPONT\tDUPONT Jean\tTAVO\tnormal\n");
  Ecrit(f("mauvais.tsv"), kEntete + "durand\tDURAND Luc\tTAVO\tnormal\n"
                                     "petit\tPETIT Luc\tTAVO\n");
  ASSERT_EQ(lance({"base", "importer", f("b.sqlite"), f("un.tsv")}).code, 0);
  const std::string avant = lance({"base", "exporter", f("b.sqlite")}).sortie;

  Resultat r = lance({"base", "importer", f("b.sqlite"), f("deux.tsv")});
  EXPECT_EQ(r.code, 1);
  EXPECT_NE(r.erreurs.find("Ligne 3 : Le compte \xC2\xAB DUPONT \xC2\xBB existe d\xC3\xA9j\xC3\xA0"),
            std::string::npos)
      << r.erreurs;
  r = lance({"base", "importer", f("b.sqlite"), f("mauvais.tsv")});
  EXPECT_EQ(r.code, 1);
  EXPECT_NE(r.erreurs.find("Ligne 3 : 3 champs au lieu de 4"), std::string::npos) << r.erreurs;
  EXPECT_EQ(lance({"base", "exporter", f("b.sqlite")}).sortie, avant);

  // A refused file leaves no new base behind.
  EXPECT_EQ(lance({"base", "importer", f("neuve.sqlite"), f("mauvais.tsv")}).code, 1);
  EXPECT_FALSE(std::ifstream(f("neuve.sqlite")).good());
  EXPECT_EQ(lance({"base", "importer", f("neuve.sqlite"), f("absent.tsv")}).code, 1);
  EXPECT_EQ(lance({"base", "exporter", f("absente.sqlite")}).code, 1);
}

TEST_F(CliTest, UsageErrorsExit64) {
  const std::vector<std::vector<std::string>> cas = {
      {"base"},
      {"base", "importer", f("b.sqlite")},
      {"base", "exporter"},
      {"base", "exporter", "a", "b"},
      {"base", "inconnu", "b"},
      {"base", "panne", f("b.sqlite"), "get"},
      {"base", "panne", f("b.sqlite"), "lire", "5"},
      {"base", "panne", f("b.sqlite"), "get", "0"},
      {"base", "panne", f("b.sqlite"), "get", "cinq"},
      {"base", "panne", f("b.sqlite"), "set", "4294967296"},
      {"base", "panne", f("b.sqlite"), "enum", "234"},
      {"base", "panne", f("b.sqlite"), "enum", "5", "0"},
      {"base", "panne", f("b.sqlite"), "enum", "5", "x"},
      {"base", "panne", f("b.sqlite"), "get", "5", "login", "de trop"},
      {"base", "panne", f("b.sqlite"), "lent", "0"},
      {"base", "panne", f("b.sqlite"), "lent", "20", "login"},
      {"comptes", "de-trop"},
      {"comptes", "--base"},
      {"comptes", "--demo", "--base", "x"},
      {"comptes", "--demo", "--serveur", "s"},
      {"comptes", "--demo", "--demo"},
      {"comptes", "--mot-de-passe-stdin"},
      {"rapprocher", "--demo"},
      {"rapprocher", "--demo", "--inconnue", "f.xml"},
      {"rapprocher", "--demo", "--journal"},
      {"rapprocher", "--demo", "--journal", "a", "--journal", "b", "f.xml"},
      {"suggerer", "--demo"},
      {"suggerer", "--demo", "-x", "f.xml"},
      {"restaurer"},
      {"restaurer", "--demo", "j.csv"},
      {"restaurer", "j1.csv", "j2.csv"},
      {"restaurer", "--journal", "x", "j.csv"},
      {"journaux", "--purger"},
      {"journaux", "--purger", "dix"},
      {"journaux", "de-trop"},
      {"lire"},
      {"xml"},
      {"inconnue"},
      {},
  };
  // The texts are French: none of these words, which the messages once held.
  const char* const anglais[] = {"usage:", "unknown", "refused", "expected", "missing",
                                 "invalid", "option requires", "needs", "given"};
  for (const auto& args : cas) {
    const Resultat r = lance(args);
    const std::string nom = args.empty() ? "(rien)" : args.front() + " " + args.back();
    EXPECT_EQ(r.code, 64) << nom;
    EXPECT_NE(r.erreurs.find("usage : corrinom-cli "), std::string::npos) << nom;
    std::string texte = r.erreurs;
    for (char& c : texte) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (const char* mot : anglais) EXPECT_EQ(texte.find(mot), std::string::npos) << nom << ": " << mot;
  }
}

TEST_F(CliTest, FaultCommandsShowUnderBaseHelpOnly) {
  const Resultat principal = lance({});
  EXPECT_EQ(principal.erreurs.find("panne"), std::string::npos) << principal.erreurs;
  EXPECT_NE(principal.erreurs.find("base --help"), std::string::npos);
  const Resultat aide = lance({"base", "--help"});
  EXPECT_EQ(aide.code, 0);
  EXPECT_NE(aide.sortie.find("base panne BASE enum STATUT [PAGE]"), std::string::npos) << aide.sortie;
  EXPECT_NE(aide.sortie.find("base importer BASE FICHIER"), std::string::npos);
}

TEST_F(CliTest, ComptesListsRowsAndExitsByOutcome) {
  Ecrit(f("b.tsv"), kEntete +
                        "thomas.lea\tTHOMAS L\xC3\xA9" "a\tTAVO;;;;;;6;;17/12/2011\tnormal\n"
                        "echappe\tECHAPPE Paul\tTAVO;;;;;;7;;01\\\\02\\t03\tnormal\n"
                        "autre\tAUTRE Eva\tcompte local\tnormal\n");
  ASSERT_EQ(lance({"base", "importer", f("b.sqlite"), f("b.tsv")}).code, 0);
  Resultat r = lance({"comptes", "--base", f("b.sqlite")});
  EXPECT_EQ(r.code, 0) << r.erreurs;
  EXPECT_EQ(r.sortie,
            "thomas.lea\tTHOMAS\tL\xC3\xA9" "a\t17/12/2011\n"
            "echappe\tECHAPPE\tPaul\t01\\\\02\\t03\n");
  EXPECT_EQ(r.erreurs, "");

  // A fault on reading or writing does not disturb the load.
  ASSERT_EQ(lance({"base", "panne", f("b.sqlite"), "get", "5", "thomas.lea"}).code, 0);
  ASSERT_EQ(lance({"base", "panne", f("b.sqlite"), "set", "5"}).code, 0);
  EXPECT_EQ(lance({"comptes", "--base", f("b.sqlite")}).code, 0);

  ASSERT_EQ(lance({"base", "panne", f("b.sqlite"), "enum", "53"}).code, 0);
  r = lance({"comptes", "--base", f("b.sqlite")});
  EXPECT_EQ(r.code, 1);
  EXPECT_EQ(r.sortie, "");
  EXPECT_EQ(r.erreurs.rfind("message: Erreur 53 en lisant la liste des comptes du serveur.\\n", 0), 0u)
      << r.erreurs;

  r = lance({"comptes", "--base", f("absente.sqlite")});
  EXPECT_EQ(r.code, 2);
  EXPECT_EQ(r.sortie, "");
  EXPECT_NE(r.erreurs.find("message: La base de comptes \xC2\xAB "), std::string::npos) << r.erreurs;

  EXPECT_EQ(lance({"base", "panne", f("absente.sqlite"), "get", "5"}).code, 1);
}

// SQL run on a fresh file (a base of another shape), or on a copy of the demo base.
void ExecuteSql(const std::string& chemin, const char* sql) {
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(chemin.c_str(), &db), SQLITE_OK);
  EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sql;
  sqlite3_close(db);
}

// Files that hold tables a base has but cannot be read safely: refused at the
// open with the one French message and exit status 2, never a crash.
TEST_F(CliTest, ComptesRefusesABaseItCannotReadSafely) {
  ExecuteSql(f("autre-forme.sqlite"), "CREATE TABLE comptes(x); CREATE TABLE pannes(y);");
  ASSERT_EQ(lance({"base", "importer", f("version.sqlite"), CORRINOM_DEMO_TSV}).code, 0);
  ExecuteSql(f("version.sqlite"), "PRAGMA user_version = 2");
  ASSERT_EQ(lance({"base", "importer", f("tronquee.sqlite"), CORRINOM_DEMO_TSV}).code, 0);
  std::filesystem::resize_file(f("tronquee.sqlite"),
                               std::filesystem::file_size(f("tronquee.sqlite")) * 2 / 3);
  for (const char* nom : {"autre-forme.sqlite", "version.sqlite", "tronquee.sqlite"}) {
    const Resultat r = lance({"comptes", "--base", f(nom)});
    EXPECT_EQ(r.code, 2) << nom;
    EXPECT_EQ(r.sortie, "") << nom;
    EXPECT_EQ(r.erreurs, "message: Le fichier \xC2\xAB " + f(nom) +
                             " \xC2\xBB n'est pas une base de comptes lisible par Corrinom.\n");
  }
}

TEST_F(CliTest, ComptesOnTheDemoBase) {
  const Resultat r = lance({"comptes", "--demo"});
  EXPECT_EQ(r.code, 0) << r.erreurs;
  EXPECT_EQ(std::count(r.sortie.begin(), r.sortie.end(), '\n'), 43);
  EXPECT_EQ(r.sortie.substr(0, r.sortie.find('\n') + 1), "dupont.j\tDUPONT\tJean\t12/05/2011\n");
  EXPECT_NE(r.sortie.find("\nlukasz.nowak\tNOWAK\tLukasz\t16/08/2011\n"), std::string::npos);
  EXPECT_NE(r.sortie.find("\nfontaine.l\tFONTAINE\tL\xC3\xA9o\t11/11/2013\n"), std::string::npos);
  EXPECT_EQ(r.erreurs, "");  // no progress line in a file
}

TEST_F(CliTest, ProgressLineOnlyOnATerminal) {
  if (std::system("command -v script >/dev/null 2>&1") != 0) GTEST_SKIP() << "no script(1)";
  // script(1) gives the program a terminal; its stdout goes to a file.
  const std::string journal = f("pty"), sortie = f("stdout");
  const std::string commande = "script -qec " +
                               Guillemets(Guillemets(CORRINOM_CLI) + " comptes --demo >" + sortie) +
                               " " + Guillemets(journal) + " </dev/null >/dev/null";
  ASSERT_EQ(std::system(commande.c_str()), 0);
  const std::string terminal = Lit(journal);
  const std::size_t debut = terminal.find("\rLecture des comptes du serveur... ");
  ASSERT_NE(debut, std::string::npos) << terminal;
  EXPECT_NE(terminal.find(" / ", debut), std::string::npos);  // the demo base gives its total
  const std::string lignes = Lit(sortie);
  EXPECT_EQ(std::count(lignes.begin(), lignes.end(), '\n'), 43);
}

}  // namespace
}  // namespace corrinom
