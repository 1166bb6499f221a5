// A file that is only ever appended to. `ajoute` returns once the bytes are on
// the disk (fsync on POSIX, _commit on Windows): they survive a crash or a power
// cut that comes after. `ecrit` hands them to the system only: they survive the
// program's own crash, and reach the disk at the next `ajoute` or `synchronise`.
// While it is open the file cannot be deleted by the journals' purge.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace corrinom {

class FichierDurable {
 public:
  // Opens `chemin` (UTF-8) for appending. With `neuf`, the file must not exist yet
  // (it is created, and its folder synchronised so that its name survives too);
  // otherwise it is created when absent. Null with the errno value in `erreur`.
  static std::unique_ptr<FichierDurable> Ouvre(const std::string& chemin, bool neuf, int& erreur);

  ~FichierDurable();
  FichierDurable(const FichierDurable&) = delete;
  FichierDurable& operator=(const FichierDurable&) = delete;

  // Writes every byte at the end of the file, then waits for the disk.
  // False with the errno value when either step fails.
  bool ajoute(std::string_view octets, int& erreur);
  // Writes every byte at the end of the file without waiting for the disk.
  bool ecrit(std::string_view octets, int& erreur);
  // Waits until everything written so far is on the disk.
  bool synchronise(int& erreur);

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
