// The entry points that the fuzzers and the corpus replay share, one per reader.
// Each takes arbitrary bytes, runs the reader end to end and aborts when the
// reader breaks one of its promises; any crash, hang or leak is a finding too.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace corrinom::fuzz {

using Entree = void (*)(const std::uint8_t* data, std::size_t size);

// The delimited text reader: the first bytes answer the field chooser, the rest is
// the file.
void LitTexte(const std::uint8_t* data, std::size_t size);
// The student and staff XML readers on the same document.
void LitSconet(const std::uint8_t* data, std::size_t size);
// The TSV account list importer, and its round trip through the exporter.
void ImporteComptes(const std::uint8_t* data, std::size_t size);
// The embedded account base: opened in memory, listed, one account written back.
void OuvreBase(const std::uint8_t* data, std::size_t size);
// The change journal: read, then restored without and with writing.
void RestaureJournalFuzz(const std::uint8_t* data, std::size_t size);

// The entry of a target by name ("texte", "sconet", "tsv", "base"), or nullptr.
Entree EntreeNommee(std::string_view nom);

// Aborts with the broken promise's name when `condition` is false.
void Exige(bool condition, const char* quoi);

// Writes the bytes to this process's scratch file with the given extension and
// returns its name (the readers take file names).
const std::string& FichierTemporaire(std::string_view octets, const char* extension);

}  // namespace corrinom::fuzz
