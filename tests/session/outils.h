// For the journal and restore tests: a fresh folder, removed with everything in
// it, and accounts kept in memory.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <random>
#include <string>

#include "accounts/store/magasin_comptes.h"

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

// Accounts in memory; chosen logins fail to read or to write.
class MagasinMemoire final : public MagasinComptes {
 public:
  std::map<std::string, CompteStocke, std::less<>> comptes;
  std::map<std::string, std::uint32_t, std::less<>> echecsLecture, echecsEcriture;
  int ecritures = 0;

  std::uint32_t enumere(std::uint32_t, std::vector<CompteStocke>& page, std::uint32_t&,
                        std::uint32_t&) override {
    page.clear();
    return kNerrSuccess;
  }
  std::uint32_t lit(std::string_view login, CompteStocke& compte) override {
    if (const auto e = echecsLecture.find(login); e != echecsLecture.end()) return e->second;
    const auto it = comptes.find(login);
    if (it == comptes.end()) return kNerrUserNotFound;
    compte = it->second;
    return kNerrSuccess;
  }
  std::uint32_t ecrit(std::string_view login, const CompteStocke& compte) override {
    if (const auto e = echecsEcriture.find(login); e != echecsEcriture.end()) return e->second;
    ++ecritures;
    comptes.find(login)->second = compte;
    return kNerrSuccess;
  }
};

inline CompteStocke Compte(const std::string& login, const std::string& nom, const std::string& comm) {
  CompteStocke c;
  c.name = ChampTexte::de(login);
  c.full_name = ChampTexte::de(nom);
  c.usr_comment = ChampTexte::de(comm);
  c.home_dir = ChampTexte::de("\\\\srv\\" + login);
  return c;
}

}  // namespace corrinom::test
