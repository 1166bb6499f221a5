// Placeholder bodies; replaced by the real ones next.
#include "text/erreurs.h"

#include <string>

namespace corrinom {

std::string MessErreur(std::int32_t code) { return code == 0 ? std::string() : "Erreur n\xB0" + std::to_string(code); }

}  // namespace corrinom
