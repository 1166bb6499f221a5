// Dates and times of the journal, in local time.
#pragma once

#include <ctime>
#include <string>

namespace corrinom {

// A moment as the local clock shows it, with the offset from UTC.
struct InstantLocal {
  int annee = 1970, mois = 1, jour = 1;
  int heure = 0, minute = 0, seconde = 0;
  int decalageMinutes = 0;  // local time minus UTC
};

InstantLocal InstantLocalDe(std::time_t t);

// ISO 8601 with the offset: 2026-12-08T09:05:03+01:00 (+00:00 for UTC).
std::string HorodatageIso(const InstantLocal& i);

// The journal file of a run started at `i`: AAAA-MM-JJ_HH-MM-SS.csv, and for
// rang 2, 3... AAAA-MM-JJ_HH-MM-SS-2.csv and so on.
std::string NomFichierJournal(const InstantLocal& i, int rang);

}  // namespace corrinom
