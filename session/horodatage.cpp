// Local time with its offset, without relying on tm_gmtoff or %z, which not
// every C library has or formats the same way.
#include "session/horodatage.h"

#include <cstdio>
#include <cstdlib>

namespace corrinom {
namespace {

// The calendar fields of an instant, in local time or in UTC.
std::tm Decompose(std::time_t t, bool local) {
  std::tm r{};
#ifdef _WIN32
  if (local) localtime_s(&r, &t);
  else gmtime_s(&r, &t);
#else
  if (local) localtime_r(&t, &r);
  else gmtime_r(&t, &r);
#endif
  return r;
}

// Days from 1970-01-01 to a date of the proleptic Gregorian calendar.
long long JoursDepuisEpoque(long long a, int m, int j) {
  a -= m <= 2;
  const long long ere = (a >= 0 ? a : a - 399) / 400;
  const long long an = a - ere * 400;
  const long long jourAn = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + j - 1;
  const long long jourEre = an * 365 + an / 4 - an / 100 + jourAn;
  return ere * 146097 + jourEre - 719468;
}

long long Secondes(const std::tm& t) {
  return JoursDepuisEpoque(t.tm_year + 1900LL, t.tm_mon + 1, t.tm_mday) * 86400 +
         t.tm_hour * 3600LL + t.tm_min * 60LL + t.tm_sec;
}

}  // namespace

InstantLocal InstantLocalDe(std::time_t t) {
  const std::tm l = Decompose(t, true);
  InstantLocal i;
  i.annee = l.tm_year + 1900;
  i.mois = l.tm_mon + 1;
  i.jour = l.tm_mday;
  i.heure = l.tm_hour;
  i.minute = l.tm_min;
  i.seconde = l.tm_sec;
  i.decalageMinutes = static_cast<int>((Secondes(l) - Secondes(Decompose(t, false))) / 60);
  return i;
}

std::string HorodatageIso(const InstantLocal& i) {
  const int d = std::abs(i.decalageMinutes);
  char t[40];
  std::snprintf(t, sizeof t, "%04d-%02d-%02dT%02d:%02d:%02d%c%02d:%02d", i.annee, i.mois, i.jour,
                i.heure, i.minute, i.seconde, i.decalageMinutes < 0 ? '-' : '+', d / 60, d % 60);
  return t;
}

std::string NomFichierJournal(const InstantLocal& i, int rang) {
  char t[40];
  std::snprintf(t, sizeof t, "%04d-%02d-%02d_%02d-%02d-%02d", i.annee, i.mois, i.jour, i.heure,
                i.minute, i.seconde);
  std::string nom = t;
  if (rang > 1) nom += "-" + std::to_string(rang);
  return nom + ".csv";
}

}  // namespace corrinom
