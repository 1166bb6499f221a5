// Composition of a Latin letter and a combining accent into one letter.
#pragma once

#include <cstdint>

namespace corrinom {

// The precomposed Latin letter for base followed by accent (e + U+0301 gives
// U+00E9, U+00EA + U+0323 gives U+1EC7), or 0 when there is none.
std::uint32_t ComposeLettre(std::uint32_t base, std::uint32_t accent);

// U+0300 to U+036F, the combining diacritical marks.
bool EstAccentCombinant(std::uint32_t codePoint);

}  // namespace corrinom
