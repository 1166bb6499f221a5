// The TSV account list importer. Whatever it accepts must survive the exporter and
// a second import field for field: the account data goes back as it came.
#include "accounts/tsv_comptes.h"
#include "tests/fuzz/entrees.h"

namespace corrinom::fuzz {

void ImporteComptes(const std::uint8_t* data, std::size_t size) {
  const std::string_view texte(reinterpret_cast<const char*>(data), size);
  std::vector<CompteBase> comptes;
  std::vector<std::size_t> lignes;
  std::string erreur;
  if (!ImporteTsv(texte, comptes, erreur, &lignes)) {
    Exige(comptes.empty() && lignes.empty() && !erreur.empty(), "a refusal says why, keeps nothing");
    return;
  }
  Exige(lignes.size() == comptes.size(), "one line number per account");
  std::vector<CompteBase> relus;
  Exige(ImporteTsv(ExporteTsv(comptes), relus, erreur), "an export imports again");
  Exige(relus == comptes, "the round trip keeps every field");
}

}  // namespace corrinom::fuzz
