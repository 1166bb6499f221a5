// Writing and reading the change journal.
#include "session/journal.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "session/conservation_journaux.h"
#include "session/csv.h"
#include "session/horodatage.h"
#include "text/encodage.h"
#include "text/octets.h"

namespace corrinom {
namespace {

namespace fs = std::filesystem;

// Paths are shown to the operator in CP1252, like every other text.
std::string Affiche(const std::string& chemin) { return Utf8VersCp1252Compte(chemin); }

std::string Absolu(const std::string& chemin) {
  std::error_code ec;
  const fs::path p = fs::absolute(chemin, ec);
  return ec ? chemin : p.lexically_normal().string();
}

std::string EnTete() { return std::string(kBomUtf8) + std::string(kEnteteJournal) + "\r\n"; }

const char* Environnement(const LectureEnvironnement& env, const char* nom) {
  return env ? env(nom) : std::getenv(nom);
}

// The first `n` bytes and the last two bytes of a file.
bool LitBords(const std::string& chemin, std::size_t n, std::string& debut, std::string& fin) {
  std::ifstream f(chemin, std::ios::binary);
  if (!f) return false;
  debut.assign(n, '\0');
  f.read(debut.data(), static_cast<std::streamsize>(n));
  debut.resize(static_cast<std::size_t>(f.gcount()));
  f.clear();
  f.seekg(-2, std::ios::end);
  fin.assign(2, '\0');
  f.read(fin.data(), 2);
  fin.resize(static_cast<std::size_t>(f.gcount()));
  return true;
}

}  // namespace

std::optional<std::string> DossierJournaux(std::string& erreur, const LectureEnvironnement& env) {
  auto valeur = [&](const char* nom) -> std::string {
    const char* v = Environnement(env, nom);
    return v ? std::string(v) : std::string();
  };
#ifdef _WIN32
  const std::string base = valeur("LOCALAPPDATA");
  if (base.empty()) {
    erreur = "La variable LOCALAPPDATA n'est pas d\xE9" "finie : le dossier des journaux est inconnu.";
    return std::nullopt;
  }
  return (fs::path(base) / "Corrinom" / "journaux").string();
#else
  const std::string xdg = valeur("XDG_DATA_HOME");
  // A relative XDG_DATA_HOME is invalid and to be ignored.
  if (!xdg.empty() && xdg.front() == '/') return (fs::path(xdg) / "corrinom" / "journaux").string();
  const std::string maison = valeur("HOME");
  if (maison.empty()) {
    erreur = "La variable HOME n'est pas d\xE9" "finie : le dossier des journaux est inconnu.";
    return std::nullopt;
  }
  return (fs::path(maison) / ".local" / "share" / "corrinom" / "journaux").string();
#endif
}

std::unique_ptr<JournalChangements> JournalChangements::CreeDansDossier(const std::string& dossier,
                                                                        std::time_t debut,
                                                                        std::string magasin,
                                                                        std::string& erreur) {
  std::error_code ec;
  fs::create_directories(dossier, ec);
  if (ec) {
    erreur = "Le dossier des journaux " + Affiche(dossier) + " ne peut pas \xEAtre cr\xE9\xE9 (" +
             TexteErreurFichier(ec.value()) + ").";
    return nullptr;
  }
  const InstantLocal instant = InstantLocalDe(debut);
  for (int rang = 1; rang < 1000; ++rang) {
    const std::string chemin = Absolu((fs::path(dossier) / NomFichierJournal(instant, rang)).string());
    int e = 0;
    std::unique_ptr<FichierDurable> f = FichierDurable::Ouvre(chemin, true, e);
    if (!f && e == EEXIST) continue;
    if (!f || !f->ajoute(EnTete(), e)) {
      erreur = "Le journal " + Affiche(chemin) + " ne peut pas \xEAtre cr\xE9\xE9 (" +
               TexteErreurFichier(e) + ").";
      return nullptr;
    }
    return std::unique_ptr<JournalChangements>(
        new JournalChangements(std::move(f), chemin, std::move(magasin)));
  }
  erreur = "Trop de journaux portent d\xE9j\xE0 le nom de cette heure dans " + Affiche(dossier) + ".";
  return nullptr;
}

std::unique_ptr<JournalChangements> JournalChangements::OuvreFichier(const std::string& chemin,
                                                                     std::string magasin,
                                                                     std::string& erreur) {
  const std::string absolu = Absolu(chemin);
  int e = 0;
  std::unique_ptr<FichierDurable> f = FichierDurable::Ouvre(absolu, false, e);
  if (!f) {
    erreur = "Le journal " + Affiche(absolu) + " ne peut pas \xEAtre ouvert (" +
             TexteErreurFichier(e) + ").";
    return nullptr;
  }
  if (f->tailleInitiale() == 0) {
    if (!f->ajoute(EnTete(), e)) {
      erreur = "Le journal " + Affiche(absolu) + " ne peut pas \xEAtre \xE9" "crit (" +
               TexteErreurFichier(e) + ").";
      return nullptr;
    }
  } else {
    // Appending to anything but one of our journals would spoil that file; a
    // journal whose last line was cut short would glue our first line to it.
    std::string debut, fin;
    const std::string attendu = EnTete();
    if (!LitBords(absolu, attendu.size(), debut, fin) || debut != attendu) {
      erreur = "Le fichier " + Affiche(absolu) +
               " n'est pas un journal de Corrinom : il ne commence pas par la ligne "
               "d'en-t\xEAte d'un journal.";
      return nullptr;
    }
    if (fin != "\r\n") {
      erreur = "Le journal " + Affiche(absolu) + " se termine par une ligne incompl\xE8te.";
      return nullptr;
    }
  }
  return std::unique_ptr<JournalChangements>(
      new JournalChangements(std::move(f), absolu, std::move(magasin)));
}

std::string JournalChangements::erreurEcriture(int e) const {
  return "Le journal " + Affiche(chemin_) + " ne peut pas \xEAtre \xE9" "crit (" +
         TexteErreurFichier(e) + ").";
}

bool JournalChangements::ecritLigne(const ChangementCompte& c, std::string_view etape,
                                    std::string_view statut, bool attendDisque,
                                    std::string& erreur) {
  const std::string ligne = LigneCsv({HorodatageIso(InstantLocalDe(std::time(nullptr))), magasin_,
                                      c.login, std::string(etape), c.ancienNomComplet,
                                      c.ancienCommentaire, c.nouveauNomComplet,
                                      c.nouveauCommentaire, std::string(statut)});
  int e = 0;
  if (attendDisque ? fichier_->ajoute(ligne, e) : fichier_->ecrit(ligne, e)) {
    enAttente_ = !attendDisque;
    return true;
  }
  erreur = erreurEcriture(e);
  return false;
}

bool JournalChangements::intention(const ChangementCompte& c, std::string& erreur) {
  return ecritLigne(c, kEtapeIntention, {}, true, erreur);
}

bool JournalChangements::resultat(const ChangementCompte& c, std::uint32_t statut,
                                  std::string& erreur) {
  return ecritLigne(c, kEtapeResultat, std::to_string(statut), false, erreur);
}

bool JournalChangements::conflit(const ChangementCompte& c, std::string& erreur) {
  return ecritLigne(c, kEtapeConflit, {}, false, erreur);
}

bool JournalChangements::termine(std::string& erreur) {
  if (!enAttente_) return true;
  int e = 0;
  if (!fichier_->synchronise(e)) {
    erreur = erreurEcriture(e);
    return false;
  }
  enAttente_ = false;
  return true;
}

JournalChangements::~JournalChangements() {
  std::string ignoree;
  termine(ignoree);
}

std::unique_ptr<JournalChangements> OuvreJournal(const std::optional<std::string>& fichierChoisi,
                                                 std::time_t debut, std::string magasin,
                                                 std::string& erreur) {
  if (fichierChoisi) return JournalChangements::OuvreFichier(*fichierChoisi, std::move(magasin), erreur);
  const std::optional<std::string> dossier = DossierJournaux(erreur);
  if (!dossier) return nullptr;
  std::unique_ptr<JournalChangements> journal =
      JournalChangements::CreeDansDossier(*dossier, debut, std::move(magasin), erreur);
  // The new journal is open, so the purge cannot take it. A journal that
  // cannot be deleted now is deleted by a later run.
  if (journal) PurgeJournaux(*dossier, MoisAvant(InstantLocalDe(debut), kMoisConservationJournaux));
  return journal;
}

bool LitJournal(std::string_view octets, std::vector<LigneJournal>& lignes, std::string& erreur) {
  lignes.clear();
  std::vector<EnregistrementCsv> enregistrements;
  bool tronque = false;
  std::size_t ligneErreur = 0;
  const bool lu = LitCsv(octets, enregistrements, tronque, ligneErreur);
  if (!octets.starts_with(kBomUtf8) || enregistrements.empty() ||
      LigneCsv(enregistrements.front().champs) != std::string(kEnteteJournal) + "\r\n") {
    erreur = "Ce fichier n'est pas un journal de Corrinom : il ne commence pas par la ligne "
             "d'en-t\xEAte d'un journal.";
    return false;
  }
  auto abime = [&](std::size_t ligne) {
    lignes.clear();
    erreur = "Le journal est ab\xEEm\xE9 \xE0 la ligne " + std::to_string(ligne) + ".";
    return false;
  };
  if (!lu) return abime(ligneErreur);
  for (std::size_t i = 1; i < enregistrements.size(); ++i) {
    const EnregistrementCsv& e = enregistrements[i];
    if (e.champs.size() != 9) return abime(e.ligne);
    LigneJournal l;
    l.horodatage = e.champs[0];
    l.magasin = e.champs[1];
    l.ligne = e.ligne;
    l.changement = {e.champs[2], e.champs[4], e.champs[5], e.champs[6], e.champs[7]};
    if (e.champs[3] == kEtapeIntention || e.champs[3] == kEtapeConflit) {
      if (!e.champs[8].empty()) return abime(e.ligne);
      l.conflit = e.champs[3] == kEtapeConflit;
    } else if (e.champs[3] == kEtapeResultat) {
      l.statut = Nombre32(e.champs[8]);
      if (!l.statut) return abime(e.ligne);
      l.resultat = true;
    } else {
      return abime(e.ligne);
    }
    if (l.changement.login.empty()) return abime(e.ligne);
    lignes.push_back(std::move(l));
  }
  return true;
}

bool LitFichierJournal(const std::string& chemin, std::vector<LigneJournal>& lignes,
                       std::string& erreur) {
  std::ifstream f(chemin, std::ios::binary);
  std::string contenu;
  if (f) contenu.assign(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
  if (!f && !f.eof()) {
    erreur = "Le journal " + Affiche(chemin) + " ne peut pas \xEAtre lu.";
    return false;
  }
  if (!LitJournal(contenu, lignes, erreur)) {
    erreur = Affiche(chemin) + " : " + erreur;
    return false;
  }
  return true;
}

}  // namespace corrinom
