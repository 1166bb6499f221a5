// The document model: nodes, their owning lists, attributes and the declaration.
#include <cstring>
#include <new>
#include <stdexcept>
#include <string>
#include <unordered_set>
#include <utility>
#include <vector>

#include "xml/lexique.h"
#include "xml/noeud.h"
#include "xml/reserve.h"
#include "xml/xml.h"

namespace corrinom {

EListError::EListError(int index)
    : std::out_of_range("Indice de liste hors limites (" + std::to_string(index) + ")") {}

EFOpenError::EFOpenError(const std::string& fileName)
    : std::runtime_error("Impossible d'ouvrir le fichier " + fileName) {}

EReadError::EReadError() : std::runtime_error("Erreur de lecture du flux") {}

// ---- TXMLAttribute, TXMLAttributes ----

TXMLAttribute::TXMLAttribute(std::string name, std::string value)
    : name_(std::move(name)), value_(std::move(value)) {}

// The names of a long attribute list, for a duplicate check in constant time.
// The views point into the attributes' own Name strings, which never change.
class TXMLAttributes::NameIndex {
 public:
  std::unordered_set<std::string_view> noms;
};

namespace {
// Below this many attributes a linear search is cheaper than a hash set.
constexpr std::uint32_t kSeuilIndex = 16;

// The capacity that follows n slots in a list's array.
std::uint32_t CapaciteSuivante(std::uint32_t n) {
  if (n >= 0x40000000u) throw std::length_error("XML list too long");
  return n < 4 ? 4 : 2 * n;
}
}  // namespace

TXMLAttributes::TXMLAttributes() = default;

TXMLAttributes::~TXMLAttributes() {
  for (std::uint32_t i = count_; i > 0; --i) Release(i - 1);
  if (!parsedArray_) ::operator delete(items_);
}

TXMLAttribute* TXMLAttributes::Items(int index) const {
  if (index < 0 || index >= Count()) throw EListError(index);
  return items_[index];
}

void TXMLAttributes::CheckName(const std::string& nom) const {
  if (nom.empty()) throw EXMLException("Attribute's name is empty.");
  if (index_) {
    if (index_->noms.count(nom)) throw EXMLException("Attribute " + nom + " already used.");
  } else {
    for (std::uint32_t i = 0; i < count_; ++i)
      if (items_[i]->Name() == nom) throw EXMLException("Attribute " + nom + " already used.");
  }
}

// The name was checked; grows the array on the heap when it is full.
void TXMLAttributes::Append(TXMLAttribute* attribute, bool parsed) {
  if (count_ == capacity_) {
    const std::uint32_t capacite = CapaciteSuivante(capacity_);
    auto** tableau = static_cast<TXMLAttribute**>(::operator new(capacite * sizeof(TXMLAttribute*)));
    if (count_ > 0) std::memcpy(tableau, items_, count_ * sizeof(TXMLAttribute*));
    if (!parsedArray_) ::operator delete(items_);
    items_ = tableau;
    capacity_ = capacite;
    parsedArray_ = false;
  }
  // The index first: when it cannot grow, the list is left as it was.
  if (index_) index_->noms.insert(attribute->Name());
  items_[count_++] = attribute;
  if (parsed) ++parsed_;
  if (!index_ && count_ >= kSeuilIndex) {
    // The index only speeds the check up: without the memory for it, the list
    // does without, and the attribute stays the list's.
    try {
      auto index = std::make_unique<NameIndex>();
      index->noms.reserve(2 * count_);
      for (std::uint32_t i = 0; i < count_; ++i) index->noms.insert(items_[i]->Name());
      index_ = std::move(index);
    } catch (const std::bad_alloc&) {
    }
  }
}

int TXMLAttributes::Add(std::unique_ptr<TXMLAttribute>&& attribute) {
  CheckName(attribute->Name());
  Append(attribute.get());
  attribute.release();
  return Count() - 1;
}

void TXMLAttributes::Release(std::uint32_t index) noexcept {
  TXMLAttribute* a = items_[index];
  if (index < parsed_) {
    a->~TXMLAttribute();
    ReserveXML::Rend(a, sizeof(TXMLAttribute));
  } else {
    delete a;
  }
}

void TXMLAttributes::Delete(int index) {
  if (index < 0 || index >= Count()) return;
  const auto i = static_cast<std::uint32_t>(index);
  if (index_) index_->noms.erase(items_[i]->Name());
  Release(i);
  std::memmove(items_ + i, items_ + i + 1, (count_ - i - 1) * sizeof(TXMLAttribute*));
  --count_;
  if (i < parsed_) --parsed_;
}

void TXMLAttributes::Clear() {
  while (count_ > 0) Delete(Count() - 1);
  index_.reset();
}

// ---- TXMLNodes ----

TXMLNodes::TXMLNodes(TXMLNode* owner) : owner_(owner) {}

TXMLNodes::~TXMLNodes() {
  owner_ = nullptr;
  Clear();
  if (capacity_ > 0) ::operator delete(items_);
}

TXMLNode* TXMLNodes::Items(int index) const {
  if (index < 0 || index >= Count()) throw EListError(index);
  return items_[index];
}

void TXMLNodes::Append(TXMLNode* node) {
  // A capacity of 0 is also that of the parse's exact array: always full.
  if (count_ == capacity_ || capacity_ == 0) {
    const std::uint32_t capacite = CapaciteSuivante(count_);
    auto** tableau = static_cast<TXMLNode**>(::operator new(capacite * sizeof(TXMLNode*)));
    if (count_ > 0) std::memcpy(tableau, items_, count_ * sizeof(TXMLNode*));
    if (capacity_ > 0) ::operator delete(items_);
    items_ = tableau;
    capacity_ = capacite;
  }
  node->parentNodes_ = this;
  items_[count_++] = node;
}

int TXMLNodes::Add(std::unique_ptr<TXMLNode> node) {
  Append(node.get());
  node.release();
  return Count() - 1;
}

void TXMLNodes::Delete(int index) {
  if (index < 0 || index >= Count()) return;
  const auto i = static_cast<std::uint32_t>(index);
  TXMLNode* n = items_[i];
  std::memmove(items_ + i, items_ + i + 1, (count_ - i - 1) * sizeof(TXMLNode*));
  --count_;
  TXMLNode::ReleaseTree(n);
}

void TXMLNodes::Clear() {
  while (count_ > 0) TXMLNode::ReleaseTree(items_[--count_]);
}

// ---- TXMLNode ----

TXMLNode::TXMLNode(TXMLNodeKind kind) : TXMLNode(kind, 0) {
  if (kind == nkElement) {
    auto listes = std::make_unique<Element>(this);
    name_ = new std::string();
    origin_ = origine::kNomSurTas;
    element_ = listes.release();
  } else {
    texte_ = new Texte();
    name_ = &texte_->nom;
  }
}

// Only the node's own parts: its children were freed already (ReleaseTree
// empties the list before it frees the element).
TXMLNode::~TXMLNode() {
  using namespace origine;
  if (kind_ != nkElement) {
    if (!texte_) return;
    if (origin_ & kPartiesEnReserve) {
      texte_->~Texte();
      ReserveXML::Rend(texte_, sizeof(Texte));
    } else {
      delete texte_;
    }
    return;
  }
  if (origin_ & kNomSurTas) {
    delete name_;
  } else if (origin_ & kNomEnReserve) {
    using std::string;
    name_->~string();
  }
  Element* e = element_;
  if (!e) return;
  if (e->attributes) {
    if (origin_ & kAttributsEnReserve) {
      e->attributes->~TXMLAttributes();
      ReserveXML::Rend(e->attributes, sizeof(TXMLAttributes));
    } else {
      delete e->attributes;
    }
  }
  if (origin_ & kPartiesEnReserve) {
    e->~Element();
    ReserveXML::Rend(e, sizeof(Element));
  } else {
    delete e;
  }
}

void TXMLNode::Release(TXMLNode* node) noexcept {
  if (node->origin_ & origine::kNoeudEnReserve) {
    node->~TXMLNode();
    ReserveXML::Rend(node, sizeof(TXMLNode));
  } else {
    delete node;
  }
}

// Frees the node and its subtree with an explicit stack of the elements
// being emptied, so that the depth of the tree never becomes depth of the
// call stack. The nodes are visited in document order, the order in which the
// parser placed them in memory; each is freed once its children are.
void TXMLNode::ReleaseTree(TXMLNode* node) noexcept {
  const auto aDesEnfants = [](const TXMLNode* n) {
    const Element* e = n->Lists();
    return e && e->children.count_ > 0;
  };
  if (!aDesEnfants(node)) {
    Release(node);
    return;
  }
  struct Cadre {
    TXMLNodes* enfants;
    std::uint32_t suivant;
  };
  std::vector<Cadre> pile{{&node->element_->children, 0}};
  while (!pile.empty()) {
    Cadre& cadre = pile.back();
    TXMLNodes& enfants = *cadre.enfants;
    if (cadre.suivant == enfants.count_) {
      enfants.count_ = 0;
      pile.pop_back();
      Release(enfants.owner_);
      continue;
    }
    TXMLNode* enfant = enfants.items_[cadre.suivant++];
    if (aDesEnfants(enfant)) {
      pile.push_back({&enfant->element_->children, 0});
    } else {
      Release(enfant);
    }
  }
}

TXMLNode::Element* TXMLNode::Lists() const { return kind_ == nkElement ? element_ : nullptr; }

const std::string& TXMLNode::Value() const {
  static const std::string vide;
  return (kind_ == nkText || kind_ == nkProcessingInstruction) ? texte_->valeur : vide;
}

// An element the parser left without lists gets them on the heap the first
// time they are asked for; the node was never made const, only seen so.
TXMLNodes* TXMLNode::Children() const {
  if (kind_ != nkElement) return nullptr;
  if (!element_) const_cast<TXMLNode*>(this)->element_ = new Element(const_cast<TXMLNode*>(this));
  return &element_->children;
}

TXMLAttributes* TXMLNode::Attributes() const {
  if (!Children()) return nullptr;
  if (!element_->attributes) element_->attributes = new TXMLAttributes();
  return element_->attributes;
}

int TXMLNode::AttributeCount() const {
  const Element* e = Lists();
  return e && e->attributes ? e->attributes->Count() : 0;
}

int TXMLNode::ChildCount() const {
  const Element* e = Lists();
  return e ? e->children.Count() : 0;
}

TXMLAttribute* TXMLNode::GetAttribute(int index) const {
  if (index < 0 || index >= AttributeCount()) return nullptr;
  return element_->attributes->Items(index);
}

TXMLNode* TXMLNode::GetChild(int index) const {
  if (index < 0 || index >= ChildCount()) return nullptr;
  return element_->children.items_[index];
}

TXMLNode* TXMLNode::AddChild(TXMLNodeKind kind) {
  if (kind_ != nkElement) return nullptr;
  TXMLNodes* enfants = Children();
  auto node = std::make_unique<TXMLNode>(kind);
  TXMLNode* n = node.get();
  enfants->Add(std::move(node));
  return n;
}

void TXMLNode::SetName(std::string_view s) {
  if (s == *name_) return;
  switch (kind_) {
    case nkProcessingInstruction:
      if (!xml::EstNomValide(s) || xml::EgalSansCasse(s, "xml"))
        throw EXMLException("Processing Instruction target name is not valid.");
      break;
    case nkCData:
      if (s.find("]]>") != std::string_view::npos) throw EXMLException("Illegal sequence ']]>' in CDATA.");
      break;
    case nkComment:
      if (s.find("--") != std::string_view::npos || (!s.empty() && s.back() == '-'))
        throw EXMLException("Illegal sequence '--' in comment.");
      break;
    case nkElement:
      if (!(origin_ & origine::kNomSurTas)) {
        // A shared name, or one in the reserve: the element gets its own.
        auto nom = std::make_unique<std::string>(s);
        if (origin_ & origine::kNomEnReserve) {
          using std::string;
          name_->~string();
        }
        name_ = nom.release();
        origin_ = static_cast<std::uint8_t>((origin_ & ~origine::kNomEnReserve) | origine::kNomSurTas);
        return;
      }
      break;
    case nkText:
      if (name_ != &texte_->nom) {
        // Name was shared with Value: it becomes its own.
        texte_->nom.assign(s);
        name_ = &texte_->nom;
        return;
      }
      break;
  }
  name_->assign(s);
}

void TXMLNode::SetValue(std::string_view s) {
  if (kind_ != nkText && kind_ != nkProcessingInstruction) return;
  std::string* value = &texte_->valeur;
  std::string& nom = texte_->nom;
  if (s == *value) return;
  switch (kind_) {
    case nkProcessingInstruction:
      value->assign(s);
      break;
    case nkText: {
      // s may be a view of this node's own Name or Value: the decoding is
      // done first (a refusal changes nothing), Value is assigned from s
      // before Name changes, and Name from a separate string. Name stops
      // sharing Value's string once both are set.
      const std::string_view brut = xml::Rogne(s);
      if (brut.find('&') == std::string_view::npos) {
        // Both copies are made before either field changes.
        std::string copieValeur(brut);
        std::string copieNom(brut);
        *value = std::move(copieValeur);
        nom = std::move(copieNom);
        name_ = &nom;
        break;
      }
      std::string decode = xml::DecodeReferences(brut);
      value->assign(brut);
      const std::string_view rogne = xml::Rogne(decode);
      if (rogne.size() == decode.size()) {
        nom = std::move(decode);
      } else {
        nom.assign(rogne);
      }
      name_ = &nom;
      break;
    }
    case nkElement:
    case nkComment:
    case nkCData:
      break;
  }
}

// ---- TXMLDeclaration ----

void TXMLDeclaration::SetVersion(std::string_view value) {
  if (value == version_) return;
  if (value != "1.0") throw EXMLException("Unsupported XML version, must be '1.0'.");
  version_.assign(value);
}

namespace {
bool EstLettreAscii(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

bool EstNomEncodage(std::string_view v) {
  if (v.empty() || !EstLettreAscii(v[0])) return false;
  for (char c : v.substr(1))
    if (!EstLettreAscii(c) && !(c >= '0' && c <= '9') && c != '.' && c != '_' && c != '-') return false;
  return true;
}
}  // namespace

void TXMLDeclaration::SetEncoding(std::string_view value) {
  if (value == encoding_) return;
  if (version_ != "1.0") version_ = "1.0";
  if (!EstNomEncodage(value)) throw EXMLException("Wrong XML encoding declaration.");
  encoding_.assign(value);
}

void TXMLDeclaration::SetStandalone(std::string_view value) {
  if (value == standalone_) return;
  if (version_ != "1.0") version_ = "1.0";
  if (value != "yes" && value != "no")
    throw EXMLException("Wrong XML standalone declaration, must be 'yes' or 'no'.");
  standalone_.assign(value);
}

void TXMLDeclaration::Clear() {
  version_.clear();
  encoding_.clear();
  standalone_.clear();
}

}  // namespace corrinom
