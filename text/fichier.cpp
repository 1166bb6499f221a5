// The one file reader (see fichier.h).
#include "text/fichier.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>

namespace corrinom {
namespace {

struct FermeFichier {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

}  // namespace

bool EstFichierLisible(const std::string& nomFichier) {
  std::error_code ec;
  const std::filesystem::file_status etat = std::filesystem::status(nomFichier, ec);
  if (ec || !std::filesystem::exists(etat)) return true;  // the open reports it
  return std::filesystem::is_regular_file(etat) || std::filesystem::is_directory(etat);
}

LectureFichier LitFichier(const std::string& nomFichier, std::string& contenu, bool arretAuZero) {
  using Echec = LectureFichier::Echec;
  contenu.clear();
  if (!EstFichierLisible(nomFichier)) return {Echec::Ouverture, EACCES};
  errno = 0;
  std::unique_ptr<std::FILE, FermeFichier> f(std::fopen(nomFichier.c_str(), "rb"));
  if (!f) return {Echec::Ouverture, errno == 0 ? ENOENT : errno};
  // Reserving helps only for a regular file; the size of a folder means nothing.
  std::error_code ec;
  if (std::filesystem::is_regular_file(nomFichier, ec)) {
    const std::uintmax_t taille = std::filesystem::file_size(nomFichier, ec);
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
