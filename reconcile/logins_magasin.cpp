// The store's own spelling of each listed login (see logins_magasin.h).
#include "reconcile/logins_magasin.h"

#include "text/encodage.h"

namespace corrinom {

void LoginsMagasin::retiens(std::string_view vueAnsi, std::string_view loginMagasin) {
  auto it = logins_.find(vueAnsi);
  if (it == logins_.end()) {
    logins_.emplace(std::string(vueAnsi), std::string(loginMagasin));
  } else if (it->second && *it->second != loginMagasin) {
    it->second.reset();  // two accounts look alike in CP1252
  }
}

std::optional<std::string> LoginsMagasin::loginMagasin(std::string_view vueAnsi) const {
  auto it = logins_.find(vueAnsi);
  if (it == logins_.end()) return Cp1252VersUtf8(vueAnsi);
  return it->second;
}

}  // namespace corrinom
