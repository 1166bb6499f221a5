// The French text of an error code (see erreurs.h).
#include "text/erreurs.h"

#include <array>
#include <cerrno>
#include <string_view>

#include "text/texte_systeme.h"

namespace corrinom {
namespace {

// Our own codes (30000 and up) and the two network codes for a socket that is
// not connected and a refused connection. Codes 30004-30015 and 30025-30031
// have no entry on purpose. The texts are the operator's, spelling included.
constexpr std::array<TexteCode, 19> kTable{{
    {0, ""},
    {10057, "Non connect\xE9 au serveur"},
    {10061, "Non connect\xE9 au serveur"},
    {30000, "Le fichier ou le r\xE9pertoire n'est pas dans une partion NTFS"},
    {30001, "ACL (Access Control List) absente"},
    {30002, "Suppression refus\xE9" "e pour les Administrateurs"},
    {30003, "DACL (Access Control List) absente"},
    {30016, "Le travail n'a pas \xE9t\xE9 ex\xE9" "cut\xE9."},
    {30017, "Pour information."},
    {30018, "Erreur de transfert."},
    {30019, "Non disponible en ce moment"},
    {30020, "Serveur actuellement occup\xE9"},
    {30021, "Non connect\xE9 au serveur"},
    {30022, "Non connect\xE9 au serveur"},
    {30023, "Abandon"},
    {30024, "Acc\xE8s non autoris\xE9 \xE0 un r\xE9pertoire"},
    {30032, "Il manque le nom du serveur TAVO."},
    {30033, "Le serveur ne r\xE9pond pas."},
    {30034, "Adresse IP non r\xE9solue"},
}};

}  // namespace

// A CR LF pair is one line break; a lone CR or LF counts as one too, so that
// the result never spans two lines whatever the system's line ends are.
std::string TexteSystemeSurUneLigne(std::string texte) {
  while (!texte.empty() &&
         (static_cast<unsigned char>(texte.back()) <= 0x20 || texte.back() == '.')) {
    texte.pop_back();
  }
  std::string resultat;
  resultat.reserve(texte.size());
  for (std::size_t i = 0; i < texte.size(); ++i) {
    if (texte[i] == '\r' && i + 1 < texte.size() && texte[i + 1] == '\n') {
      resultat.push_back(' ');
      ++i;
    } else if (texte[i] == '\r' || texte[i] == '\n') {
      resultat.push_back(' ');
    } else {
      resultat.push_back(texte[i]);
    }
  }
  return resultat;
}

std::int32_t CodeErreurFichier(int numero) {
  switch (numero) {
    case 0: return 0;
    case ENOENT: return 2;          // ERROR_FILE_NOT_FOUND
    case ENOTDIR: return 3;         // ERROR_PATH_NOT_FOUND
    case EMFILE:
    case ENFILE: return 4;          // ERROR_TOO_MANY_OPEN_FILES
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR: return 5;          // ERROR_ACCESS_DENIED (Windows' answer for a folder too)
    case ENOMEM: return 8;          // ERROR_NOT_ENOUGH_MEMORY
    case EBUSY:
    case ETXTBSY: return 32;        // ERROR_SHARING_VIOLATION
    case ENAMETOOLONG: return 206;  // ERROR_FILENAME_EXCED_RANGE
    case EFBIG:
    case EOVERFLOW: return 223;     // ERROR_FILE_TOO_LARGE
    case EIO: return 1117;          // ERROR_IO_DEVICE
    case ELOOP: return 1921;        // ERROR_CANT_RESOLVE_FILENAME
    default: return 31;             // ERROR_GEN_FAILURE
  }
}

std::string MessErreur(std::int32_t code) {
  if (const TexteCode* e = ChercheTexteCode(kTable, static_cast<std::uint32_t>(code))) {
    return std::string(e->texte);
  }
  std::string systeme = TexteSystemeSurUneLigne(TexteSysteme(static_cast<std::uint32_t>(code)));
  if (!systeme.empty()) return systeme;
  return "Erreur n\xB0" + std::to_string(code);
}

}  // namespace corrinom
