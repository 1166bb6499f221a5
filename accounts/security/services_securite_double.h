// A test double of the security services: the portable backend, except for the
// calls a test makes fail, each with its own error code.
#pragma once

#include <map>
#include <set>
#include <string>

#include "accounts/security/services_securite_portable.h"

namespace corrinom {

class ServicesSecuriteDouble : public ServicesSecuritePortables {
 public:
  using ServicesSecuritePortables::ServicesSecuritePortables;

  std::optional<std::uint32_t> echecJeton;
  std::map<std::string, std::uint32_t> echecsPrivilege;  // by privilege name
  std::optional<std::uint32_t> echecAjustement;
  std::map<std::string, std::uint32_t> echecsNom;        // by account name, exact bytes
  std::set<std::string> sidsInconnus;                    // by TexteSid
  std::vector<std::string> nomsCherches;                 // every chercheNom, in order
  bool jetonOuvert = false;

  bool ouvreJeton() override {
    if (echecJeton) return echec(*echecJeton), false;
    jetonOuvert = true;
    return true;
  }
  std::optional<IdPrivilege> chercheValeurPrivilege(std::string_view nom) override {
    auto it = echecsPrivilege.find(std::string(nom));
    if (it != echecsPrivilege.end()) return echec(it->second), std::nullopt;
    return ServicesSecuritePortables::chercheValeurPrivilege(nom);
  }
  bool ajustePrivileges(const std::vector<IdPrivilege>& privileges) override {
    if (echecAjustement) return echec(*echecAjustement), false;
    return ServicesSecuritePortables::ajustePrivileges(privileges);
  }
  void fermeJeton() override { jetonOuvert = false; }
  bool chercheNom(std::string_view nom, std::string_view serveur, TamponSid& sid,
                  std::uint32_t tailleDomaine) override {
    nomsCherches.emplace_back(nom);
    auto it = echecsNom.find(std::string(nom));
    if (it != echecsNom.end()) return echec(it->second), false;
    return ServicesSecuritePortables::chercheNom(nom, serveur, sid, tailleDomaine);
  }
  std::optional<std::string> chercheSid(const TamponSid& sid) override {
    if (sidsInconnus.count(TexteSid(sid))) return echec(1332), std::nullopt;
    return ServicesSecuritePortables::chercheSid(sid);
  }
};

}  // namespace corrinom
