// Writing and reading the change journal.
#include "session/journal.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "session/conservation_journaux.h"
#include "session/csv.h"
#include "session/horodatage.h"
#include "text/arguments.h"
#include "text/encodage.h"
#include "text/erreurs.h"
#include "text/fichier.h"
#include "text/octets.h"

namespace corrinom {
namespace {

namespace fs = std::filesystem;

// Paths are shown to the operator in CP1252, like every other text.
std::string Affiche(const std::string& chemin) { return Utf8VersCp1252Compte(chemin); }

std::string Absolu(const std::string& chemin) {
  std::error_code ec;
  const fs::path p = fs::absolute(CheminUtf8(chemin), ec);
  return ec ? chemin : NomUtf8(p.lexically_normal());
}

std::string EnTete() { return std::string(kBomUtf8) + std::string(kEnteteJournal) + "\r\n"; }

// The first `n` bytes and the last two bytes of a file.
bool LitBords(const std::string& chemin, std::size_t n, std::string& debut, std::string& fin) {
  std::ifstream f(CheminUtf8(chemin), std::ios::binary);
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

// The journals hold people's names: their folder is its owner's alone (on
// Windows the per-user application data folder already is). A folder that
// others may write to, where another user could rename or replace a journal,
// is made private, or refused when it cannot be.
bool DossierPrive(const std::string& dossier, std::string& erreur) {
#ifdef _WIN32
  (void)dossier;
  (void)erreur;
  return true;
#else
  std::error_code ec;
  const fs::perms droits = fs::status(dossier, ec).permissions();
  if (!ec && (droits & (fs::perms::group_all | fs::perms::others_all)) == fs::perms::none) return true;
  if (!ec) fs::permissions(dossier, fs::perms::owner_all, fs::perm_options::replace, ec);
  if (ec) {
    erreur = "Le dossier des journaux " + Affiche(dossier) +
             " est ouvert \xE0 d'autres utilisateurs et ne peut pas leur \xEAtre ferm\xE9 (" +
             TexteErreurFichier(ec.value()) + ").";
    return false;
  }
  return true;
#endif
}

}  // namespace

std::optional<std::string> DossierJournaux(std::string& erreur, const LectureEnvironnement& env) {
  auto valeur = [&](const char* nom) -> std::string {
    if (!env) return VariableEnvironnement(nom);
    const char* v = env(nom);
    return v ? std::string(v) : std::string();
  };
#ifdef _WIN32
  const std::string base = valeur("LOCALAPPDATA");
  if (base.empty()) {
    erreur = "La variable LOCALAPPDATA n'est pas d\xE9" "finie : le dossier des journaux est inconnu.";
    return std::nullopt;
  }
  return NomUtf8(CheminUtf8(base) / "Corrinom" / "journaux");
#else
  const std::string xdg = valeur("XDG_DATA_HOME");
  // A relative XDG_DATA_HOME is invalid and to be ignored.
  if (!xdg.empty() && xdg.front() == '/') return NomUtf8(CheminUtf8(xdg) / "corrinom" / "journaux");
  const std::string maison = valeur("HOME");
  if (maison.empty()) {
    erreur = "La variable HOME n'est pas d\xE9" "finie : le dossier des journaux est inconnu.";
    return std::nullopt;
  }
  return NomUtf8(CheminUtf8(maison) / ".local" / "share" / "corrinom" / "journaux");
#endif
}

std::unique_ptr<JournalChangements> JournalChangements::CreeDansDossier(const std::string& dossier,
                                                                        std::time_t debut,
                                                                        std::string magasin,
                                                                        std::string& erreur) {
  std::error_code ec;
  fs::create_directories(CheminUtf8(dossier), ec);
  if (ec) {
    erreur = "Le dossier des journaux " + Affiche(dossier) + " ne peut pas \xEAtre cr\xE9\xE9 (" +
             TexteErreurFichier(ec.value()) + ").";
    return nullptr;
  }
  if (!DossierPrive(dossier, erreur)) return nullptr;
  const InstantLocal instant = InstantLocalDe(debut);
  for (int rang = 1; rang < 1000; ++rang) {
    const std::string chemin = Absolu(NomUtf8(CheminUtf8(dossier) / NomFichierJournal(instant, rang)));
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
    // Appending to anything but a whole journal of this store would spoil that
    // file: a journal whose last line was cut short would glue our first line
    // to it, and one of another store could no longer be restored.
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
    std::string autre;
    if (!LitFichierJournal(
            absolu, [&](LigneJournal&& l) { if (autre.empty()) LigneDuMagasin(l, magasin, autre); },
            erreur)) {
      return nullptr;
    }
    if (!autre.empty()) {
      erreur = Affiche(absolu) + " : " + autre;
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

namespace {

constexpr std::size_t kChampsJournal = 9;
constexpr std::size_t kCaracteresNomMaximum = 256;

// A login or a full name a restore may write back: UTF-8, no control
// character, at most 256 characters. Anything else is no journal of ours.
bool NomSain(std::string_view nom) {
  const std::optional<std::size_t> n = CaracteresUtf8Imprimables(nom);
  return n && *n <= kCaracteresNomMaximum;
}

// Reads a journal as its bytes come: the header line first, before anything
// else is looked at, then each line as soon as it is whole. Only the unfinished
// last record is kept as bytes, so the memory follows the lines kept.
class LecteurJournal {
 public:
  using Ligne = std::function<void(LigneJournal&&)>;
  explicit LecteurJournal(Ligne ligne) : ligne_(std::move(ligne)) {}

  // False, with a CP1252 reason, once the bytes are no journal or a line is damaged.
  bool ajoute(std::string_view octets, std::string& erreur) {
    tampon_.append(octets);
    if (!entete_ && !litEntete(erreur)) return false;
    // A record still unfinished is read again only once its bytes have doubled,
    // so that one long record costs linear time, not quadratic.
    if (!entete_ || tampon_.size() - debut_ < attendu_) return true;
    return litLignes(erreur);
  }

  // The end of the bytes. A last line cut short (a run that stopped while
  // writing it) is left out.
  bool termine(std::string& erreur) {
    if (!entete_) return refuse(erreur);
    return litLignes(erreur);
  }

 private:
  bool refuse(std::string& erreur) {
    erreur = "Ce fichier n'est pas un journal de Corrinom : il ne commence pas par la ligne "
             "d'en-t\xEAte d'un journal.";
    return false;
  }

  bool abime(std::size_t ligne, std::string& erreur) {
    erreur = "Le journal est ab\xEEm\xE9 \xE0 la ligne " + std::to_string(ligne) + ".";
    return false;
  }

  // The byte-order mark and the header, ended by CRLF (or LF, for a file another
  // tool rewrote). Refused at the first byte that differs.
  bool litEntete(std::string& erreur) {
    const std::string attendue = std::string(kBomUtf8) + std::string(kEnteteJournal);
    const std::size_t n = std::min(tampon_.size(), attendue.size());
    if (tampon_.compare(0, n, attendue, 0, n) != 0) return refuse(erreur);
    if (tampon_.size() <= attendue.size()) return true;
    std::size_t fin = attendue.size();
    if (tampon_[fin] == '\r') {
      if (tampon_.size() == fin + 1) return true;
      ++fin;
    }
    if (tampon_[fin] != '\n') return refuse(erreur);
    debut_ = fin + 1;
    numero_ = 2;
    entete_ = true;
    return true;
  }

  bool litLignes(std::string& erreur) {
    EnregistrementCsv e;
    for (;;) {
      const FinCsv fin = LitEnregistrementCsv(tampon_, debut_, numero_, e, kChampsJournal);
      if (fin == FinCsv::Abime) return abime(numero_, erreur);
      if (fin == FinCsv::Tronque) break;
      if (!ajouteLigne(e)) return abime(e.ligne, erreur);
    }
    tampon_.erase(0, debut_);
    debut_ = 0;
    attendu_ = 2 * tampon_.size();
    return true;
  }

  bool ajouteLigne(EnregistrementCsv& e) {
    if (e.champs.size() != kChampsJournal) return false;
    LigneJournal l;
    l.ligne = e.ligne;
    const std::string& etape = e.champs[3];
    if (etape == kEtapeIntention || etape == kEtapeConflit) {
      if (!e.champs[8].empty()) return false;
      l.conflit = etape == kEtapeConflit;
    } else if (etape == kEtapeResultat) {
      l.statut = Nombre32(e.champs[8]);
      if (!l.statut) return false;
      l.resultat = true;
    } else {
      return false;
    }
    l.magasin = std::move(e.champs[1]);
    l.changement = {std::move(e.champs[2]), std::move(e.champs[4]), std::move(e.champs[5]),
                    std::move(e.champs[6]), std::move(e.champs[7])};
    const ChangementCompte& c = l.changement;
    if (c.login.empty() || !NomSain(c.login) || !NomSain(c.ancienNomComplet) ||
        !NomSain(c.nouveauNomComplet)) {
      return false;
    }
    ligne_(std::move(l));
    return true;
  }

  Ligne ligne_;
  std::string tampon_;
  std::size_t debut_ = 0;   // the first byte of tampon_ not read yet
  std::size_t numero_ = 1;  // its line in the file
  std::size_t attendu_ = 0; // unread bytes to wait for before reading again
  bool entete_ = false;
};

}  // namespace

bool LitJournal(std::string_view octets, std::vector<LigneJournal>& lignes, std::string& erreur) {
  lignes.clear();
  LecteurJournal lecteur([&](LigneJournal&& l) { lignes.push_back(std::move(l)); });
  if (lecteur.ajoute(octets, erreur) && lecteur.termine(erreur)) return true;
  lignes.clear();
  return false;
}

bool LitFichierJournal(const std::string& chemin, const std::function<void(LigneJournal&&)>& ligne,
                       std::string& erreur) {
  LecteurJournal lecteur(ligne);
  bool refuse = false;
  const LectureFichier lu = LitFichierParMorceaux(chemin, nullptr, [&](std::string_view morceau) {
    refuse = !lecteur.ajoute(morceau, erreur);
    return !refuse;
  });
  if (!lu) {
    erreur = "Le journal " + Affiche(chemin) + " ne peut pas \xEAtre lu : " +
             TexteSystemeSurUneLigne(MessErreur(lu.code)) + ".";
    return false;
  }
  if (refuse || !lecteur.termine(erreur)) {
    erreur = Affiche(chemin) + " : " + erreur;
    return false;
  }
  return true;
}

bool LitFichierJournal(const std::string& chemin, std::vector<LigneJournal>& lignes,
                       std::string& erreur) {
  lignes.clear();
  if (LitFichierJournal(chemin, [&](LigneJournal&& l) { lignes.push_back(std::move(l)); }, erreur)) return true;
  lignes.clear();
  return false;
}

bool LigneDuMagasin(const LigneJournal& l, std::string_view magasin, std::string& erreur) {
  if (l.magasin == magasin) return true;
  erreur = "Ce journal concerne un autre serveur ou une autre base (ligne " +
           std::to_string(l.ligne) + ").";
  return false;
}

bool JournalDuMagasin(const std::vector<LigneJournal>& lignes, std::string_view magasin,
                      std::string& erreur) {
  for (const LigneJournal& l : lignes) {
    if (!LigneDuMagasin(l, magasin, erreur)) return false;
  }
  return true;
}

}  // namespace corrinom
