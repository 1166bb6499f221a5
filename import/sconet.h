// The two Sconet XML readers: the student export (ELEVES/ELEVE) and the staff
// export (INDIVIDUS/INDIVIDU).
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "import/personne.h"

namespace corrinom {

class Dialogues;
class TXMLDoc;
class TXMLNode;

inline constexpr int kLectureReussie = 0;
inline constexpr int kLectureEchouee = 13;

// One person read from an XML file, before it is handed over.
struct TUserXML {
  std::string Nom;
  std::string Prenom;
  std::string Prenom2;
  std::string Prenom3;
  std::string DateNaiss;
};

// The depth-limited search for an element by name (ASCII case ignored): the node
// itself at `profondeur`, then its children one level deeper, up to `maximum`.
const TXMLNode* ChercheBalise(std::string_view nom, const TXMLNode* noeud, int profondeur,
                              int maximum);

// The text of a field element: its first child's text when that child is a text
// node, else empty.
std::string TexteBalise(const TXMLNode& element);

// yyyy-mm-dd into dd/mm/yyyy; any other text comes back unchanged.
std::string ConvertitDate(std::string_view date);

// A person file loaded once and shared by the probe and the readers. When the
// load failed, `doc` is null and the readers report it.
struct DocumentSconet {
  std::string nomFichier;
  std::unique_ptr<TXMLDoc> doc;

  DocumentSconet();
  ~DocumentSconet();
  DocumentSconet(DocumentSconet&&) noexcept;
  DocumentSconet& operator=(DocumentSconet&&) noexcept;
};

// Loads the file; a failure of any kind leaves `doc` null.
DocumentSconet ChargeDocumentSconet(const std::string& nomFichier);

// The student reader. With `sonde` set it only checks the structure (DONNEES,
// then ELEVES under it), shows nothing and changes no list. Returns 0 or 13.
int LitElevesXML(const DocumentSconet& document, bool sonde, RemisePersonnes& remise,
                 Dialogues& dialogues);
int LitElevesXML(const std::string& nomFichier, bool sonde, RemisePersonnes& remise,
                 Dialogues& dialogues);

// The staff reader. Returns 0 or 13.
int LitIndividusXML(const DocumentSconet& document, RemisePersonnes& remise, Dialogues& dialogues);
int LitIndividusXML(const std::string& nomFichier, RemisePersonnes& remise, Dialogues& dialogues);

// The persons of a loaded document, as the readers collect them (for tests and benchmarks).
std::vector<TUserXML> ElevesDuDocument(const TXMLNode& eleves);
std::vector<TUserXML> IndividusDuDocument(const TXMLNode& individus);

}  // namespace corrinom
