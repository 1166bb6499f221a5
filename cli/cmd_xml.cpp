// corrinom-cli xml FILE: loads FILE as TXMLDoc::LoadFromFile does and dumps the
// declaration and every node, one line each, in document order.
#include <cstdio>
#include <exception>
#include <string>
#include <utility>
#include <vector>

#include "cli/command.h"
#include "text/echappement.h"
#include "text/encodage.h"
#include "xml/xml.h"

namespace corrinom::cli {
namespace {

void AjouteChamp(std::string& ligne, const std::string& champ) {
  ligne += '\t';
  ligne += EchappeChamp(champ);
}

void AjouteNoeud(std::string& sortie, const TXMLNode& n, std::size_t profondeur) {
  sortie.append(2 * profondeur, ' ');
  // A letter for the kind, the name, then the attributes of an element or the
  // value of a text or a processing instruction.
  const TXMLNodeKind sorte = n.Kind();
  sortie += "ECTDP"[sorte];  // by the kinds' fixed codes
  AjouteChamp(sortie, n.Name());
  if (sorte == nkElement) {
    // AttributeCount and GetAttribute read without making an empty list.
    for (int i = 0; i < n.AttributeCount(); ++i) {
      const TXMLAttribute& a = *n.GetAttribute(i);
      AjouteChamp(sortie, a.Name() + "=" + a.Value());
    }
  } else if (sorte == nkText || sorte == nkProcessingInstruction) {
    AjouteChamp(sortie, n.Value());
  }
  sortie += '\n';
}

// Pre-order walk with an explicit stack: a document may nest 10,000 deep.
// The text goes out in pieces of about 64 KiB, so that the dump of a large
// tree does not hold a second copy of it. False when stdout fails.
bool Decrit(const TXMLDoc& doc) {
  constexpr std::size_t kMorceau = 64 * 1024;
  const auto ecrit = [](std::string& texte) {
    const bool ok = std::fwrite(texte.data(), 1, texte.size(), stdout) == texte.size();
    texte.clear();
    return ok;
  };
  const TXMLDeclaration& d = doc.Declaration();
  std::string sortie = "declaration";
  AjouteChamp(sortie, d.Version());
  AjouteChamp(sortie, d.Encoding());
  AjouteChamp(sortie, d.Standalone());
  sortie += '\n';

  // Each entry: a node whose children are being written, and the index of the
  // next one (the top level has no node).
  std::vector<std::pair<const TXMLNode*, int>> pile{{nullptr, 0}};
  while (!pile.empty()) {
    auto& [parent, suivant] = pile.back();
    const TXMLNode* n = parent ? parent->GetChild(suivant) : nullptr;
    if (!parent && suivant < doc.Nodes().Count()) n = doc.Nodes().Items(suivant);
    if (!n) {
      pile.pop_back();
      continue;
    }
    ++suivant;
    AjouteNoeud(sortie, *n, pile.size() - 1);
    if (n->ChildCount() > 0) pile.emplace_back(n, 0);
    if (sortie.size() >= kMorceau && !ecrit(sortie)) return false;
  }
  return ecrit(sortie);
}

int Run(const std::vector<std::string>& args) {
  if (args.size() != 1) {
    std::fputs("usage : corrinom-cli xml FICHIER\n", stderr);
    return kExitUsage;
  }
  TXMLDoc doc;
  try {
    doc.LoadFromFile(args[0]);
  } catch (const EXMLException& e) {
    std::fprintf(stderr, "EXMLException: %s\n", Cp1252VersUtf8(e.what()).c_str());
    return 1;
  } catch (const std::exception& e) {
    // The file errors are ASCII around the name the system was given, which
    // is already in the terminal's encoding: no conversion.
    std::fprintf(stderr, "%s\n", e.what());
    return 2;
  }
  const bool ecrit = Decrit(doc);
  return ecrit && std::fflush(stdout) == 0 ? 0 : 2;
}

}  // namespace

const Commande kCommandeXml{"xml", "xml FICHIER", &Run};
}  // namespace corrinom::cli
