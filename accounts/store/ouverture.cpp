// Opening the store the operator chose: the system's, an embedded base or the demo.
#include "accounts/store/ouverture.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cstdio>
#include <filesystem>
#include <random>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

#include "text/encodage.h"
#include "text/fichier.h"

#ifdef CORRINOM_WITH_SQLITE
#include "accounts/store/base_demo.h"
#include "accounts/store/magasin_en_panne.h"
#include "accounts/store/magasin_sqlite.h"
#endif

namespace corrinom {
namespace {

constexpr std::string_view kNomDemo = "Base de d\xE9monstration";

#ifdef CORRINOM_WITH_SQLITE
// Creates the file only when it does not exist, so no other program's file is reused.
bool CreeFichierNeuf(const std::string& chemin) {
#ifdef _WIN32
  const int f = _wopen(CheminUtf8(chemin).c_str(), _O_CREAT | _O_EXCL | _O_WRONLY | _O_BINARY, _S_IREAD | _S_IWRITE);
  if (f < 0) return false;
  _close(f);
#else
  const int f = open(chemin.c_str(), O_CREAT | O_EXCL | O_WRONLY, 0600);
  if (f < 0) return false;
  close(f);
#endif
  return true;
}

// A new, empty file of our own in the temporary directory.
std::optional<std::string> FichierTemporaire(std::string& erreur) {
  std::error_code ec;
  const std::filesystem::path dossier = std::filesystem::temp_directory_path(ec);
  if (ec) {
    erreur = "Impossible de trouver le dossier temporaire pour la base de d\xE9monstration.";
    return std::nullopt;
  }
  std::random_device alea;
  for (int essai = 0; essai < 100; ++essai) {
    const std::string nom = "corrinom-demo-" + std::to_string(alea()) + ".sqlite";
    const std::string chemin = NomUtf8(dossier / nom);  // as the base opens it
    if (CreeFichierNeuf(chemin)) return chemin;
  }
  erreur = "Impossible de cr\xE9" "er la base de d\xE9monstration dans le dossier temporaire.";
  return std::nullopt;
}
#endif

}  // namespace

MagasinOuvert OuvreMagasin(const ChoixMagasin& choix) {
  MagasinOuvert r;
  switch (choix.sorte) {
    case ChoixMagasin::Sorte::Systeme:
      r.magasin = OuvreMagasinSysteme(choix, r.erreur);
      return r;
#ifdef CORRINOM_WITH_SQLITE
    case ChoixMagasin::Sorte::Base: {
      std::unique_ptr<MagasinSqlite> base = MagasinSqlite::Ouvre(choix.fichier, r.erreur);
      if (!base) return r;
      // Faults for tests: those of a base made before the side file, then the side file's.
      std::vector<Panne> pannes = base->pannesAnciennes();
      const std::string fichierPannes = FichierPannes(choix.fichier);
      std::error_code ec;
      const bool sansFichierPannes = !std::filesystem::exists(fichierPannes, ec);
      if (!LitPannes(fichierPannes, pannes, r.erreur)) return r;
      if (pannes.empty() && sansFichierPannes)
        r.magasin = std::move(base);
      else
        r.magasin = std::make_unique<MagasinEnPanne>(std::move(base), std::move(pannes));
      r.nomAffiche =
          Utf8VersCp1252Compte(NomUtf8(CheminUtf8(choix.fichier).filename()));
      r.cheminBase = choix.fichier;
      return r;
    }
    case ChoixMagasin::Sorte::Demo: {
      const std::optional<std::string> chemin = FichierTemporaire(r.erreur);
      if (!chemin) return r;
      if (!EcritBaseDemo(*chemin, r.erreur)) {
        std::error_code ec;
        std::filesystem::remove(CheminUtf8(*chemin), ec);
        return r;
      }
      std::unique_ptr<MagasinSqlite> base = MagasinSqlite::Ouvre(*chemin, r.erreur);
      if (base) {
        base->supprimeALaFermeture();
        r.magasin = std::move(base);
        r.nomAffiche = std::string(kNomDemo);
        r.cheminBase = *chemin;
      }
      return r;
    }
#else
    case ChoixMagasin::Sorte::Base:
    case ChoixMagasin::Sorte::Demo:
      r.erreur =
          "Cette version de Corrinom ne sait pas lire les bases de comptes int\xE9gr\xE9" "es "
          "(elle a \xE9t\xE9 construite sans SQLite).";
      return r;
#endif
  }
  return r;
}

}  // namespace corrinom
