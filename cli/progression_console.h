// The progress of the account load and of the write-back as one updating line
// on stderr, only when stderr is a terminal: pipes and files see nothing.
#pragma once

#include <cstddef>
#include <cstdio>
#include <memory>
#include <string>

#include "session/progression.h"

namespace corrinom::cli {

class ProgressionConsole : public Progression {
 public:
  explicit ProgressionConsole(std::FILE* sortie) : sortie_(sortie) {}

  void avance(std::size_t fait, std::size_t total) override;
  void fin() override { efface(); }
  // Clears the line, so that a message line can be printed in its place.
  void efface();

  // Which count this line shows: the load's or the write's.
  void ecriture(bool oui) { ecriture_ = oui; }

 private:
  void montre(const std::string& texteCp1252);

  std::FILE* sortie_;
  std::size_t largeur_ = 0;  // characters now shown
  bool ecriture_ = false;
};

// A progress line on `sortie` when it is a terminal, else none.
std::unique_ptr<ProgressionConsole> ProgressionSiTerminal(std::FILE* sortie = stderr);

}  // namespace corrinom::cli
