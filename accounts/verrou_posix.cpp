// The store lock on POSIX systems: flock on a file of the temporary folder. The
// holder removes the file before it lets the lock go, so that the folder keeps no
// file per store ever opened; a program that opened the file just before its
// removal finds, once it has the flock, that the name leads elsewhere, and tries
// again on the new file.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "accounts/verrou.h"

namespace corrinom {
namespace {

class VerrouFichier : public VerrouMagasin {
 public:
  VerrouFichier(int fd, std::string chemin) : fd_(fd), chemin_(std::move(chemin)) {}
  ~VerrouFichier() override {
    unlink(chemin_.c_str());  // a sticky folder refuses it for another user's file: it stays
    close(fd_);               // closing the last descriptor drops the flock
  }
  VerrouFichier(const VerrouFichier&) = delete;
  VerrouFichier& operator=(const VerrouFichier&) = delete;

 private:
  int fd_;
  std::string chemin_;
};

std::string DossierTemporaire() {
  const char* t = std::getenv("TMPDIR");
  return t && *t ? t : "/tmp";
}

// Opens the lock file, making it when it is not there. An existing file is opened
// without O_CREAT, which a sticky folder refuses for another user's file
// (fs.protected_regular); the descriptor is not handed to programs started later.
int OuvreFichierVerrou(const std::string& chemin) {
  constexpr int kDrapeaux = O_RDONLY | O_CLOEXEC | O_NOFOLLOW;
  for (int essai = 0; essai < 3; ++essai) {
    int fd = open(chemin.c_str(), kDrapeaux);
    if (fd >= 0 || errno != ENOENT) return fd;
    fd = open(chemin.c_str(), kDrapeaux | O_CREAT | O_EXCL, 0666);
    if (fd >= 0) {
      fchmod(fd, 0666);  // whatever the umask: the next user must open it too
      return fd;
    }
    if (errno != EEXIST) return -1;  // else another program made it meanwhile
  }
  return -1;
}

// Whether the name still leads to the file `fd` is open on.
bool ToujoursNomme(int fd, const std::string& chemin) {
  struct stat ouvert {}, nomme {};
  return fstat(fd, &ouvert) == 0 && lstat(chemin.c_str(), &nomme) == 0 && ouvert.st_dev == nomme.st_dev &&
         ouvert.st_ino == nomme.st_ino;
}

}  // namespace

PriseVerrou PrendsVerrouMagasin(std::string_view cle) {
  PriseVerrou r;
  const std::string chemin = DossierTemporaire() + "/corrinom-" + EmpreinteVerrou(cle) + ".lock";
  for (int essai = 0; essai < 10; ++essai) {
    const int fd = OuvreFichierVerrou(chemin);
    if (fd < 0) return r;
    int resultat;
    do {
      resultat = flock(fd, LOCK_EX | LOCK_NB);
    } while (resultat != 0 && errno == EINTR);
    if (resultat != 0) {
      r.issue = errno == EWOULDBLOCK ? PriseVerrou::Issue::DejaPris : PriseVerrou::Issue::Impossible;
      close(fd);
      return r;
    }
    if (ToujoursNomme(fd, chemin)) {
      r.issue = PriseVerrou::Issue::Pris;
      r.verrou = std::make_unique<VerrouFichier>(fd, chemin);
      return r;
    }
    close(fd);  // the holder before removed it meanwhile
  }
  return r;
}

}  // namespace corrinom
