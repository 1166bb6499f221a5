// TXMLDoc: the document, and reading its file.
#include <memory>
#include <string>

#include "text/fichier.h"
#include "xml/analyse.h"
#include "xml/reserve.h"
#include "xml/xml.h"

namespace corrinom {

TXMLDoc::TXMLDoc() : reserve_(std::make_unique<ReserveXML>()), nodes_(nullptr) { Clear(); }

TXMLDoc::~TXMLDoc() { Clear(); }

void TXMLDoc::Clear() {
  declaration_.Clear();
  nodes_.Clear();
  // Every node of the reserve belonged to this document's tree.
  reserve_->Libere();
}

void TXMLDoc::LoadFromFile(const std::string& fileName) {
  Clear();
  fileName_ = fileName;
  if (fileName.empty()) return;
  std::string octets;
  const LectureFichier lecture = LitFichier(fileName, octets);
  if (lecture.echec == LectureFichier::Echec::Ouverture) throw EFOpenError(fileName);
  if (!lecture) throw EReadError();
  LoadFromMemory(octets);
}

void TXMLDoc::LoadFromMemory(std::string_view bytes) {
  Clear();
  try {
    XMLAnalyseur::Analyse(bytes, *this);
  } catch (...) {
    Clear();
    throw;
  }
}

}  // namespace corrinom
