#include "text/fichier.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

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

}  // namespace
}  // namespace corrinom
