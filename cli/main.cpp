// corrinom-cli: the Corrinom core driven from the command line.
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "command.h"

namespace corrinom::cli {
namespace {

struct Entry {
  const char* usage;
  CommandFn fn;
};

std::map<std::string, Entry>& registry() {
  static std::map<std::string, Entry> commands;
  return commands;
}

int usage() {
  std::fputs("usage: corrinom-cli COMMANDE [ARGUMENTS...]\n", stderr);
  for (const auto& [name, entry] : registry()) std::fprintf(stderr, "  corrinom-cli %s\n", entry.usage);
  return kExitUsage;
}

}  // namespace

CommandRegistrar::CommandRegistrar(const char* name, const char* usageText, CommandFn fn) {
  registry()[name] = Entry{usageText, fn};
}

}  // namespace corrinom::cli

int main(int argc, char** argv) {
  using namespace corrinom::cli;
  if (argc < 2) return usage();
  auto it = registry().find(argv[1]);
  if (it == registry().end()) return usage();
  std::vector<std::string> args(argv + 2, argv + argc);
  return it->second.fn(args);
}
