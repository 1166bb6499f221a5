// libFuzzer target (built by scripts/fuzz journal).
#include "tests/fuzz/entrees.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  corrinom::fuzz::RestaureJournalFuzz(data, size);
  return 0;
}
