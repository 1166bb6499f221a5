// Subcommands of corrinom-cli register themselves by name; main() dispatches on argv[1].
#pragma once

#include <string>
#include <vector>

namespace corrinom::cli {

// Exit codes shared by every subcommand.
inline constexpr int kExitUsage = 64;

// args: the words after the subcommand's name.
using CommandFn = int (*)(const std::vector<std::string>& args);

struct CommandRegistrar {
  CommandRegistrar(const char* name, const char* usage, CommandFn fn);
};

}  // namespace corrinom::cli
