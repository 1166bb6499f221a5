// The plain letter of a Latin letter that CP1252 does not have.
#pragma once

#include <cstdint>
#include <string_view>

namespace corrinom {

// The CP1252 letters (usually one ASCII letter, two for a ligature) that stand
// for codePoint, or an empty view when it is no Latin letter with such a base.
// The letters CP1252 itself has in that range (S or Z with caron, Y with
// diaeresis, the OE ligature, f with hook) are for the callers to look up first.
std::string_view LettreLatineDeBase(std::uint32_t codePoint);

}  // namespace corrinom
