// The fault cases every backend runs under MagasinEnPanne (the embedded base
// in accounts_tests, Samba in samba_tests): the wrapper fails exactly the
// chosen calls, and a failed write leaves the account as it was.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "accounts/store/magasin_en_panne.h"

namespace corrinom::test {

// The faults VerifiePannes expects, for a backend holding the accounts
// `loginLu` and `loginEcrit`.
inline std::vector<Panne> PannesTypes(const std::string& loginLu) {
  return {{OperationPanne::Lecture, 2221, loginLu, {}},
          {OperationPanne::Ecriture, 5, {}, {}},
          {OperationPanne::Enumeration, 53, {}, 1u}};
}

// Runs the cases over `magasin`, which applies PannesTypes(loginLu); `brut` is
// the same backend without the faults. `loginLuAutreCasse` is loginLu in
// another ASCII case.
inline void VerifiePannes(MagasinComptes& magasin, MagasinComptes& brut,
                          const std::string& loginLuAutreCasse, const std::string& loginEcrit) {
  CompteStocke c;
  EXPECT_EQ(magasin.lit(loginLuAutreCasse, c), 2221u);
  ASSERT_EQ(magasin.lit(loginEcrit, c), 0u);
  const CompteStocke avant = c;
  c.full_name = ChampTexte::de("CHANGE");
  EXPECT_EQ(magasin.ecrit(loginEcrit, c), 5u);
  CompteStocke apres;
  ASSERT_EQ(brut.lit(loginEcrit, apres), 0u);
  EXPECT_EQ(apres, avant);

  // The first call of an enumeration fails, and so does the first call of the
  // next one: the wrapper counts the calls of each enumeration afresh.
  std::uint32_t reprise = 0, total = 0;
  std::vector<CompteStocke> page(1);
  EXPECT_EQ(magasin.enumere(4096, page, total, reprise), 53u);
  EXPECT_TRUE(page.empty());
  reprise = 0;
  EXPECT_EQ(magasin.enumere(4096, page, total, reprise), 53u);
}

}  // namespace corrinom::test
