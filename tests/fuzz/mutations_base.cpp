// The mutation test of the embedded base: damaged copies of the demo base, each
// listed by `corrinom-cli comptes --base COPY`, stopped after 5 seconds. Every
// run must end by itself with a status of its own (0, 1 or 2): a signal is a
// crash, being stopped a hang. Copies are derived from a fixed seed and their
// number, so a failing copy can be made again; it is also kept in the work folder.
//
// Usage: mutations_base CORRINOM-CLI DEMO.TSV COPIES
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <random>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

constexpr std::uint32_t kGraine = 20261208;
// A run that lasts longer has hung.
constexpr std::chrono::seconds kDelai{5};
// The status a hung run is counted with, as timeout(1) answers.
constexpr int kBloque = 124;

// Runs a program with its output discarded; the pid, or -1.
pid_t Lance(const std::vector<std::string>& args) {
  std::vector<char*> argv;
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  pid_t pid = -1;
  if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) pid = -1;
  posix_spawn_file_actions_destroy(&actions);
  return pid;
}

int Attend(pid_t pid) {
  int etat = 0;
  while (waitpid(pid, &etat, 0) < 0) {
  }
  return etat;
}

// Copy number n: bit flips, a truncation or zeroed runs, as a disk or a copy
// gone wrong leaves a file.
std::string Mute(const std::string& base, std::uint32_t n, std::string& quoi) {
  std::mt19937 alea(kGraine ^ (n * 2654435761u));
  auto tire = [&](std::size_t max) { return std::uniform_int_distribution<std::size_t>(0, max)(alea); };
  std::string copie = base;
  switch (n % 3) {
    case 0: {
      const std::size_t bits = 1 + tire(15);
      for (std::size_t i = 0; i < bits; ++i)
        copie[tire(copie.size() - 1)] ^= static_cast<char>(1u << tire(7));
      quoi = std::to_string(bits) + " bits flipped";
      break;
    }
    case 1:
      copie.resize(tire(copie.size() - 1));
      quoi = "truncated to " + std::to_string(copie.size()) + " bytes";
      break;
    default: {
      const std::size_t series = 1 + tire(3);
      for (std::size_t i = 0; i < series; ++i) {
        const std::size_t debut = tire(copie.size() - 1);
        const std::size_t longueur = std::min(copie.size() - debut, 1 + tire(1023));
        copie.replace(debut, longueur, longueur, '\0');
      }
      quoi = std::to_string(series) + " runs zeroed";
      break;
    }
  }
  return copie;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: mutations_base CORRINOM-CLI DEMO.TSV COPIES\n");
    return 64;
  }
  const std::string cli = argv[1];
  const auto copies = static_cast<std::uint32_t>(std::atol(argv[3]));
  const fs::path dossier = fs::temp_directory_path() / ("corrinom-mutations-" + std::to_string(getpid()));
  fs::create_directories(dossier);

  const std::string demo = (dossier / "demo.sqlite").string();
  if (Attend(Lance({cli, "base", "importer", demo, argv[2]})) != 0) {
    std::fprintf(stderr, "the demo base could not be built\n");
    return 1;
  }
  std::ifstream f(demo, std::ios::binary);
  const std::string base((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());

  const unsigned paralleles = std::max(1u, std::min(4u, std::thread::hardware_concurrency()));
  using Horloge = std::chrono::steady_clock;
  struct EnCours {
    std::uint32_t n;
    std::string fichier;
    std::string quoi;
    Horloge::time_point fin{};  // past it, the run is stopped
    bool arrete = false;
  };
  std::map<pid_t, EnCours> enCours;
  std::map<int, long> statuts;
  long crashes = 0, blocages = 0;
  std::uint32_t suivant = 0;
  while (suivant < copies || !enCours.empty()) {
    while (suivant < copies && enCours.size() < paralleles) {
      EnCours e{suivant, (dossier / ("copie-" + std::to_string(suivant % paralleles) + "-" +
                                     std::to_string(suivant) + ".sqlite"))
                             .string(),
                {}};
      const std::string copie = Mute(base, suivant, e.quoi);
      std::ofstream(e.fichier, std::ios::binary).write(copie.data(), static_cast<std::streamsize>(copie.size()));
      // The program itself, without timeout(1) between: one start less per copy.
      const pid_t pid = Lance({cli, "comptes", "--base", e.fichier});
      if (pid < 0) {
        std::perror(cli.c_str());
        return 1;
      }
      e.fin = Horloge::now() + kDelai;
      enCours.emplace(pid, std::move(e));
      ++suivant;
    }
    int etat = 0;
    const pid_t pid = waitpid(-1, &etat, WNOHANG);
    if (pid < 0) break;
    if (pid == 0) {  // none ended yet: stop those past their time, then look again
      const Horloge::time_point maintenant = Horloge::now();
      for (auto& [p, e] : enCours)
        if (!e.arrete && maintenant > e.fin) {
          kill(p, SIGKILL);
          e.arrete = true;
        }
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
      continue;
    }
    const auto it = enCours.find(pid);
    if (it == enCours.end()) continue;
    const EnCours e = std::move(it->second);
    enCours.erase(it);
    // A hung run stopped here counts as timeout(1) would count it; a run that
    // died of a signal as 128 + the signal.
    const int code = e.arrete ? kBloque : WIFEXITED(etat) ? WEXITSTATUS(etat) : 128 + WTERMSIG(etat);
    ++statuts[code];
    const bool bon = code == 0 || code == 1 || code == 2;
    if (!bon) {
      (code == kBloque ? blocages : crashes) += 1;
      const fs::path garde = fs::current_path() / ("mutation-" + std::to_string(e.n) + ".sqlite");
      fs::copy_file(e.fichier, garde, fs::copy_options::overwrite_existing);
      std::printf("copy %u (%s): %s, kept as %s\n", e.n, e.quoi.c_str(),
                  code == kBloque ? "never ended" : ("status " + std::to_string(code)).c_str(),
                  garde.c_str());
    }
    fs::remove(e.fichier);
    for (const char* suffixe : {"-journal", "-wal", "-shm"}) fs::remove(e.fichier + suffixe);
  }
  fs::remove_all(dossier);

  std::printf("%u copies: %ld crashes, %ld hangs; exit statuses:", copies, crashes, blocages);
  for (const auto& [code, nombre] : statuts) std::printf(" %d x%ld", code, nombre);
  std::printf("\n");
  return crashes == 0 && blocages == 0 ? 0 : 1;
}
