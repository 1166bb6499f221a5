#include "session/progression.h"

namespace corrinom {

std::string TexteLecture(std::size_t lus, std::size_t total) {
  std::string t(kTitreLecture);
  t += ' ';
  t += std::to_string(lus);
  if (total != 0) t += " / " + std::to_string(total);
  return t;
}

std::string TexteEcriture(std::size_t ecrits, std::size_t total) {
  return "\xC9" "criture des changements : " + std::to_string(ecrits) + " / " +
         std::to_string(total);
}

}  // namespace corrinom
