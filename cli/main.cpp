// corrinom-cli: the Corrinom core driven from the command line.
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "cli/aide.h"
#include "cli/command.h"
#include "text/arguments.h"
#include "window/options.h"

namespace corrinom::cli {
namespace {

// Every subcommand, in the order the usage lists them.
const Commande* const kCommandes[] = {
    &kCommandeBase,       &kCommandeComptes,   &kCommandeJournaux,
    &kCommandeLire,       &kCommandeRapprocher, &kCommandeRestaurer,
    &kCommandeSuggerer,   &kCommandeXml,
};

int usage() {
  std::fputs("usage : corrinom-cli COMMANDE [ARGUMENTS...]\n", stderr);
  for (const Commande* c : kCommandes) std::fprintf(stderr, "  corrinom-cli %s\n", c->usage);
  return kExitUsage;
}

// Prints a help or version text on stdout; 0 unless stdout cannot take it.
int Imprime(const std::string& texte) {
  return std::fwrite(texte.data(), 1, texte.size(), stdout) == texte.size() && std::fflush(stdout) == 0 ? 0 : 1;
}

}  // namespace
}  // namespace corrinom::cli

int main(int argc, char** argv) {
  using namespace corrinom::cli;
  if (argc < 2) return usage();
  const std::string_view premier = argv[1];
  if (premier == "--help") return Imprime(AideGenerale(kCommandes));
  // The same line as the window program's --version.
  if (premier == "--version") return Imprime(corrinom::fenetre::TexteVersion());
  for (const Commande* c : kCommandes) {
    if (premier == c->nom) {
      // In UTF-8, the file names' spelling, from the first argument after the command.
      std::vector<std::string> args = corrinom::ArgumentsProgramme(argc, argv);
      if (!args.empty()) args.erase(args.begin());
      if (DemandeAide(args)) return Imprime(AideCommande(*c));
      return c->fn(args);
    }
  }
  return usage();
}
