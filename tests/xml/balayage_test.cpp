// The parser's fast scans (several bytes at a time) against plain byte loops:
// every stopping byte at every position and every length around the width
// of one step, so that a group boundary or a short tail cannot shift a result.
#include <gtest/gtest.h>

#include <string>

#include "xml/lexique.h"
#include "xml/xml.h"

namespace corrinom {
namespace {

const char* BlancsAttendus(const char* p, const char* fin) {
  while (p < fin && static_cast<unsigned char>(*p) <= 32) ++p;
  return p;
}

const char* ChevronAttendu(const char* p, const char* fin) {
  while (p < fin && *p != '<') ++p;
  return p;
}

const char* NomAttendu(const char* p, const char* fin) {
  while (p < fin && xml::EstSuiteNom(*p)) ++p;
  return p;
}

// Runs of filler of every length up to 40, with the byte b at every position
// (or nowhere), scanned from every start within the first bytes.
template <class Rapide, class Lent>
void CompareSur(char remplissage, Rapide rapide, Lent lent) {
  for (int b = 0; b < 256; ++b) {
    for (std::size_t longueur = 0; longueur <= 40; ++longueur) {
      for (std::size_t position = 0; position <= longueur; ++position) {
        std::string s(longueur, remplissage);
        if (position < longueur) s[position] = static_cast<char>(b);
        const char* fin = s.data() + s.size();
        for (std::size_t debut = 0; debut <= std::min<std::size_t>(longueur, 3); ++debut) {
          const char* p = s.data() + debut;
          ASSERT_EQ(rapide(p, fin) - s.data(), lent(p, fin) - s.data())
              << "byte " << b << ", length " << longueur << ", at " << position << ", from " << debut;
        }
      }
    }
  }
}

TEST(Balayage, OctetsBlancs) {
  CompareSur(' ', xml::PasseOctetsBlancs, BlancsAttendus);
  CompareSur('\n', xml::PasseOctetsBlancs, BlancsAttendus);
}

TEST(Balayage, Chevron) {
  CompareSur('a', [](const char* p, const char* fin) { return xml::Cherche(p, fin, '<'); }, ChevronAttendu);
}

TEST(Balayage, FinDeNom) {
  // Letters, digits and "_" take the fast path; "-", ".", ":", 0xB7 and the
  // letters above 0x7F must still continue a name, everything else end it.
  for (char remplissage : {'A', 'z', '5', '_', '-', '\xE9'}) CompareSur(remplissage, xml::FinDeNom, NomAttendu);
}

// A Latin-9 document is converted when it holds any byte the conversion
// changes, wherever that byte stands: the text of one such byte is the same
// at every distance from the start.
TEST(Balayage, Latin9OctetChangeOuNonPartout) {
  const std::string entete = "<?xml version=\"1.0\" encoding=\"ISO-8859-15\"?><a>";
  for (int b = 0x80; b < 256; ++b) {
    TXMLDoc seul;
    seul.LoadFromMemory(entete + "x" + static_cast<char>(b) + "</a>");
    const std::string converti = seul.Nodes().Items(0)->GetChild(0)->Name().substr(1);
    for (std::size_t avant = 0; avant <= 40; ++avant) {
      TXMLDoc doc;
      doc.LoadFromMemory(entete + "x" + std::string(avant, 'y') + static_cast<char>(b) + "z</a>");
      EXPECT_EQ(doc.Nodes().Items(0)->GetChild(0)->Name(), "x" + std::string(avant, 'y') + converti + "z")
          << "byte " << b << " after " << avant;
    }
  }
}

}  // namespace
}  // namespace corrinom
