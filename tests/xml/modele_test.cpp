// The document model on its own: lists, ownership, the write operations'
// checks, and the declaration's rules.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>

#include "tests/xml/outils.h"
#include "xml/xml.h"

namespace corrinom {
namespace {

std::string Message(const std::function<void()>& f) {
  try {
    f();
  } catch (const std::exception& e) {
    return e.what();
  }
  return "";
}

TEST(Modele, NoeudsSansListesHorsElements) {
  for (TXMLNodeKind k : {nkComment, nkText, nkCData, nkProcessingInstruction}) {
    TXMLNode n(k);
    EXPECT_EQ(n.ChildCount(), 0);
    EXPECT_EQ(n.Attributes(), nullptr);
    EXPECT_EQ(n.Children(), nullptr);
    EXPECT_EQ(n.GetChild(0), nullptr);
    EXPECT_EQ(n.AddChild(nkText), nullptr);
  }
  TXMLNode e(nkElement);
  ASSERT_NE(e.Attributes(), nullptr);
  ASSERT_NE(e.Children(), nullptr);
  EXPECT_EQ(e.Children()->Owner(), &e);
  EXPECT_EQ(e.ParentNodes(), nullptr);
  EXPECT_EQ(static_cast<int>(nkElement), 0);
  EXPECT_EQ(static_cast<int>(nkProcessingInstruction), 4);
}

TEST(Modele, IndicesHorsLimites) {
  TXMLNode e(nkElement);
  for (int i = 0; i < 3; ++i) e.AddChild(nkComment)->SetName(std::to_string(i));
  EXPECT_EQ(e.GetChild(-1), nullptr);
  EXPECT_EQ(e.GetChild(3), nullptr);
  EXPECT_EQ(e.GetChild(2)->Name(), "2");

  EXPECT_THROW(e.Children()->Items(3), EListError);
  EXPECT_EQ(Message([&] { e.Children()->Items(-1); }), "Indice de liste hors limites (-1)");
  EXPECT_EQ(Message([&] { e.Attributes()->Items(0); }), "Indice de liste hors limites (0)");

  e.Children()->Delete(5);
  e.Children()->Delete(-1);
  EXPECT_EQ(e.ChildCount(), 3);
  e.Children()->Delete(1);
  EXPECT_EQ(test::DecritNoeuds(*e.Children()), "C:0 C:2");
  e.Children()->Clear();
  EXPECT_EQ(e.ChildCount(), 0);
}

TEST(Modele, AttributsEnDouble) {
  TXMLAttributes liste;
  EXPECT_EQ(liste.Add(std::make_unique<TXMLAttribute>("a", "1")), 0);
  EXPECT_EQ(liste.Add(std::make_unique<TXMLAttribute>("A", "2")), 1);

  auto refuse = std::make_unique<TXMLAttribute>("a", "3");
  EXPECT_EQ(Message([&] { liste.Add(std::move(refuse)); }), "Attribute a already used.");
  ASSERT_NE(refuse, nullptr);  // still the caller's
  EXPECT_EQ(refuse->Value(), "3");

  auto sansNom = std::make_unique<TXMLAttribute>("", "x");
  EXPECT_EQ(Message([&] { liste.Add(std::move(sansNom)); }), "Attribute's name is empty.");
  EXPECT_NE(sansNom, nullptr);
  EXPECT_EQ(liste.Count(), 2);
  EXPECT_EQ(liste.Items(1)->Value(), "2");
}

// The duplicate check switches to a hash index on long lists: the results
// must stay the same, including after deletions.
TEST(Modele, AttributsNombreuxEtSuppressions) {
  TXMLAttributes liste;
  for (int i = 0; i < 100; ++i) liste.Add(std::make_unique<TXMLAttribute>("n" + std::to_string(i), ""));
  auto double50 = std::make_unique<TXMLAttribute>("n50", "");
  EXPECT_EQ(Message([&] { liste.Add(std::move(double50)); }), "Attribute n50 already used.");
  liste.Delete(50);
  EXPECT_EQ(liste.Add(std::move(double50)), 99);
  EXPECT_EQ(liste.Items(50)->Name(), "n51");
  liste.Clear();
  EXPECT_EQ(liste.Count(), 0);
  EXPECT_EQ(liste.Add(std::make_unique<TXMLAttribute>("n1", "")), 0);
}

struct CasNom {
  TXMLNodeKind kind;
  std::string nom;
  std::string erreur;  // empty: accepted
};

TEST(Modele, SetNameVerifieSelonLeType) {
  const std::string kPi = "Processing Instruction target name is not valid.";
  const std::string kCData = "Illegal sequence ']]>' in CDATA.";
  const std::string kComment = "Illegal sequence '--' in comment.";
  const CasNom cas[] = {
      {nkProcessingInstruction, "pi", ""},
      {nkProcessingInstruction, "xml-x", ""},
      {nkProcessingInstruction, "xMl", kPi},
      {nkProcessingInstruction, "1a", kPi},
      {nkProcessingInstruction, "a b", kPi},
      {nkCData, "a]]b]>", ""},
      {nkCData, "a]]>b", kCData},
      {nkComment, " x - y ", ""},
      {nkComment, "x-", kComment},
      {nkComment, "a--b", kComment},
      {nkElement, "a--]]> x", ""},
      {nkText, "-", ""},
  };
  for (const CasNom& c : cas) {
    TXMLNode n(c.kind);
    n.SetName("avant");
    EXPECT_EQ(Message([&] { n.SetName(c.nom); }), c.erreur) << c.nom;
    EXPECT_EQ(n.Name(), c.erreur.empty() ? c.nom : "avant") << c.nom;
  }
  // The current name is never checked again: an empty target is invalid, but
  // equals the name a new node starts with.
  TXMLNode pi(nkProcessingInstruction);
  EXPECT_NO_THROW(pi.SetName(""));
  EXPECT_THROW(pi.SetName("xml"), EXMLException);
}

TEST(Modele, SetValueSelonLeType) {
  TXMLNode element(nkElement);
  element.SetValue("x");
  EXPECT_EQ(element.Value(), "");
  TXMLNode commentaire(nkComment);
  commentaire.SetValue("x");
  EXPECT_EQ(commentaire.Value(), "");

  TXMLNode pi(nkProcessingInstruction);
  pi.SetValue("  d &amp; ");
  EXPECT_EQ(pi.Value(), "  d &amp; ");
  EXPECT_EQ(pi.Name(), "");

  TXMLNode texte(nkText);
  texte.SetValue("\n  a &amp; b&#10;");
  EXPECT_EQ(texte.Value(), "a &amp; b&#10;");
  EXPECT_EQ(texte.Name(), "a & b");
  EXPECT_THROW(texte.SetValue("x &bad"), EXMLException);
  EXPECT_EQ(texte.Value(), "a &amp; b&#10;");
  EXPECT_EQ(texte.Name(), "a & b");

  // The new value may be a view of the node's own fields (long enough not to
  // sit inside the string objects).
  std::string references = "x ";
  for (int i = 0; i < 20; ++i) references += "&lt;";
  texte.SetValue(references);
  texte.SetValue(std::string_view(texte.Name()).substr(1));
  EXPECT_EQ(texte.Value(), std::string(20, '<'));
  EXPECT_EQ(texte.Name(), std::string(20, '<'));
  texte.SetValue(std::string_view(texte.Value()).substr(2));
  EXPECT_EQ(texte.Name(), std::string(18, '<'));
}

TEST(Modele, Declaration) {
  TXMLDeclaration d;
  EXPECT_NO_THROW(d.SetVersion(""));
  EXPECT_NO_THROW(d.SetEncoding(""));
  EXPECT_EQ(d.Version(), "");
  EXPECT_THROW(d.SetVersion("1.1"), EXMLException);
  d.SetStandalone("no");
  EXPECT_EQ(d.Version(), "1.0");
  EXPECT_EQ(d.Standalone(), "no");
  for (const char* bon : {"UTF-8", "a", "ISO_8859.1-x"}) EXPECT_NO_THROW(d.SetEncoding(bon)) << bon;
  for (const char* mauvais : {"-a", "1", "a b", "\xE9t\xE9", ""})
    EXPECT_EQ(Message([&] { d.SetEncoding(mauvais); }), "Wrong XML encoding declaration.") << mauvais;
  EXPECT_EQ(d.Encoding(), "ISO_8859.1-x");
  d.Clear();
  EXPECT_EQ(d.Version() + d.Encoding() + d.Standalone(), "");
}

// Freeing a tree far deeper than the parser accepts must not recurse per level.
TEST(Modele, LiberationDUnArbreTresProfond) {
  auto racine = std::make_unique<TXMLNode>(nkElement);
  TXMLNode* n = racine.get();
  for (int i = 0; i < 300000; ++i) {
    n->AddChild(nkText)->SetValue("t");
    n = n->AddChild(nkElement);
  }
  TXMLNodes liste(nullptr);
  liste.Add(std::move(racine));
  liste.Delete(0);
  EXPECT_EQ(liste.Count(), 0);
}

// A parsed tree changed through the model: parsed and new nodes mix in one
// list, element names are shared only until one is renamed, and an element
// the parser left without lists gets them when they are asked for.
TEST(Modele, ArbreChargeModifie) {
  TXMLDoc doc;
  doc.LoadFromMemory("<r><a/><a k='v'>x</a><a/></r>");
  TXMLNode& r = *doc.Nodes().Items(0);
  TXMLNode& vide = *r.GetChild(0);
  EXPECT_EQ(vide.AttributeCount(), 0);
  EXPECT_EQ(vide.GetAttribute(0), nullptr);
  EXPECT_EQ(r.GetChild(1)->GetAttribute(0)->Value(), "v");
  EXPECT_EQ(vide.Children()->Owner(), &vide);
  vide.AddChild(nkComment)->SetName("c");
  vide.Attributes()->Add(std::make_unique<TXMLAttribute>("n", "1"));
  r.GetChild(2)->SetName("b");
  r.GetChild(1)->Attributes()->Add(std::make_unique<TXMLAttribute>("k2", "w"));
  TXMLNode& texte = *r.GetChild(1)->GetChild(0);
  texte.SetName("y");
  EXPECT_EQ(texte.Value(), "x");
  r.AddChild(nkText)->SetValue("&amp;");
  EXPECT_EQ(test::DecritNoeuds(doc.Nodes()), "E:r{E:a(n=1){C:c} E:a(k=v,k2=w){T:y|x} E:b T:&|&amp;}");
  r.Children()->Delete(1);
  r.GetChild(0)->Attributes()->Delete(0);
  EXPECT_EQ(test::DecritNoeuds(doc.Nodes()), "E:r{E:a{C:c} E:b T:&|&amp;}");
}

class FichierTemporaire {
 public:
  explicit FichierTemporaire(const std::string& contenu)
      : chemin_(std::filesystem::temp_directory_path() /
                ("corrinom_xml_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".xml")) {
    std::ofstream(chemin_, std::ios::binary) << contenu;
  }
  ~FichierTemporaire() { std::filesystem::remove(chemin_); }
  std::string Chemin() const { return chemin_.string(); }

 private:
  std::filesystem::path chemin_;
};

TEST(Document, ChargementDepuisUnFichier) {
  FichierTemporaire f("<?xml version='1.0'?><a>x</a>");
  TXMLDoc doc;
  doc.LoadFromFile(f.Chemin());
  EXPECT_EQ(doc.FileName(), f.Chemin());
  EXPECT_EQ(doc.Declaration().Version(), "1.0");
  EXPECT_EQ(test::DecritNoeuds(doc.Nodes()), "E:a{T:x|x}");

  doc.Clear();
  EXPECT_EQ(doc.FileName(), f.Chemin());
  EXPECT_EQ(doc.Nodes().Count(), 0);
  EXPECT_EQ(doc.Declaration().Version(), "");
}

TEST(Document, NomVideEtFichiersIllisibles) {
  TXMLDoc doc;
  doc.LoadFromMemory("<a/>");
  doc.LoadFromFile("");
  EXPECT_EQ(doc.FileName(), "");
  EXPECT_EQ(doc.Nodes().Count(), 0);

  const std::string absent = "/nonexistent/corrinom.xml";
  EXPECT_EQ(Message([&] { doc.LoadFromFile(absent); }), "Impossible d'ouvrir le fichier " + absent);
  EXPECT_EQ(doc.FileName(), absent);
  try {
    doc.LoadFromFile(absent);
  } catch (const EXMLException&) {
    ADD_FAILURE() << "a missing file is not an XML refusal";
  } catch (const EFOpenError&) {
  }

  const std::string dossier = std::filesystem::temp_directory_path().string();
  EXPECT_THROW(doc.LoadFromFile(dossier), EReadError);
}

TEST(Document, RefusDepuisUnFichierGardeLeNom) {
  FichierTemporaire f("<?xml version='1.0'?><a>");
  TXMLDoc doc;
  EXPECT_EQ(Message([&] { doc.LoadFromFile(f.Chemin()); }), "End of tag '<a>' missing (</a>).");
  EXPECT_EQ(doc.FileName(), f.Chemin());
  EXPECT_EQ(doc.Nodes().Count(), 0);
  EXPECT_EQ(doc.Declaration().Version(), "");
}

}  // namespace
}  // namespace corrinom
