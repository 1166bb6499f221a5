#include "tests/xml/fuzz_entree.h"

#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "xml/xml.h"

namespace corrinom::test {
namespace {

void Exige(bool condition, const char* quoi) {
  if (condition) return;
  std::fprintf(stderr, "broken invariant: %s\n", quoi);
  std::abort();
}

void VerifieArbre(const TXMLDoc& doc) {
  int elements = 0;
  for (int i = 0; i < doc.Nodes().Count(); ++i) {
    const TXMLNode& n = *doc.Nodes().Items(i);
    Exige(n.Kind() == nkElement || n.Kind() == nkComment || n.Kind() == nkProcessingInstruction,
          "top-level kind");
    if (n.Kind() == nkElement) ++elements;
  }
  Exige(elements == 1, "exactly one root element");
  const std::string& v = doc.Declaration().Version();
  Exige(v.empty() || v == "1.0", "version");

  std::vector<const TXMLNodes*> pile{&doc.Nodes()};
  while (!pile.empty()) {
    const TXMLNodes* liste = pile.back();
    pile.pop_back();
    Exige(static_cast<int>(pile.size()) <= kProfondeurMaxXML, "depth");
    for (int i = 0; i < liste->Count(); ++i) {
      const TXMLNode& n = *liste->Items(i);
      Exige(n.ParentNodes() == liste, "parent list");
      if (n.Kind() != nkElement) {
        Exige(n.ChildCount() == 0 && n.Attributes() == nullptr, "lists of a non-element");
        continue;
      }
      Exige(!n.Name().empty() && n.Value().empty(), "element name");
      Exige(n.Children()->Owner() == &n, "owner");
      for (int j = 0; j < n.Attributes()->Count(); ++j) Exige(!n.Attributes()->Items(j)->Name().empty(), "attribute");
      if (n.ChildCount() > 0) pile.push_back(n.Children());
    }
  }
}

}  // namespace

void ChargeEtVerifie(const std::uint8_t* data, std::size_t size) {
  TXMLDoc doc;
  try {
    doc.LoadFromMemory(std::string_view(reinterpret_cast<const char*>(data), size));
  } catch (const EXMLException&) {
    Exige(doc.Nodes().Count() == 0, "refusal clears the nodes");
    Exige(doc.Declaration().Version().empty() && doc.Declaration().Encoding().empty() &&
              doc.Declaration().Standalone().empty(),
          "refusal clears the declaration");
    return;
  }
  if (doc.Nodes().Count() == 0) {
    Exige(doc.Declaration().Version().empty(), "empty document has no declaration");
    return;
  }
  VerifieArbre(doc);
}

}  // namespace corrinom::test
