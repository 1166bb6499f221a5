#include "import/sconet.h"

#include "reconcile/dialogues.h"

namespace corrinom {

// Placeholder until the XML model lands.
class TXMLDoc {};

DocumentSconet::DocumentSconet() = default;
DocumentSconet::~DocumentSconet() = default;
DocumentSconet::DocumentSconet(DocumentSconet&&) noexcept = default;
DocumentSconet& DocumentSconet::operator=(DocumentSconet&&) noexcept = default;

const TXMLNode* ChercheBalise(std::string_view, const TXMLNode*, int, int) { return nullptr; }
std::string TexteBalise(const TXMLNode&) { return {}; }

std::string ConvertitDate(std::string_view s) {
  if (s.size() == 10 && !(s[2] == '/' && s[5] == '/') && s[4] == '-' && s[7] == '-') {
    std::string r;
    r.append(s.substr(8, 2)).append("/").append(s.substr(5, 2)).append("/").append(s.substr(0, 4));
    return r;
  }
  return std::string(s);
}

DocumentSconet ChargeDocumentSconet(const std::string& nomFichier) {
  DocumentSconet d;
  d.nomFichier = nomFichier;
  return d;
}

int LitElevesXML(const DocumentSconet&, bool, RemisePersonnes&, Dialogues&) { return kLectureEchouee; }
int LitElevesXML(const std::string& nomFichier, bool sonde, RemisePersonnes& remise, Dialogues& d) {
  return LitElevesXML(ChargeDocumentSconet(nomFichier), sonde, remise, d);
}
int LitIndividusXML(const DocumentSconet&, RemisePersonnes&, Dialogues&) { return kLectureEchouee; }
int LitIndividusXML(const std::string& nomFichier, RemisePersonnes& remise, Dialogues& d) {
  return LitIndividusXML(ChargeDocumentSconet(nomFichier), remise, d);
}
std::vector<TUserXML> ElevesDuDocument(const TXMLNode&) { return {}; }
std::vector<TUserXML> IndividusDuDocument(const TXMLNode&) { return {}; }

}  // namespace corrinom
