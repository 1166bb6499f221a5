// The similarity aid from the command line: rapprocher --ressemblance and suggerer.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lance.h"

namespace corrinom::e2e {
namespace {

using Lignes = std::vector<std::string>;

std::string Base(const Dossier& d) {
  const std::string base = d.nom("comptes.db");
  const Sortie s = Lance({"base", "importer", base, CORRINOM_COMPTES_EXEMPLES});
  EXPECT_EQ(s.code, 0) << s.err;
  return base;
}

// The not-found list: the lines between the two "--" lines.
Lignes NonTrouves(const Lignes& l) {
  Lignes r;
  int partie = 0;
  for (const std::string& s : l) {
    if (s == "--") ++partie;
    else if (partie == 1) r.push_back(s);
  }
  return r;
}

const std::string kPointRouge =
    "\\nPrenez le temps de vérifier dans la liste des utilisateurs TAVO les lignes avec un point "
    "rouge.";

TEST(RapprocherRessemblance, AfterTheNameAidEveryProposalAccepted) {
  Dossier d;
  const std::string base = Base(d);
  const Sortie s = Lance({"rapprocher", "--base", base, "--ressemblance", "--meme-prenom", "--oui",
                          Exemple("ElevesSansAdresses.xml")});
  EXPECT_EQ(s.code, 0) << s.err;
  // The aid asks nothing: its proposals are a list in the window.
  const Lignes err = s.lignesErr();
  ASSERT_EQ(err.size(), 2u) << s.err;
  EXPECT_EQ(err[0].rfind("message: Nombre d'utilisateurs avec même nom", 0), 0u);
  EXPECT_EQ(err[1], "message: Nombre d'utilisateurs rapprochés par ressemblance : 4" + kPointRouge);
  EXPECT_EQ(NonTrouves(s.lignesOut()),
            (Lignes{"NGUYEN\tThi Mai\t25/12/2012", "VIDAL\tJade\t08/08/2011"}));
}

TEST(RapprocherRessemblance, RunsLastAndPlacesNothingWithoutOui) {
  Dossier d;
  const std::string base = Base(d);
  const Sortie s = Lance({"rapprocher", "--base", base, "--ressemblance", "--date-naissance",
                          Exemple("sts_emp_0339999Z_2026.xml")});
  EXPECT_EQ(s.code, 0) << s.err;
  const Lignes err = s.lignesErr();
  ASSERT_EQ(err.size(), 3u) << s.err;  // the birth-date aid's two questions and its count
  EXPECT_EQ(err[2].rfind("message: Nombre d'utilisateurs trouvés par la date de naissance : 0", 0),
            0u);
  EXPECT_EQ(NonTrouves(s.lignesOut()).size(), 2u);
}

// --sures places the lines ticked at opening only (LAMBERT, 89), --oui every free
// line (BLANC on faure.s too, 72).
TEST(RapprocherRessemblance, SuresOrEveryFreeLine) {
  Dossier d;
  const std::string base = Base(d);
  for (const bool oui : {false, true}) {
    Lignes args = {"rapprocher", "--base", base, "--sures", Exemple("sts_emp_0339999Z_2026.xml")};
    if (oui) args[3] = "--oui";
    args.insert(args.begin() + 3, "--ressemblance");
    const Sortie s = Lance(args);
    EXPECT_EQ(s.code, 0) << s.err;
    EXPECT_EQ(s.err, "message: Nombre d'utilisateurs rapprochés par ressemblance : " +
                         std::string(oui ? "2" : "1") + kPointRouge + "\n");
    EXPECT_EQ(NonTrouves(s.lignesOut()),
              oui ? Lignes{} : Lignes{"BLANC\tSophie\t23/11/1980"});
  }
}

TEST(Suggerer, CandidatesOfEachNotFoundPerson) {
  Dossier d;
  const std::string base = Base(d);
  const Sortie s = Lance({"suggerer", "--base", base, Exemple("ElevesSansAdresses.xml")});
  EXPECT_EQ(s.code, 0) << s.err;
  EXPECT_EQ(s.out, LitFichier(Attendu("suggerer_eleves.txt")));
  EXPECT_EQ(s.err, "");
}

TEST(Suggerer, UsageAndStoreErrors) {
  Dossier d;
  const std::string base = Base(d);
  const std::string fichier = Exemple("ElevesSansAdresses.xml");
  for (const Lignes& args : {Lignes{"suggerer", "--base", base}, Lignes{"suggerer", "--base"},
                             Lignes{"suggerer", "--base", base, "--oui", fichier},
                             Lignes{"suggerer", "--base", base, "--"}}) {
    const Sortie s = Lance(args);
    EXPECT_EQ(s.code, 64) << args.back();
    EXPECT_TRUE(s.out.empty());
  }
  const Sortie s = Lance({"suggerer", "--base", d.nom("absente/base.db"), fichier});
  EXPECT_EQ(s.code, 2) << s.err;
  EXPECT_TRUE(s.out.empty());
}

}  // namespace
}  // namespace corrinom::e2e
