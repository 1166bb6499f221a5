#include "tests/xml/outils.h"

#include <gtest/gtest.h>

namespace corrinom::test {

std::string DecritNoeuds(const TXMLNodes& nodes) {
  std::string s;
  for (int i = 0; i < nodes.Count(); ++i) {
    const TXMLNode& n = *nodes.Items(i);
    if (i > 0) s += ' ';
    switch (n.Kind()) {
      case nkElement: {
        s += "E:" + n.Name();
        const TXMLAttributes& a = *n.Attributes();
        if (a.Count() > 0) {
          s += '(';
          for (int j = 0; j < a.Count(); ++j) {
            if (j > 0) s += ',';
            s += a.Items(j)->Name() + "=" + a.Items(j)->Value();
          }
          s += ')';
        }
        if (n.ChildCount() > 0) s += "{" + DecritNoeuds(*n.Children()) + "}";
        break;
      }
      case nkText:
        s += "T:" + n.Name() + "|" + n.Value();
        break;
      case nkComment:
        s += "C:" + n.Name();
        break;
      case nkCData:
        s += "D:" + n.Name();
        break;
      case nkProcessingInstruction:
        s += "P:" + n.Name() + "|" + n.Value();
        break;
    }
  }
  return s;
}

std::string Charge(const std::string& octets) {
  TXMLDoc doc;
  try {
    doc.LoadFromMemory(octets);
  } catch (const EXMLException& e) {
    EXPECT_EQ(doc.Nodes().Count(), 0);
    EXPECT_EQ(doc.Declaration().Version(), "");
    EXPECT_EQ(doc.Declaration().Encoding(), "");
    EXPECT_EQ(doc.Declaration().Standalone(), "");
    return std::string("!") + e.what();
  }
  return DecritNoeuds(doc.Nodes());
}

}  // namespace corrinom::test
