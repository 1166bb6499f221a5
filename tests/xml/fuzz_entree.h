// The one entry point that the fuzzer and the corpus replay share.
#pragma once

#include <cstddef>
#include <cstdint>

namespace corrinom::test {

// Loads the bytes as a document and checks the model's invariants: a load
// leaves one root element and a consistent tree, a refusal a cleared
// document. Aborts on a broken invariant; any exception other than
// EXMLException escapes.
void ChargeEtVerifie(const std::uint8_t* data, std::size_t size);

}  // namespace corrinom::test
