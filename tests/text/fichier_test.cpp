#include "text/fichier.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "text/arguments.h"
#include "text/erreurs.h"

namespace corrinom {
namespace {

namespace fs = std::filesystem;

// Everything the reader may be handed, each refused at once with a code whose text
// exists, or read whole.
TEST(LitFichier, ReadsPlainFilesOnlyAndSaysWhyNot) {
  const fs::path d = fs::temp_directory_path() / ("corrinom-fichier-" + std::to_string(getpid()));
  fs::create_directories(d / "dossier");
  const std::string texte("ab\0cd", 5);
  std::ofstream(d / "simple \xC3\xA9t\xC3\xA9.txt", std::ios::binary) << texte;
  ASSERT_EQ(mkfifo((d / "tube").c_str(), 0600), 0);
  fs::create_symlink("boucle", d / "boucle");
  std::ofstream(d / "gros.txt").close();
  fs::resize_file(d / "gros.txt", kTailleMaxFichier + 1);  // sparse: nothing is written

  struct Cas {
    std::string nom;
    std::int32_t code;  // 0: read
  } cas[] = {
      {(d / "simple \xC3\xA9t\xC3\xA9.txt").string(), 0},
      {(d / "dossier").string(), 5},
      {(d / "tube").string(), 5},
      {"/dev/zero", 5},
      {(d / "gros.txt").string(), 223},
      {(d / "absent.txt").string(), 2},
      {(d / "absent" / "x.txt").string(), 3},
      {(d / "simple \xC3\xA9t\xC3\xA9.txt" / "x.txt").string(), 3},
      {(d / "boucle").string(), 1921},
      {(d / (std::string(300, 'n') + ".txt")).string(), 206},
  };
  for (const Cas& c : cas) {
    std::string contenu = "avant";
    const LectureFichier l = LitFichier(c.nom, contenu);
    EXPECT_EQ(l.code, c.code) << c.nom;
    EXPECT_EQ(static_cast<bool>(l), c.code == 0) << c.nom;
    EXPECT_EQ(contenu, c.code == 0 ? texte : "") << c.nom;
    EXPECT_EQ(MessErreur(c.code).rfind("Erreur n", 0), std::string::npos) << c.code;
  }
  std::string avantZero;
  EXPECT_TRUE(LitFichier(cas[0].nom, avantZero, /*arretAuZero=*/true));
  EXPECT_EQ(avantZero, "ab");
  fs::remove_all(d);
}

// The names the command line and the environment give are the UTF-8 names the
// files are opened by, and a path spelt back gives the name it was made from.
TEST(NomsDuSysteme, ArgumentsVariablesEtCheminsEnUtf8) {
  const std::string accents = "\xC3\x89l\xC3\xA8ves \xC5\x81\xC3\xB3" "d\xC5\xBA";  // "Élèves Łódź"
  char programme[] = "corrinom-cli", commande[] = "lire";
  std::string fichier = accents + "/liste.csv";
  char* argv[] = {programme, commande, fichier.data(), nullptr};
  EXPECT_EQ(ArgumentsProgramme(3, argv), (std::vector<std::string>{"lire", fichier}));
  EXPECT_TRUE(ArgumentsProgramme(1, argv).empty());

  ASSERT_EQ(setenv("CORRINOM_ESSAI_DOSSIER", accents.c_str(), 1), 0);
  EXPECT_EQ(VariableEnvironnement("CORRINOM_ESSAI_DOSSIER"), accents);
  unsetenv("CORRINOM_ESSAI_DOSSIER");
  EXPECT_EQ(VariableEnvironnement("CORRINOM_ESSAI_DOSSIER"), "");

  EXPECT_EQ(NomUtf8(CheminUtf8(fichier)), fichier);
  EXPECT_EQ(NomUtf8(CheminUtf8(accents) / "journal.csv"), accents + "/journal.csv");
}

}  // namespace
}  // namespace corrinom
