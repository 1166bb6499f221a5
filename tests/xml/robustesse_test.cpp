// Malformed and extreme input: every prefix of a realistic document, the
// nesting and node-count bounds, and a huge attribute list.
#include <gtest/gtest.h>

#include <string>

#include "tests/xml/outils.h"
#include "xml/xml.h"

namespace corrinom {
namespace {

// A small Sconet-like student export with every construct the parser knows.
const std::string kEleves =
    "<?xml version=\"1.0\" encoding=\"ISO-8859-15\" standalone=\"yes\"?>\n"
    "<!-- export -->\n"
    "<?traitement mode='test'?>\n"
    "<BEE_ELEVES VERSION=\"3.1\">\n"
    "  <PARAMETRES><UAJ>0000000A</UAJ><ANNEE_SCOLAIRE>2026</ANNEE_SCOLAIRE></PARAMETRES>\n"
    "  <DONNEES>\n"
    "    <ELEVES>\n"
    "      <ELEVE ELEVE_ID=\"1\" ELENOET='12'>\n"
    "        <NOM_DE_FAMILLE>LEF\xC8VRE</NOM_DE_FAMILLE>\n"
    "        <PRENOM>Ana\xEFs &amp; L&#233;a</PRENOM>\n"
    "        <DATE_NAISS>01/02/2010</DATE_NAISS>\n"
    "        <OBS><![CDATA[ <rien> ]]></OBS>\n"
    "        <VIDE/>\n"
    "      </ELEVE >\n"
    "    </ELEVES>\n"
    "  </DONNEES>\n"
    "</BEE_ELEVES>\n"
    "<!-- fin -->\n";

TEST(Robustesse, DocumentDeReferenceAccepte) {
  TXMLDoc doc;
  doc.LoadFromMemory(kEleves);
  EXPECT_EQ(doc.Declaration().Encoding(), "ISO-8859-15");
  ASSERT_EQ(doc.Nodes().Count(), 4);
  const TXMLNode* eleve = doc.Nodes().Items(2)->GetChild(1)->GetChild(0)->GetChild(0);
  ASSERT_NE(eleve, nullptr);
  EXPECT_EQ(eleve->Name(), "ELEVE");
  EXPECT_EQ(eleve->ChildCount(), 5);
  EXPECT_EQ(eleve->GetChild(1)->GetChild(0)->Name(), "Ana\xEFs & L\xE9" "a");
}

// Cutting the document at every byte gives either a load (only where the cut
// falls after the root's end) or EXMLException with a cleared document.
TEST(Robustesse, ToutesLesTroncatures) {
  for (const bool utf8 : {false, true}) {
    std::string texte = kEleves;
    if (utf8) {
      texte.replace(texte.find("ISO-8859-15"), 11, "UTF-8");
      texte.replace(texte.find("LEF\xC8"), 4, "LEF\xC3\x88");
      texte.replace(texte.find("Ana\xEF"), 4, "Ana\xC3\xAF");
    }
    // After the root come a line break and a comment of 12 bytes: a cut
    // inside that comment is refused too.
    const std::size_t fin = texte.find("</BEE_ELEVES>") + 13;
    const std::size_t debutCommentaire = fin + 1;
    const std::size_t finCommentaire = debutCommentaire + 12;
    for (std::size_t n = 0; n <= texte.size(); ++n) {
      const std::string resultat = test::Charge(texte.substr(0, n));
      const bool charge = n == 0 || (n >= fin && n <= debutCommentaire) || n >= finCommentaire;
      EXPECT_EQ(resultat.substr(0, 1) != "!", charge) << "prefix of " << n << " bytes: " << resultat;
    }
  }
}

std::string Imbrique(int niveaux, bool vide) {
  std::string s;
  for (int i = 0; i < niveaux; ++i) s += "<e>";
  if (vide) return s;
  s += "x";
  for (int i = 0; i < niveaux; ++i) s += "</e>";
  return s;
}

TEST(Robustesse, ProfondeurMaximale) {
  TXMLDoc doc;
  doc.LoadFromMemory(Imbrique(kProfondeurMaxXML, false));
  const TXMLNode* n = doc.Nodes().Items(0);
  int niveaux = 1;
  while (n->GetChild(0) && n->GetChild(0)->Kind() == nkElement) {
    n = n->GetChild(0);
    ++niveaux;
  }
  EXPECT_EQ(niveaux, 10000);
  EXPECT_EQ(n->GetChild(0)->Name(), "x");

  EXPECT_EQ(test::Charge(Imbrique(kProfondeurMaxXML + 1, false)), "!Element nesting too deep.");
  // Far beyond the bound, and unclosed: refused at the same start tag.
  EXPECT_EQ(test::Charge(Imbrique(500000, true)), "!Element nesting too deep.");
  // Empty elements at the deepest level do not count as one more level.
  EXPECT_EQ(test::Charge(Imbrique(kProfondeurMaxXML - 1, true) + "<f/>").substr(0, 8), "!End of ");
}

// The two biggest documents below take most of the sanitizer build's test time
// (ten million nodes, a million attributes); the default build runs them, and
// the sanitizers see the same code on the smaller documents of this file.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSousSanitizer = true;
#else
constexpr bool kSousSanitizer = false;
#endif

// The root and 9,999,999 empty elements make the most nodes a document may
// have; a comment after the root (a node of another kind, at the top level)
// is one too many.
TEST(Robustesse, NombreDeNoeudsBorne) {
  if (kSousSanitizer) GTEST_SKIP() << "run by the default build";
  std::string vides;
  for (int i = 0; i < 1000; ++i) vides += "<a/>";
  std::string s = "<r>";
  s.reserve(4 * static_cast<std::size_t>(kNoeudsMaxXML) + 16);
  for (int i = 1; i < kNoeudsMaxXML; i += 1000) s += vides;
  s.resize(s.size() - 4);
  s += "</r>";
  {
    TXMLDoc doc;
    doc.LoadFromMemory(s);
    EXPECT_EQ(doc.Nodes().Items(0)->ChildCount(), kNoeudsMaxXML - 1);
  }
  EXPECT_EQ(test::Charge(s + "<!---->"), "!Too many nodes.");
}

TEST(Robustesse, UnMillionDAttributs) {
  if (kSousSanitizer) GTEST_SKIP() << "run by the default build";
  std::string s = "<a";
  const int n = 1000000;
  for (int i = 0; i < n; ++i) s += " a" + std::to_string(i) + "=''";
  TXMLDoc doc;
  doc.LoadFromMemory(s + "/>");
  EXPECT_EQ(doc.Nodes().Items(0)->Attributes()->Count(), n);
  EXPECT_EQ(test::Charge(s + " a999999='x'/>"), "!Attribute a999999 already used.");
}

TEST(Robustesse, ConstructionsNonFermeesLongues) {
  // Each construct's end is looked for once; a long unclosed one must not
  // take time quadratic in its length.
  const std::string long_(2000000, 'x');
  EXPECT_EQ(test::Charge("<a><!--" + long_), "!End of tag '<!--' missing (-->).");
  EXPECT_EQ(test::Charge("<a><![CDATA[" + long_), "!End of tag '<![CDATA[' missing (]]>).");
  EXPECT_EQ(test::Charge("<a b='" + long_), "!Missing quote for an attribute's value.");
  EXPECT_EQ(test::Charge("<a>" + long_), "!End of tag '<a>' missing (</a>).");
  std::string references;
  for (int i = 0; i < 200000; ++i) references += "&amp;";
  EXPECT_EQ(test::Charge("<a>" + references + "</a>").size(), std::string("E:a{T:|}").size() + 200000 * 6);
}

}  // namespace
}  // namespace corrinom
