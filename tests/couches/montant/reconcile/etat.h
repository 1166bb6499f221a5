// A file of the lower library that includes a header of a library above it.
#pragma once
#include "session/ecriture.h"
