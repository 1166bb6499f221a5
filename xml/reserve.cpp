#include "xml/reserve.h"

#include <algorithm>
#include <new>

#include "xml/xml.h"

#ifdef CORRINOM_XML_ASAN
#include <sanitizer/asan_interface.h>
#endif

namespace corrinom {

namespace {
#ifdef CORRINOM_XML_ASAN
void Empoisonne(const void* p, std::size_t n) { ASAN_POISON_MEMORY_REGION(p, n); }
void Desempoisonne(const void* p, std::size_t n) { ASAN_UNPOISON_MEMORY_REGION(p, n); }
#else
void Desempoisonne(const void*, std::size_t) {}
#endif

// Every object of the tree needs no more than a pointer's alignment.
constexpr std::size_t kAlignement = alignof(void*);
static_assert(alignof(TXMLNode) <= kAlignement && alignof(TXMLAttribute) <= kAlignement &&
              alignof(std::string) <= kAlignement);
constexpr std::size_t kPremierBloc = 16 * 1024;
constexpr std::size_t kBlocMax = 4 * 1024 * 1024;

// What stands before each object: its reserve, or nullptr for the heap
// (and, for the sanitizer, the object's size).
struct alignas(kAlignement) EnTete {
  ReserveXML* reserve;
#ifdef CORRINOM_XML_ASAN
  std::size_t taille;
#endif
};
}  // namespace

ReserveXML::~ReserveXML() { Libere(); }

// n is already rounded.
void* ReserveXML::PrendDansUnNouveauBloc(std::size_t n) {
  tailleBloc_ = tailleBloc_ == 0 ? kPremierBloc : std::min(tailleBloc_ * 2, kBlocMax);
  const std::size_t taille = std::max(tailleBloc_, n);
  blocs_.reserve(blocs_.size() + 1);
  char* bloc = static_cast<char*>(::operator new(taille));
  blocs_.push_back({bloc, taille});
  pos_ = bloc + n;
  fin_ = bloc + taille;
  return bloc;
}

#ifdef CORRINOM_XML_ASAN
void ReserveXML::Empoisonne(void* p, std::size_t n) noexcept { corrinom::Empoisonne(p, n); }
#endif

void ReserveXML::Libere() {
  for (const Bloc& b : blocs_) {
    Desempoisonne(b.debut, b.taille);
    ::operator delete(b.debut);
  }
  blocs_.clear();
  pos_ = fin_ = nullptr;
  tailleBloc_ = 0;
}

namespace xmldetail {

void* AlloueObjet(std::size_t octets, ReserveXML* reserve) {
  void* bloc;
  if (reserve) {
    bloc = reserve->Prend(sizeof(EnTete) + octets);
  } else {
    bloc = ::operator new(sizeof(EnTete) + octets);
  }
  static_cast<EnTete*>(bloc)->reserve = reserve;
#ifdef CORRINOM_XML_ASAN
  static_cast<EnTete*>(bloc)->taille = octets;
#endif
  return static_cast<char*>(bloc) + sizeof(EnTete);
}

void LibereObjet(void* p) noexcept {
  if (!p) return;
  auto* entete = reinterpret_cast<EnTete*>(static_cast<char*>(p) - sizeof(EnTete));
  if (entete->reserve) {
#ifdef CORRINOM_XML_ASAN
    Empoisonne(p, entete->taille);
#endif
  } else {
    ::operator delete(entete);
  }
}

}  // namespace xmldetail
}  // namespace corrinom
