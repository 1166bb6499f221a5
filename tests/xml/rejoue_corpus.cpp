// Replays every file of the given folders through the fuzzer's entry point:
// the seed corpus and every crash the fuzzer ever saved must stay harmless.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "tests/xml/fuzz_entree.h"

int main(int argc, char** argv) {
  int fichiers = 0;
  for (int i = 1; i < argc; ++i) {
    const std::filesystem::path dossier(argv[i]);
    if (!std::filesystem::is_directory(dossier)) continue;
    for (const auto& entree : std::filesystem::directory_iterator(dossier)) {
      if (!entree.is_regular_file() || entree.path().filename().string().front() == '.') continue;
      std::ifstream f(entree.path(), std::ios::binary);
      const std::string octets((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
      corrinom::test::ChargeEtVerifie(reinterpret_cast<const std::uint8_t*>(octets.data()), octets.size());
      ++fichiers;
    }
  }
  std::printf("%d files replayed\n", fichiers);
  return fichiers > 0 ? 0 : 1;
}
