// corrinom-cli rapprocher: from an account base and person files to the rewritten base.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lance.h"

namespace corrinom::e2e {
namespace {

using Lignes = std::vector<std::string>;

// An embedded base holding the accounts the sample files are meant to meet (a copy of
// the demo base, so that these tests keep their answers when the demo grows).
std::string Base(const Dossier& d) {
  const std::string base = d.nom("comptes.db");
  const Sortie s = Lance({"base", "importer", base, CORRINOM_COMPTES_EXEMPLES});
  EXPECT_EQ(s.code, 0) << s.err;
  return base;
}

const Lignes kCompteurs(const char* gris, const char* verts, const char* roses, const char* rouges) {
  return {gris, verts, roses, rouges};
}

Lignes Partie(const Lignes& l, int n) {
  // The three parts of the output, split at the "--" lines.
  Lignes r;
  int partie = 0;
  for (const std::string& s : l) {
    if (s == "--") {
      ++partie;
      continue;
    }
    if (partie == n) r.push_back(s);
  }
  return r;
}

TEST(Rapprocher, StudentFileWithBothAids) {
  Dossier d;
  const std::string base = Base(d);
  const Sortie s = Lance({"rapprocher", "--base", base, "--meme-prenom", "--date-naissance", "--oui",
                          Exemple("ElevesSansAdresses.xml")});
  EXPECT_EQ(s.code, 0) << s.err;
  EXPECT_EQ(s.out, LitFichier(Attendu("rapprocher_eleves_aides.txt")));
  const Lignes l = s.lignesOut();
  const Lignes comptes = Partie(l, 0);
  ASSERT_EQ(comptes.size(), 43u);
  // Each mark and each road, as the demo base describes them.
  EXPECT_EQ(comptes[0], "1\tdupont.j\tDUPONT\tJean\t12/05/2011\tDUPONT\tJean\t12/05/2011");
  EXPECT_EQ(comptes[1], "2\tmoreau.l\tMOREAU\tLUCAS\t03/09/2011\tMOREAU\tLucas\t03/09/2011");
  EXPECT_EQ(comptes[2], "3\tlefevre.h\tLEFEVRE\tHelene\t21/01/2012\tLEFEVRE\tHélène\t21/01/2012");
  EXPECT_EQ(comptes[3],  // the name aid
            "3\tbernard.c\tBERNARD\tChloe\t17/10/2011\tBERNARD\tChloé Marie\t17/10/2011");
  EXPECT_EQ(comptes[4],  // the birth-date aid
            "3\tgarcia.i\tGARCIA\tInes\t14/02/2012\tGARCIA-LOPEZ\tInès\t14/02/2012");
  EXPECT_EQ(comptes[5], "0\tpetit.h\tPETIT\tHugo\t08/07/2011");  // left the school
  EXPECT_EQ(comptes[9], "1\tmartin.p\tMARTIN\tPaul\t01/02/2011\tMARTIN\tPaul\t02/01/2011");
  EXPECT_EQ(Partie(l, 1), Lignes{"NGUYEN\tThi Mai\t25/12/2012"});
  EXPECT_EQ(Partie(l, 2), kCompteurs("11 comptes à ne pas changer", "11 comptes déjà bons",
                                     "5 modifications mineures", "16 modifications importantes"));
  const Lignes err = s.lignesErr();
  ASSERT_EQ(err.size(), 7u) << s.err;
  EXPECT_EQ(err[0].rfind("message: Nombre d'utilisateurs avec même nom et même premier prénom "
                         "déplacés : 7\\n",
                         0),
            0u);
  EXPECT_EQ(err[1].rfind("question: Les deux personnes suivantes", 0), 0u);
  EXPECT_NE(err[1].find("\\nGARCIA Ines 14/02/2012\\n"), std::string::npos);
  EXPECT_EQ(err[6].rfind("message: Nombre d'utilisateurs trouvés par la date de naissance : 5", 0),
            0u);
}

TEST(Rapprocher, QuestionsAnswerNoWithoutOui) {
  Dossier d;
  const std::string base = Base(d);
  const Sortie s = Lance({"rapprocher", "--base", base, "--date-naissance",
                          Exemple("sts_emp_0339999Z_2026.xml")});
  EXPECT_EQ(s.code, 0) << s.err;
  // BLANC and LAMBERT are asked about and refused; they stay in the not-found list.
  EXPECT_EQ(Partie(s.lignesOut(), 1),
            (Lignes{"BLANC\tSophie\t23/11/1980", "LAMBERT\tJean Marc\t15/06/1972"}));
  const Lignes err = s.lignesErr();
  ASSERT_EQ(err.size(), 3u) << s.err;  // BLANC with faure.s, LAMBERT with lambert.j
  EXPECT_NE(err[0].find("\\nFAURE Sophie 23/11/1980\\n"), std::string::npos);
  EXPECT_NE(err[1].find("\\nLAMBERT Jean Marc 15/06/1972\\n"), std::string::npos);
  EXPECT_EQ(err[2].rfind("message: Nombre d'utilisateurs trouvés par la date de naissance : 0", 0), 0u);
}

TEST(Rapprocher, SeveralFilesKeepTheAttachedRows) {
  Dossier d;
  const std::string base = Base(d);
  const Sortie s = Lance({"rapprocher", "--base", base, Exemple("EXP_Liste_des_eleves_par_division.csv"),
                          Exemple("sts_emp_0339999Z_2026.xml")});
  EXPECT_EQ(s.code, 0) << s.err;
  const Lignes l = s.lignesOut();
  const Lignes comptes = Partie(l, 0);
  ASSERT_EQ(comptes.size(), 43u);
  // From the first file (attached by exact matching, red: the accents differ).
  EXPECT_EQ(comptes[3], "3\tbernard.c\tBERNARD\tChloe\t17/10/2011\tBERNARD\tChloé\t17/10/2011");
  // From the second.
  EXPECT_EQ(comptes[14], "2\tgirard.m\tGIRARD\tMichel\t29/02/1968\tGIRARD\tMICHEL\t29/02/1968");
  // The not-found list only holds the persons of the last file.
  EXPECT_EQ(Partie(l, 1), (Lignes{"BLANC\tSophie\t23/11/1980", "LAMBERT\tJean Marc\t15/06/1972"}));
  EXPECT_EQ(s.lignesErr(), Lignes{"chooser: Champ des deuxièmes prénoms"});
}

TEST(Rapprocher, AppliedChangesReachTheBase) {
  Dossier d;
  const std::string base = Base(d);
  const Sortie s = Lance({"rapprocher", "--base", base, "--meme-prenom", "--appliquer",
                          Exemple("ElevesSansAdresses.xml")});
  EXPECT_EQ(s.code, 0) << s.err;
  EXPECT_EQ(Partie(s.lignesOut(), 2),
            kCompteurs("16 comptes à ne pas changer", "27 comptes déjà bons", "0 modification mineure",
                       "0 modification importante"));
  const Sortie c = Lance({"comptes", "--base", base});
  ASSERT_EQ(c.code, 0) << c.err;
  const Lignes l = c.lignesOut();
  ASSERT_EQ(l.size(), 43u);
  EXPECT_EQ(l[1], "moreau.l\tMOREAU\tLucas\t03/09/2011");
  EXPECT_EQ(l[2], "lefevre.h\tLEFEVRE\tHélène\t21/01/2012");
  EXPECT_EQ(l[3], "bernard.c\tBERNARD\tChloé Marie\t17/10/2011");
  EXPECT_EQ(l[4], "garcia.i\tGARCIA\tInes\t14/02/2012");  // not attached without the date aid
}

TEST(Rapprocher, FailedWriteExitsWithOne) {
  Dossier d;
  const std::string base = Base(d);
  ASSERT_EQ(Lance({"base", "panne", base, "set", "5", "lefevre.h"}).code, 0);
  const Sortie s =
      Lance({"rapprocher", "--base", base, "--appliquer", Exemple("ElevesSansAdresses.xml")});
  EXPECT_EQ(s.code, 1) << s.err;
  const Lignes comptes = Partie(s.lignesOut(), 0);
  ASSERT_EQ(comptes.size(), 43u);
  EXPECT_EQ(comptes[1].substr(0, 2), "1\t");  // written before the failure
  EXPECT_EQ(comptes[2].substr(0, 2), "3\t");  // the failed row keeps its mark
}

TEST(Rapprocher, UsageAndStoreErrors) {
  Dossier d;
  const std::string base = Base(d);
  const std::string fichier = Exemple("ElevesSansAdresses.xml");
  for (const Lignes& args : {Lignes{"rapprocher", "--base", base}, Lignes{"rapprocher", "--base", base, "--inconnu", fichier},
                             Lignes{"rapprocher", "--base"}}) {
    const Sortie s = Lance(args);
    EXPECT_EQ(s.code, 64) << args.back();
    EXPECT_TRUE(s.out.empty());
  }
  const Sortie s = Lance({"rapprocher", "--base", d.nom("absente/base.db"), fichier});
  EXPECT_EQ(s.code, 2) << s.err;
}

TEST(Rapprocher, ArgumentsAfterDoubleDashAreFiles) {
  Dossier d;
  const std::string base = Base(d);
  // An option's spelling after "--" names a file: read (and missing), not obeyed.
  const Sortie s = Lance({"rapprocher", "--base", base, "--", "--appliquer"});
  EXPECT_EQ(s.code, 0) << s.err;
  ASSERT_EQ(s.lignesErr().size(), 1u) << s.err;
  EXPECT_EQ(s.lignesErr()[0].rfind("message: Erreur en lisant le fichier --appliquer ", 0), 0u)
      << s.err;
  EXPECT_EQ(Partie(s.lignesOut(), 0).size(), 43u);
  // Options before "--" still count, and "--" alone names no file.
  EXPECT_EQ(Lance({"rapprocher", "--base", base, "--oui", "--"}).code, 64);
}

TEST(Rapprocher, DemoBaseWithEverySample) {
  // Whatever the demo base holds, every sample file goes through without a failure.
  for (const char* f : {"ElevesSansAdresses.xml", "sts_emp_0339999Z_2026.xml",
                        "EXP_Liste_des_eleves_par_division.csv", "eleves_ent_guillemets.csv",
                        "eleves_tableur_utf8.csv"}) {
    const Sortie s = Lance({"rapprocher", "--demo", "--meme-prenom", "--date-naissance", Exemple(f)});
    EXPECT_EQ(s.code, 0) << f << "\n" << s.err;
    EXPECT_EQ(Partie(s.lignesOut(), 2).size(), 4u) << f;
  }
}

}  // namespace
}  // namespace corrinom::e2e
