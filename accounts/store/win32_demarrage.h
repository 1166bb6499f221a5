// The Windows side of start-up: the system's version and the network library
// Netapi32.dll loaded from the system directory, with NetGetDCName and
// NetGetAnyDCName resolved by name. The library stays loaded as long as the
// platform's lookup does, and is unloaded with it at the end of the program.
#pragma once

#include "accounts/plateforme.h"

namespace corrinom {

// PlateformeCourante() on Windows: GetSystemDirectoryW with 260 characters for
// the system directory, then BrancheReseauWin32.

// The running system's platform and version numbers.
VersionSysteme VersionWin32();

// Sets `plateforme.version`, and `plateforme.netGetDCName` when the library and
// its entry point were found (left empty otherwise, which start-up reads as an
// absent entry point). Uses RepertoireSysteme(plateforme) for the library's path.
void BrancheReseauWin32(PlateformeSysteme& plateforme);

}  // namespace corrinom
