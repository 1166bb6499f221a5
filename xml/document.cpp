// TXMLDoc: the document, and reading its file.
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <memory>

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

namespace {

struct FermeFichier {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

// The whole file, byte for byte.
std::string LitFichier(const std::string& fileName) {
  std::unique_ptr<std::FILE, FermeFichier> f(std::fopen(fileName.c_str(), "rb"));
  if (!f) throw EFOpenError(fileName);
  std::string octets;
  // Reserving helps only for a regular file; the size of anything else (a
  // directory, a device) means nothing.
  std::error_code ec;
  if (std::filesystem::is_regular_file(fileName, ec)) {
    const std::uintmax_t taille = std::filesystem::file_size(fileName, ec);
    if (!ec && taille < octets.max_size()) octets.reserve(static_cast<std::size_t>(taille));
  }
  char tampon[65536];
  for (;;) {
    const std::size_t lus = std::fread(tampon, 1, sizeof tampon, f.get());
    octets.append(tampon, lus);
    if (lus < sizeof tampon) break;
  }
  if (std::ferror(f.get())) throw EReadError();
  return octets;
}

}  // namespace

void TXMLDoc::LoadFromFile(const std::string& fileName) {
  Clear();
  fileName_ = fileName;
  if (fileName.empty()) return;
  const std::string octets = LitFichier(fileName);
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
