// Writing and reading the ';'-separated CSV of the journal and the change list.
#include "session/csv.h"

namespace corrinom {

std::string ChampCsv(std::string_view champ) {
  if (champ.find_first_of(";\"\r\n") == std::string_view::npos) return std::string(champ);
  std::string r;
  r.reserve(champ.size() + 2);
  r += '"';
  for (const char c : champ) {
    if (c == '"') r += '"';
    r += c;
  }
  r += '"';
  return r;
}

std::string LigneCsv(const std::vector<std::string>& champs) {
  std::string r;
  for (std::size_t i = 0; i < champs.size(); ++i) {
    if (i != 0) r += ';';
    r += ChampCsv(champs[i]);
  }
  r += "\r\n";
  return r;
}

bool LitCsv(std::string_view texte, std::vector<EnregistrementCsv>& enregistrements,
            bool& tronque, std::size_t& ligneErreur) {
  enregistrements.clear();
  tronque = false;
  if (texte.starts_with(kBomUtf8)) texte.remove_prefix(kBomUtf8.size());

  std::size_t i = 0;
  std::size_t ligne = 1;
  const std::size_t n = texte.size();
  // A line break is CRLF, or a lone LF for a file another tool rewrote.
  auto finDeLigne = [&](std::size_t p) {
    if (p < n && texte[p] == '\n') return std::size_t{1};
    if (p + 1 < n && texte[p] == '\r' && texte[p + 1] == '\n') return std::size_t{2};
    return std::size_t{0};
  };
  while (i < n) {
    EnregistrementCsv e;
    e.ligne = ligne;
    bool termine = false;
    while (!termine) {
      std::string champ;
      if (i < n && texte[i] == '"') {
        ++i;
        bool ferme = false;
        while (i < n) {
          if (texte[i] == '"') {
            if (i + 1 < n && texte[i + 1] == '"') {
              champ += '"';
              i += 2;
              continue;
            }
            ++i;
            ferme = true;
            break;
          }
          if (texte[i] == '\n') ++ligne;
          champ += texte[i++];
        }
        if (!ferme) {
          tronque = true;
          return true;
        }
        if (i < n && texte[i] != ';' && finDeLigne(i) == 0) {
          // "abc"x, or a lone CR after the quote: not something we write.
          if (!(texte[i] == '\r' && i + 1 == n)) {
            ligneErreur = ligne;
            return false;
          }
        }
      } else {
        while (i < n && texte[i] != ';' && finDeLigne(i) == 0) champ += texte[i++];
      }
      e.champs.push_back(std::move(champ));
      if (i >= n) {
        // The text ends without a line break: this record was cut short.
        tronque = true;
        return true;
      }
      if (texte[i] == ';') {
        ++i;
        continue;
      }
      const std::size_t saut = finDeLigne(i);
      if (saut == 0) {  // a lone CR at the very end
        tronque = true;
        return true;
      }
      i += saut;
      ++ligne;
      termine = true;
    }
    enregistrements.push_back(std::move(e));
  }
  return true;
}

}  // namespace corrinom
