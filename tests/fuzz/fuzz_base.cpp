// libFuzzer target (built by scripts/fuzz base).
#include "tests/fuzz/entrees.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  corrinom::fuzz::OuvreBase(data, size);
  return 0;
}
