// The letters of a new name that differ from the current one, for emphasis in
// the "Nouv. noms" and "Nouv. prénoms" columns.
#pragma once

#include <string_view>
#include <vector>

namespace corrinom {

// One flag per byte of `nouveau`: true for the bytes that a longest common
// subsequence of the two texts (byte by byte, nothing folded) leaves out.
// Beyond the common start and end, spans whose product of lengths exceeds
// kSurlignageMaximum are all flagged rather than compared.
std::vector<bool> LettresChangees(std::string_view nouveau, std::string_view actuel);

inline constexpr std::size_t kSurlignageMaximum = 1u << 20;

}  // namespace corrinom
