// Seeding and upkeep tool for the test server, linked directly to libnetapi
// (independent of the store under test).
//
//   samba_seme SERVEUR seme N        full name, user comment and description of
//                                    eleve0001..eleveN (see jeu_comptes.h)
//   samba_seme SERVEUR supprime LOGIN
//
// The administrator's password comes from CORRINOM_SAMBA_MOT_DE_PASSE.
#include <stdint.h>

#include <samba-4.0/netapi.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "tests/samba/jeu_comptes.h"

// Under LeakSanitizer: libnetapi's talloc blocks live as long as the process.
extern "C" const char* __lsan_default_suppressions() { return "leak:libtalloc.so.2\n"; }

namespace {

using namespace corrinom::essai_samba;

int Echec(const char* quoi, const std::string& login, int statut) {
  std::fprintf(stderr, "samba_seme: %s %s: status %d\n", quoi, login.c_str(), statut);
  return 1;
}

int Seme(const char* serveur, int n) {
  for (int i = 1; i <= n; ++i) {
    const std::string login = Login(i);
    std::uint32_t champ = 0;
    const std::string nomComplet = NomCompletDe(i);
    USER_INFO_1011 nom{nomComplet.c_str()};
    int s = NetUserSetInfo(serveur, login.c_str(), 1011, reinterpret_cast<std::uint8_t*>(&nom), &champ);
    if (s != 0) return Echec("full name of", login, s);
    const std::string commentaire = CommentaireDe(i);
    USER_INFO_1012 usr{commentaire.c_str()};
    s = NetUserSetInfo(serveur, login.c_str(), 1012, reinterpret_cast<std::uint8_t*>(&usr), &champ);
    if (s != 0) return Echec("user comment of", login, s);
    const std::string description = DescriptionDe(i);
    if (!description.empty()) {
      USER_INFO_1007 desc{description.c_str()};
      s = NetUserSetInfo(serveur, login.c_str(), 1007, reinterpret_cast<std::uint8_t*>(&desc), &champ);
      if (s != 0) return Echec("description of", login, s);
    }
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: samba_seme SERVEUR seme N | SERVEUR supprime LOGIN\n");
    return 64;
  }
  const char* motDePasse = std::getenv("CORRINOM_SAMBA_MOT_DE_PASSE");
  libnetapi_ctx* contexte = nullptr;
  if (libnetapi_init(&contexte) != 0) return Echec("libnetapi_init", "", -1);
  libnetapi_set_debuglevel(contexte, "0");
  libnetapi_set_username(contexte, "root");
  libnetapi_set_password(contexte, motDePasse != nullptr ? motDePasse : "");
  int resultat = 64;
  if (std::strcmp(argv[2], "seme") == 0) {
    resultat = Seme(argv[1], std::atoi(argv[3]));
  } else if (std::strcmp(argv[2], "supprime") == 0) {
    const int s = NetUserDel(argv[1], argv[3]);
    resultat = s == 0 ? 0 : Echec("deleting", argv[3], s);
  }
  libnetapi_free(contexte);
  return resultat;
}
