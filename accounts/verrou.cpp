// The lock's name.
#include "accounts/verrou.h"

#include <cstdint>

namespace corrinom {

std::string EmpreinteVerrou(std::string_view cle) {
  std::uint64_t h = 14695981039346656037ull;
  for (const char c : cle) {
    h ^= static_cast<unsigned char>(c);
    h *= 1099511628211ull;
  }
  static constexpr char kChiffres[] = "0123456789abcdef";
  std::string r(16, '0');
  for (int i = 15; i >= 0; --i, h >>= 4) r[static_cast<std::size_t>(i)] = kChiffres[h & 0xF];
  return r;
}

}  // namespace corrinom
