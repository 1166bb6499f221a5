#include "import/ouvrir.h"

#include "import/sconet.h"
#include "import/texte_delimite.h"
#include "operator/dialogues.h"

namespace corrinom {

std::string ExtensionFichier(std::string_view nomFichier) {
  // Only the last path component counts: a full stop in a folder name is no extension.
  const auto debut = nomFichier.find_last_of("/\\:");
  const std::string_view nom =
      debut == std::string_view::npos ? nomFichier : nomFichier.substr(debut + 1);
  const auto point = nom.rfind('.');
  if (point == std::string_view::npos) return {};
  return std::string(nom.substr(point));
}

bool EstNomXml(std::string_view nomFichier) {
  const std::string ext = ExtensionFichier(nomFichier);
  if (ext.size() != 4) return false;
  auto maj = [](char c) { return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c; };
  return ext[0] == '.' && maj(ext[1]) == 'X' && maj(ext[2]) == 'M' && maj(ext[3]) == 'L';
}

ResultatOuverture LitFichierPersonnes(RemisePersonnes& remise, Dialogues& dialogues,
                                      const std::string& nomFichier) {
  ResultatOuverture r;
  if (!EstNomXml(nomFichier)) {
    r.lecteur = Lecteur::Texte;
    r.remis = LitFichierTexte(nomFichier, remise, dialogues);
    return r;
  }
  // The file is parsed once; the probe and whichever reader follows share the document.
  const DocumentSconet document = ChargeDocumentSconet(nomFichier);
  if (LitElevesXML(document, /*sonde=*/true, remise, dialogues) == kLectureReussie) {
    r.lecteur = Lecteur::Eleves;
    r.remis = LitElevesXML(document, /*sonde=*/false, remise, dialogues) == kLectureReussie;
  } else {
    r.lecteur = Lecteur::Individus;
    r.remis = LitIndividusXML(document, remise, dialogues) == kLectureReussie;
  }
  return r;
}

}  // namespace corrinom
