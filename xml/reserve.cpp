#include "xml/reserve.h"

#include <algorithm>
#include <new>

#include "xml/xml.h"

namespace corrinom {

namespace {
// Every object of the tree needs no more than a pointer's alignment.
constexpr std::size_t kAlignement = alignof(void*);
static_assert(alignof(TXMLNode) <= kAlignement && alignof(TXMLAttribute) <= kAlignement &&
              alignof(std::string) <= kAlignement);
constexpr std::size_t kPremierBloc = 16 * 1024;
constexpr std::size_t kBlocMax = 4 * 1024 * 1024;

std::size_t Arrondi(std::size_t n) { return (n + kAlignement - 1) & ~(kAlignement - 1); }

// What stands before each object: its reserve, or nullptr for the heap.
struct alignas(kAlignement) EnTete {
  ReserveXML* reserve;
};
}  // namespace

ReserveXML::~ReserveXML() { Libere(); }

void* ReserveXML::Prend(std::size_t n) {
  n = Arrondi(n);
  if (static_cast<std::size_t>(fin_ - pos_) < n) {
    tailleBloc_ = tailleBloc_ == 0 ? kPremierBloc : std::min(tailleBloc_ * 2, kBlocMax);
    const std::size_t taille = std::max(tailleBloc_, n);
    blocs_.reserve(blocs_.size() + 1);
    char* bloc = static_cast<char*>(::operator new(taille));
    blocs_.push_back(bloc);
    pos_ = bloc;
    fin_ = bloc + taille;
  }
  void* p = pos_;
  pos_ += n;
  return p;
}

void ReserveXML::RendObjet() {
  if (--objets_ == 0) Libere();
}

void ReserveXML::Libere() {
  for (void* b : blocs_) ::operator delete(b);
  blocs_.clear();
  pos_ = fin_ = nullptr;
  tailleBloc_ = 0;
}

namespace xmldetail {

void* AlloueObjet(std::size_t octets, ReserveXML* reserve) {
  void* bloc;
  if (reserve) {
    bloc = reserve->Prend(sizeof(EnTete) + octets);
    reserve->CompteObjet();
  } else {
    bloc = ::operator new(sizeof(EnTete) + octets);
  }
  static_cast<EnTete*>(bloc)->reserve = reserve;
  return static_cast<char*>(bloc) + sizeof(EnTete);
}

void LibereObjet(void* p) noexcept {
  if (!p) return;
  auto* entete = reinterpret_cast<EnTete*>(static_cast<char*>(p) - sizeof(EnTete));
  if (entete->reserve) {
    entete->reserve->RendObjet();
  } else {
    ::operator delete(entete);
  }
}

// Arrays in the reserve are not counted: they belong to an object of the
// same reserve, which keeps the blocks alive; growing one leaves the old
// array unused until the blocks go.
void* AlloueTableau(std::size_t octets, ReserveXML* reserve) {
  if (reserve) return reserve->Prend(octets);
  return ::operator new(octets);
}

void LibereTableau(void* p, ReserveXML* reserve) noexcept {
  if (!reserve) ::operator delete(p);
}

}  // namespace xmldetail
}  // namespace corrinom
