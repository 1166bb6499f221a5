// The subcommands of corrinom-cli: each cmd_*.cpp defines one Commande, and
// main.cpp lists them all in its table.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace corrinom::cli {

// Exit codes shared by every subcommand.
inline constexpr int kExitUsage = 64;

// Tells a wrong command line of subcommand `nom` on stderr, the reason then the
// usage; returns kExitUsage.
inline int ErreurUsage(const char* nom, const std::string& erreur, const char* usage) {
  std::fprintf(stderr, "corrinom-cli %s: %s\nusage : corrinom-cli %s\n", nom, erreur.c_str(), usage);
  return kExitUsage;
}

// args: the words after the subcommand's name.
using CommandFn = int (*)(const std::vector<std::string>& args);

struct Commande {
  const char* nom;
  const char* usage;
  CommandFn fn;
  const char* aide = nullptr;  // its own `--help` text, where the usage alone does not say enough
};

extern const Commande kCommandeBase;        // cmd_base.cpp
extern const Commande kCommandeComptes;     // cmd_comptes.cpp
extern const Commande kCommandeJournaux;    // cmd_journaux.cpp
extern const Commande kCommandeLire;        // cmd_lire.cpp
extern const Commande kCommandeRapprocher;  // cmd_rapprocher.cpp
extern const Commande kCommandeRestaurer;   // cmd_restaurer.cpp
extern const Commande kCommandeSuggerer;    // cmd_suggerer.cpp
extern const Commande kCommandeXml;         // cmd_xml.cpp

}  // namespace corrinom::cli
