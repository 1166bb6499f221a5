// ReserveXML: the memory of one parsed document's tree, taken from large
// blocks by moving a pointer, and the element names the tree shares. A parse
// makes millions of small objects that live and die together; the general
// allocator spends more time on them than the parse itself, and a header per
// object would cost more than many of the objects.
//
// Nothing is given back one object at a time: whoever places an object here
// runs its destructor when it is freed, and the document releases the blocks
// with Libere once every node of its tree is gone.
#pragma once

#include <array>
#include <cstddef>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "xml/lexique.h"

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
#ifdef CORRINOM_XML_ASAN
    // A poisoned word after each object, so that writing past one is caught.
    n += kZoneRouge;
#endif
    void* p;
    if (static_cast<std::size_t>(fin_ - pos_) < n) {
      p = PrendDansUnNouveauBloc(n);
    } else {
      p = pos_;
      pos_ += n;
    }
#ifdef CORRINOM_XML_ASAN
    Empoisonne(static_cast<char*>(p) + n - kZoneRouge, kZoneRouge);
#endif
    return p;
  }
  // Room for an object of type T, not yet constructed.
  template <class T>
  void* PrendPour() {
    static_assert(alignof(T) <= alignof(void*));
    return Prend(sizeof(T));
  }
  // The one string of the tree equal to nom, or nullptr once the tree
  // already shares kNomsPartagesMax names (each further name is then kept by
  // its own element, so that a flood of distinct names costs no table).
  std::string* NomPartage(std::string_view nom) {
    // Most names of a document are a few that come back again and again: a
    // small cache indexed by their length and end bytes answers most lookups
    // before any hashing.
    Recent& recent = recents_[IndiceRecent(nom)];
    if (recent.taille == nom.size() && recent.nom && xml::MemesOctets(recent.octets, nom.data(), nom.size()))
      return recent.nom;
    std::string* s = CherchePartage(nom);
    if (s) recent = {s->data(), s->size(), s};
    return s;
  }
  // Releases every block and every shared name: nothing taken from them may
  // be used any more.
  void Libere();
  // n bytes at p are no longer used (poisoned under AddressSanitizer).
  static void Rend([[maybe_unused]] void* p, [[maybe_unused]] std::size_t n) noexcept {
#ifdef CORRINOM_XML_ASAN
    Empoisonne(p, n);
#endif
  }

  static constexpr std::size_t kNomsPartagesMax = 65536;
#ifdef CORRINOM_XML_ASAN
  static constexpr std::size_t kZoneRouge = 8;
#endif

 private:
  void* PrendDansUnNouveauBloc(std::size_t n);
  static std::size_t IndiceRecent(std::string_view nom) {
    const std::size_t n = nom.size();
    if (n == 0) return 0;
    const auto octet = [&nom](std::size_t i) { return static_cast<std::size_t>(static_cast<unsigned char>(nom[i])); };
    return (n * 7 + octet(0) * 3 + octet(n - 1) * 5 + octet(n / 2) * 11) % kRecents;
  }
  std::string* CherchePartage(std::string_view nom);
  std::string* AjouteNom(std::string_view nom, std::size_t empreinte);
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

  // The shared names, and an open-addressed table of them (a power of two
  // of slots, at most half full).
  struct Case {
    std::size_t empreinte;
    std::string* nom;
  };
  std::deque<std::string> noms_;
  std::vector<Case> table_;
  static constexpr std::size_t kRecents = 128;
  // Each with a copy of its string's address and length, so that a lookup
  // reads the string's bytes without first reading the string.
  struct Recent {
    const char* octets;
    std::size_t taille;
    std::string* nom;
  };
  std::array<Recent, kRecents> recents_{};
};

}  // namespace corrinom
