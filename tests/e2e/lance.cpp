#include "lance.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

extern char** environ;

namespace corrinom::e2e {

namespace {

std::vector<std::string> Lignes(const std::string& t) {
  std::vector<std::string> r;
  std::istringstream in(t);
  for (std::string l; std::getline(in, l);) r.push_back(l);
  return r;
}

std::string LitTout(const std::filesystem::path& p) {
  std::ifstream f(p, std::ios::binary);
  std::ostringstream s;
  s << f.rdbuf();
  return s.str();
}

}  // namespace

std::string LitFichier(const std::string& nom) { return LitTout(nom); }

std::vector<std::string> Sortie::lignesOut() const { return Lignes(out); }
std::vector<std::string> Sortie::lignesErr() const { return Lignes(err); }

namespace {

pid_t Demarre(const std::vector<std::string>& args, const std::string& in, const std::string& out,
              const std::string& err) {
  std::vector<std::string> argv{CORRINOM_CLI};
  argv.insert(argv.end(), args.begin(), args.end());
  std::vector<char*> pointeurs;
  for (std::string& a : argv) pointeurs.push_back(a.data());
  pointeurs.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, in.c_str(), O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  pid_t pid = 0;
  const int e = posix_spawn(&pid, argv[0].c_str(), &actions, nullptr, pointeurs.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (e != 0) throw std::runtime_error("cannot start " + argv[0]);
  return pid;
}

}  // namespace

int Attend(int pid) {
  int statut = 0;
  while (waitpid(pid, &statut, 0) < 0) {
    if (errno != EINTR) throw std::runtime_error("cannot wait for corrinom-cli");
  }
  return WIFEXITED(statut) ? WEXITSTATUS(statut) : -1;
}

int LanceEnFond(const std::vector<std::string>& args, const std::string& out,
                const std::string& err) {
  return Demarre(args, "/dev/null", out, err);
}

Sortie Lance(const std::vector<std::string>& args, std::string_view entree) {
  Dossier d;
  const std::string in = d.ecrit("stdin", entree);
  const std::string out = d.nom("stdout");
  const std::string err = d.nom("stderr");
  Sortie s;
  s.code = Attend(Demarre(args, in, out, err));
  s.out = LitTout(out);
  s.err = LitTout(err);
  return s;
}

Dossier::Dossier() {
  static std::atomic<int> compteur{0};
  std::random_device alea;
  chemin_ = std::filesystem::temp_directory_path() /
            ("corrinom-e2e-" + std::to_string(alea()) + "-" + std::to_string(++compteur));
  std::filesystem::create_directories(chemin_);
}

Dossier::~Dossier() {
  std::error_code ec;
  std::filesystem::remove_all(chemin_, ec);
}

std::string Dossier::ecrit(std::string_view nom, std::string_view octets) const {
  const std::filesystem::path p = chemin_ / nom;
  std::ofstream f(p, std::ios::binary | std::ios::trunc);
  f.write(octets.data(), static_cast<std::streamsize>(octets.size()));
  return p.string();
}

}  // namespace corrinom::e2e
