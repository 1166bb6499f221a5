// Finding, dating and deleting the journals of the per-user folder.
#include "session/conservation_journaux.h"

#include <algorithm>
#include <filesystem>
#include <tuple>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

#include "text/fichier.h"

namespace corrinom {
namespace {

namespace fs = std::filesystem;

// `n` digits at `p`, or -1.
int Chiffres(std::string_view t, std::size_t p, std::size_t n) {
  if (p + n > t.size()) return -1;
  int v = 0;
  for (std::size_t i = p; i < p + n; ++i) {
    if (t[i] < '0' || t[i] > '9') return -1;
    v = v * 10 + (t[i] - '0');
  }
  return v;
}

bool Bissextile(int a) { return (a % 4 == 0 && a % 100 != 0) || a % 400 == 0; }

int JoursDuMois(int a, int m) {
  static constexpr int kJours[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return m == 2 && Bissextile(a) ? 29 : kJours[m - 1];
}

auto Cle(const InstantLocal& i) {
  return std::tie(i.annee, i.mois, i.jour, i.heure, i.minute, i.seconde);
}

// Deletes a journal unless a run holds it open. A writer holds a shared lock
// on its journal (POSIX) or keeps it open without letting it be deleted
// (Windows), so taking the exclusive lock, or the deletion itself, fails then.
bool SupprimeSiLibre(const std::string& chemin) {
#ifdef _WIN32
  std::error_code ec;
  return fs::remove(CheminUtf8(chemin), ec);
#else
  const int fd = open(chemin.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
  if (fd < 0) return false;
  bool supprime = false;
  if (flock(fd, LOCK_EX | LOCK_NB) == 0) supprime = unlink(chemin.c_str()) == 0;
  close(fd);
  return supprime;
#endif
}

}  // namespace

std::optional<InstantLocal> DateNomJournal(std::string_view nom) {
  // AAAA-MM-JJ_HH-MM-SS, then .csv or -N.csv
  if (nom.size() < 23 || nom[4] != '-' || nom[7] != '-' || nom[10] != '_' || nom[13] != '-' ||
      nom[16] != '-' || !nom.ends_with(".csv"))
    return std::nullopt;
  const std::string_view suite = nom.substr(19, nom.size() - 19 - 4);
  if (!suite.empty()) {
    if (suite.size() < 2 || suite[0] != '-' || suite[1] == '0') return std::nullopt;
    for (char c : suite.substr(1))
      if (c < '0' || c > '9') return std::nullopt;
  }
  InstantLocal i;
  i.annee = Chiffres(nom, 0, 4);
  i.mois = Chiffres(nom, 5, 2);
  i.jour = Chiffres(nom, 8, 2);
  i.heure = Chiffres(nom, 11, 2);
  i.minute = Chiffres(nom, 14, 2);
  i.seconde = Chiffres(nom, 17, 2);
  if (i.annee < 0 || i.mois < 1 || i.mois > 12 || i.jour < 1 ||
      i.jour > JoursDuMois(i.annee, i.mois) || i.heure < 0 || i.heure > 23 || i.minute < 0 ||
      i.minute > 59 || i.seconde < 0 || i.seconde > 60)
    return std::nullopt;
  return i;
}

bool Avant(const InstantLocal& a, const InstantLocal& b) { return Cle(a) < Cle(b); }

InstantLocal MoisAvant(const InstantLocal& i, int mois) {
  InstantLocal r = i;
  const int total = i.annee * 12 + (i.mois - 1) - mois;
  r.annee = total / 12;
  r.mois = total % 12 + 1;
  r.jour = std::min(i.jour, JoursDuMois(r.annee, r.mois));
  return r;
}

std::vector<JournalDuDossier> JournauxDuDossier(const std::string& dossier) {
  std::vector<JournalDuDossier> r;
  std::error_code ec;
  for (fs::directory_iterator it(CheminUtf8(dossier), ec), fin; !ec && it != fin; it.increment(ec)) {
    // In UTF-8 (empty for a name it cannot spell); only ASCII names are journals.
    const std::string nom = NomUtf8(it->path().filename());
    const std::optional<InstantLocal> date = DateNomJournal(nom);
    if (date && it->is_regular_file(ec)) r.push_back({nom, NomUtf8(it->path()), *date});
  }
  // Names of one second sort by their -N: the shorter name (no -N, then -2...) first.
  std::sort(r.begin(), r.end(), [](const JournalDuDossier& a, const JournalDuDossier& b) {
    if (Cle(a.date) != Cle(b.date)) return Avant(a.date, b.date);
    if (a.nom.size() != b.nom.size()) return a.nom.size() < b.nom.size();
    return a.nom < b.nom;
  });
  return r;
}

std::vector<JournalDuDossier> PurgeJournaux(const std::string& dossier, const InstantLocal& limite) {
  std::vector<JournalDuDossier> r;
  for (JournalDuDossier& j : JournauxDuDossier(dossier))
    if (Avant(j.date, limite) && SupprimeSiLibre(j.chemin)) r.push_back(std::move(j));
  return r;
}

}  // namespace corrinom
