#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>

#include "tests/fuzz/entrees.h"

namespace corrinom::fuzz {

void Exige(bool condition, const char* quoi) {
  if (condition) return;
  std::fprintf(stderr, "broken promise: %s\n", quoi);
  std::abort();
}

const std::string& FichierTemporaire(std::string_view octets, const char* extension) {
  // One file per extension and process, removed when the process ends.
  struct Fichiers {
    std::map<std::string, std::string> noms;
    ~Fichiers() {
      for (const auto& [ext, nom] : noms) std::remove(nom.c_str());
    }
  };
  static Fichiers fichiers;
  std::string& nom = fichiers.noms[extension];
  if (nom.empty()) {
    const std::filesystem::path dossier = std::filesystem::exists("/dev/shm")
                                              ? std::filesystem::path("/dev/shm")
                                              : std::filesystem::temp_directory_path();
    nom = (dossier / ("corrinom-fuzz-" + std::to_string(getpid()) + extension)).string();
  }
  std::ofstream f(nom, std::ios::binary | std::ios::trunc);
  f.write(octets.data(), static_cast<std::streamsize>(octets.size()));
  Exige(static_cast<bool>(f.flush()), "scratch file written");
  return nom;
}

Entree EntreeNommee(std::string_view nom) {
  if (nom == "texte") return LitTexte;
  if (nom == "sconet") return LitSconet;
  if (nom == "tsv") return ImporteComptes;
  if (nom == "journal") return RestaureJournalFuzz;
#ifdef CORRINOM_WITH_SQLITE
  if (nom == "base") return OuvreBase;
#endif
  return nullptr;
}

}  // namespace corrinom::fuzz
