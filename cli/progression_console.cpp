#include "cli/progression_console.h"

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

#include "text/encodage.h"

namespace corrinom::cli {
namespace {

bool EstTerminal(std::FILE* fichier) {
#ifdef _WIN32
  return _isatty(_fileno(fichier)) != 0;
#else
  return isatty(fileno(fichier)) != 0;
#endif
}

}  // namespace

void ProgressionConsole::avance(std::size_t fait, std::size_t total) {
  montre(ecriture_ ? TexteEcriture(fait, total) : TexteLecture(fait, total));
}

void ProgressionConsole::montre(const std::string& texteCp1252) {
  // The line is rewritten in place; blanks cover what a longer text left.
  std::string ligne = "\r" + Cp1252VersUtf8(texteCp1252);
  if (texteCp1252.size() < largeur_) ligne.append(largeur_ - texteCp1252.size(), ' ');
  largeur_ = texteCp1252.size();
  std::fwrite(ligne.data(), 1, ligne.size(), sortie_);
  std::fflush(sortie_);
}

void ProgressionConsole::efface() {
  if (largeur_ == 0) return;
  const std::string ligne = "\r" + std::string(largeur_, ' ') + "\r";
  largeur_ = 0;
  std::fwrite(ligne.data(), 1, ligne.size(), sortie_);
  std::fflush(sortie_);
}

std::unique_ptr<ProgressionConsole> ProgressionSiTerminal(std::FILE* sortie) {
  if (!EstTerminal(sortie)) return nullptr;
  return std::make_unique<ProgressionConsole>(sortie);
}

}  // namespace corrinom::cli
