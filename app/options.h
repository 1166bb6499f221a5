// The window program's command line, shared with the Win32 shell (window/options.h).
#pragma once

#include "window/options.h"

namespace corrinom::app {
using fenetre::LitOptions;
using fenetre::OptionsLancement;
using fenetre::TexteAide;
using fenetre::TexteVersion;
}  // namespace corrinom::app
