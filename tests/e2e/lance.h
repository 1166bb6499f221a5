// Runs the built corrinom-cli and collects what it printed.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace corrinom::e2e {

struct Sortie {
  int code = -1;  // the exit status, or -1 when the program did not exit normally
  std::string out;
  std::string err;
  std::vector<std::string> lignesOut() const;
  std::vector<std::string> lignesErr() const;
};

// corrinom-cli with these arguments; `entree` is its standard input.
Sortie Lance(const std::vector<std::string>& args, std::string_view entree = {});

// corrinom-cli started without waiting for it: its pid. Its output goes to the
// files `out` and `err`.
int LanceEnFond(const std::vector<std::string>& args, const std::string& out,
                const std::string& err);

// Waits for a program LanceEnFond started: its exit status, or -1 when it did
// not exit normally (killed by a signal).
int Attend(int pid);

// A fresh temporary folder, removed with the object.
class Dossier {
 public:
  Dossier();
  ~Dossier();
  Dossier(const Dossier&) = delete;
  Dossier& operator=(const Dossier&) = delete;
  std::string nom(std::string_view nom) const { return (chemin_ / nom).string(); }
  std::string ecrit(std::string_view nom, std::string_view octets) const;

 private:
  std::filesystem::path chemin_;
};

inline std::string Exemple(std::string_view nom) {
  return std::string(CORRINOM_EXEMPLES) + "/" + std::string(nom);
}

inline std::string Attendu(std::string_view nom) {
  return std::string(CORRINOM_ATTENDU) + "/" + std::string(nom);
}

std::string LitFichier(const std::string& nom);

}  // namespace corrinom::e2e
