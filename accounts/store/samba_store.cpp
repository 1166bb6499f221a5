// The account store over Samba's libnetapi, loaded with dlopen.
//
// libnetapi keeps one process-wide context (credentials, cached connections), so
// the store owns it for its lifetime. Every buffer the library returns is freed
// with NetApiBufferFree through a small owner, whatever path the call takes.
#include "accounts/store/samba_store.h"

#include <dlfcn.h>
#include <fcntl.h>
#include <stdint.h>  // netapi.h uses the fixed-width types without including them

#include <samba-4.0/netapi.h>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <utility>

#include "accounts/store/champs_info3.h"

namespace corrinom {
namespace {

// The header defines no NERR_*/UF_*/FILTER_* constants: these are NetApi's values.
constexpr std::uint32_t kFilterNormalAccount = 0x0002;
constexpr std::uint32_t kNiveauInfo3 = 3;
constexpr std::uint32_t kNiveauInfo10 = 10;

// The entry points the store uses, resolved by name.
struct PointsEntree {
  decltype(&libnetapi_init) init = nullptr;
  decltype(&libnetapi_free) free = nullptr;
  decltype(&libnetapi_set_username) setUsername = nullptr;
  decltype(&libnetapi_set_password) setPassword = nullptr;
  decltype(&libnetapi_set_debuglevel) setDebuglevel = nullptr;
  decltype(&NetApiBufferFree) bufferFree = nullptr;
  decltype(&NetUserEnum) userEnum = nullptr;
  decltype(&NetUserGetInfo) userGetInfo = nullptr;
  decltype(&NetUserSetInfo) userSetInfo = nullptr;
};

// Owns the dlopen handle.
class Bibliotheque {
 public:
  explicit Bibliotheque(void* poignee) : poignee_(poignee) {}
  ~Bibliotheque() {
    if (poignee_ != nullptr) dlclose(poignee_);
  }
  Bibliotheque(const Bibliotheque&) = delete;
  Bibliotheque& operator=(const Bibliotheque&) = delete;

  template <typename Fonction>
  bool resous(const char* nom, Fonction& f) const {
    f = reinterpret_cast<Fonction>(dlsym(poignee_, nom));
    return f != nullptr;
  }

 private:
  void* poignee_;
};

// Owns one buffer returned by the library.
class Tampon {
 public:
  explicit Tampon(decltype(&NetApiBufferFree) libere) : libere_(libere) {}
  ~Tampon() {
    if (octets_ != nullptr) libere_(octets_);
  }
  Tampon(const Tampon&) = delete;
  Tampon& operator=(const Tampon&) = delete;

  std::uint8_t** adresse() { return &octets_; }
  template <typename T>
  const T* comme() const {
    return reinterpret_cast<const T*>(octets_);
  }

 private:
  decltype(&NetApiBufferFree) libere_;
  std::uint8_t* octets_ = nullptr;
};

// libnetapi prints some connection failures ("session setup failed: ...") on
// standard output, where corrinom-cli writes its results. Standard output is
// pointed at /dev/null for the length of each library call; the failure itself
// comes back as the call's status. The program is single-threaded.
class SortieMuette {
 public:
  SortieMuette() {
    std::cout.flush();
    std::fflush(stdout);
    const int vide = open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (vide < 0) return;
    sauvee_ = fcntl(STDOUT_FILENO, F_DUPFD_CLOEXEC, 0);
    if (sauvee_ >= 0 && dup2(vide, STDOUT_FILENO) < 0) {
      close(sauvee_);
      sauvee_ = -1;
    }
    close(vide);
  }
  ~SortieMuette() {
    if (sauvee_ < 0) return;
    std::fflush(stdout);
    dup2(sauvee_, STDOUT_FILENO);
    close(sauvee_);
  }
  SortieMuette(const SortieMuette&) = delete;
  SortieMuette& operator=(const SortieMuette&) = delete;

 private:
  int sauvee_ = -1;
};

ChampTexte ChampDe(const char* texte) {
  return texte == nullptr ? ChampTexte{} : ChampTexte::de(texte);
}

const char* TexteDe(const ChampTexte& champ) { return champ.nul ? nullptr : champ.texte.c_str(); }

CompteStocke CompteDe(const USER_INFO_3& u) { return CompteDepuisInfo3(u, ChampDe); }

// The record to write. `heures` must outlive the result (it points into it).
USER_INFO_3 Info3De(const CompteStocke& c, HeuresConnexion& heures) {
  USER_INFO_3 u{};
  CompteVersInfo3(c, u, TexteDe, [&heures](const std::optional<HeuresConnexion>& h) -> std::uint8_t* {
    if (!h) return nullptr;
    heures = *h;
    return heures.data();
  });
  // libnetapi copies usri3_flags into the server's account flags without
  // translating them, which would disable the account and hide it from the
  // normal-account enumeration. 0 leaves the flags as the server has them.
  u.usri3_flags = 0;
  return u;
}

// libnetapi has one context per process: its credentials and connections are
// shared, and freeing it ends every session. So one store is open at a time.
bool sessionOuverte = false;

class MagasinSamba final : public MagasinComptes {
 public:
  MagasinSamba(std::unique_ptr<Bibliotheque> bibliotheque, const PointsEntree& f, libnetapi_ctx* contexte,
               std::string serveur)
      : bibliotheque_(std::move(bibliotheque)), f_(f), contexte_(contexte), serveur_(std::move(serveur)) {
    sessionOuverte = true;
  }

  ~MagasinSamba() override {
    f_.free(contexte_);
    sessionOuverte = false;
  }

  MagasinSamba(const MagasinSamba&) = delete;
  MagasinSamba& operator=(const MagasinSamba&) = delete;

  std::uint32_t enumere(std::uint32_t longueurPreferee, std::vector<CompteStocke>& page,
                        std::uint32_t& totalEntrees, std::uint32_t& reprise) override {
    return enumereAu<USER_INFO_3>(kNiveauInfo3, longueurPreferee, page, totalEntrees, reprise, CompteDe);
  }

  std::uint32_t enumereNoms(std::uint32_t longueurPreferee, std::vector<CompteStocke>& page,
                            std::uint32_t& totalEntrees, std::uint32_t& reprise) override {
    return enumereAu<USER_INFO_10>(kNiveauInfo10, longueurPreferee, page, totalEntrees, reprise,
                                   [](const USER_INFO_10& u) { return CompteDepuisInfo10(u, ChampDe); });
  }

  std::uint32_t lit(std::string_view login, CompteStocke& compte) override {
    Tampon tampon(f_.bufferFree);
    const std::string nom(login);
    SortieMuette muette;
    const auto statut =
        static_cast<std::uint32_t>(f_.userGetInfo(serveur(), nom.c_str(), kNiveauInfo3, tampon.adresse()));
    if (statut != kNerrSuccess) return statut;
    const auto* info = tampon.comme<USER_INFO_3>();
    if (info == nullptr) return kNerrUserNotFound;
    compte = CompteDe(*info);
    return kNerrSuccess;
  }

  std::uint32_t ecrit(std::string_view login, const CompteStocke& compte) override {
    HeuresConnexion heures{};
    USER_INFO_3 info = Info3De(compte, heures);
    const std::string nom(login);
    std::uint32_t champFautif = 0;
    SortieMuette muette;
    return static_cast<std::uint32_t>(f_.userSetInfo(serveur(), nom.c_str(), kNiveauInfo3,
                                                     reinterpret_cast<std::uint8_t*>(&info), &champFautif));
  }

 private:
  template <typename Info, typename Conversion>
  std::uint32_t enumereAu(std::uint32_t niveau, std::uint32_t longueurPreferee, std::vector<CompteStocke>& page,
                          std::uint32_t& totalEntrees, std::uint32_t& reprise, Conversion convertit) {
    page.clear();
    Tampon tampon(f_.bufferFree);
    std::uint32_t lues = 0;
    std::uint32_t total = 0;
    SortieMuette muette;
    const auto statut = static_cast<std::uint32_t>(f_.userEnum(
        serveur(), niveau, kFilterNormalAccount, tampon.adresse(), longueurPreferee, &lues, &total, &reprise));
    if (statut != kNerrSuccess && statut != kErrorMoreData) return statut;
    totalEntrees = total;
    const auto* infos = tampon.comme<Info>();
    if (infos != nullptr) {
      page.reserve(lues);
      for (std::uint32_t i = 0; i < lues; ++i) page.push_back(convertit(infos[i]));
    }
    return statut;
  }

  const char* serveur() const { return serveur_.empty() ? nullptr : serveur_.c_str(); }

  std::unique_ptr<Bibliotheque> bibliotheque_;  // declared first: unloaded last
  PointsEntree f_;
  libnetapi_ctx* contexte_;
  std::string serveur_;
};

bool ResousTout(const Bibliotheque& b, PointsEntree& f) {
  return b.resous("libnetapi_init", f.init) && b.resous("libnetapi_free", f.free) &&
         b.resous("libnetapi_set_username", f.setUsername) && b.resous("libnetapi_set_password", f.setPassword) &&
         b.resous("libnetapi_set_debuglevel", f.setDebuglevel) && b.resous("NetApiBufferFree", f.bufferFree) &&
         b.resous("NetUserEnum", f.userEnum) && b.resous("NetUserGetInfo", f.userGetInfo) &&
         b.resous("NetUserSetInfo", f.userSetInfo);
}

std::string Code(std::uint32_t statut) { return std::to_string(statut); }

}  // namespace

std::unique_ptr<MagasinComptes> OuvreMagasinSamba(const ChoixMagasin& choix, std::string& erreur,
                                                  const char* nomBibliotheque) {
  if (sessionOuverte) {
    erreur = "Une session sur la base de comptes de Samba est d\xE9j\xE0 ouverte dans ce programme.";
    return nullptr;
  }
  // RTLD_NODELETE: Samba's libraries keep process-wide state (talloc contexts,
  // exit handlers) that must not be unmapped under it; dlclose then only drops
  // our reference.
  void* poignee = dlopen(nomBibliotheque, RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
  if (poignee == nullptr) {
    erreur = std::string("La base de comptes du syst\xE8me n'est pas disponible : la biblioth\xE8que ") +
             nomBibliotheque + " de Samba est introuvable ou inutilisable (paquet samba-libs).";
    return nullptr;
  }
  auto bibliotheque = std::make_unique<Bibliotheque>(poignee);
  PointsEntree f;
  if (!ResousTout(*bibliotheque, f)) {
    erreur = std::string("La base de comptes du syst\xE8me n'est pas disponible : la biblioth\xE8que ") +
             nomBibliotheque + " de Samba est incompl\xE8te.";
    return nullptr;
  }

  libnetapi_ctx* contexte = nullptr;
  const auto statut = static_cast<std::uint32_t>(f.init(&contexte));
  if (statut != kNerrSuccess || contexte == nullptr) {
    erreur = "La base de comptes du syst\xE8me n'est pas disponible : la biblioth\xE8que de Samba n'a pas pu "
             "\xEAtre initialis\xE9" "e (erreur " + Code(statut) + ").";
    return nullptr;
  }
  // The store owns the context from here on, so a failure below still frees it.
  auto magasin = std::make_unique<MagasinSamba>(std::move(bibliotheque), f, contexte, choix.serveur);
  f.setDebuglevel(contexte, "0");
  // Both are set before any call: with a name and a password (even an empty
  // one) the library never falls back to asking on the terminal.
  const std::string utilisateur = choix.utilisateur.empty() ? "root" : choix.utilisateur;
  const auto su = static_cast<std::uint32_t>(f.setUsername(contexte, utilisateur.c_str()));
  const auto sp = static_cast<std::uint32_t>(f.setPassword(contexte, choix.motDePasse.c_str()));
  if (su != kNerrSuccess || sp != kNerrSuccess) {
    erreur = "Les identifiants n'ont pas pu \xEAtre transmis \xE0 la biblioth\xE8que de Samba (erreur " +
             Code(su != kNerrSuccess ? su : sp) + ").";
    return nullptr;
  }
  return magasin;
}

}  // namespace corrinom
