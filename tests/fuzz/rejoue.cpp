// Replays every file of the given folders through one target's entry point: its
// seed corpus and every input the fuzzer ever saved must stay harmless.
// Usage: fuzz_replay TARGET FOLDER...
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "tests/fuzz/entrees.h"

int main(int argc, char** argv) {
  const corrinom::fuzz::Entree entree = argc > 1 ? corrinom::fuzz::EntreeNommee(argv[1]) : nullptr;
  if (!entree) {
    std::fprintf(stderr, "usage: fuzz_replay TARGET FOLDER...\n");
    return 64;
  }
  int fichiers = 0;
  for (int i = 2; i < argc; ++i) {
    const std::filesystem::path dossier(argv[i]);
    if (!std::filesystem::is_directory(dossier)) continue;
    for (const auto& e : std::filesystem::directory_iterator(dossier)) {
      if (!e.is_regular_file() || e.path().filename().string().front() == '.') continue;
      std::ifstream f(e.path(), std::ios::binary);
      const std::string octets((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
      entree(reinterpret_cast<const std::uint8_t*>(octets.data()), octets.size());
      ++fichiers;
    }
  }
  std::printf("%d files replayed\n", fichiers);
  return fichiers > 0 ? 0 : 1;
}
