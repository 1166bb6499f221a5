// The store's own spelling of each listed login.
//
// The rows of the account list carry the CP1252 view of a login only. The
// account load remembers each listed login by that view, so that a write finds
// the account again even when its login holds characters CP1252 lacks.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace corrinom {

class LoginsMagasin {
 public:
  void retiens(std::string_view vueAnsi, std::string_view loginMagasin);

  // The store's login for a row's login: the remembered one, or the view itself
  // in UTF-8 for an account that was not listed. Nothing when two listed
  // accounts share the same view (the row cannot tell them apart).
  std::optional<std::string> loginMagasin(std::string_view vueAnsi) const;

 private:
  std::map<std::string, std::optional<std::string>, std::less<>> logins_;
};

}  // namespace corrinom
