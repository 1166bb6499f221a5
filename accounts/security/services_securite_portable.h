// Security services for a platform without Advapi32: the process has every
// privilege and the well-known groups and accounts always resolve, with their
// French names (an English system can be asked for, for tests).
#pragma once

#include <map>
#include <string>

#include "accounts/security/services_securite.h"

namespace corrinom {

class ServicesSecuritePortables : public ServicesSecurite {
 public:
  enum class Langue { Francais, Anglais };
  explicit ServicesSecuritePortables(Langue langue = Langue::Francais);

  bool ouvreJeton() override;
  std::optional<IdPrivilege> chercheValeurPrivilege(std::string_view nom) override;
  bool ajustePrivileges(const std::vector<IdPrivilege>& privileges) override;
  void fermeJeton() override;
  bool chercheNom(std::string_view nom, std::string_view serveur, TamponSid& sid,
                  std::uint32_t tailleDomaine) override;
  std::optional<std::string> chercheSid(const TamponSid& sid) override;
  std::uint32_t derniereErreur() override;
  std::string messageSysteme(std::uint32_t code) override;

 protected:
  void echec(std::uint32_t code) { derniereErreur_ = code; }

 private:
  struct Entree {
    std::string nom;
    TamponSid sid;
  };
  std::vector<Entree> comptes_;
  std::uint32_t derniereErreur_ = 0;
};

}  // namespace corrinom
