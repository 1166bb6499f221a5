// The French text of an error code for the operator.
#pragma once

#include <cstdint>
#include <string>

namespace corrinom {

// The fixed table for our own codes and two network codes, else the operating
// system's text (trimmed, on one line), else "Erreur n°" and the code.
// Codes are signed: a status read as an unsigned value wraps to its negative.
std::string MessErreur(std::int32_t code);

}  // namespace corrinom
