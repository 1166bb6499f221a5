// The one file reader of the tree: every file the program reads (person files,
// XML documents, account lists) comes in through LitFichier.
//
// It reads plain files only: a pipe or a device would block the reader or never
// end, so they are refused before opening; a folder gets as far as the read,
// which fails. It holds no state and keeps the file open only while reading.
#pragma once

#include <string>

namespace corrinom {

// True for a plain file or a folder, and for a name that does not exist (the
// open then says why); false for a pipe, a device or a socket.
bool EstFichierLisible(const std::string& nomFichier);

struct LectureFichier {
  enum class Echec { Aucun, Ouverture, Lecture };
  Echec echec = Echec::Aucun;
  int numero = 0;  // the system's error number when echec is not Aucun
  explicit operator bool() const { return echec == Echec::Aucun; }
};

// Reads the whole file into `contenu` (left empty on failure). With
// `arretAuZero`, reading stops at the first zero byte, which ends a text file's
// contents, and the bytes before it are the result.
LectureFichier LitFichier(const std::string& nomFichier, std::string& contenu,
                          bool arretAuZero = false);

}  // namespace corrinom
