// Where the system has no security services of its own, the portable ones stand in.
#include "accounts/security/services_securite_portable.h"

namespace corrinom {

std::unique_ptr<ServicesSecurite> ServicesSecuriteSysteme() {
  return std::make_unique<ServicesSecuritePortables>();
}

}  // namespace corrinom
