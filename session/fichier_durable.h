// A file that is only ever appended to, each addition on the disk before the
// call returns (fsync on POSIX, _commit on Windows). The journal relies on it:
// a line it has written survives a crash or a power cut that comes after.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace corrinom {

class FichierDurable {
 public:
  // Opens `chemin` for appending. With `neuf`, the file must not exist yet
  // (it is created, and its folder synchronised so that its name survives too);
  // otherwise it is created when absent. Null with the errno value in `erreur`.
  static std::unique_ptr<FichierDurable> Ouvre(const std::string& chemin, bool neuf, int& erreur);

  ~FichierDurable();
  FichierDurable(const FichierDurable&) = delete;
  FichierDurable& operator=(const FichierDurable&) = delete;

  // Writes every byte at the end of the file, then waits for the disk.
  // False with the errno value when either step fails.
  bool ajoute(std::string_view octets, int& erreur);

  // The file's size when it was opened.
  std::uint64_t tailleInitiale() const { return tailleInitiale_; }

 private:
  FichierDurable(int fd, std::uint64_t taille) : fd_(fd), tailleInitiale_(taille) {}
  int fd_;
  std::uint64_t tailleInitiale_;
};

// A French text (CP1252) for an errno value met while writing a file.
std::string TexteErreurFichier(int erreur);

}  // namespace corrinom
