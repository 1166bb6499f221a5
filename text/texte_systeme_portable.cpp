// Placeholder bodies; replaced by the real ones next.
#include "text/texte_systeme.h"

namespace corrinom {

std::string TexteSysteme(std::uint32_t) { return {}; }

}  // namespace corrinom
