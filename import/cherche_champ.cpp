#include "import/cherche_champ.h"

#include "operator/dialogues.h"
#include "text/encodage.h"
#include "text/erreurs.h"
#include "text/noms.h"
#include "text/octets.h"

namespace corrinom {

namespace {

constexpr const char* kNomChampVide =
    "Table de type incorrect. La premi\xE8re ligne comporte un nom de champ vide";
constexpr const char* kPasAssezDeChamps =
    "Table de type incorrect. La premi\xE8re ligne devrait contenir le nom des champs "
    "s\xE9par\xE9s par un ; ou une ,";

}  // namespace

std::vector<std::string> TFormChercheChamp::NomsDesChamps(std::string_view entete,
                                                          std::string& erreur) {
  erreur.clear();
  const FormatTexte format = FormatDeLEntete(entete);
  std::vector<std::string> noms;
  std::vector<std::string_view> champs = DecoupeChamps(entete, format);
  // A separator at the very end of the header adds no empty name.
  if (champs.size() > 1 && champs.back().empty()) champs.pop_back();
  if (entete.empty()) champs.clear();
  for (std::string_view champ : champs) {
    // In a quoted file the names are listed without their quotes, so that the
    // chosen one is found again in the header.
    std::string nom = MajusculeAscii(Rogne(champ));
    if (format.guillemets) nom = std::string(Rogne(EnleveGuillemets(nom, format)));
    if (nom.empty()) {
      erreur = kNomChampVide;
      return {};
    }
    noms.push_back(std::move(nom));
  }
  if (noms.size() < 2) {
    erreur = kPasAssezDeChamps;
    return {};
  }
  return noms;
}

std::vector<std::string> TFormChercheChamp::AfficheExemples(int n) const {
  std::vector<std::string> exemples;
  if (n < 0 || lignes_.lignes.empty()) return exemples;
  const std::size_t fin = std::min<std::size_t>(lignes_.lignes.size(), kMaxExemples + 1);
  for (std::size_t i = 1; i < fin; ++i)
    exemples.push_back(OemVersAnsi(ExtraitChamp(lignes_.lignes[i], n, format_)));
  return exemples;
}

std::string TFormChercheChamp::ChoisirChamp(const std::string& nomFichier, const std::string& titre,
                                            const std::string& defaut, const std::string& message) {
  std::string reponse = defaut;
  if (nomFichier.empty()) return reponse;

  int code = 0;
  const std::string entete = "Erreur en ouvrant la table " + NomFichierAffiche(nomFichier) + "\n";
  if (!LitLignesFichier(nomFichier, lignes_, code)) {
    dialogues_.erreur(entete + MessErreur(code));
  } else if (lignes_.lignes.empty()) {
    dialogues_.erreur(entete + "Fichier vide");
  } else {
    format_ = FormatDeLEntete(lignes_.lignes.front());
    std::string erreur;
    DemandeChamp demande;
    demande.titre = titre;
    demande.message = message;
    demande.noms = NomsDesChamps(lignes_.lignes.front(), erreur);
    if (!erreur.empty()) {
      dialogues_.erreur(erreur);
    } else {
      if (!defaut.empty()) {
        for (std::size_t i = 0; i < demande.noms.size(); ++i) {
          if (demande.noms[i] == defaut) {
            demande.preselection = static_cast<int>(i);
            break;
          }
        }
      }
      demande.exemples = [this](int n) { return AfficheExemples(n); };
      const std::optional<int> choix = dialogues_.choisirChamp(demande);
      if (choix && *choix >= 0 && *choix < static_cast<int>(demande.noms.size()))
        reponse = demande.noms[static_cast<std::size_t>(*choix)];
    }
  }
  lignes_.vide();
  return reponse;
}

}  // namespace corrinom
