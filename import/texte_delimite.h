// The delimited text reader: a header line of field names, then one person per line.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "import/personne.h"

namespace corrinom {

class Dialogues;

// How the lines of one file are split: the separator is ';' when the header
// holds one, else ','. A quoted file is one whose header has at least three
// characters and begins and ends with a double quote.
struct FormatTexte {
  char separateur = ',';
  bool guillemets = false;
};

FormatTexte FormatDeLEntete(std::string_view entete);

// The file's text as the readers see it. A file that begins with a UTF-8
// byte-order mark, or whose bytes are valid UTF-8 holding at least one
// multi-byte sequence, is decoded and converted to CP1252; other files keep
// their bytes. A zero byte ends the text.
std::string TexteDuFichier(std::string contenu);

// Splits a text into lines at CR, LF or CR LF; a line end at the very end adds no
// empty line. The lines point into `texte`.
std::vector<std::string_view> DecoupeLignes(std::string_view texte);

// A file's text and its lines, which point into the text.
struct LignesFichier {
  std::string texte;
  std::vector<std::string_view> lignes;

  LignesFichier() = default;
  LignesFichier(const LignesFichier&) = delete;
  LignesFichier& operator=(const LignesFichier&) = delete;
  void vide() {
    lignes.clear();
    texte.clear();
    texte.shrink_to_fit();
  }
};

// Reads a file (through TexteDuFichier) into lines. On failure returns false,
// leaves `resultat` empty and sets `codeErreur` to the system's error code for it
// (a Windows code: 2 file not found, 3 path not found, 5 access denied, ...; 0
// when there is none).
bool LitLignesFichier(const std::string& nomFichier, LignesFichier& resultat, int& codeErreur);

// The fields of one line split on the format's separator. In a quoted file a
// separator between double quotes does not split. The fields are raw.
std::vector<std::string_view> DecoupeChamps(std::string_view ligne, const FormatTexte& format);

// In a quoted file, the field without its enclosing double quotes (a doubled
// quote inside them reads as one); otherwise the field unchanged.
std::string EnleveGuillemets(std::string_view champ, const FormatTexte& format);

// The index (from 0) of the first header field equal to `nom`, ASCII case
// ignored, after its quotes and surrounding blanks are removed; -1 when none.
int IndiceChamp(std::string_view entete, std::string_view nom, const FormatTexte& format);

// The cleaned value of field `indice` of a line; empty for -1 or a missing field.
std::string ValeurChamp(std::string_view ligne, int indice, const FormatTexte& format);

// Field n of a line, raw: not trimmed, quotes kept; empty when the line has fewer fields.
std::string ExtraitChamp(std::string_view ligne, int n, const FormatTexte& format);

// Reads the named file and hands its persons over, asking the operator through the
// field chooser for any needed field it cannot find by name. Returns true when the
// persons were handed over.
bool LitFichierTexte(const std::string& nomFichier, RemisePersonnes& remise, Dialogues& dialogues);

}  // namespace corrinom
