#include "reconcile/rapprochement_exact.h"

#include <algorithm>
#include <functional>
#include <stdexcept>
#include <utility>

#include "reconcile/cles.h"
#include "reconcile/marque_compte.h"
#include "reconcile/marques.h"
#include "text/noms.h"

namespace corrinom {
namespace {

// One key for the pair (last name, first names), written into cle: the length of
// the last name comes first, so that ("AB", "C") and ("A", "BC") differ.
void ClePaire(std::string& cle, std::string_view nom, std::string_view prenoms) {
  cle.clear();
  const std::uint64_t longueur = nom.size();
  cle.append(reinterpret_cast<const char*>(&longueur), sizeof longueur);
  detail::AjouteCleNom(cle, nom);
  detail::AjouteCleNom(cle, prenoms);
}

// Steps 4 and 5 of the visit, for a row whose folded names and date already agree:
// take a free row, or replace a person whose row names equal the read names without
// folding. False when the row is attached and not replaceable.
bool PrendOuRemplace(EtatRapprochement& etat, LigneCompte& ligne, const std::string& nom,
                     const std::string& prenoms, const std::string& dateNaiss) {
  if (!ligne.attachee()) {
    AttachePersonne(ligne, nom, prenoms, dateNaiss);
    MarqueLigne(etat, ligne);
    return true;
  }
  if (!EgalSansCasse(ligne.sousItems[kNomActuel], nom) ||
      !EgalSansCasse(ligne.sousItems[kPrenomsActuels], prenoms))
    return false;
  etat.rebus.push_back({std::move(ligne.sousItems[kNouveauNom]),
                        std::move(ligne.sousItems[kNouveauxPrenoms]),
                        std::move(ligne.sousItems[kNouvelleDateNaiss])});
  ligne.sousItems[kNouveauNom] = nom;
  ligne.sousItems[kNouveauxPrenoms] = prenoms;
  ligne.sousItems[kNouvelleDateNaiss] = dateNaiss;
  MarqueLigne(etat, ligne);
  return true;
}

// The same pair with ASCII case ignored but nothing folded: two rows have the same
// such key exactly when a person who may replace on one may replace on the other.
void AjouteVariante(std::string& cle, std::string_view nom, std::string_view prenoms) {
  const std::uint64_t longueur = nom.size();
  cle.append(reinterpret_cast<const char*>(&longueur), sizeof longueur);
  const std::size_t debut = cle.size();
  cle.append(nom).append(prenoms);
  for (std::size_t i = debut; i < cle.size(); ++i)
    if (cle[i] >= 'a' && cle[i] <= 'z') cle[i] = static_cast<char>(cle[i] - 'a' + 'A');
}

std::uint32_t Hachage(const std::string& cle) {
  const std::uint64_t h = std::hash<std::string_view>{}(cle);
  return static_cast<std::uint32_t>(h ^ (h >> 32));
}

}  // namespace

bool DatesCompatibles(std::string_view dateCompte, std::string_view dateLue) {
  return dateCompte.empty() || dateLue.empty() || dateCompte == dateLue;
}

void RapprocheExact(EtatRapprochement& etat, const std::string& nom, const std::string& prenoms,
                    const std::string& dateNaiss) {
  const std::string nomPlie = EnleveAccents(nom);
  const std::string prenomsPlies = EnleveAccents(prenoms);
  for (LigneCompte& ligne : etat.comptes) {
    if (!EgalSansCasse(EnleveAccents(ligne.sousItem(kNomActuel)), nomPlie)) continue;
    if (!EgalSansCasse(EnleveAccents(ligne.sousItem(kPrenomsActuels)), prenomsPlies)) continue;
    if (!DatesCompatibles(ligne.sousItem(kDateNaissActuelle), dateNaiss)) continue;
    if (PrendOuRemplace(etat, ligne, nom, prenoms, dateNaiss)) return;
  }
  etat.rebus.push_back({nom, prenoms, dateNaiss});
}

RemiseFichier::RemiseFichier(EtatRapprochement& etat)
    : etat_(etat), nombreLignes_(etat.comptes.size()) {
  const std::size_t n = nombreLignes_;
  if (n >= kGroupe) throw std::length_error("RemiseFichier: too many account rows");
  cases_.assign(std::max<std::size_t>(16, n + n / 2 + 1), Case{});

  // First pass: each row joins the slot of its key; a new slot names its first row.
  std::vector<std::uint32_t> caseDeLigne(n);
  std::vector<std::uint32_t> effectif(cases_.size(), 0);
  for (std::size_t i = 0; i < n; ++i) {
    const LigneCompte& l = etat_.comptes[i];
    ClePaire(tampon_, l.sousItem(kNomActuel), l.sousItem(kPrenomsActuels));
    const std::uint32_t h = Hachage(tampon_);
    const std::size_t k = cherche(h);
    if (cases_[k].ref == kVide) cases_[k] = Case{h, static_cast<std::uint32_t>(i)};
    ++effectif[k];
    caseDeLigne[i] = static_cast<std::uint32_t>(k);
  }

  // Second pass: a run for each key of two or more rows, the rows in list order.
  std::vector<std::uint32_t> suite(cases_.size(), 0);
  std::size_t taille = 0;
  for (std::size_t k = 0; k < cases_.size(); ++k) {
    if (effectif[k] < 2) continue;
    suite[k] = static_cast<std::uint32_t>(taille + 1);
    taille += 1 + effectif[k];
  }
  if (taille >= kGroupe) throw std::length_error("RemiseFichier: too many account rows");
  lignes_.resize(taille);
  for (std::size_t i = 0; i < n; ++i) {
    const std::uint32_t k = caseDeLigne[i];
    if (effectif[k] >= 2) lignes_[suite[k]++] = static_cast<std::uint32_t>(i);
  }
  for (std::size_t k = 0; k < cases_.size(); ++k) {
    if (effectif[k] < 2) continue;
    const std::uint32_t debut = suite[k] - effectif[k] - 1;
    lignes_[debut] = effectif[k];
    cases_[k].ref = kGroupe | debut;
    if (effectif[k] > kLignesParcourues) indexeGroupe(static_cast<std::uint32_t>(k));
  }
}

void RemiseFichier::cleDetail(char marque, std::uint32_t k, std::string_view date) {
  const std::uint64_t longueur = date.size();
  cleDetail_.assign(1, marque);
  cleDetail_.append(reinterpret_cast<const char*>(&k), sizeof k);
  cleDetail_.append(reinterpret_cast<const char*>(&longueur), sizeof longueur);
  cleDetail_.append(date);
}

void RemiseFichier::indexeGroupe(std::uint32_t k) {
  const Case& c = cases_[k];
  for (std::size_t j = 0; j < nombre(c); ++j) {
    const std::uint32_t i = static_cast<std::uint32_t>(ligne(c, j));
    const LigneCompte& l = etat_.comptes[i];
    const std::string& date = l.sousItem(kDateNaissActuelle);
    cleDetail('A', k, {});
    libres_[cleDetail_].lignes.push_back(i);
    cleDetail('D', k, date);
    libres_[cleDetail_].lignes.push_back(i);
    // Rows come in list order, so the first one stays.
    cleDetail('W', k, {});
    AjouteVariante(cleDetail_, l.sousItem(kNomActuel), l.sousItem(kPrenomsActuels));
    premieres_.try_emplace(cleDetail_, i);
    cleDetail('V', k, date);
    AjouteVariante(cleDetail_, l.sousItem(kNomActuel), l.sousItem(kPrenomsActuels));
    premieres_.try_emplace(cleDetail_, i);
  }
}

std::uint32_t RemiseFichier::premiereLibre(char marque, std::uint32_t k, std::string_view date) {
  cleDetail(marque, k, date);
  const auto p = libres_.find(cleDetail_);
  if (p == libres_.end()) return kVide;
  Suite& suite = p->second;
  while (suite.suivante < suite.lignes.size() &&
         etat_.comptes[suite.lignes[suite.suivante]].attachee())
    ++suite.suivante;
  return suite.suivante < suite.lignes.size() ? suite.lignes[suite.suivante] : kVide;
}

std::uint32_t RemiseFichier::premiereRemplacable(std::uint32_t k, std::string_view date,
                                                 bool toutes) {
  cleDetail(toutes ? 'W' : 'V', k, date);
  cleDetail_ += variante_;
  const auto p = premieres_.find(cleDetail_);
  return p == premieres_.end() ? kVide : p->second;
}

std::uint32_t RemiseFichier::groupeIndexe(std::uint32_t k, const std::string& nom,
                                          const std::string& prenoms,
                                          const std::string& dateNaiss) {
  variante_.clear();
  AjouteVariante(variante_, nom, prenoms);
  // kVide is the largest value, so the minimum is the earliest row found.
  if (dateNaiss.empty())
    return std::min(premiereLibre('A', k, {}), premiereRemplacable(k, {}, true));
  // A date is compatible with the rows of that date and with the rows without one.
  std::uint32_t r = kVide;
  for (const std::string_view date : {std::string_view(), std::string_view(dateNaiss)})
    r = std::min({r, premiereLibre('D', k, date), premiereRemplacable(k, date, false)});
  return r;
}

std::size_t RemiseFichier::cherche(std::uint32_t hachage) {
  // The slot from the hash by multiply-and-shift, which needs no power-of-two size.
  const std::size_t taille = cases_.size();
  std::size_t k = static_cast<std::size_t>((std::uint64_t{hachage} * taille) >> 32);
  for (; cases_[k].ref != kVide; k = k + 1 == taille ? 0 : k + 1) {
    const Case& c = cases_[k];
    if (c.hachage != hachage) continue;
    const LigneCompte& l = etat_.comptes[ligne(c, 0)];
    ClePaire(tamponLigne_, l.sousItem(kNomActuel), l.sousItem(kPrenomsActuels));
    if (tamponLigne_ == tampon_) break;
  }
  return k;
}

void RemiseFichier::RapprocheExact(const std::string& nom, const std::string& prenoms,
                                   const std::string& dateNaiss) {
  // A group holds, in list order, exactly the rows that pass the two name steps of
  // the visit, so walking it is the visit with the other rows skipped.
  if (etat_.comptes.size() != nombreLignes_)
    return corrinom::RapprocheExact(etat_, nom, prenoms, dateNaiss);
  ClePaire(tampon_, nom, prenoms);
  const std::size_t k = cherche(Hachage(tampon_));
  const Case& c = cases_[k];
  const std::size_t n = nombre(c);
  if (n > kLignesParcourues) {
    const std::uint32_t i = groupeIndexe(static_cast<std::uint32_t>(k), nom, prenoms, dateNaiss);
    if (i != kVide && PrendOuRemplace(etat_, etat_.comptes[i], nom, prenoms, dateNaiss)) return;
    etat_.rebus.push_back({nom, prenoms, dateNaiss});
    return;
  }
  for (std::size_t j = 0; j < n; ++j) {
    LigneCompte& l = etat_.comptes[ligne(c, j)];
    if (!DatesCompatibles(l.sousItem(kDateNaissActuelle), dateNaiss)) continue;
    if (PrendOuRemplace(etat_, l, nom, prenoms, dateNaiss)) return;
  }
  etat_.rebus.push_back({nom, prenoms, dateNaiss});
}

}  // namespace corrinom
