// CSV as French spreadsheets open it: UTF-8 with a byte-order mark, ';' between
// fields, CRLF at the end of each line, a field quoted (RFC 4180: inside
// quotes a '"' is doubled) when it holds ';', '"', CR or LF.
//
// Both the change journal and the saved change list use these conventions.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace corrinom {

inline constexpr std::string_view kBomUtf8 = "\xEF\xBB\xBF";

// One field, quoted when it must be.
std::string ChampCsv(std::string_view champ);

// The fields joined by ';', ended by CRLF.
std::string LigneCsv(const std::vector<std::string>& champs);

// One record read back from CSV text.
struct EnregistrementCsv {
  std::vector<std::string> champs;
  std::size_t ligne = 0;  // the text line it starts on, from 1
};

enum class FinCsv { Complet, Tronque, Abime };

// Reads the one record that starts at `position` of `texte`. Complet: the
// record and the line break that ends it were read, and `position` and `ligne`
// are past them. Tronque: the text ends before the record does (its bytes may
// still be coming); nothing moved. Abime: a quoted field followed by anything
// else than ';' or the end of the line, or more than `maxChamps` fields; `ligne`
// is the line of the fault.
FinCsv LitEnregistrementCsv(std::string_view texte, std::size_t& position, std::size_t& ligne,
                            EnregistrementCsv& e, std::size_t maxChamps = SIZE_MAX);

// Reads every record of `texte` (its byte-order mark, when present, skipped).
// A quoted field may hold line breaks. A record not ended by a line break
// (a write cut short) is left out and `tronque` set; a quote that is never
// closed is such a record too. False, with the line in `ligneErreur`, when a
// quoted field is followed by anything else than ';' or the end of the line.
bool LitCsv(std::string_view texte, std::vector<EnregistrementCsv>& enregistrements,
            bool& tronque, std::size_t& ligneErreur);

}  // namespace corrinom
