// Appending to a file with each addition flushed to the disk.
#include "session/fichier_durable.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <filesystem>

#include "text/fichier.h"

#ifdef _WIN32
#include <io.h>
#else
#include <sys/file.h>
#include <unistd.h>
#endif

namespace corrinom {
namespace {

#ifdef _WIN32
int OuvreFd(const char* chemin, bool neuf) {
  const int mode = _O_WRONLY | _O_APPEND | _O_CREAT | _O_BINARY | (neuf ? _O_EXCL : 0);
  // The UTF-8 name as UTF-16: the ANSI code page cannot spell every folder. A
  // name that is not UTF-8 is the empty path, which opens nothing (ENOENT).
  return _wopen(CheminUtf8(chemin).c_str(), mode, _S_IREAD | _S_IWRITE);
}
long long Ecrit(int fd, const char* p, std::size_t n) {
  const unsigned int morceau = n > 0x40000000u ? 0x40000000u : static_cast<unsigned int>(n);
  return _write(fd, p, morceau);
}
int Synchronise(int fd) { return _commit(fd); }
void Ferme(int fd) { _close(fd); }
long long Taille(int fd) {
  struct _stat64 s;
  if (_fstat64(fd, &s) != 0) return -1;
  if ((s.st_mode & _S_IFMT) != _S_IFREG) {
    errno = ENODEV;
    return -1;
  }
  return s.st_size;
}
// NTFS keeps a new file's name without being asked.
void SynchroniseDossier(const std::string&) {}
#else
int OuvreFd(const char* chemin, bool neuf) {
  // The journal holds people's names: readable by its owner only. Without
  // O_NONBLOCK, opening a pipe would wait for a reader; what is opened is then
  // refused unless it is a plain file (see Taille).
  const int mode = O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NONBLOCK | (neuf ? O_EXCL : 0);
  for (int essai = 0; essai < 3; ++essai) {
    const int fd = open(chemin, mode, 0600);
    if (fd < 0) return fd;
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    // The shared lock, held while the file is open, keeps the journals' purge
    // away (see conservation_journaux.cpp). A purge that deleted the file
    // between the open and the lock left a file without a name: open again.
    if (flock(fd, LOCK_SH) != 0) return fd;  // no locks on this file system
    struct stat ouvert, nomme;
    if (fstat(fd, &ouvert) == 0 && stat(chemin, &nomme) == 0 && ouvert.st_ino == nomme.st_ino &&
        ouvert.st_dev == nomme.st_dev)
      return fd;
    close(fd);
  }
  errno = ENOENT;
  return -1;
}
long long Ecrit(int fd, const char* p, std::size_t n) { return write(fd, p, n); }
int Synchronise(int fd) { return fsync(fd); }
void Ferme(int fd) { close(fd); }
long long Taille(int fd) {
  struct stat s;
  if (fstat(fd, &s) != 0) return -1;
  if (!S_ISREG(s.st_mode)) {
    errno = S_ISDIR(s.st_mode) ? EISDIR : ENODEV;
    return -1;
  }
  return static_cast<long long>(s.st_size);
}
void SynchroniseDossier(const std::string& chemin) {
  std::string dossier = std::filesystem::path(chemin).parent_path().string();
  if (dossier.empty()) dossier = ".";
  const int fd = open(dossier.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}
#endif

}  // namespace

std::unique_ptr<FichierDurable> FichierDurable::Ouvre(const std::string& chemin, bool neuf,
                                                      int& erreur) {
  const int fd = OuvreFd(chemin.c_str(), neuf);
  if (fd < 0) {
    erreur = errno;
    return nullptr;
  }
  const long long taille = Taille(fd);
  if (taille < 0) {
    erreur = errno;
    Ferme(fd);
    return nullptr;
  }
  if (neuf) SynchroniseDossier(chemin);
  return std::unique_ptr<FichierDurable>(new FichierDurable(fd, static_cast<std::uint64_t>(taille)));
}

FichierDurable::~FichierDurable() { Ferme(fd_); }

bool FichierDurable::ajoute(std::string_view octets, int& erreur) {
  return ecrit(octets, erreur) && synchronise(erreur);
}

bool FichierDurable::ecrit(std::string_view octets, int& erreur) {
  const char* p = octets.data();
  std::size_t reste = octets.size();
  while (reste > 0) {
    const long long n = Ecrit(fd_, p, reste);
    if (n < 0) {
      if (errno == EINTR) continue;
      erreur = errno;
      return false;
    }
    if (n == 0) {
      erreur = ENOSPC;
      return false;
    }
    p += n;
    reste -= static_cast<std::size_t>(n);
  }
  return true;
}

bool FichierDurable::synchronise(int& erreur) {
  if (Synchronise(fd_) != 0) {
    erreur = errno;
    return false;
  }
  return true;
}

std::string TexteErreurFichier(int erreur) {
  switch (erreur) {
    case EACCES:
    case EPERM:
      return "acc\xE8s refus\xE9";
    case ENOENT:
      return "dossier introuvable";
    case ENOTDIR:
      return "un des dossiers du chemin est un fichier";
    case EISDIR:
      return "c'est un dossier";
    case ENODEV:
    case ENXIO:
      return "ce n'est pas un fichier ordinaire";
    case EEXIST:
      return "le fichier existe d\xE9j\xE0";
    case ENOSPC:
      return "disque plein";
#ifdef EDQUOT
    case EDQUOT:
      return "quota de disque d\xE9pass\xE9";
#endif
    case EROFS:
      return "disque en lecture seule";
    case EIO:
      return "erreur d'entr\xE9" "e-sortie du disque";
    default:
      return "erreur syst\xE8me " + std::to_string(erreur);
  }
}

}  // namespace corrinom
