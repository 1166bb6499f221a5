// The TSV form of an account base: a header naming the columns, one line per
// account, fields escaped like corrinom-cli's other output. `corrinom-cli base`
// reads and writes it; the demo base is kept in it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "accounts/store/magasin_sqlite.h"

namespace corrinom {

// Every column: login, full_name, usr_comment first, kind last. UTF-8.
std::string ExporteTsv(const std::vector<CompteBase>& comptes);

// Reads a TSV (UTF-8). The header needs login, full_name and usr_comment; the
// other USER_INFO_3 fields without their usri3_ prefix and kind are optional.
// False with a French (CP1252) text naming the line on the first fault; then
// `comptes` holds nothing.
// `lignes` receives each account's line number (the header is line 1).
bool ImporteTsv(std::string_view texte, std::vector<CompteBase>& comptes, std::string& erreur,
                std::vector<std::size_t>* lignes = nullptr);

}  // namespace corrinom
