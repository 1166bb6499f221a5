// ReserveXML: the memory of one parsed document's nodes, attributes and list
// arrays, taken from large blocks by moving a pointer. A parse makes millions
// of small objects that live and die together; the general allocator spends
// more time on them than the parse itself.
//
// An attribute carries a small header naming its reserve, or none for one on
// the heap, so that delete finds where it came from; a node has a flag of its
// own. Nothing is given back one object at a time: the document releases the
// blocks with Libere once it has freed every node.
#pragma once

#include <cstddef>
#include <vector>

// Under AddressSanitizer, what the reserve takes back is poisoned, so that a
// node used after it was freed is caught as it would be on the heap.
#if defined(__SANITIZE_ADDRESS__)
#define CORRINOM_XML_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define CORRINOM_XML_ASAN 1
#endif
#endif

namespace corrinom {

class ReserveXML {
 public:
  ReserveXML() = default;
  ~ReserveXML();
  ReserveXML(const ReserveXML&) = delete;
  ReserveXML& operator=(const ReserveXML&) = delete;

  // n bytes aligned for a pointer; never nullptr (bad_alloc when memory runs out).
  void* Prend(std::size_t n) {
    n = (n + alignof(void*) - 1) & ~(alignof(void*) - 1);
    if (static_cast<std::size_t>(fin_ - pos_) < n) return PrendDansUnNouveauBloc(n);
    void* p = pos_;
    pos_ += n;
    return p;
  }
  // Releases every block: nothing taken from them may be used any more.
  void Libere();
  // n bytes at p are no longer used (poisoned under AddressSanitizer).
  static void Rend([[maybe_unused]] void* p, [[maybe_unused]] std::size_t n) noexcept {
#ifdef CORRINOM_XML_ASAN
    Empoisonne(p, n);
#endif
  }

 private:
  void* PrendDansUnNouveauBloc(std::size_t n);
#ifdef CORRINOM_XML_ASAN
  static void Empoisonne(void* p, std::size_t n) noexcept;
#endif

  struct Bloc {
    char* debut;
    std::size_t taille;
  };
  std::vector<Bloc> blocs_;
  char* pos_ = nullptr;
  char* fin_ = nullptr;
  std::size_t tailleBloc_ = 0;
};

}  // namespace corrinom
