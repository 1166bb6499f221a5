// A hand-over that checks the order of the readers' calls.
#pragma once

#include <string>
#include <vector>

#include "import/personne.h"
#include "tests/fuzz/entrees.h"

namespace corrinom::fuzz {

class RemiseVerifiee : public RemisePersonnes {
 public:
  std::vector<std::string> appels;  // "vide", "tri", "affiche" in order
  std::size_t personnes = 0;

  void videNonTrouves() override {
    Exige(appels.empty(), "emptied first");
    appels.push_back("vide");
  }
  void rapprocheExact(const Personne& p) override {
    Exige(appels.size() == 1 && appels.front() == "vide", "persons after emptying");
    Exige(p.Nom.find('\0') == std::string::npos && p.Prenoms.find('\0') == std::string::npos &&
              p.DateNaiss.find('\0') == std::string::npos,
          "no zero byte in a person");
    ++personnes;
  }
  void trieNonTrouves() override { appels.push_back("tri"); }
  void afficheNombresEtResume() override { appels.push_back("affiche"); }
};

}  // namespace corrinom::fuzz
