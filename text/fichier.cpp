// The one file reader (see fichier.h).
#include "text/fichier.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>

namespace corrinom {
namespace {

struct FermeFichier {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

// A file name of the program as the system spells it. On Linux the name is the
// file system's own bytes. On Windows it is UTF-8 (the window converts the
// system's UTF-16, the command line likewise) and the system wants UTF-16: the
// narrow functions would read it in the ANSI code page, where "Łódź" is another
// name or none. A name that is not UTF-8 has no spelling there (nothing).
std::optional<std::filesystem::path> Chemin(const std::string& nomFichier) {
#ifdef _WIN32
  try {
    return std::filesystem::path(std::u8string(nomFichier.begin(), nomFichier.end()));
  } catch (const std::exception&) {
    return std::nullopt;
  }
#else
  return std::filesystem::path(nomFichier);
#endif
}

std::FILE* Ouvre(const std::filesystem::path& chemin) {
#ifdef _WIN32
  return _wfopen(chemin.c_str(), L"rb");
#else
  return std::fopen(chemin.c_str(), "rb");
#endif
}

}  // namespace

bool EstFichierLisible(const std::string& nomFichier) {
  const std::optional<std::filesystem::path> chemin = Chemin(nomFichier);
  if (!chemin) return true;  // the open reports it
  std::error_code ec;
  const std::filesystem::file_status etat = std::filesystem::status(*chemin, ec);
  if (ec || !std::filesystem::exists(etat)) return true;  // the open reports it
  return std::filesystem::is_regular_file(etat) || std::filesystem::is_directory(etat);
}

LectureFichier LitFichier(const std::string& nomFichier, std::string& contenu, bool arretAuZero) {
  using Echec = LectureFichier::Echec;
  contenu.clear();
  if (!EstFichierLisible(nomFichier)) return {Echec::Ouverture, EACCES};
  const std::optional<std::filesystem::path> chemin = Chemin(nomFichier);
  if (!chemin) return {Echec::Ouverture, ENOENT};
  errno = 0;
  std::unique_ptr<std::FILE, FermeFichier> f(Ouvre(*chemin));
  if (!f) return {Echec::Ouverture, errno == 0 ? ENOENT : errno};
  // Reserving helps only for a regular file; the size of a folder means nothing.
  std::error_code ec;
  if (std::filesystem::is_regular_file(*chemin, ec)) {
    const std::uintmax_t taille = std::filesystem::file_size(*chemin, ec);
    if (!ec && taille < contenu.max_size()) contenu.reserve(static_cast<std::size_t>(taille));
  }
  constexpr std::size_t kBloc = 1 << 16;
  for (;;) {
    const std::size_t avant = contenu.size();
    contenu.resize(avant + kBloc);
    const std::size_t lus = std::fread(contenu.data() + avant, 1, kBloc, f.get());
    contenu.resize(avant + lus);
    if (arretAuZero) {
      const std::size_t zero = contenu.find('\0', avant);
      if (zero != std::string::npos) {
        contenu.resize(zero);
        return {};
      }
    }
    if (lus < kBloc) break;
  }
  if (std::ferror(f.get())) {
    const int numero = errno == 0 ? EIO : errno;
    contenu.clear();
    return {Echec::Lecture, numero};
  }
  return {};
}

}  // namespace corrinom
