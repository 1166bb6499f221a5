// The empty store of the window program, shared with the Win32 shell (window/magasin_vide.h).
#pragma once

#include "window/magasin_vide.h"

namespace corrinom::app {
using fenetre::MagasinVide;
}  // namespace corrinom::app
