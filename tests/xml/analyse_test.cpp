// What the parser builds from a document, and every refusal with its message.
#include <gtest/gtest.h>

#include <string>

#include "tests/xml/outils.h"
#include "xml/xml.h"

namespace corrinom {
namespace {

using test::Charge;

struct Cas {
  const char* nom;
  std::string entree;
  std::string attendu;  // the tree's description, or "!" and the message
};

void PrintTo(const Cas& c, std::ostream* os) { *os << c.nom; }

class Acceptes : public ::testing::TestWithParam<Cas> {};

TEST_P(Acceptes, ConstruitLArbre) { EXPECT_EQ(Charge(GetParam().entree), GetParam().attendu); }

INSTANTIATE_TEST_SUITE_P(
    Analyse, Acceptes,
    ::testing::Values(
        Cas{"vide", "", ""},
        Cas{"zero_en_tete", std::string("\0<a>", 4), ""},
        Cas{"element_vide", "<a/>", "E:a"},
        Cas{"blancs_autour", "\r\n\t <a/> \n", "E:a"},
        Cas{"apres_zero_ignore", std::string("<a/>\0<b/>junk", 13), "E:a"},
        Cas{"texte_decode", "<a>x &lt; y &#x41;&#66; &foo;</a>", "E:a{T:x < y AB &foo;|x &lt; y &#x41;&#66; &foo;}"},
        Cas{"predefinis", "<a>&lt;&gt;&amp;&apos;&quot;</a>", "E:a{T:<>&'\"|&lt;&gt;&amp;&apos;&quot;}"},
        Cas{"reference_non_relue", "<a>&amp;lt;</a>", "E:a{T:&lt;|&amp;lt;}"},
        Cas{"zeros_non_significatifs", "<a>&#0000065;&#x0000000041;</a>", "E:a{T:AA|&#0000065;&#x0000000041;}"},
        Cas{"decodage_rogne", "<a>&#32;x&#9;</a>", "E:a{T:x|&#32;x&#9;}"},
        Cas{"blancs_seuls", "<a>  \r\n </a>", "E:a"},
        Cas{"textes_et_enfant", "<a> x <b/> y </a>", "E:a{T:x|x E:b T:y|y}"},
        Cas{"rognage_controles", "<a>\x01\x1F x \x7F\x02</a>", "E:a{T:x \x7F|x \x7F}"},
        Cas{"cdata", "<a><![CDATA[ <&> ]]></a>", "E:a{D: <&> }"},
        Cas{"cdata_vide", "<a><![CDATA[]]></a>", "E:a{D:}"},
        Cas{"attributs_colles", "<a b='1'c=\"2\"/>", "E:a(b=1,c=2)"},
        Cas{"attributs_casse", "<a a='1' A='2'/>", "E:a(a=1,A=2)"},
        Cas{"attribut_brut", "<a b = \"x<>&amp;\n'\" />", "E:a(b=x<>&amp;\n')"},
        Cas{"fin_avec_blancs", "<a><b></b \t></a  >", "E:a{E:b}"},
        Cas{"commentaire_tiret_seul", "<a><!-- x - y --></a>", "E:a{C: x - y }"},
        Cas{"commentaire_vide", "<a><!----></a>", "E:a{C:}"},
        Cas{"autour_de_la_racine", "<!-- c --><?pi d?>\n<a/>\n<!--e--><?q?>",
            "C: c  P:pi|d E:a C:e P:q|"},
        Cas{"instruction_blancs", "<a><?pi   data  ?></a>", "E:a{P:pi|data  }"},
        Cas{"instruction_xml_prefixe", "<?xml-stylesheet href='s'?><a/>", "P:xml-stylesheet|href='s' E:a"},
        Cas{"noms_etendus", "<_:a.b-c\xB7\xC0 \xE9t\xE9='\xE9'/>", "E:_:a.b-c\xB7\xC0(\xE9t\xE9=\xE9)"},
        Cas{"imbrication", "<r><a><b>t</b></a><c/></r>", "E:r{E:a{E:b{T:t|t}} E:c}"},
        Cas{"declaration_guillemets_simples", "<?xml version='1.0'?><a/>", "E:a"},
        Cas{"declaration_complete",
            "<?xml version=\"1.0\" encoding=\"windows-1252\" standalone=\"no\" ?>\n<a/>", "E:a"},
        Cas{"declaration_sans_blanc", "<?xml version='1.0'encoding='x'standalone='yes'?><a/>", "E:a"}),
    [](const auto& info) { return std::string(info.param.nom); });

class Refuses : public ::testing::TestWithParam<Cas> {};

TEST_P(Refuses, LeveEXMLExceptionEtVideLeDocument) { EXPECT_EQ(Charge(GetParam().entree), GetParam().attendu); }

const std::string kOrdre =
    "!The xml declaration must have 'version' and 'encoding' and/or 'standalone' in this order.";
const std::string kVersion = "!Unsupported XML version, must be '1.0'.";
const std::string kEgal = "!Missing equal sign for an attribute.";
const std::string kGuillemet = "!Missing quote for an attribute's value.";
const std::string kVide = "!The main xml document is empty.";
const std::string kNomElement = "!Invalid element name.";
const std::string kPremiere = "!The xml declaration must be on the first line and first character.";
const std::string kCommentaire = "!Illegal sequence '--' in comment.";
const std::string kFinReference = "!Missing reference end ';'.";
const std::string kNomReference = "!Reference name is not valid.";

INSTANTIATE_TEST_SUITE_P(
    Analyse, Refuses,
    ::testing::Values(
        Cas{"deux_blancs_avant_version", "<?xml  version='1.0'?><a/>", kOrdre},
        Cas{"encodage_avant_version", "<?xml encoding='x' version='1.0'?><a/>", kOrdre},
        Cas{"version_1_1", "<?xml version='1.1'?><a/>", kVersion},
        Cas{"version_coupee", "<?xml version='1.", kVersion},
        Cas{"version_sans_egal", "<?xml version '1.0'?><a/>", kEgal},
        Cas{"version_sans_guillemet", "<?xml version=1.0?><a/>", kGuillemet},
        Cas{"version_guillemets_differents", "<?xml version='1.0\"?><a/>", kGuillemet},
        Cas{"encodage_non_ferme", "<?xml version='1.0' encoding='UTF-8?><a/>", kGuillemet},
        Cas{"encodage_invalide", "<?xml version='1.0' encoding='8bit'?><a/>", "!Wrong XML encoding declaration."},
        Cas{"encodage_vide_accepte_puis_fin", "<?xml version='1.0' encoding=''?>", kVide},
        Cas{"standalone_majuscule", "<?xml version='1.0' standalone='Yes'?><a/>",
            "!Wrong XML standalone declaration, must be 'yes' or 'no'."},
        Cas{"ordre_standalone_encodage", "<?xml version='1.0' standalone='yes' encoding='UTF-8'?><a/>",
            "!End of tag '<?xml' missing (?>)."},
        Cas{"declaration_non_fermee", "<?xml version='1.0'", "!End of tag '<?xml' missing (?>)."},
        Cas{"declaration_apres_blanc", " <?xml version='1.0'?><a/>", kPremiere},
        Cas{"declaration_sans_blanc_apres_xml", "<?xml?><a/>", kPremiere},
        Cas{"instruction_xml_dans_element", "<a><?xml x?></a>", kPremiere},
        Cas{"instruction_XmL", "<?XmL x?><a/>", "!Processing Instruction target name is 'xml'."},
        Cas{"instruction_sans_cible", "<a><? x?></a>", "!Processing Instruction target name missing."},
        Cas{"instruction_non_fermee", "<a><?pi x</a>", "!End of tag '<?' missing (?>)."},
        Cas{"doctype", "<!DOCTYPE a><a/>", "!DTD not handle in this version."},
        Cas{"doctype_colle", "<!DOCTYPE>", kNomElement},
        Cas{"cdata_hors_element", "<![CDATA[x]]><a/>", kNomElement},
        Cas{"fin_autre_nom", "<a></b>", kNomElement},
        Cas{"fin_nom_plus_long", "<a></ab>", kNomElement},
        Cas{"fin_avec_attribut", "<a></a x>", kNomElement},
        Cas{"fin_coupee", "<a>x</a", kNomElement},
        Cas{"fin_du_parent_dans_enfant", "<a><b></a>", kNomElement},
        Cas{"chevron_seul", "<a>< b/></a>", kNomElement},
        Cas{"element_non_ferme", "<a>", "!End of tag '<a>' missing (</a>)."},
        Cas{"enfant_non_ferme", "<a><bc>text", "!End of tag '<bc>' missing (</bc>)."},
        Cas{"balise_coupee", "<a", "!End of tag '<' missing (>)."},
        Cas{"balise_mal_fermee", "<a b='1' / >", "!End of tag '<' missing (>)."},
        Cas{"attribut_sans_egal", "<a b></a>", kEgal},
        Cas{"attribut_sans_guillemet", "<a b=1/>", kGuillemet},
        Cas{"attribut_non_ferme", "<a b='1/>", kGuillemet},
        Cas{"attribut_repete", "<a b='1' b='2'/>", "!Attribute b already used."},
        Cas{"deux_racines", "<a/><b/>", kVide},
        Cas{"texte_apres_racine", "<a/>text", kVide},
        Cas{"texte_seul", "text", kVide},
        Cas{"blancs_seuls", " \r\n\t", kVide},
        Cas{"commentaire_seul", "<!-- x -->", kVide},
        Cas{"declaration_seule", "<?xml version='1.0'?>", kVide},
        Cas{"commentaire_double_tiret", "<a><!-- x -- y --></a>", kCommentaire},
        Cas{"commentaire_fin_tiret", "<a><!-- x ---></a>", kCommentaire},
        Cas{"commentaire_non_ferme", "<a><!-- x </a>", "!End of tag '<!--' missing (-->)."},
        Cas{"cdata_non_fermee", "<a><![CDATA[ x </a>", "!End of tag '<![CDATA[' missing (]]>)."},
        Cas{"x_majuscule", "<a>&#X41;</a>", kFinReference},
        Cas{"nommee_sans_fin", "<a>&amp</a>", kFinReference},
        Cas{"numerique_sans_fin", "<a>&#65 </a>", kFinReference},
        Cas{"hexa_sans_fin", "<a>&#x4G;</a>", kFinReference},
        Cas{"nom_vide", "<a>&;</a>", kNomReference},
        Cas{"nom_avec_blanc", "<a>& x;</a>", kNomReference},
        Cas{"decimal_vide", "<a>&#;</a>", kNomReference},
        Cas{"hexa_vide", "<a>&#x;</a>", kNomReference},
        Cas{"decimal_trop_grand", "<a>&#2147483648;</a>", "!'2147483648' n'est pas une valeur enti\xE8" "re correcte"},
        Cas{"hexa_trop_long", "<a>&#x100000000;</a>", "!'$100000000' n'est pas une valeur enti\xE8" "re correcte"},
        Cas{"decimal_tres_long", "<a>&#99999999999999999999999;</a>",
            "!'99999999999999999999999' n'est pas une valeur enti\xE8" "re correcte"}),
    [](const auto& info) { return std::string(info.param.nom); });

TEST(Analyse, DeclarationLue) {
  TXMLDoc doc;
  doc.LoadFromMemory("<?xml version=\"1.0\" encoding=\"windows-1252\" standalone='yes'?><a/>");
  EXPECT_EQ(doc.Declaration().Version(), "1.0");
  EXPECT_EQ(doc.Declaration().Encoding(), "windows-1252");
  EXPECT_EQ(doc.Declaration().Standalone(), "yes");

  doc.LoadFromMemory("<a/>");
  EXPECT_EQ(doc.Declaration().Version(), "");
  EXPECT_EQ(doc.Declaration().Encoding(), "");
}

TEST(Analyse, ParentsEtProprietaires) {
  TXMLDoc doc;
  doc.LoadFromMemory("<!--c--><a><b/>t</a>");
  ASSERT_EQ(doc.Nodes().Count(), 2);
  EXPECT_EQ(doc.Nodes().Owner(), nullptr);
  TXMLNode* a = doc.Nodes().Items(1);
  EXPECT_EQ(a->ParentNodes(), &doc.Nodes());
  EXPECT_EQ(doc.Nodes().Items(0)->ParentNodes(), &doc.Nodes());
  ASSERT_EQ(a->ChildCount(), 2);
  EXPECT_EQ(a->Children()->Owner(), a);
  EXPECT_EQ(a->GetChild(0)->ParentNodes(), a->Children());
  EXPECT_EQ(a->GetChild(1)->Kind(), nkText);
}

// A document loaded again replaces the previous tree; a refusal after a
// successful load leaves nothing of either.
TEST(Analyse, RechargementEtRefusApresSucces) {
  TXMLDoc doc;
  doc.LoadFromMemory("<?xml version='1.0'?><a><b/></a>");
  EXPECT_THROW(doc.LoadFromMemory("<?xml version='1.0' encoding='UTF-8'?><a><b>"), EXMLException);
  EXPECT_EQ(doc.Nodes().Count(), 0);
  EXPECT_EQ(doc.Declaration().Version(), "");
  EXPECT_EQ(doc.Declaration().Encoding(), "");
  doc.LoadFromMemory("<c/>");
  EXPECT_EQ(test::DecritNoeuds(doc.Nodes()), "E:c");
}

}  // namespace
}  // namespace corrinom
