// corrinom-cli: the Corrinom core driven from the command line.
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "cli/command.h"

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

}  // namespace
}  // namespace corrinom::cli

int main(int argc, char** argv) {
  using namespace corrinom::cli;
  if (argc < 2) return usage();
  for (const Commande* c : kCommandes) {
    if (std::string_view(argv[1]) == c->nom) {
      const std::vector<std::string> args(argv + 2, argv + argc);
      return c->fn(args);
    }
  }
  return usage();
}
