// Shared helpers of the import tests: a temporary folder with real files and a
// hand-over that records what the readers did.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "import/personne.h"

namespace corrinom::test {

// A fresh folder under the system's temporary folder, removed with the object.
class DossierTemporaire {
 public:
  DossierTemporaire();
  ~DossierTemporaire();
  DossierTemporaire(const DossierTemporaire&) = delete;
  DossierTemporaire& operator=(const DossierTemporaire&) = delete;

  const std::filesystem::path& chemin() const { return chemin_; }
  // Writes the bytes into a file of the folder and returns its full name.
  std::string ecrit(std::string_view nom, std::string_view octets) const;
  std::string nom(std::string_view nom) const { return (chemin_ / nom).string(); }

 private:
  std::filesystem::path chemin_;
};

// Records every call of the readers, in order ("vide", "personne", "tri", "affiche").
class RemiseEnregistree : public RemisePersonnes {
 public:
  std::vector<std::string> appels;
  std::vector<Personne> personnes;

  void videNonTrouves() override { appels.push_back("vide"); }
  void rapprocheExact(const Personne& p) override {
    appels.push_back("personne");
    personnes.push_back(p);
  }
  void trieNonTrouves() override { appels.push_back("tri"); }
  void afficheNombresEtResume() override { appels.push_back("affiche"); }
};

}  // namespace corrinom::test
