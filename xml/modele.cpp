// The document model: nodes, their owning lists, attributes and the declaration.
#include <string>
#include <unordered_set>
#include <utility>

#include "xml/lexique.h"
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
constexpr std::size_t kSeuilIndex = 16;
}  // namespace

TXMLAttributes::TXMLAttributes() = default;
TXMLAttributes::TXMLAttributes(ReserveXML* reserve) : items_(xmldetail::Allocateur<Element>(reserve)) {}
TXMLAttributes::~TXMLAttributes() = default;

TXMLAttribute* TXMLAttributes::Items(int index) const {
  if (index < 0 || index >= Count()) throw EListError(index);
  return items_[static_cast<std::size_t>(index)].get();
}

int TXMLAttributes::Add(std::unique_ptr<TXMLAttribute>&& attribute) {
  const std::string& nom = attribute->Name();
  if (nom.empty()) throw EXMLException("Attribute's name is empty.");
  if (index_) {
    if (index_->noms.count(nom)) throw EXMLException("Attribute " + nom + " already used.");
  } else {
    for (const auto& a : items_)
      if (a->Name() == nom) throw EXMLException("Attribute " + nom + " already used.");
  }
  items_.push_back(std::move(attribute));
  if (index_) {
    index_->noms.insert(items_.back()->Name());
  } else if (items_.size() >= kSeuilIndex) {
    index_ = std::make_unique<NameIndex>();
    index_->noms.reserve(items_.size() * 2);
    for (const auto& a : items_) index_->noms.insert(a->Name());
  }
  return Count() - 1;
}

void TXMLAttributes::Delete(int index) {
  if (index < 0 || index >= Count()) return;
  const auto it = items_.begin() + index;
  if (index_) index_->noms.erase((*it)->Name());
  items_.erase(it);
}

void TXMLAttributes::Clear() {
  while (!items_.empty()) Delete(Count() - 1);
  index_.reset();
}

// ---- TXMLNodes ----

TXMLNodes::TXMLNodes(TXMLNode* owner) : owner_(owner) {}
TXMLNodes::TXMLNodes(TXMLNode* owner, ReserveXML* reserve)
    : owner_(owner), items_(xmldetail::Allocateur<Element>(reserve)) {}

TXMLNodes::~TXMLNodes() {
  owner_ = nullptr;
  Clear();
}

TXMLNode* TXMLNodes::Items(int index) const {
  if (index < 0 || index >= Count()) throw EListError(index);
  return items_[static_cast<std::size_t>(index)].get();
}

int TXMLNodes::Add(std::unique_ptr<TXMLNode> node) {
  node->parentNodes_ = this;
  items_.push_back(std::move(node));
  return Count() - 1;
}

void TXMLNodes::Delete(int index) {
  if (index < 0 || index >= Count()) return;
  items_.erase(items_.begin() + index);
}

void TXMLNodes::Clear() {
  while (!items_.empty()) items_.pop_back();
}

// ---- TXMLNode ----

TXMLNode::TXMLNode(TXMLNodeKind kind) : TXMLNode(kind, nullptr) {}

TXMLNode::TXMLNode(TXMLNodeKind kind, ReserveXML* reserve) : kind_(kind), enReserve_(reserve != nullptr) {
  if (kind == nkElement) {
    extra_ = reserve ? new (reserve->Prend(sizeof(Lists))) Lists(this, reserve) : new Lists(this, nullptr);
  } else if (kind == nkText || kind == nkProcessingInstruction) {
    extra_ = reserve ? new (reserve->Prend(sizeof(std::string))) std::string() : new std::string();
  }
}

TXMLAttributes* TXMLNode::Lists::CreeAttributs() {
  ReserveXML* reserve = children.items_.get_allocator().reserve;
  attributes = reserve ? new (reserve->Prend(sizeof(TXMLAttributes))) TXMLAttributes(reserve)
                       : new TXMLAttributes(nullptr);
  return attributes;
}

TXMLNode::Lists::~Lists() {
  if (!attributes) return;
  if (children.items_.get_allocator().reserve) {
    attributes->~TXMLAttributes();
  } else {
    delete attributes;
  }
}

const std::string& TXMLNode::ChaineVide() {
  static const std::string vide;
  return vide;
}

namespace {
// Moves every child that has children of its own onto the stack.
void DetacheProfonds(std::vector<std::unique_ptr<TXMLNode>>& pile, std::unique_ptr<TXMLNode>* debut,
                     std::unique_ptr<TXMLNode>* fin) {
  for (auto* e = debut; e != fin; ++e)
    if (*e && (*e)->ChildCount() > 0) pile.push_back(std::move(*e));
}

// How many destructors of elements are running on this thread, one inside
// the other. Up to the bound a subtree is freed by plain recursion, which is
// the fastest way; below it, iteratively.
constexpr int kRecursionMax = 64;
thread_local int t_destructionsImbriquees = 0;
}  // namespace

// Past kRecursionMax levels, every child that has children is moved onto one
// explicit stack, and a node taken from the stack is destroyed only once its
// own such children have been moved there too: each of those destructors then
// frees leaves only, so the depth of the tree never becomes depth of the
// call stack.
TXMLNode::~TXMLNode() {
  if (std::string* v = valeur()) {
    if (enReserve_) {
      using std::string;
      v->~string();
    } else {
      delete v;
    }
    return;
  }
  Lists* l = lists();
  if (!l) return;
  auto& enfants = l->children.items_;
  if (t_destructionsImbriquees < kRecursionMax) {
    ++t_destructionsImbriquees;
    if (enReserve_) {
      l->~Lists();
    } else {
      delete l;
    }
    --t_destructionsImbriquees;
    return;
  }
  std::vector<std::unique_ptr<TXMLNode>> pile;
  DetacheProfonds(pile, enfants.data(), enfants.data() + enfants.size());
  while (!pile.empty()) {
    std::unique_ptr<TXMLNode> n = std::move(pile.back());
    pile.pop_back();
    auto& siens = n->lists()->children.items_;
    DetacheProfonds(pile, siens.data(), siens.data() + siens.size());
  }
  if (enReserve_) {
    l->~Lists();
  } else {
    delete l;
  }
}

void TXMLNode::operator delete(TXMLNode* p, std::destroying_delete_t) noexcept {
  const bool enReserve = p->enReserve_;
  p->~TXMLNode();
  if (enReserve) {
    ReserveXML::Rend(p, sizeof(TXMLNode));
  } else {
    ::operator delete(p);
  }
}

TXMLNode* TXMLNode::GetChild(int index) const {
  Lists* l = lists();
  if (!l || index < 0 || index >= l->children.Count()) return nullptr;
  return l->children.items_[static_cast<std::size_t>(index)].get();
}

TXMLNode* TXMLNode::AddChild(TXMLNodeKind kind) {
  if (!lists()) return nullptr;
  auto node = std::make_unique<TXMLNode>(kind);
  TXMLNode* n = node.get();
  lists()->children.Add(std::move(node));
  return n;
}

void TXMLNode::SetName(std::string_view s) {
  if (s == name_) return;
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
    case nkText:
      break;
  }
  name_.assign(s);
}

void TXMLNode::SetValue(std::string_view s) {
  std::string* value = valeur();
  if (!value || s == *value) return;
  switch (kind_) {
    case nkProcessingInstruction:
      value->assign(s);
      break;
    case nkText: {
      // s may be a view of this node's own Name or Value: the decoding is
      // done first (a refusal changes nothing), Value is assigned from s
      // before Name changes, and Name from a separate string.
      const std::string_view brut = xml::Rogne(s);
      if (brut.find('&') == std::string_view::npos) {
        // Both copies are made before either field changes.
        std::string copieValeur(brut);
        std::string copieNom(brut);
        *value = std::move(copieValeur);
        name_ = std::move(copieNom);
        break;
      }
      std::string decode = xml::DecodeReferences(brut);
      value->assign(brut);
      const std::string_view rogne = xml::Rogne(decode);
      if (rogne.size() == decode.size()) {
        name_ = std::move(decode);
      } else {
        name_.assign(rogne);
      }
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
