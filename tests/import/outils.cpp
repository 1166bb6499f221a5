#include "outils.h"

#include <atomic>
#include <fstream>
#include <random>

namespace corrinom::test {

DossierTemporaire::DossierTemporaire() {
  static std::atomic<int> compteur{0};
  std::random_device alea;
  chemin_ = std::filesystem::temp_directory_path() /
            ("corrinom-import-" + std::to_string(alea()) + "-" + std::to_string(++compteur));
  std::filesystem::create_directories(chemin_);
}

DossierTemporaire::~DossierTemporaire() {
  std::error_code ec;
  std::filesystem::permissions(chemin_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ec);
  std::filesystem::remove_all(chemin_, ec);
}

std::string DossierTemporaire::ecrit(std::string_view nom, std::string_view octets) const {
  const std::filesystem::path p = chemin_ / nom;
  std::ofstream f(p, std::ios::binary | std::ios::trunc);
  f.write(octets.data(), static_cast<std::streamsize>(octets.size()));
  return p.string();
}

}  // namespace corrinom::test
