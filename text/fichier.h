// The one file reader of the tree: every file the program reads (person files,
// XML documents, account lists) comes in through LitFichier.
//
// It reads plain files only, of at most kTailleMaxFichier bytes: a pipe or a
// device would block the reader or never end, a folder has nothing to read, and no
// real export comes near the limit (100,000 pupils make 89 MB), so all of them are
// refused before a byte is read. Names are UTF-8 on every system (Windows opens
// them as UTF-16). It holds no state and keeps the file open only while reading.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "text/encodage.h"

namespace corrinom {

inline constexpr std::uint64_t kTailleMaxFichier = std::uint64_t{256} << 20;
inline constexpr std::size_t kMorceauFichier = std::size_t{1} << 16;  // bytes read at a time

// A UTF-8 name as the system's path (on Windows a std::string would be read in
// the ANSI code page, where "Łódź" is another name or none); the empty path for a
// name that is not UTF-8 there.
std::filesystem::path CheminUtf8(const TexteUtf8& nomFichier);
// A system path spelt back in UTF-8, as CheminUtf8 takes it; empty when UTF-8
// cannot spell it (an unpaired surrogate on Windows).
TexteUtf8 NomUtf8(const std::filesystem::path& chemin);

// True for a plain file, and for a name that does not exist (the open then says
// why); false for a folder, a pipe, a device or a socket.
bool EstFichierLisible(const TexteUtf8& nomFichier);

struct LectureFichier {
  enum class Echec { Aucun, Ouverture, Lecture };
  Echec echec = Echec::Aucun;
  int numero = 0;         // the system's error number when echec is not Aucun
  std::int32_t code = 0;  // its Windows code, one MessErreur has a text for
  explicit operator bool() const { return echec == Echec::Aucun; }
};

// Reads the whole file into `contenu` (left empty on failure). With
// `arretAuZero`, reading stops at the first zero byte, which ends a text file's
// contents, and the bytes before it are the result. A folder fails as a read
// (code 5, as Windows answers), any other file that is not plain as an open (5
// too); a file over the limit gives 223, a missing folder on the way 3.
LectureFichier LitFichier(const TexteUtf8& nomFichier, std::string& contenu,
                          bool arretAuZero = false);

// The same reader for a caller that parses as it reads: `taille` (when given)
// learns the file's size once it is open, then `morceau` gets the bytes in
// order, at most kMorceauFichier at a time, and may stop the reading by
// returning false (which is no failure). The same refusals as LitFichier.
LectureFichier LitFichierParMorceaux(const TexteUtf8& nomFichier,
                                     const std::function<void(std::uint64_t)>& taille,
                                     const std::function<bool(std::string_view)>& morceau);

}  // namespace corrinom
