// A fresh folder for the journal tests, removed with everything in it.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

namespace corrinom::test {

class Dossier {
 public:
  Dossier() {
    std::random_device alea;
    chemin_ = std::filesystem::temp_directory_path() /
              ("corrinom-journal-test-" + std::to_string(alea()) + std::to_string(alea()));
    std::filesystem::create_directories(chemin_);
  }
  ~Dossier() {
    std::error_code ec;
    std::filesystem::remove_all(chemin_, ec);
  }
  std::string nom(const std::string& n) const { return (chemin_ / n).string(); }

 private:
  std::filesystem::path chemin_;
};

inline std::string Lit(const std::string& chemin) {
  std::ifstream f(chemin, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

inline void Ecrit(const std::string& chemin, const std::string& octets) {
  std::ofstream(chemin, std::ios::binary) << octets;
}

}  // namespace corrinom::test
