// ReserveXML: the memory of one parsed document's nodes, attributes and list
// arrays, taken from large blocks by moving a pointer. A parse makes millions
// of small objects that live and die together; the general allocator spends
// more time on them than the parse itself.
//
// Every object (not array) carries a small header naming its reserve, or
// none for an object on the heap, so that delete finds where it came from.
// The blocks are released when the last object of the reserve is freed.
#pragma once

#include <cstddef>
#include <vector>

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
  void CompteObjet() { ++objets_; }
  // One object freed; the last one releases every block.
  void RendObjet();

 private:
  void* PrendDansUnNouveauBloc(std::size_t n);
  void Libere();

  struct Bloc {
    char* debut;
    std::size_t taille;
  };
  std::vector<Bloc> blocs_;
  char* pos_ = nullptr;
  char* fin_ = nullptr;
  std::size_t objets_ = 0;
  std::size_t tailleBloc_ = 0;
};

}  // namespace corrinom
