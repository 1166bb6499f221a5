// How long journals are kept. Journals hold the names and birth dates of pupils
// and staff, so the per-user folder keeps them thirteen months: a write run that
// creates its journal there deletes the older ones. A journal is known by the
// date in its file name (see NomFichierJournal), never by the file's times,
// which a copy or a backup restore changes. A journal that a run is still
// writing is never deleted.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "session/horodatage.h"

namespace corrinom {

inline constexpr int kMoisConservationJournaux = 13;

// A journal of the per-user folder.
struct JournalDuDossier {
  std::string nom;     // its file name
  std::string chemin;  // the whole path
  InstantLocal date;   // the run's start, from the name
};

// The date of a journal's file name (AAAA-MM-JJ_HH-MM-SS.csv, or with -2, -3...
// before .csv); nothing for any other name.
std::optional<InstantLocal> DateNomJournal(std::string_view nom);

// True when `a` comes before `b` on the local clock (offsets are not compared).
bool Avant(const InstantLocal& a, const InstantLocal& b);

// The same moment `mois` months earlier, the day brought back to the month's
// last when that month is shorter.
InstantLocal MoisAvant(const InstantLocal& i, int mois);

// The journals of `dossier`, oldest first; none when it does not exist.
std::vector<JournalDuDossier> JournauxDuDossier(const std::string& dossier);

// Deletes the journals of `dossier` whose name's date comes before `limite`,
// except those a run is writing. The journals deleted, oldest first.
std::vector<JournalDuDossier> PurgeJournaux(const std::string& dossier, const InstantLocal& limite);

}  // namespace corrinom
