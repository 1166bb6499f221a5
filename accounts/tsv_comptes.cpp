// The TSV form of an account base.
#include "accounts/tsv_comptes.h"

#include <set>

#include "accounts/store/colonnes_compte.h"
#include "text/echappement.h"
#include "text/encodage.h"
#include "text/octets.h"

namespace corrinom {
namespace {

constexpr std::string_view kNul = "\\N";
constexpr std::string_view kColonneSorte = "kind";

// The columns of an export: login, full_name, usr_comment, the others in record order.
std::vector<const ColonneCompte*> OrdreExport() {
  std::vector<const ColonneCompte*> r;
  for (std::string_view premier : {"name", "full_name", "usr_comment"})
    for (const ColonneCompte& c : kColonnesCompte)
      if (c.nom == premier) r.push_back(&c);
  for (const ColonneCompte& c : kColonnesCompte)
    if (c.nom != "name" && c.nom != "full_name" && c.nom != "usr_comment") r.push_back(&c);
  return r;
}

std::string_view NomTsv(const ColonneCompte& c) { return c.nom == "name" ? "login" : c.nom; }

const ColonneCompte* ColonneDeNom(std::string_view nom) {
  if (nom == "name") return nullptr;  // the login is named "login" here
  if (nom == "login") nom = "name";
  for (const ColonneCompte& c : kColonnesCompte)
    if (c.nom == nom) return &c;
  return nullptr;
}

std::string Hex(const std::array<std::uint8_t, 21>& octets) {
  static constexpr char kChiffres[] = "0123456789abcdef";
  std::string r;
  for (const std::uint8_t o : octets) {
    r += kChiffres[o >> 4];
    r += kChiffres[o & 15];
  }
  return r;
}

int ValeurHex(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::optional<std::uint32_t> Nombre(std::string_view t) {
  if (t.empty() || t.size() > 10) return std::nullopt;
  std::uint64_t v = 0;
  for (const char c : t) {
    if (c < '0' || c > '9') return std::nullopt;
    v = v * 10 + static_cast<std::uint64_t>(c - '0');
  }
  if (v > 0xFFFFFFFFu) return std::nullopt;
  return static_cast<std::uint32_t>(v);
}

std::string Ligne(std::size_t n) { return "Ligne " + std::to_string(n) + " : "; }

std::string Nom(std::string_view colonne) { return Utf8VersCp1252Compte(colonne); }

// One field of a line into the record; false with the reason when it is malformed.
bool LitChamp(const ColonneCompte& c, std::string_view brut, CompteStocke& compte,
              std::string& raison) {
  if (brut == kNul) {
    if (c.genre == ColonneCompte::Genre::Nombre) {
      raison = "la colonne " + Nom(c.nom) + " ne peut pas \xEAtre nulle.";
      return false;
    }
    if (c.genre == ColonneCompte::Genre::Texte)
      compte.*c.texte = ChampTexte{};
    else
      compte.logon_hours.reset();
    return true;
  }
  bool ok = true;
  const std::string texte = DesechappeChamp(brut, ok);
  if (!ok) {
    raison = "la colonne " + Nom(NomTsv(c)) + " contient une s\xE9quence d'\xE9" "chappement invalide.";
    return false;
  }
  switch (c.genre) {
    case ColonneCompte::Genre::Texte:
      compte.*c.texte = ChampTexte::de(texte);
      return true;
    case ColonneCompte::Genre::Nombre:
      if (const auto v = Nombre(texte)) {
        compte.*c.nombre = *v;
        return true;
      }
      raison = "la colonne " + Nom(c.nom) + " doit \xEAtre un nombre d\xE9" "cimal de 0 \xE0 4294967295.";
      return false;
    case ColonneCompte::Genre::Heures: {
      std::array<std::uint8_t, 21> h{};
      bool valide = texte.size() == 42;
      for (std::size_t i = 0; valide && i < 21; ++i) {
        const int fort = ValeurHex(texte[2 * i]);
        const int faible = ValeurHex(texte[2 * i + 1]);
        valide = fort >= 0 && faible >= 0;
        h[i] = static_cast<std::uint8_t>(fort * 16 + faible);
      }
      if (!valide) {
        raison = "la colonne logon_hours doit tenir 42 chiffres hexad\xE9" "cimaux.";
        return false;
      }
      compte.logon_hours = h;
      return true;
    }
  }
  return false;
}

}  // namespace

std::string ExporteTsv(const std::vector<CompteBase>& comptes) {
  const std::vector<const ColonneCompte*> ordre = OrdreExport();
  std::string r;
  for (const ColonneCompte* c : ordre) {
    r += NomTsv(*c);
    r += '\t';
  }
  r += kColonneSorte;
  r += '\n';
  for (const CompteBase& base : comptes) {
    const CompteStocke& compte = base.compte;
    for (const ColonneCompte* c : ordre) {
      switch (c->genre) {
        case ColonneCompte::Genre::Texte: {
          const ChampTexte& t = compte.*c->texte;
          r += t.nul ? std::string(kNul) : EchappeChamp(t.texte);
          break;
        }
        case ColonneCompte::Genre::Nombre:
          r += std::to_string(compte.*c->nombre);
          break;
        case ColonneCompte::Genre::Heures:
          r += compte.logon_hours ? Hex(*compte.logon_hours) : std::string(kNul);
          break;
      }
      r += '\t';
    }
    r += NomSorte(base.sorte);
    r += '\n';
  }
  return r;
}

bool ImporteTsv(std::string_view texte, std::vector<CompteBase>& comptes, std::string& erreur,
                std::vector<std::size_t>* lignes) {
  comptes.clear();
  if (lignes) lignes->clear();
  if (CommenceParBomUtf8(texte)) texte.remove_prefix(3);

  std::vector<std::string_view> lignesTexte;
  for (std::size_t debut = 0; debut < texte.size();) {
    std::size_t fin = texte.find('\n', debut);
    if (fin == std::string_view::npos) fin = texte.size();
    std::string_view l = texte.substr(debut, fin - debut);
    if (!l.empty() && l.back() == '\r') l.remove_suffix(1);
    lignesTexte.push_back(l);
    debut = fin + 1;
  }
  if (lignesTexte.empty() || lignesTexte[0].empty()) {
    erreur = Ligne(1) + "l'en-t\xEAte des colonnes manque.";
    return false;
  }

  // The header: known column names, each once, login, full_name and usr_comment present.
  const std::vector<std::string_view> entete = DecoupeTabulations(lignesTexte[0]);
  std::vector<const ColonneCompte*> colonnes;  // null for kind
  std::set<std::string_view> vues;
  for (const std::string_view nom : entete) {
    if (!vues.insert(nom).second) {
      erreur = Ligne(1) + "la colonne " + Nom(nom) + " est nomm\xE9" "e deux fois.";
      return false;
    }
    const ColonneCompte* c = ColonneDeNom(nom);
    if (!c && nom != kColonneSorte) {
      erreur = Ligne(1) + "colonne inconnue " + Nom(nom) + ".";
      return false;
    }
    colonnes.push_back(c);
  }
  for (const std::string_view requise : {"login", "full_name", "usr_comment"}) {
    if (!vues.count(requise)) {
      erreur = Ligne(1) + "la colonne " + std::string(requise) + " manque.";
      return false;
    }
  }

  std::vector<CompteBase> lus;
  std::vector<std::size_t> numeros;
  for (std::size_t i = 1; i < lignesTexte.size(); ++i) {
    const std::size_t numero = i + 1;
    if (lignesTexte[i].empty()) continue;
    const std::vector<std::string_view> champs = DecoupeTabulations(lignesTexte[i]);
    if (champs.size() != colonnes.size()) {
      erreur = Ligne(numero) + std::to_string(champs.size()) + " champs au lieu de " +
               std::to_string(colonnes.size()) + ".";
      return false;
    }
    CompteBase compte;
    for (std::size_t k = 0; k < champs.size(); ++k) {
      std::string raison;
      if (!colonnes[k]) {
        const auto sorte = SorteDeNom(champs[k]);
        if (!sorte) {
          erreur = Ligne(numero) + "sorte de compte inconnue " + Nom(champs[k]) +
                   " (normal, workstation, server, interdomain ou temp_duplicate).";
          return false;
        }
        compte.sorte = *sorte;
      } else if (!LitChamp(*colonnes[k], champs[k], compte.compte, raison)) {
        erreur = Ligne(numero) + raison;
        return false;
      }
    }
    if (compte.compte.name.nul || compte.compte.name.texte.empty()) {
      erreur = Ligne(numero) + "le login est vide.";
      return false;
    }
    lus.push_back(std::move(compte));
    numeros.push_back(numero);
  }
  comptes = std::move(lus);
  if (lignes) *lignes = std::move(numeros);
  return true;
}

}  // namespace corrinom
