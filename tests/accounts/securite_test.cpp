// The security object of start-up over the portable services and the test double.
#include <gtest/gtest.h>

#include "accounts/securite.h"
#include "accounts/security/services_securite_double.h"
#include "text/erreurs.h"

namespace corrinom {
namespace {

TEST(Sid, WellKnownSidsReadBack) {
  EXPECT_EQ(TexteSid(SidConnu(5, {32, 544})), "S-1-5-32-544");
  EXPECT_EQ(TexteSid(SidConnu(1, {0})), "S-1-1-0");
  EXPECT_EQ(TexteSid(SidConnu(5, {18})), "S-1-5-18");
  EXPECT_EQ(TexteSid(SidConnu(5, {21, 4000000000u, 2, 3, 500})), "S-1-5-21-4000000000-2-3-500");
  EXPECT_EQ(TexteSid(TamponSid{}), "");
}

TEST(TSecurRep, FrenchSystemFindsEveryGroup) {
  ServicesSecuriteDouble services;
  TSecurRep securite(services);
  EXPECT_FALSE(securite.echec());
  EXPECT_EQ(securite.resultatPrivileges, "");
  EXPECT_EQ(securite.NomGroupeAdministrateurs, "Administrateurs");
  EXPECT_EQ(securite.NomGroupeTout, "Tout le monde");
  EXPECT_EQ(securite.NomAdministrateur, "Administrateur");
  EXPECT_EQ(TexteSid(securite.SidAdministrateurs), "S-1-5-32-544");
  EXPECT_EQ(TexteSid(securite.SidTout), "S-1-1-0");
  EXPECT_EQ(TexteSid(securite.SidSysteme), "S-1-5-18");
  EXPECT_FALSE(services.jetonOuvert);  // released after the adjustment
}

TEST(TSecurRep, EnglishSystemTakesTheEnglishNames) {
  ServicesSecuriteDouble services(ServicesSecuritePortables::Langue::Anglais);
  TSecurRep securite(services);
  EXPECT_FALSE(securite.echec());
  EXPECT_EQ(securite.NomGroupeAdministrateurs, "Administrators");
  EXPECT_EQ(securite.NomGroupeTout, "Everyone");
  EXPECT_EQ(securite.NomAdministrateur, "Administrator");
  // The lookups of the groups use the names learnt from their SIDs.
  EXPECT_EQ(services.nomsCherches,
            (std::vector<std::string>{"Administrateur", "Administrators", "Administrators",
                                      "Everyone", "SYSTEM"}));
}

TEST(TSecurRep, UnresolvableSidsKeepTheDefaults) {
  ServicesSecuriteDouble services(ServicesSecuritePortables::Langue::Anglais);
  services.sidsInconnus = {"S-1-5-32-544", "S-1-1-0"};
  TSecurRep securite(services);
  EXPECT_EQ(securite.NomGroupeAdministrateurs, "Administrateurs");
  EXPECT_EQ(securite.NomGroupeTout, "Tout le monde");
  // Neither default exists on an English system: both lookups fail.
  ASSERT_TRUE(securite.echec());
}

TEST(TSecurRep, FailedLookupsAreListedWithTheLastError) {
  const struct {
    std::map<std::string, std::uint32_t> echecs;
    std::string liste;
    std::int32_t code;
  } cas[] = {
      {{{"Administrateurs", 1332}}, "le groupe Administrateurs", 1332},
      {{{"Tout le monde", 5}, {"SYSTEM", 1789}}, "le groupe Tout le monde\nle groupe SYSTEM", 1789},
      {{{"Administrateurs", 53}, {"Tout le monde", 5}, {"SYSTEM", 1332}},
       "le groupe Administrateurs\nle groupe Tout le monde\nle groupe SYSTEM", 1332},
  };
  for (const auto& c : cas) {
    ServicesSecuriteDouble services;
    services.echecsNom = c.echecs;
    TSecurRep securite(services);
    ASSERT_TRUE(securite.echec());
    EXPECT_EQ(securite.MessageEchec(),
              "Impossible de trouver les groupes.\nSid non trouv\xE9 pour\n" + c.liste +
                  MessErreur(c.code));
  }
}

TEST(TSecurRep, PrivilegeFailuresAreExplainedButNotFatal) {
  const std::string debut = "Impossible d'obtenir les privil\xE8ges n\xE9" "cessaires ";
  {
    ServicesSecuriteDouble services;
    services.echecJeton = 5;
    TSecurRep securite(services);
    EXPECT_EQ(securite.resultatPrivileges, debut + "(Opt) " + services.messageSysteme(5));
    EXPECT_FALSE(securite.echec());
  }
  {
    ServicesSecuriteDouble services;
    services.echecsPrivilege = {{"SeBackupPrivilege", 1313}};
    TSecurRep securite(services);
    EXPECT_EQ(securite.resultatPrivileges, debut + "(Lpv) " + services.messageSysteme(1313));
    EXPECT_FALSE(services.jetonOuvert);
    EXPECT_FALSE(securite.echec());
  }
  {
    ServicesSecuriteDouble services;
    services.echecAjustement = 1300;
    TSecurRep securite(services);
    EXPECT_EQ(securite.resultatPrivileges, debut + "(Atp) " + services.messageSysteme(1300));
    EXPECT_FALSE(securite.echec());
  }
}

}  // namespace
}  // namespace corrinom
