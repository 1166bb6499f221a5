#include "xml/analyse.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <type_traits>

#include "text/encodage.h"
#include "xml/conversion.h"
#include "xml/lexique.h"
#include "xml/noeud.h"
#include "xml/reserve.h"

namespace corrinom {

using xml::EstBlanc;
using xml::EstDebutNom;
using xml::EstSuiteNom;

namespace {

bool EstUtf8Declare(std::string_view encodage) {
  return xml::EgalSansCasse(encodage, "UTF-8") || xml::EgalSansCasse(encodage, "UTF8");
}

// The person-file conversion changes a Latin-9 text only where it holds a C1
// control (0x80-0x9F) or one of the eight characters Latin-9 puts in place
// of Latin-1's; a UTF-8 text only where it holds a byte above 0x7F. A text
// without them is its own conversion, and is read where it lies.
constexpr std::array<std::uint8_t, 256> ConstruitOctetsLatin9Changes() {
  std::array<std::uint8_t, 256> t{};
  for (int c = 0x80; c <= 0x9F; ++c) t[c] = 1;
  for (int c : {0xA4, 0xA6, 0xA8, 0xB4, 0xB8, 0xBC, 0xBD, 0xBE}) t[c] = 1;
  return t;
}
constexpr std::array<std::uint8_t, 256> kOctetsLatin9Changes = ConstruitOctetsLatin9Changes();

bool Latin9Inchange(std::string_view s) {
  const auto* p = reinterpret_cast<const unsigned char*>(s.data());
  const auto* fin = p + s.size();
#if defined(__SSE2__)
  // Sixteen bytes at a time: only a group with a byte from 0x80 to 0xBF (the
  // range of every byte that changes) is looked at byte by byte.
  const __m128i haut3 = _mm_set1_epi8(static_cast<char>(0xE0));
  const __m128i de80 = _mm_set1_epi8(static_cast<char>(0x80));
  const __m128i deA0 = _mm_set1_epi8(static_cast<char>(0xA0));
  while (fin - p >= 16) {
    const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const __m128i h = _mm_and_si128(x, haut3);
    if (_mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(h, de80), _mm_cmpeq_epi8(h, deA0))) == 0) {
      p += 16;
      continue;
    }
    for (const auto* f = p + 16; p < f; ++p)
      if (kOctetsLatin9Changes[*p]) return false;
  }
#endif
  // Most of a document is ASCII: eight bytes at a time are skipped while none
  // has its high bit set, and only the others are looked up.
  while (fin - p >= 8) {
    std::uint64_t mot;
    std::memcpy(&mot, p, sizeof mot);
    if ((mot & 0x8080808080808080u) == 0) {
      p += 8;
      continue;
    }
    for (const auto* f = p + 8; p < f; ++p)
      if (kOctetsLatin9Changes[*p]) return false;
  }
  for (; p < fin; ++p)
    if (kOctetsLatin9Changes[*p]) return false;
  return true;
}

bool EstAscii(std::string_view s) {
  const char* p = s.data();
  const char* fin = p + s.size();
  std::uint64_t ou = 0;
  for (; fin - p >= 8; p += 8) {
    std::uint64_t mot;
    std::memcpy(&mot, p, sizeof mot);
    ou |= mot;
  }
  for (; p < fin; ++p) ou |= static_cast<unsigned char>(*p);
  return (ou & 0x8080808080808080u) == 0;
}

bool EstLatin9Declare(std::string_view encodage) {
  for (std::string_view nom : {"ISO-8859-15", "ISO8859-15", "LATIN-9", "LATIN9"})
    if (xml::EgalSansCasse(encodage, nom)) return true;
  return false;
}

}  // namespace

XMLAnalyseur::XMLAnalyseur(std::string_view texte, TXMLDoc& doc)
    : doc_(doc), reserve_(doc.reserve_.get()), p_(texte.data()), fin_(texte.data() + texte.size()) {}

void XMLAnalyseur::Analyse(std::string_view octets, TXMLDoc& doc) {
  // The first zero byte ends the text.
  const std::size_t zero = octets.find('\0');
  if (zero != std::string_view::npos) octets = octets.substr(0, zero);
  if (octets.empty()) return;

  // A byte-order mark decides the encoding whatever the declaration says; it
  // is dropped, so a declaration right after it is at the first byte.
  if (CommenceParBomUtf8(octets)) {
    XMLAnalyseur a(std::string_view(), doc);
    a.ConvertitUtf8(octets);
    a.LitDocument(true);
    return;
  }
  XMLAnalyseur a(octets, doc);
  a.LitDocument(false);
}

void XMLAnalyseur::LitDocument(bool convertiDepuisUtf8) {
  if (p_ == fin_) return;
  LitDeclaration();
  if (!convertiDepuisUtf8) ConvertitSelonEncodage();

  bool racineLue = false;
  SauteBlancs();
  while (p_ < fin_) {
    if (Suit("<!DOCTYPE") && fin_ - p_ > 9 && EstBlanc(p_[9])) {
      Refuse("DTD not handle in this version.");
    } else if (Suit("<?")) {
      LitInstruction(nullptr);
    } else if (Suit("<!--")) {
      LitCommentaire(nullptr);
    } else if (*p_ == '<') {
      if (racineLue) Refuse("The main xml document is empty.");
      LitRacine();
      racineLue = true;
    } else {
      Refuse("The main xml document is empty.");
    }
    SauteBlancs();
  }
  if (!racineLue) Refuse("The main xml document is empty.");
  if (guillemetsMarques_) RestaureGuillemets();
}

// ---- Declaration ----

void XMLAnalyseur::LitDeclaration() {
  if (!(Suit("<?xml") && fin_ - p_ > 5 && EstBlanc(p_[5]))) return;
  p_ += 6;
  if (!Suit("version"))
    Refuse("The xml declaration must have 'version' and 'encoding' and/or 'standalone' in this order.");
  p_ += 7;
  const char guillemet = LitEgalEtGuillemet();
  if (!Suit("1.0")) Refuse("Unsupported XML version, must be '1.0'.");
  TXMLDeclaration& declaration = doc_.Declaration();
  declaration.SetVersion("1.0");
  p_ += 3;
  if (p_ == fin_ || *p_ != guillemet) Refuse("Missing quote for an attribute's value.");
  ++p_;
  SauteBlancs();
  if (Suit("encoding")) {
    p_ += 8;
    declaration.SetEncoding(LitValeurAttribut());
    SauteBlancs();
  }
  if (Suit("standalone")) {
    p_ += 10;
    declaration.SetStandalone(LitValeurAttribut());
  }
  SauteBlancs();
  if (!Suit("?>")) FinDeBaliseManquante("<?xml", "?>");
  p_ += 2;
}

// Blanks, "=", blanks and the opening quote, which it returns; leaves the
// position after the quote.
char XMLAnalyseur::LitEgalEtGuillemet() {
  SauteBlancs();
  if (p_ == fin_ || *p_ != '=') Refuse("Missing equal sign for an attribute.");
  ++p_;
  SauteBlancs();
  if (p_ == fin_ || (*p_ != '\'' && *p_ != '"')) Refuse("Missing quote for an attribute's value.");
  return *p_++;
}

// "=", a quote, the value up to the same quote (of an attribute or of the
// declaration's pseudo-attributes); leaves the position after it.
std::string_view XMLAnalyseur::LitValeurAttribut() {
  const char guillemet = LitEgalEtGuillemet();
  const void* ferme = std::memchr(p_, guillemet, static_cast<std::size_t>(fin_ - p_));
  if (!ferme) Refuse("Missing quote for an attribute's value.");
  const char* f = static_cast<const char*>(ferme);
  std::string_view valeur(p_, static_cast<std::size_t>(f - p_));
  p_ = f + 1;
  return valeur;
}

// A file declared UTF-8 or ISO-8859-15, or naming no encoding and holding
// UTF-8, is turned into CP1252 by the person-file conversion before the rest
// is read; every other file keeps its bytes. The
// declaration itself is ASCII, so converting only what follows it is the same
// as converting the whole file.
void XMLAnalyseur::ConvertitSelonEncodage() {
  const std::string& encodage = doc_.Declaration().Encoding();
  std::string_view reste(p_, static_cast<std::size_t>(fin_ - p_));
  if (EstUtf8Declare(encodage)) {
    if (!EstAscii(reste)) ConvertitUtf8(reste);
  } else if (encodage.empty()) {
    // No encoding named: UTF-8 is the default, but files that name none are
    // often CP1252. Bytes that are all well-formed UTF-8 with at least one
    // multi-byte sequence are read as UTF-8, as the delimited reader does.
    if (!EstAscii(reste) && EstUtf8MultiOctets(reste)) ConvertitUtf8(reste);
  } else if (EstLatin9Declare(encodage) && !Latin9Inchange(reste)) {
    // Latin-9 has none of the typographic quotes: nothing to keep apart.
    converti_ = Iso885915VersCp1252Personne(reste);
    p_ = converti_.data();
    fin_ = p_ + converti_.size();
  }
}

void XMLAnalyseur::ConvertitUtf8(std::string_view octets) {
  converti_ = xml::Utf8VersCp1252Balisage(octets, guillemetsMarques_);
  p_ = converti_.data();
  fin_ = p_ + converti_.size();
}

// Every string of the finished tree gets its typographic quotes back, in
// the ASCII form the person conversion gives them.
void XMLAnalyseur::RestaureGuillemets() {
  std::vector<TXMLNodes*> listes{&doc_.Nodes()};
  while (!listes.empty()) {
    TXMLNodes* liste = listes.back();
    listes.pop_back();
    for (int i = 0; i < liste->Count(); ++i) {
      TXMLNode& n = *liste->Items(i);
      // A shared element name is restored once per element: the second
      // time finds nothing left to change.
      xml::RestaureGuillemets(*n.name_);
      if (n.Kind() == nkText || n.Kind() == nkProcessingInstruction) xml::RestaureGuillemets(n.texte_->valeur);
      TXMLNode::Element* l = n.Lists();
      if (!l) continue;
      for (int j = 0; j < n.AttributeCount(); ++j) {
        TXMLAttribute& a = *l->attributes->Items(j);
        xml::RestaureGuillemets(a.name_);
        xml::RestaureGuillemets(a.value_);
      }
      if (l->children.Count() > 0) listes.push_back(&l->children);
    }
  }
}

// ---- Elements ----

void XMLAnalyseur::LitRacine() {
  bool vide = false;
  TXMLNode* racine = LitBaliseOuvrante(nullptr, 1, vide);
  if (vide) return;
  ouverts_.clear();
  enAttente_.clear();
  ouverts_.push_back(Ouvert{racine, 0, *racine->name_});
  while (!ouverts_.empty()) {
    TXMLNode& courant = *ouverts_.back().element;
    if (p_ == fin_) {
      const std::string& nom = courant.Name();
      FinDeBaliseManquante("<" + nom + ">", "</" + nom + ">");
    }
    // The byte after "<" tells which construct can start here; "</" that
    // does not close the current element is read as a start tag and refused.
    const char apres = fin_ - p_ > 1 ? p_[1] : '\0';
    if (*p_ != '<') {
      LitTexte(courant);
    } else if (apres == '/' && FermeElement(ouverts_.back().nom)) {
      Rattache(courant, ouverts_.back().premierEnfant);
      ouverts_.pop_back();
    } else if (apres == '?') {
      LitInstruction(&courant);
    } else if (apres == '!' && Suit("<!--")) {
      LitCommentaire(&courant);
    } else if (apres == '!' && Suit("<![CDATA[")) {
      LitCData(courant);
    } else {
      TXMLNode* enfant = LitBaliseOuvrante(&courant, ouverts_.size() + 1, vide);
      if (!vide) ouverts_.push_back(Ouvert{enfant, enAttente_.size(), *enfant->name_});
    }
  }
}

// The children of the elements still open wait in enAttente_; once an element
// is closed they are moved into its list, whose array is then made at its
// final size in one go instead of growing child by child.
void XMLAnalyseur::Rattache(TXMLNode& element, std::size_t premier) {
  const std::size_t n = enAttente_.size() - premier;
  if (n == 0) return;
  TXMLNodes& enfants = Listes(element).children;
  NoeudEnAttente* debut = enAttente_.data() + premier;
  if (enfants.items_ == nullptr) {
    auto** tableau = static_cast<TXMLNode**>(reserve_->Prend(n * sizeof(TXMLNode*)));
    for (std::size_t i = 0; i < n; ++i) tableau[i] = debut[i].release();
    enfants.items_ = tableau;
    enfants.count_ = static_cast<std::uint32_t>(n);
    enfants.capacity_ = 0;
  } else {
    for (std::size_t i = 0; i < n; ++i) {
      enfants.Append(debut[i].get());
      debut[i].release();
    }
  }
  enAttente_.resize(premier);
}

// An element's lists, made in the reserve the first time it has a child or
// an attribute.
inline TXMLNode::Element& XMLAnalyseur::Listes(TXMLNode& element) {
  if (!element.element_) {
    element.element_ = ::new (reserve_->PrendPour<TXMLNode::Element>()) TXMLNode::Element(&element);
    element.origin_ |= origine::kPartiesEnReserve;
  }
  return *element.element_;
}

void XMLAnalyseur::AjouteAttribut(TXMLNode& element, std::string_view nom, std::string_view valeur) {
  TXMLNode::Element& listes = Listes(element);
  if (!listes.attributes) {
    listes.attributes = ::new (reserve_->PrendPour<TXMLAttributes>()) TXMLAttributes();
    element.origin_ |= origine::kAttributsEnReserve;
  }
  TXMLAttributes& liste = *listes.attributes;
  auto* attribut = ::new (reserve_->PrendPour<TXMLAttribute>()) TXMLAttribute(std::string(nom), std::string(valeur));
  try {
    liste.CheckName(attribut->name_);
    if (liste.count_ == liste.capacity_) {
      // The list's array grows in the reserve; the old one is left unused.
      const std::uint32_t capacite = liste.count_ < 4 ? 4 : 2 * liste.count_;
      auto** tableau = static_cast<TXMLAttribute**>(reserve_->Prend(capacite * sizeof(TXMLAttribute*)));
      if (liste.count_ > 0) std::memcpy(tableau, liste.items_, liste.count_ * sizeof(TXMLAttribute*));
      liste.items_ = tableau;
      liste.capacity_ = capacite;
      liste.parsedArray_ = true;
    }
    liste.Append(attribut, true);
  } catch (...) {
    attribut->~TXMLAttribute();
    throw;
  }
}

void XMLAnalyseur::LibereNoeud::operator()(TXMLNode* n) const noexcept { TXMLNode::ReleaseTree(n); }

// At "</" followed by the element's name, white space and ">": steps over
// them. Anything else (such as "</ab>" inside "a") is left for the caller,
// which reads it as a child element and refuses it.
inline bool XMLAnalyseur::FermeElement(std::string_view nom) {
  const std::size_t reste = static_cast<std::size_t>(fin_ - p_);
  if (reste < nom.size() + 2 || p_[1] != '/' || !xml::MemesOctets(p_ + 2, nom.data(), nom.size())) return false;
  const char* q = p_ + 2 + nom.size();
  while (q < fin_ && EstBlanc(*q)) ++q;
  if (q == fin_ || *q != '>') return false;
  p_ = q + 1;
  return true;
}

TXMLNode* XMLAnalyseur::LitBaliseOuvrante(TXMLNode* parent, std::size_t profondeur, bool& vide) {
  ++p_;
  const std::string_view nom = LitNom();
  if (nom.empty()) Refuse("Invalid element name.");
  // Each open element costs only a slot of ouverts_, but the tree must stay
  // shallow enough for every walk over it that recurses.
  if (profondeur > static_cast<std::size_t>(kProfondeurMaxXML)) Refuse("Element nesting too deep.");
  TXMLNode* element = NouveauNoeud(parent, nkElement, nom);

  for (;;) {
    SauteBlancs();
    if (p_ == fin_ || !EstDebutNom(*p_)) break;
    const std::string_view nomAttribut = LitNom();
    const std::string_view valeur = LitValeurAttribut();
    AjouteAttribut(*element, nomAttribut, valeur);
  }
  if (Suit("/>")) {
    p_ += 2;
    vide = true;
    return element;
  }
  if (p_ == fin_ || *p_ != '>') FinDeBaliseManquante("<", ">");
  ++p_;
  vide = false;
  // An element that may have children gets its lists now, beside it in the
  // reserve, where walks over the tree find both in the same cache lines.
  Listes(*element);
  return element;
}

// ---- Other constructs ----

void XMLAnalyseur::LitInstruction(TXMLNode* parent) {
  p_ += 2;
  const std::string_view cible = LitNom();
  if (cible.empty()) Refuse("Processing Instruction target name missing.");
  if (cible == "xml") Refuse("The xml declaration must be on the first line and first character.");
  if (xml::EgalSansCasse(cible, "xml")) Refuse("Processing Instruction target name is 'xml'.");
  SauteBlancs();
  const std::string_view reste(p_, static_cast<std::size_t>(fin_ - p_));
  const std::size_t fin = reste.find("?>");
  if (fin == std::string_view::npos) FinDeBaliseManquante("<?", "?>");
  // The target was checked above: what SetName and SetValue would store.
  NouveauNoeud(parent, nkProcessingInstruction, cible, reste.substr(0, fin));
  p_ += fin + 2;
}

void XMLAnalyseur::LitCommentaire(TXMLNode* parent) {
  p_ += 4;
  const std::string_view reste(p_, static_cast<std::size_t>(fin_ - p_));
  const std::size_t fin = reste.find("-->");
  if (fin == std::string_view::npos) FinDeBaliseManquante("<!--", "-->");
  NouveauNoeud(parent, nkComment)->SetName(reste.substr(0, fin));
  p_ += fin + 3;
}

void XMLAnalyseur::LitCData(TXMLNode& parent) {
  p_ += 9;
  const std::string_view reste(p_, static_cast<std::size_t>(fin_ - p_));
  const std::size_t fin = reste.find("]]>");
  if (fin == std::string_view::npos) FinDeBaliseManquante("<![CDATA[", "]]>");
  NouveauNoeud(&parent, nkCData, reste.substr(0, fin));
  p_ += fin + 3;
}

// Character data up to the next "<"; white space alone between tags makes no node.
void XMLAnalyseur::LitTexte(TXMLNode& parent) {
  // Most character data is the indentation between two tags: bytes of code
  // 32 or less up to the next "<" (which is above 32) make no node.
  const char* q = xml::PasseOctetsBlancs(p_, fin_);
  if (q == fin_ || *q == '<') {
    p_ = q;
    return;
  }
  const char* f = xml::Cherche(q, fin_, '<');
  const std::string_view donnees(p_, static_cast<std::size_t>(f - p_));
  p_ = f;
  // Without a reference, Name and Value are both the trimmed data, as SetValue
  // would make them; otherwise SetValue decodes it.
  const std::string_view brut = xml::Rogne(donnees);
  if (brut.find('&') == std::string_view::npos) {
    NouveauNoeud(&parent, nkText, brut, brut);
  } else {
    NouveauNoeud(&parent, nkText)->SetValue(brut);
  }
}

// ---- Helpers ----

// A node in the reserve, with its Name (and, for a text or a processing
// instruction, its Value) already known to be valid. An element shares its
// name with the elements of the same name.
TXMLNode* XMLAnalyseur::NouveauNoeud(TXMLNode* parent, TXMLNodeKind kind, std::string_view name,
                                     std::string_view value) {
  if (++noeuds_ > static_cast<std::size_t>(kNoeudsMaxXML)) Refuse("Too many nodes.");
  // The bare node holds nothing yet: should taking it into a list fail, the
  // reserve has all of it. From then on its list owns it.
  auto* n = ::new (reserve_->PrendPour<TXMLNode>()) TXMLNode(kind, origine::kNoeudEnReserve);
  if (parent) {
    // The parent is open, so it has its lists already (LitBaliseOuvrante).
    n->parentNodes_ = &parent->element_->children;
    enAttente_.emplace_back(n);
  } else {
    doc_.Nodes().Append(n);
  }
  if (kind == nkElement) {
    if (std::string* partage = reserve_->NomPartage(name)) {
      n->name_ = partage;
    } else {
      n->name_ = ::new (reserve_->PrendPour<std::string>()) std::string(name);
      n->origin_ |= origine::kNomEnReserve;
    }
  } else if (kind == nkText && name.data() == value.data() && name.size() == value.size()) {
    // Character data without references: Name is Value, kept once.
    n->texte_ = ::new (reserve_->PrendPour<TXMLNode::Texte>()) TXMLNode::Texte{std::string(), std::string(value)};
    n->origin_ |= origine::kPartiesEnReserve;
    n->name_ = &n->texte_->valeur;
  } else {
    n->texte_ = ::new (reserve_->PrendPour<TXMLNode::Texte>()) TXMLNode::Texte{std::string(name), std::string(value)};
    n->origin_ |= origine::kPartiesEnReserve;
    n->name_ = &n->texte_->nom;
  }
  return n;
}

inline bool XMLAnalyseur::Suit(std::string_view s) const {
  return static_cast<std::size_t>(fin_ - p_) >= s.size() && std::memcmp(p_, s.data(), s.size()) == 0;
}

// The scanning loops work on a local copy of the position: the text's bytes
// could alias p_ for the compiler, which would otherwise store it each step.
inline void XMLAnalyseur::SauteBlancs() {
  const char* p = p_;
  while (p < fin_ && EstBlanc(*p)) ++p;
  p_ = p;
}

inline std::string_view XMLAnalyseur::LitNom() {
  const char* debut = p_;
  if (debut == fin_ || !EstDebutNom(*debut)) return {};
  const char* p = xml::FinDeNom(debut + 1, fin_);
  p_ = p;
  return std::string_view(debut, static_cast<std::size_t>(p - debut));
}

void XMLAnalyseur::Refuse(const std::string& message) { throw EXMLException(message); }

void XMLAnalyseur::FinDeBaliseManquante(std::string_view debut, std::string_view fin) {
  throw EXMLException("End of tag '" + std::string(debut) + "' missing (" + std::string(fin) + ").");
}

}  // namespace corrinom
