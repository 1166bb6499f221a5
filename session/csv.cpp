// Writing and reading the ';'-separated CSV of the journal and the change list.
#include "session/csv.h"

#include <utility>

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

FinCsv LitEnregistrementCsv(std::string_view texte, std::size_t& position, std::size_t& ligne,
                            EnregistrementCsv& e, std::size_t maxChamps) {
  std::size_t i = position;
  std::size_t l = ligne;
  const std::size_t n = texte.size();
  // A line break is CRLF, or a lone LF for a file another tool rewrote.
  auto finDeLigne = [&](std::size_t p) {
    if (p < n && texte[p] == '\n') return std::size_t{1};
    if (p + 1 < n && texte[p] == '\r' && texte[p + 1] == '\n') return std::size_t{2};
    return std::size_t{0};
  };
  e.champs.clear();
  e.ligne = ligne;
  for (;;) {
    if (e.champs.size() == maxChamps) {
      ligne = l;
      return FinCsv::Abime;
    }
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
        if (texte[i] == '\n') ++l;
        champ += texte[i++];
      }
      if (!ferme) return FinCsv::Tronque;
      // "abc"x, or a lone CR after the quote that is not the text's last byte:
      // not something we write.
      if (i < n && texte[i] != ';' && finDeLigne(i) == 0 && !(texte[i] == '\r' && i + 1 == n)) {
        ligne = l;
        return FinCsv::Abime;
      }
    } else {
      while (i < n && texte[i] != ';' && finDeLigne(i) == 0) champ += texte[i++];
    }
    e.champs.push_back(std::move(champ));
    // The text ends without a line break (or with a lone CR): cut short.
    if (i >= n) return FinCsv::Tronque;
    if (texte[i] == ';') {
      ++i;
      continue;
    }
    const std::size_t saut = finDeLigne(i);
    if (saut == 0) return FinCsv::Tronque;
    position = i + saut;
    ligne = l + 1;
    return FinCsv::Complet;
  }
}

bool LitCsv(std::string_view texte, std::vector<EnregistrementCsv>& enregistrements,
            bool& tronque, std::size_t& ligneErreur) {
  enregistrements.clear();
  tronque = false;
  if (texte.starts_with(kBomUtf8)) texte.remove_prefix(kBomUtf8.size());
  std::size_t i = 0;
  std::size_t ligne = 1;
  while (i < texte.size()) {
    EnregistrementCsv e;
    switch (LitEnregistrementCsv(texte, i, ligne, e)) {
      case FinCsv::Complet:
        enregistrements.push_back(std::move(e));
        break;
      case FinCsv::Tronque:
        tronque = true;
        return true;
      case FinCsv::Abime:
        ligneErreur = ligne;
        return false;
    }
  }
  return true;
}

}  // namespace corrinom
