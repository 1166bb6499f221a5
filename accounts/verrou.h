// One writer per account store on this machine: a system lock named after the
// store. The system holds it for the process that took it and drops it with the
// process, however that ends, so a crash leaves no stale lock.
//
//   Windows: the mutex Global\Corrinom-<digest>, seen from every login session.
//   Elsewhere: an exclusive flock on corrinom-<digest>.lock in $TMPDIR (else
//   /tmp), a file every user can open.
#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace corrinom {

// A lock taken; dropped when destroyed.
class VerrouMagasin {
 public:
  virtual ~VerrouMagasin() = default;
};

struct PriseVerrou {
  enum class Issue {
    Pris,        // `verrou` holds it
    DejaPris,    // another program holds it
    Impossible,  // the system would not make it (no temporary folder...)
  };
  Issue issue = Issue::Impossible;
  std::unique_ptr<VerrouMagasin> verrou;
};

// The 16 lower-case hex digits of FNV-1a 64 over the key's bytes: the lock's
// name may hold neither '\' nor '/', and its length must not grow with the key.
std::string EmpreinteVerrou(std::string_view cle);

// Tries once, without waiting.
PriseVerrou PrendsVerrouMagasin(std::string_view cle);

}  // namespace corrinom
