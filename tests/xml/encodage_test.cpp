// Encodings: what each declaration or byte-order mark does to the bytes, and
// the characters numeric references give.
#include <gtest/gtest.h>

#include <string>

#include "tests/xml/outils.h"
#include "xml/xml.h"

namespace corrinom {
namespace {

struct CasEncodage {
  const char* nom;
  std::string entree;
  std::string attendu;
};

void PrintTo(const CasEncodage& c, std::ostream* os) { *os << c.nom; }

class Encodages : public ::testing::TestWithParam<CasEncodage> {};

TEST_P(Encodages, ConvertitEnCp1252) { EXPECT_EQ(test::Charge(GetParam().entree), GetParam().attendu); }

const std::string kBom = "\xEF\xBB\xBF";

std::string Declare(const std::string& encodage, const std::string& corps) {
  return "<?xml version=\"1.0\" encoding=\"" + encodage + "\"?>" + corps;
}

INSTANTIATE_TEST_SUITE_P(
    Parseur, Encodages,
    ::testing::Values(
        CasEncodage{"utf8_declare", Declare("UTF-8", "<a>Lef\xC3\xA8vre</a>"), "E:a{T:Lef\xE8vre|Lef\xE8vre}"},
        CasEncodage{"utf8_minuscules_sans_tiret", Declare("utf8", "<a>\xC3\xA9</a>"), "E:a{T:\xE9|\xE9}"},
        CasEncodage{"utf8_noms_et_attributs", Declare("Utf-8", "<\xC3\xA9l\xC3\xA8ve n\xC3\xA9='\xC3\x89'/>"),
                    "E:\xE9l\xE8ve(n\xE9=\xC9)"},
        CasEncodage{"utf8_ponctuation_en_ascii", Declare("UTF-8", "<a>\xE2\x80\x99\xE2\x82\xAC\xC5\x93</a>"),
                    "E:a{T:'EURoe|'EURoe}"},
        CasEncodage{"utf8_mal_forme_garde", Declare("UTF-8", "<a>\xE9t\xE9</a>"), "E:a{T:\xE9t\xE9|\xE9t\xE9}"},
        // Typographic quotes become ASCII quotes, but never markup: the
        // attribute value does not end at the apostrophe, "<" opens no tag.
        CasEncodage{"utf8_guillemets_pas_balisage",
                    Declare("UTF-8", "<a b='l\xE2\x80\x99\xC3\xA9" "cole' c=\"\xE2\x80\x9Ez\xE2\x80\x9C\">"
                                     "\xE2\x80\x98x\xE2\x80\x9D \xE2\x80\xB9y\xE2\x80\xBA<!--\xE2\x80\xB9-->"
                                     "<![CDATA[\xE2\x80\x99]]><?p \xE2\x80\x9C?></a>"),
                    "E:a(b=l'\xE9" "cole,c=\"z\"){T:'x\" <y>|'x\" <y> C:< D:' P:p|\"}"},
        CasEncodage{"bom_guillemets", kBom + "<a>\xE2\x80\x99</a>", "E:a{T:'|'}"},
        CasEncodage{"bom_sans_declaration", kBom + "<a>\xC3\xA8</a>", "E:a{T:\xE8|\xE8}"},
        CasEncodage{"bom_decide", kBom + Declare("ISO-8859-1", "<a>\xC3\xA8</a>"), "E:a{T:\xE8|\xE8}"},
        CasEncodage{"bom_seul", kBom, ""},
        CasEncodage{"latin9", Declare("ISO-8859-15", "<a>\xA4 \xBD \xE8</a>"), "E:a{T:EUR oe \xE8|EUR oe \xE8}"},
        CasEncodage{"latin9_variantes", Declare("latin9", "<a>\xA6</a>") , "E:a{T:S|S}"},
        CasEncodage{"latin9_tiret", Declare("Latin-9", "<a>\xA8</a>"), "E:a{T:s|s}"},
        CasEncodage{"latin9_apres_long_ascii", Declare("LATIN9", "<a>0123456789abcdefgh \xBC</a>"),
                    "E:a{T:0123456789abcdefgh OE|0123456789abcdefgh OE}"},
        CasEncodage{"latin9_sans_tiret", Declare("iso8859-15", "<a>\xBE</a>"), "E:a{T:Y|Y}"},
        CasEncodage{"windows1252_garde", Declare("windows-1252", "<a>\x80\xE8</a>"), "E:a{T:\x80\xE8|\x80\xE8}"},
        CasEncodage{"latin1_garde", Declare("ISO-8859-1", "<a>\xC3\xA8</a>"), "E:a{T:\xC3\xA8|\xC3\xA8}"},
        // Naming no encoding: well-formed UTF-8 with a multi-byte sequence is
        // read as UTF-8, anything else keeps its bytes.
        CasEncodage{"sans_declaration_utf8", "<J\xC3\xA9r\xC3\xB4me>\xE2\x80\x99</J\xC3\xA9r\xC3\xB4me>",
                    "E:J\xE9r\xF4me{T:'|'}"},
        CasEncodage{"sans_encodage_utf8", "<?xml version='1.0'?><a>\xC3\xA8</a>", "E:a{T:\xE8|\xE8}"},
        CasEncodage{"sans_declaration_cp1252_garde", "<a>\xC3\xA8\xE8</a>", "E:a{T:\xC3\xA8\xE8|\xC3\xA8\xE8}"},
        CasEncodage{"refus_inchange_apres_bom", kBom + "<a>", "!End of tag '<a>' missing (</a>)."},
        CasEncodage{"ref_e_accent", "<a>&#233;&#xE9;</a>", "E:a{T:\xE9\xE9|&#233;&#xE9;}"},
        CasEncodage{"ref_apostrophe", "<a>l&#8217;a</a>", "E:a{T:l'a|l&#8217;a}"},
        CasEncodage{"ref_euro", "<a>&#8364;</a>", "E:a{T:EUR|&#8364;}"},
        CasEncodage{"ref_ascii", "<a>&#65;&#x41;</a>", "E:a{T:AA|&#65;&#x41;}"},
        CasEncodage{"ref_zero", "<a>&#0;</a>", "E:a{T:?|&#0;}"},
        CasEncodage{"ref_surrogat", "<a>&#xD800;</a>", "E:a{T:?|&#xD800;}"},
        CasEncodage{"ref_hors_unicode", "<a>&#x110000;</a>", "E:a{T:?|&#x110000;}"},
        CasEncodage{"ref_negative", "<a>&#xFFFFFFFF;&#x80000000;</a>", "E:a{T:??|&#xFFFFFFFF;&#x80000000;}"},
        CasEncodage{"ref_max_decimal", "<a>&#2147483647;</a>", "E:a{T:?|&#2147483647;}"},
        CasEncodage{"ref_dans_utf8", Declare("UTF-8", "<a>&#233;\xC3\xA9</a>"), "E:a{T:\xE9\xE9|&#233;\xE9}"}),
    [](const auto& info) { return std::string(info.param.nom); });

TEST(Encodages, DeclarationApresBomAcceptee) {
  TXMLDoc doc;
  doc.LoadFromMemory(kBom + "<?xml version='1.0' encoding='ISO-8859-15'?><a/>");
  EXPECT_EQ(doc.Declaration().Version(), "1.0");
  EXPECT_EQ(doc.Declaration().Encoding(), "ISO-8859-15");
}

}  // namespace
}  // namespace corrinom
