// The help of corrinom-cli on stdout: `--help` lists every command's usage,
// `COMMANDE --help` shows one command's usage and what each of its options does.
// The options are read from the usage text itself, so the help, the manual page
// and the shell completion (both made from this help) follow the usage.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/command.h"

namespace corrinom::cli {

// The options a usage names, each with its argument when it takes one
// ("--base FICHIER", "--demo"), in their first order, without repeats.
std::vector<std::string> OptionsDeUsage(std::string_view usage);

// What an option does for command `nom`, in French (UTF-8); empty when unknown.
std::string_view DescriptionOption(std::string_view nom, std::string_view option);

std::string AideGenerale(std::span<const Commande* const> commandes);
std::string AideCommande(const Commande& commande);

// True when `args` (the words after the command's name) ask for its help.
bool DemandeAide(const std::vector<std::string>& args);

}  // namespace corrinom::cli
