// The system's message texts where the operating system has no message table
// of its own: French texts, worded as Windows words them, for the status codes
// an account store or the security set-up can return. Like the system's, each
// text ends with a full stop and a line break, which MessErreur trims.
#include <array>
#include <string_view>

#include "text/texte_systeme.h"

namespace corrinom {
namespace {

constexpr std::array<TexteCode, 39> kTextes{{
    {2, "Le fichier sp\xE9" "cifi\xE9 est introuvable.\r\n"},
    {3, "Le chemin d'acc\xE8s sp\xE9" "cifi\xE9 est introuvable.\r\n"},
    {4, "Le syst\xE8me ne peut pas ouvrir le fichier.\r\n"},
    {5, "Acc\xE8s refus\xE9.\r\n"},
    {8, "Espace de stockage insuffisant pour traiter cette commande.\r\n"},
    {31, "Un p\xE9riph\xE9rique attach\xE9 au syst\xE8me ne fonctionne pas correctement.\r\n"},
    {32, "Le processus ne peut pas acc\xE9" "der au fichier car ce fichier est utilis\xE9 par "
         "un autre processus.\r\n"},
    {50, "Cette demande n'est pas prise en charge.\r\n"},
    {53, "Le chemin r\xE9seau n'a pas \xE9t\xE9 trouv\xE9.\r\n"},
    {86, "Le mot de passe r\xE9seau sp\xE9" "cifi\xE9 est incorrect.\r\n"},
    {87, "Param\xE8tre incorrect.\r\n"},
    {112, "Espace insuffisant sur le disque.\r\n"},
    {124, "Le niveau d'appel syst\xE8me n'est pas correct.\r\n"},
    {170, "La ressource demand\xE9" "e est en cours d'utilisation.\r\n"},
    {206, "Le nom de fichier ou l'extension est trop long.\r\n"},
    {223, "La taille du fichier d\xE9passe la limite autoris\xE9" "e et ne peut pas \xEAtre "
          "enregistr\xE9" "e.\r\n"},
    {234, "Plus de donn\xE9" "es sont disponibles.\r\n"},
    {1003, "Impossible de terminer cette fonction.\r\n"},
    {1117, "La demande n'a pas pu \xEAtre ex\xE9" "cut\xE9" "e en raison d'une erreur d'E/S de "
           "p\xE9riph\xE9rique.\r\n"},
    {1311, "Aucun serveur d'ouverture de session n'est actuellement disponible pour traiter la "
           "demande d'ouverture de session.\r\n"},
    {1317, "L'utilisateur sp\xE9" "cifi\xE9 n'existe pas.\r\n"},
    {1326, "Le nom d'utilisateur ou le mot de passe est incorrect.\r\n"},
    {1331, "Ce compte d'utilisateur est actuellement d\xE9" "sactiv\xE9.\r\n"},
    {1332, "Le mappage entre les noms de compte et les ID de s\xE9" "curit\xE9 n'a pas \xE9t\xE9 "
           "effectu\xE9.\r\n"},
    {1355, "Le domaine sp\xE9" "cifi\xE9 n'existe pas ou il est impossible de le contacter.\r\n"},
    {1359, "Une erreur interne s'est produite.\r\n"},
    {1392, "Le fichier ou le r\xE9pertoire est endommag\xE9 et illisible.\r\n"},
    {1722, "Le serveur RPC n'est pas disponible.\r\n"},
    {1909, "Le compte r\xE9" "f\xE9renc\xE9 est actuellement verrouill\xE9 et il se peut que "
           "vous ne puissiez pas vous y connecter.\r\n"},
    {1921, "Le nom du fichier ne peut pas \xEAtre r\xE9solu par le syst\xE8me.\r\n"},
    {2102, "Le pilote de station de travail n'est pas install\xE9.\r\n"},
    {2106, "Cette op\xE9ration ne peut \xEAtre effectu\xE9" "e que sur un serveur.\r\n"},
    {2138, "Le r\xE9seau Microsoft Windows ne r\xE9pond pas.\r\n"},
    {2220, "Le nom de groupe est introuvable.\r\n"},
    {2221, "Le nom d'utilisateur est introuvable.\r\n"},
    {2224, "Le compte existe d\xE9j\xE0.\r\n"},
    {2226, "Cette op\xE9ration ne peut \xEAtre effectu\xE9" "e que sur le contr\xF4leur "
           "principal de domaine du domaine.\r\n"},
    {2351, "Ce nom d'ordinateur n'est pas valide.\r\n"},
    {2453, "Impossible de trouver le contr\xF4leur de domaine pour ce domaine.\r\n"},
}};

}  // namespace

std::string TexteSysteme(std::uint32_t code) {
  const TexteCode* t = ChercheTexteCode(kTextes, code);
  return t != nullptr ? std::string(t->texte) : std::string();
}

}  // namespace corrinom
