// USER_INFO_3 and its mirrors (Samba's and Windows' structures, TInfoUser) name
// their fields usri3_*; CompteStocke names the same fields without the prefix.
// These two templates copy every field between the two shapes, in the record's
// order, so that each user only says how a text field and the logon-hours bitmap
// convert, and no field can be forgotten in one of the copies.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>

#include "accounts/store/magasin_comptes.h"

namespace corrinom {

using HeuresConnexion = std::array<std::uint8_t, 21>;

// The 21-byte logon-hours bitmap a store returned, or none for a null pointer.
inline std::optional<HeuresConnexion> HeuresDepuis(const unsigned char* octets) {
  if (octets == nullptr) return std::nullopt;
  HeuresConnexion heures{};
  std::copy_n(octets, heures.size(), heures.begin());
  return heures;
}

// A store's record to CompteStocke. `texte` turns one text field (possibly null)
// into a ChampTexte.
template <class Info3, class Texte>
CompteStocke CompteDepuisInfo3(const Info3& u, Texte texte) {
  CompteStocke c;
  c.name = texte(u.usri3_name);
  // Samba's structure has no password field; the password then stays null.
  if constexpr (requires { u.usri3_password; }) c.password = texte(u.usri3_password);
  c.password_age = u.usri3_password_age;
  c.priv = u.usri3_priv;
  c.home_dir = texte(u.usri3_home_dir);
  c.comment = texte(u.usri3_comment);
  c.flags = u.usri3_flags;
  c.script_path = texte(u.usri3_script_path);
  c.auth_flags = u.usri3_auth_flags;
  c.full_name = texte(u.usri3_full_name);
  c.usr_comment = texte(u.usri3_usr_comment);
  c.parms = texte(u.usri3_parms);
  c.workstations = texte(u.usri3_workstations);
  c.last_logon = u.usri3_last_logon;
  c.last_logoff = u.usri3_last_logoff;
  c.acct_expires = u.usri3_acct_expires;
  c.max_storage = u.usri3_max_storage;
  c.units_per_week = u.usri3_units_per_week;
  c.logon_hours = HeuresDepuis(u.usri3_logon_hours);
  c.bad_pw_count = u.usri3_bad_pw_count;
  c.num_logons = u.usri3_num_logons;
  c.logon_server = texte(u.usri3_logon_server);
  c.country_code = u.usri3_country_code;
  c.code_page = u.usri3_code_page;
  c.user_id = u.usri3_user_id;
  c.primary_group_id = u.usri3_primary_group_id;
  c.profile = texte(u.usri3_profile);
  c.home_dir_drive = texte(u.usri3_home_dir_drive);
  c.password_expired = u.usri3_password_expired;
  return c;
}

// CompteStocke to a record. `texte` turns a ChampTexte into the record's text
// field; `heures` turns the optional bitmap into the record's logon-hours field.
template <class Info3, class Texte, class Heures>
void CompteVersInfo3(const CompteStocke& c, Info3& u, Texte texte, Heures heures) {
  u.usri3_name = texte(c.name);
  if constexpr (requires { u.usri3_password; }) u.usri3_password = texte(c.password);
  u.usri3_password_age = c.password_age;
  u.usri3_priv = c.priv;
  u.usri3_home_dir = texte(c.home_dir);
  u.usri3_comment = texte(c.comment);
  u.usri3_flags = c.flags;
  u.usri3_script_path = texte(c.script_path);
  u.usri3_auth_flags = c.auth_flags;
  u.usri3_full_name = texte(c.full_name);
  u.usri3_usr_comment = texte(c.usr_comment);
  u.usri3_parms = texte(c.parms);
  u.usri3_workstations = texte(c.workstations);
  u.usri3_last_logon = c.last_logon;
  u.usri3_last_logoff = c.last_logoff;
  u.usri3_acct_expires = c.acct_expires;
  u.usri3_max_storage = c.max_storage;
  u.usri3_units_per_week = c.units_per_week;
  u.usri3_logon_hours = heures(c.logon_hours);
  u.usri3_bad_pw_count = c.bad_pw_count;
  u.usri3_num_logons = c.num_logons;
  u.usri3_logon_server = texte(c.logon_server);
  u.usri3_country_code = c.country_code;
  u.usri3_code_page = c.code_page;
  u.usri3_user_id = c.user_id;
  u.usri3_primary_group_id = c.primary_group_id;
  u.usri3_profile = texte(c.profile);
  u.usri3_home_dir_drive = texte(c.home_dir_drive);
  u.usri3_password_expired = c.password_expired;
}

}  // namespace corrinom
