// libFuzzer target (built by scripts/fuzz tsv).
#include "tests/fuzz/entrees.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  corrinom::fuzz::ImporteComptes(data, size);
  return 0;
}
