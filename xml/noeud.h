// How a node keeps what only some kinds have, and where each part lives.
//
// A node is four words: its Name, its ParentNodes, a pointer to its parts and
// its kind. An element's parts are its two lists, made only once it has a
// child or an attribute (or they are asked for), so that an empty element
// costs the node alone. The other kinds' parts are their Name and Value.
//
// A node the parser made lies in its document's ReserveXML, and so do the
// parts the parser gave it; an element it made shares its Name with every
// element of the same name. Anything made afterwards (a node from new, parts
// asked for later, a new element name) is on the heap and owned by the node.
// origin_ says which is which, so that freeing a node frees exactly what
// belongs to it.
#pragma once

#include <string>

#include "xml/xml.h"

namespace corrinom {

// Bits of TXMLNode::origin_.
namespace origine {
// The node itself lies in its document's reserve.
inline constexpr std::uint8_t kNoeudEnReserve = 1;
// element_ or texte_ lies in the reserve (otherwise on the heap).
inline constexpr std::uint8_t kPartiesEnReserve = 2;
// The element's attribute list lies in the reserve.
inline constexpr std::uint8_t kAttributsEnReserve = 4;
// The element's name_ is its own string on the heap.
inline constexpr std::uint8_t kNomSurTas = 8;
// The element's name_ is its own string in the reserve (a document with
// more distinct names than the reserve shares).
inline constexpr std::uint8_t kNomEnReserve = 16;
}  // namespace origine

struct TXMLNode::Element {
  explicit Element(TXMLNode* owner) : children(owner) {}
  TXMLNodes children;
  TXMLAttributes* attributes = nullptr;
};

struct TXMLNode::Texte {
  std::string nom;
  std::string valeur;
};

}  // namespace corrinom
