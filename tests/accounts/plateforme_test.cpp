// The system directory and the domain controller lookup.
#include <gtest/gtest.h>

#include "accounts/plateforme.h"
#include "operator/dialogues_script.h"
#include "session/demarrage.h"

namespace corrinom {
namespace {

TEST(RepertoireSysteme, CachesWhatTheSystemSays) {
  int appels = 0;
  PlateformeSysteme p;
  p.demandeRepertoire = [&]() -> std::optional<std::string> {
    ++appels;
    return std::string("D:\\WIN\\system32\\");
  };
  EXPECT_EQ(RepertoireSysteme(p), "D:\\WIN\\system32");
  EXPECT_EQ(RepertoireSysteme(p), "D:\\WIN\\system32");
  EXPECT_EQ(appels, 1);
}

TEST(RepertoireSysteme, FallsBackOnTheVersionWithoutCaching) {
  const struct {
    VersionSysteme version;
    const char* attendu;
  } cas[] = {
      {{false, 4, 10}, "C:\\WINDOWS\\system"},
      {{true, 4, 0}, "C:\\WINNT\\system32"},
      {{true, 5, 0}, "C:\\WINNT\\system32"},
      {{true, 5, 1}, "C:\\WINDOWS\\system32"},
      {{true, 10, 0}, "C:\\WINDOWS\\system32"},
  };
  for (const auto& c : cas) {
    int appels = 0;
    PlateformeSysteme p;
    p.version = c.version;
    p.demandeRepertoire = [&]() -> std::optional<std::string> {
      ++appels;
      return std::nullopt;
    };
    EXPECT_EQ(RepertoireSysteme(p), c.attendu);
    EXPECT_EQ(RepertoireSysteme(p), c.attendu);
    EXPECT_EQ(appels, 2);
  }
}

TEST(ChercheControleurDomaine, OnlyWindowsNt4LooksForIt) {
  DialoguesScript d;
  PlateformeSysteme p;
  bool appele = false;
  p.netGetDCName = [&]() -> std::optional<std::string> {
    appele = true;
    return std::string("\\\\PDC");
  };
  EXPECT_EQ(ChercheControleurDomaine(p, d), "");
  EXPECT_FALSE(appele);
  EXPECT_TRUE(d.appels.empty());

  p.version = {true, 4, 0};
  EXPECT_EQ(ChercheControleurDomaine(p, d), "\\\\PDC");
  EXPECT_TRUE(d.appels.empty());
}

TEST(ChercheControleurDomaine, Nt4WithoutControllerSaysSoOnce) {
  const std::string texte =
      "Attention, erreur en recherchant le contr\xF4le" "ur principal de domaine.\n"
      "Certaines parties risquent de ne pas fonctionner.";
  for (const bool pointEntree : {false, true}) {
    DialoguesScript d;
    PlateformeSysteme p;
    p.version = {true, 4, 0};
    if (pointEntree) p.netGetDCName = []() -> std::optional<std::string> { return std::nullopt; };
    EXPECT_EQ(ChercheControleurDomaine(p, d), "");
    ASSERT_EQ(d.appels.size(), 1u);
    EXPECT_EQ(d.appels[0].genre, DialoguesScript::Genre::Message);
    EXPECT_EQ(d.appels[0].titre, "Information");
    EXPECT_EQ(d.appels[0].texte, texte);
  }
}

}  // namespace
}  // namespace corrinom
