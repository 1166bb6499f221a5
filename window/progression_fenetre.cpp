#include "window/progression_fenetre.h"

#include <limits>

namespace corrinom::fenetre {

std::optional<int> FinBarre(std::size_t total) {
  if (total == 0 || total > static_cast<std::size_t>(std::numeric_limits<int>::max())) return std::nullopt;
  return static_cast<int>(total);
}

}  // namespace corrinom::fenetre
