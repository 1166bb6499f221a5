// One writer per store, end to end on an embedded base: a second program that
// would write is refused while the first holds the base, programs that only read
// are not, and the base is free again once the first ended, killed or not.
// ctest points TMPDIR, where the locks are, at a folder of the build tree.
#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "lance.h"

namespace corrinom::e2e {
namespace {

// A program started in the background, killed if the test leaves it running.
struct EnFond {
  int pid;
  ~EnFond() {
    if (pid > 0 && kill(pid, SIGKILL) == 0) Attend(pid);
  }
};

std::string JournalDe(const std::string& err) {
  const std::size_t p = err.find("journal: ");
  if (p == std::string::npos) return {};
  return err.substr(p + 9, err.find('\n', p) - p - 9);
}

TEST(Verrou, SecondWriterRefusedUntilTheFirstEnds) {
  Dossier d;
  const std::string base = d.nom("comptes.db");
  const std::string eleves = Exemple("ElevesSansAdresses.xml");
  ASSERT_EQ(Lance({"base", "importer", base, CORRINOM_COMPTES_EXEMPLES}).code, 0);
  // The first writer waits a minute before its first write, holding the base.
  ASSERT_EQ(Lance({"base", "panne", base, "lent", "60000"}).code, 0);
  EnFond premier{LanceEnFond({"rapprocher", "--base", base, "--appliquer", eleves}, d.nom("out"), d.nom("err"))};
  std::string journal;
  for (int i = 0; i < 300 && journal.empty(); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    journal = JournalDe(LitFichier(d.nom("err")));
  }
  ASSERT_FALSE(journal.empty()) << LitFichier(d.nom("err"));
  std::filesystem::remove(base + ".pannes");

  const std::string refus =
      "error: Corrinom est d\xC3\xA9j\xC3\xA0 ouvert sur comptes.db. Fermez-le avant d'en ouvrir un autre.\n";
  for (const std::vector<std::string>& ecrivain :
       {std::vector<std::string>{"rapprocher", "--base", base, "--appliquer", eleves},
        std::vector<std::string>{"restaurer", "--base", base, "--oui", "--journal", d.nom("r.csv"), journal}}) {
    const Sortie s = Lance(ecrivain);
    EXPECT_EQ(s.code, 2) << ecrivain[0];
    EXPECT_EQ(s.err, refus) << ecrivain[0];
    EXPECT_EQ(s.out, "") << ecrivain[0];
  }
  EXPECT_EQ(Lance({"rapprocher", "--base", base, eleves}).code, 0);
  EXPECT_NE(Lance({"restaurer", "--base", base, journal}).code, 2);

  ASSERT_EQ(kill(premier.pid, SIGKILL), 0);
  EXPECT_EQ(Attend(premier.pid), -1);
  premier.pid = 0;
  const Sortie apres = Lance({"rapprocher", "--base", base, "--appliquer", eleves});
  EXPECT_EQ(apres.code, 0) << apres.err;
  // And once that one ended as usual, its restore may write.
  const Sortie retour = Lance({"restaurer", "--base", base, "--oui", "--journal", d.nom("r2.csv"), JournalDe(apres.err)});
  EXPECT_EQ(retour.code, 0) << retour.err;
}

}  // namespace
}  // namespace corrinom::e2e
