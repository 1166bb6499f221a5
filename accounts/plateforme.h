// The platform the program runs on: the system's version, its system
// directory and its domain controller lookup, as start-up needs them.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace corrinom {

struct VersionSysteme {
  bool plateformeNT = true;
  std::uint32_t majeure = 10;
  std::uint32_t mineure = 0;
  bool estNT4() const { return plateformeNT && majeure == 4; }
};

struct PlateformeSysteme {
  VersionSysteme version;
  // GetSystemDirectory with 260 characters: nothing on failure.
  std::function<std::optional<std::string>()> demandeRepertoire;
  // NetGetDCName for the local machine and its primary domain: nothing on
  // failure. An empty function stands for an entry point that is absent.
  std::function<std::optional<std::string>()> netGetDCName;
  std::string repertoireEnCache;  // empty until first found
};

// The platform the program runs on.
PlateformeSysteme PlateformeCourante();

// The system directory, without trailing backslash.
std::string RepertoireSysteme(PlateformeSysteme& plateforme);

}  // namespace corrinom
