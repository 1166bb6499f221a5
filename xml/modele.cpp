// The document model: nodes, their owning lists, attributes and the declaration.
#include <string>
#include <unordered_set>
#include <utility>

#include "xml/lexique.h"
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

TXMLNode::TXMLNode(TXMLNodeKind kind) : kind_(kind) {
  if (kind == nkElement) lists_ = std::make_unique<Lists>(this);
}

// Destroying a child that still has children of its own would recurse once per
// level of nesting. Instead the whole subtree below this node is moved, level
// by level, onto one explicit stack, and each node is destroyed only once its
// children have been taken from it.
TXMLNode::~TXMLNode() {
  if (!lists_) return;
  std::vector<std::unique_ptr<TXMLNode>>& enfants = lists_->children.items_;
  bool profond = false;
  for (const auto& e : enfants)
    if (e->ChildCount() > 0) {
      profond = true;
      break;
    }
  if (!profond) return;
  std::vector<std::unique_ptr<TXMLNode>> pile = std::move(enfants);
  enfants.clear();
  while (!pile.empty()) {
    std::unique_ptr<TXMLNode> n = std::move(pile.back());
    pile.pop_back();
    if (n->lists_) {
      auto& sesEnfants = n->lists_->children.items_;
      for (auto& e : sesEnfants) pile.push_back(std::move(e));
      sesEnfants.clear();
    }
    // n has no children left: its own destructor frees only itself.
  }
}

TXMLNode* TXMLNode::GetChild(int index) const {
  if (!lists_ || index < 0 || index >= lists_->children.Count()) return nullptr;
  return lists_->children.items_[static_cast<std::size_t>(index)].get();
}

TXMLNode* TXMLNode::AddChild(TXMLNodeKind kind) {
  if (!lists_) return nullptr;
  auto node = std::make_unique<TXMLNode>(kind);
  TXMLNode* n = node.get();
  lists_->children.Add(std::move(node));
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
  if (s == value_) return;
  switch (kind_) {
    case nkProcessingInstruction:
      value_.assign(s);
      break;
    case nkText: {
      const std::string_view brut = xml::Rogne(s);
      std::string decode = xml::DecodeReferences(brut);
      const std::string_view rogne = xml::Rogne(decode);
      if (rogne.size() == decode.size()) {
        name_ = std::move(decode);
      } else {
        name_.assign(rogne);
      }
      value_.assign(brut);
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
