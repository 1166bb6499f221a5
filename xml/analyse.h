// The parser behind TXMLDoc::LoadFromFile: one forward pass over the bytes,
// with an explicit stack of open elements instead of recursion.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "xml/xml.h"

namespace corrinom {

class XMLAnalyseur {
 public:
  // Fills doc (already cleared) from the file's bytes. On a refusal the caller
  // clears the document; EXMLException carries the message.
  static void Analyse(std::string_view octets, TXMLDoc& doc);

 private:
  XMLAnalyseur(std::string_view texte, TXMLDoc& doc);
  XMLAnalyseur(const XMLAnalyseur&) = delete;
  XMLAnalyseur& operator=(const XMLAnalyseur&) = delete;

  void LitDocument(bool convertiDepuisUtf8);
  void LitDeclaration();
  char LitEgalEtGuillemet();
  std::string_view LitValeurAttribut();
  void ConvertitSelonEncodage();
  void ConvertitUtf8(std::string_view octets);
  void RestaureGuillemets();
  void LitRacine();
  // Reads a start tag and its attributes; parent is nullptr at the top level.
  // Returns the element, and sets vide when it ended with "/>".
  TXMLNode* LitBaliseOuvrante(TXMLNode* parent, std::size_t profondeur, bool& vide);
  bool FermeElement(std::string_view nom);
  void Rattache(TXMLNode& element, std::size_t premier);
  TXMLNode::Element& Listes(TXMLNode& element);
  void AjouteAttribut(TXMLNode& element, std::string_view nom, std::string_view valeur);
  void LitInstruction(TXMLNode* parent);
  void LitCommentaire(TXMLNode* parent);
  void LitCData(TXMLNode& parent);
  void LitTexte(TXMLNode& parent);

  TXMLNode* NouveauNoeud(TXMLNode* parent, TXMLNodeKind kind, std::string_view name = {},
                         std::string_view value = {});
  bool Suit(std::string_view s) const;
  void SauteBlancs();
  std::string_view LitNom();
  [[noreturn]] static void Refuse(const std::string& message);
  [[noreturn]] static void FinDeBaliseManquante(std::string_view debut, std::string_view fin);

  TXMLDoc& doc_;
  ReserveXML* reserve_;
  // The text being read; points into the caller's bytes or into converti_.
  const char* p_;
  const char* fin_;
  std::string converti_;
  // The UTF-8 conversion kept typographic quotes as CP1252 bytes (xml/conversion.h).
  bool guillemetsMarques_ = false;
  // Every node made so far, against kNoeudsMaxXML.
  std::size_t noeuds_ = 0;
  struct Ouvert {
    TXMLNode* element;
    // Where its children start in enAttente_.
    std::size_t premierEnfant;
    // Its name, which stays where it is until the parse ends.
    std::string_view nom;
  };
  std::vector<Ouvert> ouverts_;
  // A node the parser made and holds until it is in a list.
  struct LibereNoeud {
    void operator()(TXMLNode* n) const noexcept;
  };
  using NoeudEnAttente = std::unique_ptr<TXMLNode, LibereNoeud>;
  // Made, not yet in their parent's list: the children of the open elements.
  std::vector<NoeudEnAttente> enAttente_;
};

}  // namespace corrinom
