// The XML document model: a document with its declaration and a tree of nodes
// held in owning lists. The parser (LoadFromFile) builds the tree through the
// same write operations that callers see; nothing here turns a tree back into
// text.
//
// Every string is single-byte text (CP1252 inside the core). Comparisons are
// exact, case-sensitive byte comparisons unless a comment says otherwise.
#pragma once

#include <cstdint>
#include <memory>
#include <new>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "xml/reserve.h"

namespace corrinom {

// A refusal of the parser or of the model. Its messages are English.
class EXMLException : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The general list-index error: "Indice de liste hors limites (%d)".
class EListError : public std::out_of_range {
 public:
  explicit EListError(int index);
};

// The file system's errors while loading: "Impossible d'ouvrir le fichier %s"
// when the file cannot be opened, "Erreur de lecture du flux" when it cannot be
// read. They are not EXMLException.
class EFOpenError : public std::runtime_error {
 public:
  explicit EFOpenError(const std::string& fileName);
};
class EReadError : public std::runtime_error {
 public:
  EReadError();
};

// Node kinds; the codes 0 to 4 are fixed.
enum TXMLNodeKind : std::uint8_t {
  nkElement = 0,
  nkComment = 1,
  nkText = 2,
  nkCData = 3,
  nkProcessingInstruction = 4,
};

// Deepest element nesting a document may have (the root is level 1).
inline constexpr int kProfondeurMaxXML = 10000;

class TXMLNode;
class TXMLNodes;

// Where the parser puts the nodes of one document (xml/reserve.h). Nodes made
// with new or make_unique live on the heap as usual; both kinds are freed
// with delete. The reserve's memory goes back when its document is cleared,
// once every node of the document has been freed.
namespace xmldetail {
void* AlloueObjet(std::size_t octets, ReserveXML* reserve);
void LibereObjet(void* p) noexcept;
// Arrays in the reserve are not counted: they belong to an object of the
// same reserve; growing one leaves the old array unused until the blocks go.
inline void* AlloueTableau(std::size_t octets, ReserveXML* reserve) {
  return reserve ? reserve->Prend(octets) : ::operator new(octets);
}
inline void LibereTableau(void* p, std::size_t octets, ReserveXML* reserve) noexcept {
  if (reserve) {
    ReserveXML::Rend(p, octets);
  } else {
    ::operator delete(p);
  }
}

// The allocator of the lists' arrays: from the reserve when the list belongs
// to a parsed node, from the heap otherwise.
template <class T>
struct Allocateur {
  using value_type = T;
  ReserveXML* reserve = nullptr;
  Allocateur() = default;
  explicit Allocateur(ReserveXML* r) : reserve(r) {}
  template <class U>
  Allocateur(const Allocateur<U>& autre) : reserve(autre.reserve) {}
  T* allocate(std::size_t n) { return static_cast<T*>(AlloueTableau(n * sizeof(T), reserve)); }
  void deallocate(T* p, std::size_t n) noexcept { LibereTableau(p, n * sizeof(T), reserve); }
  template <class U>
  bool operator==(const Allocateur<U>& autre) const {
    return reserve == autre.reserve;
  }
};

// The base of the attributes: they allocate through it, so that the parser
// can place them in its reserve while delete works the same for all.
struct ObjetEnReserve {
  static void* operator new(std::size_t n) { return AlloueObjet(n, nullptr); }
  static void* operator new(std::size_t n, ReserveXML* r) { return AlloueObjet(n, r); }
  static void operator delete(void* p) noexcept { LibereObjet(p); }
  static void operator delete(void* p, ReserveXML*) noexcept { LibereObjet(p); }
};
}  // namespace xmldetail

class TXMLAttribute : public xmldetail::ObjetEnReserve {
 public:
  TXMLAttribute(std::string name, std::string value);

  const std::string& Name() const { return name_; }
  // Exactly as written between the quotes; references are not decoded.
  const std::string& Value() const { return value_; }

 private:
  friend class XMLAnalyseur;
  // The parser's: both strings made straight from its text.
  struct DepuisTexte {};
  TXMLAttribute(std::string_view name, std::string_view value, DepuisTexte)
      : name_(name), value_(value) {}
  std::string name_;
  std::string value_;
};

// An owning list of attributes, indexed from 0. No two have the same Name and
// no Name is empty.
class TXMLAttributes {
 public:
  TXMLAttributes();
  explicit TXMLAttributes(ReserveXML* reserve);
  ~TXMLAttributes();
  TXMLAttributes(const TXMLAttributes&) = delete;
  TXMLAttributes& operator=(const TXMLAttributes&) = delete;

  int Count() const { return static_cast<int>(items_.size()); }
  // Raises EListError outside 0 .. Count - 1.
  TXMLAttribute* Items(int index) const;
  // Takes the attribute and returns its index. Raises EXMLException with
  // "Attribute's name is empty." or "Attribute %s already used."; a refused
  // attribute stays with the caller (the pointer is not moved from).
  int Add(std::unique_ptr<TXMLAttribute>&& attribute);
  // Frees the attribute at index; any other index is ignored.
  void Delete(int index);
  void Clear();

 private:
  class NameIndex;
  using Element = std::unique_ptr<TXMLAttribute>;
  std::vector<Element, xmldetail::Allocateur<Element>> items_;
  // Built only once the list grows past a few items, so that the duplicate
  // check of a huge attribute list is not quadratic.
  std::unique_ptr<NameIndex> index_;
};

// An owning list of nodes, indexed from 0. Owner is the element whose
// children it holds, none for a document's top-level list.
class TXMLNodes {
 public:
  explicit TXMLNodes(TXMLNode* owner);
  TXMLNodes(TXMLNode* owner, ReserveXML* reserve);
  ~TXMLNodes();
  TXMLNodes(const TXMLNodes&) = delete;
  TXMLNodes& operator=(const TXMLNodes&) = delete;

  TXMLNode* Owner() const { return owner_; }
  int Count() const { return static_cast<int>(items_.size()); }
  // Raises EListError outside 0 .. Count - 1.
  TXMLNode* Items(int index) const;
  // Sets the node's ParentNodes to this list, takes it and returns its index.
  int Add(std::unique_ptr<TXMLNode> node);
  // Frees the node at index and its subtree; any other index is ignored.
  void Delete(int index);
  // Deletes the last item until the list is empty.
  void Clear();

 private:
  friend class TXMLNode;
  friend class XMLAnalyseur;
  using Element = std::unique_ptr<TXMLNode>;
  TXMLNode* owner_;
  std::vector<Element, xmldetail::Allocateur<Element>> items_;
};

class TXMLNode {
 public:
  static void* operator new(std::size_t n) { return ::operator new(n); }
  // Only for a constructor that throws in a new-expression of the heap.
  static void operator delete(void* p) noexcept { ::operator delete(p); }
  // delete: a node knows whether it lies in a reserve, so it carries no
  // header saying where it came from.
  static void operator delete(TXMLNode* p, std::destroying_delete_t) noexcept;

  // Name and Value empty, no ParentNodes; an element gets an empty attribute
  // list and an empty child list, every other kind neither.
  explicit TXMLNode(TXMLNodeKind kind);
  // Frees the subtree without recursing once per level.
  ~TXMLNode();
  TXMLNode(const TXMLNode&) = delete;
  TXMLNode& operator=(const TXMLNode&) = delete;

  TXMLNodeKind Kind() const { return kind_; }
  // Element: its name. Comment and CDATA: the content. Text: the character
  // data with references decoded, trimmed. Processing instruction: the target.
  const std::string& Name() const { return name_; }
  // Text: the raw character data, trimmed. Processing instruction: the data
  // after the target. Empty for every other kind.
  const std::string& Value() const { return valeur() ? *valeur() : ChaineVide(); }
  // Present for elements only (nullptr otherwise).
  TXMLAttributes* Attributes() const { return lists() ? lists()->Attributs() : nullptr; }
  TXMLNodes* Children() const { return lists() ? &lists()->children : nullptr; }
  // The list that holds this node, none until it is added to one.
  TXMLNodes* ParentNodes() const { return parentNodes_; }

  // The number of children; 0 for a node that is not an element.
  int ChildCount() const { return lists() ? lists()->children.Count() : 0; }
  // The child at index, or nullptr when the index is out of range. Never raises.
  TXMLNode* GetChild(int index) const;
  // Creates a node of that kind and appends it to this element's children.
  // A node that is not an element has no children: nullptr, nothing created.
  TXMLNode* AddChild(TXMLNodeKind kind);

  // Validated by kind before anything changes (EXMLException on refusal):
  // a processing-instruction target must be a valid name other than "xml" in
  // any letter case; CDATA must not contain "]]>"; a comment must neither
  // contain "--" nor end with "-". Setting the current Name again never raises.
  void SetName(std::string_view s);
  // Processing instruction: stores s. Text: decodes the trimmed s, then stores
  // the trimmed s as Value and the trimmed decoding as Name (neither changes
  // when the decoding fails). Other kinds: no effect. Setting the current
  // Value again does nothing.
  void SetValue(std::string_view s);

 private:
  friend class TXMLNodes;
  friend class XMLAnalyseur;
  // Most elements never have an attribute: their attribute list is made the
  // first time it is asked for, in the same reserve as the children's array.
  struct Lists {
    Lists(TXMLNode* owner, ReserveXML* reserve) : children(owner, reserve) {}
    ~Lists();
    Lists(const Lists&) = delete;
    Lists& operator=(const Lists&) = delete;
    TXMLAttributes* Attributs() { return attributes ? attributes : CreeAttributs(); }
    TXMLAttributes* CreeAttributs();
    TXMLNodes children;
    TXMLAttributes* attributes = nullptr;
  };
  // A node made by the parser: its lists' arrays come from the same reserve.
  TXMLNode(TXMLNodeKind kind, ReserveXML* reserve);
  // The parser's: in the reserve, with its Name (and, for a text or a
  // processing instruction, its Value) already known to be valid.
  TXMLNode(TXMLNodeKind kind, ReserveXML* reserve, std::string_view name, std::string_view value);

  // What only some kinds have lives beside the node, so that the many text
  // nodes of a document do not carry empty lists, nor elements an empty value.
  Lists* lists() const { return kind_ == nkElement ? static_cast<Lists*>(extra_) : nullptr; }
  std::string* valeur() const {
    return kind_ == nkText || kind_ == nkProcessingInstruction ? static_cast<std::string*>(extra_) : nullptr;
  }
  static const std::string& ChaineVide();

  std::string name_;
  TXMLNodes* parentNodes_ = nullptr;
  // The Lists of an element, the Value of a text or processing instruction,
  // nothing for the other kinds; in the node's reserve when it has one.
  void* extra_ = nullptr;
  TXMLNodeKind kind_;
  // The node and its extra were placed in a reserve by the parser.
  bool enReserve_ = false;
};

class TXMLDeclaration {
 public:
  // Either empty or "1.0".
  const std::string& Version() const { return version_; }
  const std::string& Encoding() const { return encoding_; }
  const std::string& Standalone() const { return standalone_; }

  // Each checks the new value only when it differs from the current one.
  // Version must be "1.0"; Encoding an ASCII letter followed by letters,
  // digits, ".", "_" or "-"; Standalone "yes" or "no". Encoding and Standalone
  // set Version to "1.0" first.
  void SetVersion(std::string_view value);
  void SetEncoding(std::string_view value);
  void SetStandalone(std::string_view value);
  void Clear();

 private:
  std::string version_;
  std::string encoding_;
  std::string standalone_;
};

class TXMLDoc {
 public:
  TXMLDoc();
  virtual ~TXMLDoc();
  TXMLDoc(const TXMLDoc&) = delete;
  TXMLDoc& operator=(const TXMLDoc&) = delete;

  // The name last given to LoadFromFile; Clear does not empty it.
  const std::string& FileName() const { return fileName_; }
  const TXMLDeclaration& Declaration() const { return declaration_; }
  TXMLDeclaration& Declaration() { return declaration_; }
  // The top-level nodes: after a load, one root element and the comments and
  // processing instructions around it.
  const TXMLNodes& Nodes() const { return nodes_; }
  TXMLNodes& Nodes() { return nodes_; }

  // Empties the declaration and frees every node. FileName stays.
  void Clear();
  // Clear, store the name, and (unless it is empty) read the file and build
  // the tree. A refused document is left cleared and EXMLException is raised;
  // a file that cannot be opened or read raises EFOpenError or EReadError.
  // The name is passed to the operating system as it is.
  void LoadFromFile(const std::string& fileName);
  // The same parse over bytes already in memory, as if they were a file's
  // whole content. FileName is not changed.
  void LoadFromMemory(std::string_view bytes);

 private:
  friend class XMLAnalyseur;
  std::string fileName_;
  TXMLDeclaration declaration_;
  // Declared before nodes_ so that it outlives every node placed in it.
  std::unique_ptr<ReserveXML> reserve_;
  TXMLNodes nodes_;
};


}  // namespace corrinom
