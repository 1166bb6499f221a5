// The store lock: one holder at a time, dropped with its object, in a file of the
// temporary folder that every user can open.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "accounts/verrou.h"

namespace corrinom {
namespace {

// TMPDIR pointed at a folder of the test for its lifetime.
class DossierTemporaire {
 public:
  explicit DossierTemporaire(const std::string& chemin) {
    if (const char* v = std::getenv("TMPDIR")) ancien_ = v;
    setenv("TMPDIR", chemin.c_str(), 1);
  }
  ~DossierTemporaire() {
    if (ancien_)
      setenv("TMPDIR", ancien_->c_str(), 1);
    else
      unsetenv("TMPDIR");
  }

 private:
  std::optional<std::string> ancien_;
};

using Issue = PriseVerrou::Issue;

TEST(VerrouMagasin, OneHolderPerKeyUntilItGoes) {
  const std::filesystem::path dossier =
      std::filesystem::temp_directory_path() / ("corrinom-verrou-" + std::to_string(getpid()));
  std::filesystem::create_directories(dossier);
  {
    DossierTemporaire tmp(dossier.string());
    PriseVerrou premier = PrendsVerrouMagasin("SERVEUR");
    ASSERT_EQ(premier.issue, Issue::Pris);
    EXPECT_EQ(PrendsVerrouMagasin("SERVEUR").issue, Issue::DejaPris);
    EXPECT_EQ(PrendsVerrouMagasin("/autre/base.db").issue, Issue::Pris);
    struct stat etat {};
    const std::string fichier = (dossier / ("corrinom-" + EmpreinteVerrou("SERVEUR") + ".lock")).string();
    ASSERT_EQ(stat(fichier.c_str(), &etat), 0);
    EXPECT_EQ(etat.st_mode & 0777, 0666u);
    premier.verrou.reset();
    EXPECT_FALSE(std::filesystem::exists(fichier));
    EXPECT_EQ(PrendsVerrouMagasin("SERVEUR").issue, Issue::Pris);
  }
  {
    DossierTemporaire absent((dossier / "absent").string());
    EXPECT_EQ(PrendsVerrouMagasin("SERVEUR").issue, Issue::Impossible);
  }
  std::filesystem::remove_all(dossier);
}

TEST(VerrouMagasin, NameIsTheKeysFnv1a64) {
  EXPECT_EQ(EmpreinteVerrou(""), "cbf29ce484222325");
  EXPECT_EQ(EmpreinteVerrou("a"), "af63dc4c8601ec8c");
}

}  // namespace
}  // namespace corrinom
