// libFuzzer target for the XML parser (built by scripts/fuzz).
#include <cstddef>
#include <cstdint>

#include "tests/xml/fuzz_entree.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  corrinom::test::ChargeEtVerifie(data, size);
  return 0;
}
