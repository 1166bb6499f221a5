// corrinom-cli lire: the road from a file to exact matching, on real files.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "lance.h"

namespace corrinom::e2e {
namespace {

using Lignes = std::vector<std::string>;

TEST(Lire, SampleFiles) {
  struct Cas {
    const char* fichier;
    Lignes out;
    Lignes err;
  };
  const Cas cas[] = {
      {"sts_emp_0339999Z_2026.xml",
       {"ROUSSEAU\tClaire\t08/04/1975", "BLANC\tSophie\t23/11/1980", "GIRARD\tMICHEL\t29/02/1968",
        "LAMBERT\tJean Marc\t15/06/1972", "LEFEVRE\tFrançois\t12/03/1979",
        "MULLER\tÉric\t21/01/1972"},
       {}},
      {"eleves_ent_guillemets.csv",
       {"DUPONT\tJean\t12/05/2011", "MOREAU\tLucas\t03/09/2011", "BERNARD\tChloé Marie\t17/10/2011",
        "NGUYEN\tThi Mai\t25/12/2012", "DURAND\tMarie Anne\t02/03/2013",
        "N'DIAYE\tAminata\t19/04/2012", "OCONNOR\tSiobhan\t03/03/2012"},
       {"chooser: Champ des troisièmes prénoms"}},
      {"eleves_tableur_utf8.csv",
       {"LEFEVRE\tHélène\t", "DE LA FONTAINE\tÉlodie\t", "FONTAINE\tLéo\t", "GARCA-LPEZ\tInès\t"},
       {"chooser: Champ dates de naissance"}},
  };
  for (const Cas& c : cas) {
    const Sortie s = Lance({"lire", Exemple(c.fichier)});
    EXPECT_EQ(s.code, 0) << c.fichier << "\n" << s.err;
    EXPECT_EQ(s.lignesOut(), c.out) << c.fichier;
    EXPECT_EQ(s.lignesErr(), c.err) << c.fichier;
  }
  // The student export, against the persons expected in it.
  {
    const Sortie s = Lance({"lire", Exemple("ElevesSansAdresses.xml")});
    EXPECT_EQ(s.code, 0) << s.err;
    EXPECT_TRUE(s.err.empty()) << s.err;
    EXPECT_EQ(s.out, LitFichier(Attendu("lire_eleves.txt")));
    const Lignes l = s.lignesOut();
    ASSERT_EQ(l.size(), 33u);  // 34 pupils, one of whom has left
    EXPECT_EQ(l[2], "LEFEVRE\tHélène\t21/01/2012");    // family name of a current export
    EXPECT_EQ(l[4], "GARCIA-LOPEZ\tInès\t14/02/2012");  // the usage name first
    EXPECT_EQ(l[5], "NGUYEN\tThi Mai\t25/12/2012");     // PETIT Hugo has left before it
    EXPECT_EQ(l[8], "DURAND\tMarie Anne Sophie\t02/03/2013");
  }
  // The division export: one chooser, for the second first names, cancelled.
  const Sortie s = Lance({"lire", Exemple("EXP_Liste_des_eleves_par_division.csv")});
  EXPECT_EQ(s.code, 0);
  EXPECT_EQ(s.lignesErr(), Lignes{"chooser: Champ des deuxièmes prénoms"});
  ASSERT_EQ(s.lignesOut().size(), 12u);
  EXPECT_EQ(s.lignesOut()[2], "LEFEVRE\tHélène\t21/01/2012");
}

TEST(Lire, FailuresExitWithOne) {
  Dossier d;
  std::filesystem::create_directory(d.nom("dossier.csv"));
  const std::string absentCsv = d.nom("absent.csv");
  const std::string absentXml = d.nom("absent.XML");
  struct Cas {
    std::string fichier;
    Lignes err;
    bool debut;  // only the beginning of the single line is known (the system's text follows)
  };
  const std::vector<Cas> cas{
      {absentCsv, {"message: Erreur en lisant le fichier " + absentCsv + " "}, true},
      {d.nom("dossier.csv"), {"message: Erreur en lisant le fichier " + d.nom("dossier.csv") + " "},
       true},
      {absentXml, {"message: Erreur en lisant le fichier " + absentXml}, false},
      {d.ecrit("vide.txt", ""), {"message: Fichier vide"}, false},
      {d.ecrit("entete.csv", "NOM;PRENOM;NE(E) LE\r\n"), {"message: Fichier vide"}, false},
      {d.ecrit("sans-nom.csv", "A;B\n1;2\n"), {"chooser: Champ des noms", "message: Abandon"}, false},
      {d.ecrit("un-champ.csv", "NOMS\nDUPONT\n"),
       {"error: Table de type incorrect. La première ligne devrait contenir le nom des champs "
        "séparés par un ; ou une ,",
        "message: Abandon"},
       false},
      {d.ecrit("profs.xml", "<STS><DONNEES><AUTRE/></DONNEES></STS>"),
       {"message: Type de fichier incorrect, Balise \"INDIVIDUS\" non trouvée."}, false},
      {d.ecrit("garbage.xml", std::string("\x01\x02<\xFF\x00>", 6)),
       {"message: Erreur en lisant le fichier " + d.nom("garbage.xml")}, false},
  };
  for (const Cas& c : cas) {
    const Sortie s = Lance({"lire", c.fichier});
    EXPECT_EQ(s.code, 1) << c.fichier;
    EXPECT_TRUE(s.out.empty()) << c.fichier;
    const Lignes err = s.lignesErr();
    if (c.debut) {
      ASSERT_EQ(err.size(), 1u) << c.fichier;
      EXPECT_EQ(err[0].substr(0, c.err[0].size()), c.err[0]);
      EXPECT_GT(err[0].size(), c.err[0].size()) << err[0];
    } else {
      EXPECT_EQ(err, c.err) << c.fichier;
    }
  }
}

TEST(Lire, UsageErrors) {
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"lire"}, {"lire", "a.csv", "b.csv"}, {"lire", ""}}) {
    const Sortie s = Lance(args);
    EXPECT_EQ(s.code, 64);
    EXPECT_TRUE(s.out.empty());
  }
}

// Hostile files end with the reader's message or result, quickly and without a crash.
TEST(Lire, BadInputNeverCrashesOrHangs) {
  Dossier d;
  struct Cas {
    std::string fichier;
    int code;
    std::size_t lignes;
  };
  std::string binaire;
  for (int i = 0; i < 1 << 16; ++i) binaire.push_back(static_cast<char>((i * 2654435761u) >> 24));
  std::string longues = "NOM;PRENOM;NE(E) LE;Pr\xE9nom 2;Pr\xE9nom 3\n";
  for (int i = 0; i < 3; ++i) longues += std::string(1'000'000, 'a' + i) + ";x;" + std::to_string(i) + "\n";
  std::string profond;
  for (int i = 0; i < 200000; ++i) profond += "<a>";
  std::filesystem::create_symlink("/dev/zero", d.nom("zero.csv"));
  std::filesystem::create_symlink("/dev/zero", d.nom("zero.xml"));
  ASSERT_EQ(mkfifo(d.nom("tube.csv").c_str(), 0600), 0);
  ASSERT_EQ(mkfifo(d.nom("tube.xml").c_str(), 0600), 0);
  const std::vector<Cas> cas{
      {d.ecrit("binaire.csv", binaire), -2, 0},
      {d.ecrit("binaire.xml", binaire), 1, 0},
      {d.ecrit("longues.csv", longues), 0, 3},
      {d.ecrit("profond.xml", profond), 1, 0},
      {d.ecrit("zeros.csv", std::string(4096, '\0')), 1, 0},
      {d.ecrit("zeros.xml", std::string(4096, '\0')), 1, 0},
      {d.ecrit("cr.csv", "NOM\rDUPONT\rMARTIN"), 0, 2},
      {d.ecrit("plus.csv", "NOM;PRENOM\nA;B;C;D;E;F\n"), 0, 1},
      // A device or a pipe is refused before it is opened: no endless read, no wait.
      {d.nom("zero.csv"), 1, 0},
      {d.nom("zero.xml"), 1, 0},
      {d.nom("tube.csv"), 1, 0},
      {d.nom("tube.xml"), 1, 0},
  };
  for (const Cas& c : cas) {
    const auto debut = std::chrono::steady_clock::now();
    const Sortie s = Lance({"lire", c.fichier});
    const auto duree = std::chrono::steady_clock::now() - debut;
    EXPECT_LT(duree, std::chrono::seconds(20)) << c.fichier;
    ASSERT_GE(s.code, 0) << c.fichier << " did not exit normally\n" << s.err;
    if (c.code >= 0) {
      EXPECT_EQ(s.code, c.code) << c.fichier << "\n" << s.err;
      EXPECT_EQ(s.lignesOut().size(), c.lignes) << c.fichier;
    }
  }
}

TEST(Lire, TwoHundredMegabyteFile) {
  Dossier d;
  const std::string nom = d.nom("gros.csv");
  {
    // 200 lines of a megabyte each: short names, then a huge last field.
    const std::string remplissage(1 << 20, 'x');
    std::FILE* f = std::fopen(nom.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fputs("NOM;PRENOM;NE(E) LE;Pr\xE9nom 2;Pr\xE9nom 3;DIV\n", f);
    for (int i = 0; i < 200; ++i) {
      std::fputs("Dupont;Jean;12/05/2011;;;", f);
      std::fwrite(remplissage.data(), 1, remplissage.size(), f);
      std::fputs("\r\n", f);
    }
    std::fclose(f);
  }
  const auto debut = std::chrono::steady_clock::now();
  const Sortie s = Lance({"lire", nom});
  EXPECT_LT(std::chrono::steady_clock::now() - debut, std::chrono::seconds(30));
  EXPECT_EQ(s.code, 0) << s.err;
  const Lignes out = s.lignesOut();
  ASSERT_EQ(out.size(), 200u);
  EXPECT_EQ(out.back(), "DUPONT\tJean\t12/05/2011");
}

}  // namespace
}  // namespace corrinom::e2e
