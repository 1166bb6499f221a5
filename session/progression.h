// Progress of long work: the account load (counted by pages) and the write-back
// (counted by accounts). The window shows it in a small window, corrinom-cli on
// a terminal; the work itself stays on the caller's thread and calls back here
// between pages or accounts, where the window may paint and take clicks.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace corrinom {

class Progression {
 public:
  virtual ~Progression() = default;

  // The work begins; total is 0 when not known.
  virtual void debut(std::size_t total) { (void)total; }
  // `fait` items done of `total` (0: not known).
  virtual void avance(std::size_t fait, std::size_t total) = 0;
  // The work has ended (also when stopped or failed), before any summary.
  virtual void fin() {}
  // True once the operator asked to stop: the write stops after the account
  // being written, the load after the page being read.
  virtual bool arretDemande() const { return false; }
};

inline constexpr std::string_view kTitreLecture = "Lecture des comptes du serveur...";
inline constexpr std::string_view kBoutonArreter = "Arr\xEAter";

// "Lecture des comptes du serveur... 1200 / 3000" ("... 1200" with no total).
std::string TexteLecture(std::size_t lus, std::size_t total);
// "Écriture des changements : 12 / 240".
std::string TexteEcriture(std::size_t ecrits, std::size_t total);

}  // namespace corrinom
