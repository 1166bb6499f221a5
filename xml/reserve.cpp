#include "xml/reserve.h"

#include <algorithm>
#include <functional>
#include <new>
#include <utility>

#ifdef CORRINOM_XML_ASAN
#include <sanitizer/asan_interface.h>
#endif

namespace corrinom {

namespace {
#ifdef CORRINOM_XML_ASAN
void Desempoisonne(const void* p, std::size_t n) { ASAN_UNPOISON_MEMORY_REGION(p, n); }
#else
void Desempoisonne(const void*, std::size_t) {}
#endif

constexpr std::size_t kPremierBloc = 16 * 1024;
constexpr std::size_t kBlocMax = 4 * 1024 * 1024;
constexpr std::size_t kPremiereTable = 64;
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
void ReserveXML::Empoisonne(void* p, std::size_t n) noexcept { ASAN_POISON_MEMORY_REGION(p, n); }
#endif

std::string* ReserveXML::CherchePartage(std::string_view nom) {
  const std::size_t empreinte = std::hash<std::string_view>{}(nom);
  if (!table_.empty()) {
    const std::size_t masque = table_.size() - 1;
    for (std::size_t i = empreinte & masque;; i = (i + 1) & masque) {
      const Case& c = table_[i];
      if (!c.nom) break;
      if (c.empreinte == empreinte && *c.nom == nom) return c.nom;
    }
  }
  if (noms_.size() >= kNomsPartagesMax) return nullptr;
  return AjouteNom(nom, empreinte);
}

std::string* ReserveXML::AjouteNom(std::string_view nom, std::size_t empreinte) {
  if (2 * (noms_.size() + 1) > table_.size()) {
    std::vector<Case> ancienne = std::exchange(table_, std::vector<Case>(std::max(kPremiereTable, 2 * table_.size())));
    const std::size_t masque = table_.size() - 1;
    for (const Case& c : ancienne) {
      if (!c.nom) continue;
      std::size_t i = c.empreinte & masque;
      while (table_[i].nom) i = (i + 1) & masque;
      table_[i] = c;
    }
  }
  std::string* s = &noms_.emplace_back(nom);
  const std::size_t masque = table_.size() - 1;
  std::size_t i = empreinte & masque;
  while (table_[i].nom) i = (i + 1) & masque;
  table_[i] = {empreinte, s};
  return s;
}

void ReserveXML::Libere() {
  for (const Bloc& b : blocs_) {
    Desempoisonne(b.debut, b.taille);
    ::operator delete(b.debut);
  }
  blocs_.clear();
  pos_ = fin_ = nullptr;
  tailleBloc_ = 0;
  recents_.fill({});
  std::deque<std::string>().swap(noms_);
  std::vector<Case>().swap(table_);
}

}  // namespace corrinom
