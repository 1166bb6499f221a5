// The fields of an account record by name, in USER_INFO_3 order, for the code
// that stores or prints every field (the SQLite base, the TSV form).
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "accounts/store/magasin_comptes.h"

namespace corrinom {

struct ColonneCompte {
  enum class Genre { Texte, Nombre, Heures };
  std::string_view nom;  // the USER_INFO_3 field name without "usri3_"
  Genre genre;
  ChampTexte CompteStocke::*texte = nullptr;
  std::uint32_t CompteStocke::*nombre = nullptr;
};

inline constexpr std::array<ColonneCompte, 29> kColonnesCompte = {{
    {"name", ColonneCompte::Genre::Texte, &CompteStocke::name},
    {"password", ColonneCompte::Genre::Texte, &CompteStocke::password},
    {"password_age", ColonneCompte::Genre::Nombre, nullptr, &CompteStocke::password_age},
    {"priv", ColonneCompte::Genre::Nombre, nullptr, &CompteStocke::priv},
    {"home_dir", ColonneCompte::Genre::Texte, &CompteStocke::home_dir},
    {"comment", ColonneCompte::Genre::Texte, &CompteStocke::comment},
    {"flags", ColonneCompte::Genre::Nombre, nullptr, &CompteStocke::flags},
    {"script_path", ColonneCompte::Genre::Texte, &CompteStocke::script_path},
    {"auth_flags", ColonneCompte::Genre::Nombre, nullptr, &CompteStocke::auth_flags},
    {"full_name", ColonneCompte::Genre::Texte, &CompteStocke::full_name},
    {"usr_comment", ColonneCompte::Genre::Texte, &CompteStocke::usr_comment},
    {"parms", ColonneCompte::Genre::Texte, &CompteStocke::parms},
    {"workstations", ColonneCompte::Genre::Texte, &CompteStocke::workstations},
    {"last_logon", ColonneCompte::Genre::Nombre, nullptr, &CompteStocke::last_logon},
    {"last_logoff", ColonneCompte::Genre::Nombre, nullptr, &CompteStocke::last_logoff},
    {"acct_expires", ColonneCompte::Genre::Nombre, nullptr, &CompteStocke::acct_expires},
    {"max_storage", ColonneCompte::Genre::Nombre, nullptr, &CompteStocke::max_storage},
    {"units_per_week", ColonneCompte::Genre::Nombre, nullptr, &CompteStocke::units_per_week},
    {"logon_hours", ColonneCompte::Genre::Heures},
    {"bad_pw_count", ColonneCompte::Genre::Nombre, nullptr, &CompteStocke::bad_pw_count},
    {"num_logons", ColonneCompte::Genre::Nombre, nullptr, &CompteStocke::num_logons},
    {"logon_server", ColonneCompte::Genre::Texte, &CompteStocke::logon_server},
    {"country_code", ColonneCompte::Genre::Nombre, nullptr, &CompteStocke::country_code},
    {"code_page", ColonneCompte::Genre::Nombre, nullptr, &CompteStocke::code_page},
    {"user_id", ColonneCompte::Genre::Nombre, nullptr, &CompteStocke::user_id},
    {"primary_group_id", ColonneCompte::Genre::Nombre, nullptr, &CompteStocke::primary_group_id},
    {"profile", ColonneCompte::Genre::Texte, &CompteStocke::profile},
    {"home_dir_drive", ColonneCompte::Genre::Texte, &CompteStocke::home_dir_drive},
    {"password_expired", ColonneCompte::Genre::Nombre, nullptr, &CompteStocke::password_expired},
}};

}  // namespace corrinom
