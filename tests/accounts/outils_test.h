// Shared helpers of the account tests: a temporary folder, account records,
// a base filled with them.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "accounts/store/magasin_comptes.h"
#include "session/progression.h"

namespace corrinom::test {

// Notes every count it hears; asks to stop once `arretApres` counts were heard.
struct ProgressionNotee : Progression {
  std::vector<std::pair<std::size_t, std::size_t>> avances;
  std::size_t arretApres = SIZE_MAX;
  int debuts = 0, fins = 0;
  void debut(std::size_t) override { ++debuts; }
  void avance(std::size_t fait, std::size_t total) override { avances.emplace_back(fait, total); }
  void fin() override { ++fins; }
  bool arretDemande() const override { return avances.size() >= arretApres; }
};

// A fresh folder, removed with everything in it at the end of the test.
class DossierTemporaire {
 public:
  DossierTemporaire() {
    std::random_device alea;
    chemin_ = std::filesystem::temp_directory_path() /
              ("corrinom-accounts-test-" + std::to_string(alea()) + std::to_string(alea()));
    std::filesystem::create_directories(chemin_);
  }
  ~DossierTemporaire() {
    std::error_code ec;
    std::filesystem::remove_all(chemin_, ec);
  }
  std::string fichier(const std::string& nom) const { return (chemin_ / nom).string(); }

 private:
  std::filesystem::path chemin_;
};

// A normal account with the given login, full name and user comment (UTF-8).
inline CompteStocke Compte(std::string login, std::string nomComplet, std::string commentaire) {
  CompteStocke c;
  c.name = ChampTexte::de(login);
  c.full_name = ChampTexte::de(nomComplet);
  c.usr_comment = ChampTexte::de(commentaire);
  return c;
}

// A TAVO record with the given last-name length and birth date.
inline std::string Tavo(int longueurNom, const std::string& date) {
  return "TAVO;E;2026;6A;E1;;" + std::to_string(longueurNom) + ";;" + date + ";LYC;;0;0";
}

}  // namespace corrinom::test
