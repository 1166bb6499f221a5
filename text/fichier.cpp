// The one file reader (see fichier.h).
#include "text/fichier.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <functional>
#include <memory>

#ifdef _WIN32
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

#include "text/erreurs.h"

namespace corrinom {
namespace {

struct FermeFichier {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using Fichier = std::unique_ptr<std::FILE, FermeFichier>;

LectureFichier Refus(LectureFichier::Echec echec, int numero, const std::filesystem::path& chemin) {
  std::int32_t code = CodeErreurFichier(numero);
  // Windows says "path not found" when a folder on the way is missing; the C
  // library says "no such file" for both.
  if (numero == ENOENT) {
    std::error_code ec;
    const std::filesystem::path dossier = chemin.parent_path();
    if (!dossier.empty() && !std::filesystem::is_directory(dossier, ec)) code = 3;
  }
  return {echec, numero, code};
}

// Opens a plain file for reading; on failure the error number. The kind of file is
// checked on the open file itself, so that nothing can be swapped in between.
Fichier OuvreFichierSimple(const std::filesystem::path& chemin, std::uint64_t& taille, int& numero) {
  numero = 0;
#ifdef _WIN32
  if (chemin.empty()) {
    numero = ENOENT;  // a name that is not UTF-8
    return nullptr;
  }
  Fichier f(_wfopen(chemin.c_str(), L"rb"));
  if (!f) {
    numero = errno == 0 ? ENOENT : errno;
    return nullptr;
  }
  struct _stat64 etat {};
  if (_fstat64(_fileno(f.get()), &etat) != 0 || (etat.st_mode & _S_IFMT) != _S_IFREG) {
    numero = (etat.st_mode & _S_IFMT) == _S_IFDIR ? EISDIR : EACCES;
    return nullptr;
  }
#else
  // Without O_NONBLOCK, opening a pipe would wait for a writer.
  const int fd = open(chemin.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    numero = errno;
    return nullptr;
  }
  struct stat etat {};
  if (fstat(fd, &etat) != 0 || !S_ISREG(etat.st_mode)) {
    numero = S_ISDIR(etat.st_mode) ? EISDIR : EACCES;
    close(fd);
    return nullptr;
  }
  fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  Fichier f(fdopen(fd, "rb"));
  if (!f) {
    numero = errno;
    close(fd);
    return nullptr;
  }
#endif
  taille = static_cast<std::uint64_t>(etat.st_size);
  return f;
}

}  // namespace

std::filesystem::path CheminUtf8(const std::string& nomFichier) {
  // On Windows the UTF-8 name becomes UTF-16 here; a name that is not UTF-8 has no
  // spelling there and gives the empty path, which names no file.
  try {
    return std::filesystem::path(std::u8string(nomFichier.begin(), nomFichier.end()));
  } catch (const std::exception&) {
    return {};
  }
}

TexteUtf8 NomUtf8(const std::filesystem::path& chemin) {
  try {
    const std::u8string nom = chemin.u8string();
    return TexteUtf8(nom.begin(), nom.end());
  } catch (const std::exception&) {
    return {};
  }
}

bool EstFichierLisible(const std::string& nomFichier) {
  std::error_code ec;
  const std::filesystem::file_status etat = std::filesystem::status(CheminUtf8(nomFichier), ec);
  if (ec || !std::filesystem::exists(etat)) return true;  // the open reports it
  return std::filesystem::is_regular_file(etat);
}

LectureFichier LitFichierParMorceaux(const TexteUtf8& nomFichier,
                                     const std::function<void(std::uint64_t)>& taille,
                                     const std::function<bool(std::string_view)>& morceau) {
  using Echec = LectureFichier::Echec;
  // The name becomes the system's path once (on Windows, its UTF-16 spelling).
  const std::filesystem::path chemin = CheminUtf8(nomFichier);
  // A name that is not a plain file is refused before it is opened at all.
  std::error_code ec;
  const std::filesystem::file_status etat = std::filesystem::status(chemin, ec);
  // A folder counts as opened and not readable, as where it can be opened.
  if (!ec && std::filesystem::is_directory(etat)) return Refus(Echec::Lecture, EISDIR, chemin);
  if (!ec && std::filesystem::exists(etat) && !std::filesystem::is_regular_file(etat))
    return Refus(Echec::Ouverture, EACCES, chemin);

  std::uint64_t octets = 0;
  int numero = 0;
  errno = 0;
  const Fichier f = OuvreFichierSimple(chemin, octets, numero);
  if (!f) {
    if (numero == 0) numero = ENOENT;
    return Refus(numero == EISDIR ? Echec::Lecture : Echec::Ouverture, numero, chemin);
  }
  if (octets > kTailleMaxFichier) return Refus(Echec::Ouverture, EFBIG, chemin);
  if (taille) taille(octets);

  std::string bloc(kMorceauFichier, '\0');
  std::uint64_t total = 0;
  for (;;) {
    const std::size_t lus = std::fread(bloc.data(), 1, bloc.size(), f.get());
    total += lus;
    // A file that grew past the limit while it was read is refused all the same.
    if (total > kTailleMaxFichier) return Refus(Echec::Lecture, EFBIG, chemin);
    if (lus > 0 && !morceau(std::string_view(bloc.data(), lus))) return {};
    if (lus < bloc.size()) break;
  }
  if (std::ferror(f.get())) return Refus(Echec::Lecture, errno == 0 ? EIO : errno, chemin);
  return {};
}

LectureFichier LitFichier(const TexteUtf8& nomFichier, std::string& contenu, bool arretAuZero) {
  contenu.clear();
  const LectureFichier r = LitFichierParMorceaux(
      nomFichier, [&](std::uint64_t taille) { contenu.reserve(static_cast<std::size_t>(taille)); },
      [&](std::string_view morceau) {
        const std::size_t zero = arretAuZero ? morceau.find('\0') : std::string_view::npos;
        contenu.append(morceau.substr(0, zero));
        return zero == std::string_view::npos;
      });
  if (!r) {
    contenu.clear();
    contenu.shrink_to_fit();
  }
  return r;
}

}  // namespace corrinom
