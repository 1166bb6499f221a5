#include "window/progression_fenetre.h"

#include <limits>

namespace corrinom::fenetre {

std::optional<int> FinBarre(std::size_t total) {
  if (total == 0 || total > static_cast<std::size_t>(std::numeric_limits<int>::max())) return std::nullopt;
  return static_cast<int>(total);
}

bool CadenceLecture::ADessiner(std::chrono::milliseconds maintenant, std::size_t lus, std::size_t total) {
  const bool complet = total != 0 && lus >= total;
  if (dessine_ && !complet && maintenant - *dessine_ < std::chrono::milliseconds(kIntervalleLecture)) return false;
  dessine_ = maintenant;
  return true;
}

}  // namespace corrinom::fenetre
