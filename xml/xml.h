// The XML document model and its reader: a document with its declaration
// and a tree of nodes held in owning lists, read from a file or from bytes.
//
// What it promises. LoadFromFile and LoadFromMemory either build the whole
// tree or leave the document cleared and raise EXMLException with an English
// message; no input makes them crash, hang or recurse without bound. A
// document is refused beyond 10,000 levels of elements or 10,000,000 nodes.
// The bytes are turned into CP1252 when the file is declared UTF-8 or
// ISO-8859-15, starts with a UTF-8 byte-order mark, or names no encoding and
// holds well-formed UTF-8; any other file keeps its bytes. A tree the parser
// built and a tree made with new and the write operations behave the same:
// every node, list and attribute can be read, changed and freed alike.
//
// What it costs. One pass over the bytes, plus one over them for a
// conversion. The text of the file is held while the tree is built. A node
// takes four words and an element's lists four more, made only once it has
// children or attributes; element names are shared. While a file is read,
// memory peaks at about 15 bytes per byte of input for a flood of empty
// elements and about 6 for a Sconet export; the finished tree of such an
// export keeps about 4. Freeing a tree visits every node once, in document
// order.
//
// What it leaves out. No DTD (a DOCTYPE is refused), no namespaces, no
// entities beyond the five predefined ones and numeric references (others
// stay as written), no decoding of attribute values, and nothing turns a tree
// back into text. Encodings other than those above are not converted. A
// document may be read from several threads only while nobody changes it,
// and a parsed element's lists are made on first request by Attributes and
// Children, which is a change.
//
// Every string is single-byte text (CP1252 inside the core). Comparisons are
// exact, case-sensitive byte comparisons unless a comment says otherwise.
#pragma once

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

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
// Most nodes a document may have, of every kind; attributes are not nodes.
inline constexpr int kNoeudsMaxXML = 10000000;

class TXMLNode;
class TXMLNodes;
class ReserveXML;
class XMLAnalyseur;

class TXMLAttribute {
 public:
  TXMLAttribute(std::string name, std::string value);

  const std::string& Name() const { return name_; }
  // Exactly as written between the quotes; references are not decoded.
  const std::string& Value() const { return value_; }

 private:
  friend class XMLAnalyseur;
  std::string name_;
  std::string value_;
};

// An owning list of attributes, indexed from 0. No two have the same Name and
// no Name is empty.
class TXMLAttributes {
 public:
  TXMLAttributes();
  ~TXMLAttributes();
  TXMLAttributes(const TXMLAttributes&) = delete;
  TXMLAttributes& operator=(const TXMLAttributes&) = delete;

  int Count() const { return static_cast<int>(count_); }
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
  friend class XMLAnalyseur;
  class NameIndex;
  void CheckName(const std::string& name) const;
  // parsed: the attribute lies in the document's reserve, and so does the
  // array, which the caller made large enough.
  void Append(TXMLAttribute* attribute, bool parsed = false);
  void Release(std::uint32_t index) noexcept;

  TXMLAttribute** items_ = nullptr;
  std::uint32_t count_ = 0;
  std::uint32_t capacity_ = 0;
  // The first parsed_ items were made by a parse and belong to the document.
  std::uint32_t parsed_ = 0;
  // items_ was made by a parse and belongs to the document.
  bool parsedArray_ = false;
  // Built only once the list grows past a few items, so that the duplicate
  // check of a huge attribute list is not quadratic.
  std::unique_ptr<NameIndex> index_;
};

// An owning list of nodes, indexed from 0. Owner is the element whose
// children it holds, none for a document's top-level list.
class TXMLNodes {
 public:
  explicit TXMLNodes(TXMLNode* owner);
  ~TXMLNodes();
  TXMLNodes(const TXMLNodes&) = delete;
  TXMLNodes& operator=(const TXMLNodes&) = delete;

  TXMLNode* Owner() const { return owner_; }
  int Count() const { return static_cast<int>(count_); }
  // Raises EListError outside 0 .. Count - 1.
  TXMLNode* Items(int index) const;
  // Sets the node's ParentNodes to this list, takes it and returns its index.
  int Add(std::unique_ptr<TXMLNode> node);
  // Frees the node at index and its subtree; any other index is ignored.
  void Delete(int index);
  // Frees every node, the last first.
  void Clear();

 private:
  friend class TXMLNode;
  friend class XMLAnalyseur;
  void Append(TXMLNode* node);

  TXMLNode* owner_;
  TXMLNode** items_ = nullptr;
  std::uint32_t count_ = 0;
  // 0 while items_ is the array a parse made at its exact size, which belongs
  // to the document; the first Add moves the items to an array of the heap.
  std::uint32_t capacity_ = 0;
};

class TXMLNode {
 public:
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
  const std::string& Name() const { return *name_; }
  // Text: the raw character data, trimmed. Processing instruction: the data
  // after the target. Empty for every other kind.
  const std::string& Value() const;
  // Present for elements only (nullptr otherwise). A parsed element without
  // attributes or children gets its list the first time it is asked for, so
  // a walk that only reads prefers AttributeCount, ChildCount and GetChild.
  TXMLAttributes* Attributes() const;
  TXMLNodes* Children() const;
  // The list that holds this node, none until it is added to one.
  TXMLNodes* ParentNodes() const { return parentNodes_; }

  // The number of attributes, of children; 0 for a node that is not an element.
  int AttributeCount() const;
  int ChildCount() const;
  // The attribute or child at index, or nullptr when the index is out of
  // range. Never raises.
  TXMLAttribute* GetAttribute(int index) const;
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
  // What only some kinds have (xml/noeud.h): an element's two lists, the
  // Name and Value strings of the other kinds.
  struct Element;
  struct Texte;
  TXMLNode(TXMLNodeKind kind, std::uint8_t origin)
      : name_(nullptr), element_(nullptr), kind_(kind), origin_(origin) {}
  Element* Lists() const;
  static void Release(TXMLNode* node) noexcept;
  static void ReleaseTree(TXMLNode* node) noexcept;

  std::string* name_;
  TXMLNodes* parentNodes_ = nullptr;
  // By kind_: an element's lists (made when first needed), or the strings of
  // any other kind.
  union {
    Element* element_;
    Texte* texte_;
  };
  TXMLNodeKind kind_;
  // Which of the node's parts a parse made in its document's memory and which
  // the node holds on the heap (bits of xml/noeud.h).
  std::uint8_t origin_;
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
  // The memory of the parsed tree (xml/reserve.h); declared before nodes_ so
  // that it outlives every node placed in it.
  std::unique_ptr<ReserveXML> reserve_;
  TXMLNodes nodes_;
};


}  // namespace corrinom
