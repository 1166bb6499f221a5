#include "text/erreurs.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "latin1.h"
#include "text/texte_systeme.h"

namespace corrinom {
namespace {

using test::Utf;

TEST(MessErreur, TheFixedTable) {
  struct {
    std::int32_t code;
    const char* texte;
  } cas[] = {
      {10057, "Non connecté au serveur"},
      {10061, "Non connecté au serveur"},
      {30000, "Le fichier ou le répertoire n'est pas dans une partion NTFS"},
      {30001, "ACL (Access Control List) absente"},
      {30002, "Suppression refusée pour les Administrateurs"},
      {30003, "DACL (Access Control List) absente"},
      {30016, "Le travail n'a pas été exécuté."},
      {30017, "Pour information."},
      {30018, "Erreur de transfert."},
      {30019, "Non disponible en ce moment"},
      {30020, "Serveur actuellement occupé"},
      {30021, "Non connecté au serveur"},
      {30022, "Non connecté au serveur"},
      {30023, "Abandon"},
      {30024, "Accès non autorisé à un répertoire"},
      {30032, "Il manque le nom du serveur TAVO."},
      {30033, "Le serveur ne répond pas."},
      {30034, "Adresse IP non résolue"},
  };
  for (const auto& c : cas) EXPECT_EQ(Utf(MessErreur(c.code)), c.texte) << c.code;
  EXPECT_EQ(MessErreur(0), "");
}

// Codes with no table entry and no system text: the numbered fallback.
TEST(MessErreur, NumberedFallback) {
  struct {
    std::int32_t code;
    const char* texte;
  } cas[] = {
      {30004, "Erreur n°30004"},
      {30015, "Erreur n°30015"},
      {30025, "Erreur n°30025"},
      {30031, "Erreur n°30031"},
      {30035, "Erreur n°30035"},
      {-1, "Erreur n°-1"},
      {std::numeric_limits<std::int32_t>::min(), "Erreur n°-2147483648"},
      {std::numeric_limits<std::int32_t>::max(), "Erreur n°2147483647"},
  };
  for (const auto& c : cas) {
    ASSERT_TRUE(TexteSysteme(static_cast<std::uint32_t>(c.code)).empty()) << c.code;
    EXPECT_EQ(Utf(MessErreur(c.code)), c.texte) << c.code;
  }
}

// The system's texts for what the account stores and the security set-up
// return come back trimmed, on one line.
TEST(MessErreur, SystemTextsOfTheStoresStatusCodes) {
  const std::int32_t codes[] = {2,    5,    50,   53,   86,   87,   124,  1003, 1317,
                                1326, 1331, 1332, 1722, 1909, 2102, 2221, 2453};
  for (const std::int32_t code : codes) {
    const std::string texte = MessErreur(code);
    ASSERT_FALSE(texte.empty()) << code;
    EXPECT_NE(texte.rfind("Erreur n", 0), 0u) << code;
    EXPECT_NE(texte.back(), '.') << code;
    EXPECT_EQ(texte.find_first_of("\r\n"), std::string::npos) << code;
  }
  EXPECT_EQ(Utf(MessErreur(5)), "Accès refusé");
  EXPECT_EQ(Utf(MessErreur(2221)), "Le nom d'utilisateur est introuvable");
}

TEST(TexteSystemeSurUneLigne, TrimsTheEndAndJoinsLines) {
  struct {
    const char* systeme;
    const char* attendu;
  } cas[] = {
      {"Acc\xE8s refus\xE9.\r\n", "Acc\xE8s refus\xE9"},
      {"Premi\xE8re ligne.\r\nDeuxi\xE8me ligne.\r\n", "Premi\xE8re ligne. Deuxi\xE8me ligne"},
      {"a\r\n\r\nb", "a  b"},
      {"a\nb\rc", "a b c"},
      {"Fin...  . \t\r\n", "Fin"},
      {". . .\r\n", ""},
      {"", ""},
      {"Sans fin", "Sans fin"},
  };
  for (const auto& c : cas) EXPECT_EQ(TexteSystemeSurUneLigne(c.systeme), c.attendu);
}

}  // namespace
}  // namespace corrinom
