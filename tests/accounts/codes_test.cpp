// Every status a file reader or the embedded base can end with reaches the
// operator as a French text, never as the numbered fallback.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cerrno>
#include <string>

#include "accounts/store/magasin_sqlite.h"
#include "text/erreurs.h"

namespace corrinom {
namespace {

bool ATexte(std::int32_t code) { return MessErreur(code).rfind("Erreur n", 0) == std::string::npos; }

TEST(CodesDErreur, EveryCodeAReaderOrTheBaseGivesHasAText) {
  for (int numero = 1; numero < 256; ++numero)
    EXPECT_TRUE(ATexte(CodeErreurFichier(numero)))
        << "errno " << numero << " gives " << CodeErreurFichier(numero);
  for (int rc = 1; rc < 256; ++rc)
    EXPECT_TRUE(ATexte(static_cast<std::int32_t>(StatutSqlite(rc))))
        << "SQLite " << rc << " gives " << StatutSqlite(rc);
  for (const std::uint32_t statut : {kErrorAccessDenied, kNerrUserNotFound, kErrorFileCorrupt})
    EXPECT_TRUE(ATexte(static_cast<std::int32_t>(statut))) << statut;

  // The codes the operator meets most, as Windows gives them.
  struct {
    std::int32_t obtenu, attendu;
  } cas[] = {{CodeErreurFichier(ENOENT), 2},         {CodeErreurFichier(ENOTDIR), 3},
             {CodeErreurFichier(EISDIR), 5},         {CodeErreurFichier(ENAMETOOLONG), 206},
             {CodeErreurFichier(EFBIG), 223},        {CodeErreurFichier(ELOOP), 1921},
             {static_cast<std::int32_t>(StatutSqlite(SQLITE_CORRUPT)), 1392},
             {static_cast<std::int32_t>(StatutSqlite(SQLITE_BUSY)), 170}};
  for (const auto& c : cas) EXPECT_EQ(c.obtenu, c.attendu);
}

}  // namespace
}  // namespace corrinom
