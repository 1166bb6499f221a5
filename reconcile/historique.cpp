#include "reconcile/historique.h"

#include <algorithm>
#include <utility>

namespace corrinom {
namespace {

bool Egales(const LigneCompte& a, const LigneCompte& b) {
  return a.marque == b.marque && a.login == b.login && a.sousItems == b.sousItems;
}
bool Egales(const LigneRebus& a, const LigneRebus& b) { return a == b; }

// The rows that differ between two versions of a list. The steps either keep
// the length and change rows in place (accounts), or only remove rows, or only
// insert them (not-found list); each of these costs only the rows concerned.
// Anything else is recorded as the replacement of the span between the common
// start and the common end.
template <typename Ligne>
DiffListe<Ligne> Compare(const std::vector<Ligne>& avant, const std::vector<Ligne>& apres) {
  DiffListe<Ligne> d;
  std::size_t debut = 0;
  const std::size_t plusCourte = std::min(avant.size(), apres.size());
  while (debut < plusCourte && Egales(avant[debut], apres[debut])) ++debut;
  std::size_t fin = 0;
  while (fin < plusCourte - debut &&
         Egales(avant[avant.size() - 1 - fin], apres[apres.size() - 1 - fin]))
    ++fin;
  const std::size_t finAvant = avant.size() - fin;
  const std::size_t finApres = apres.size() - fin;
  const auto ajoute = [](auto& liste, std::size_t i, const Ligne& ligne) {
    liste.emplace_back(static_cast<std::uint32_t>(i), ligne);
  };

  if (finAvant - debut == finApres - debut) {
    for (std::size_t i = debut; i < finAvant; ++i)
      if (!Egales(avant[i], apres[i])) {
        ajoute(d.retirees, i, avant[i]);
        ajoute(d.ajoutees, i, apres[i]);
      }
    return d;
  }
  // Is the shorter span what is left of the longer one once some rows are gone?
  const bool perte = finAvant - debut > finApres - debut;
  const std::vector<Ligne>& longue = perte ? avant : apres;
  const std::vector<Ligne>& courte = perte ? apres : avant;
  const std::size_t finLongue = perte ? finAvant : finApres;
  const std::size_t finCourte = perte ? finApres : finAvant;
  auto& enPlus = perte ? d.retirees : d.ajoutees;
  std::size_t j = debut;
  for (std::size_t i = debut; i < finLongue; ++i) {
    if (j < finCourte && Egales(longue[i], courte[j]))
      ++j;
    else
      ajoute(enPlus, i, longue[i]);
  }
  if (j == finCourte) return d;

  d = {};
  for (std::size_t i = debut; i < finAvant; ++i) ajoute(d.retirees, i, avant[i]);
  for (std::size_t i = debut; i < finApres; ++i) ajoute(d.ajoutees, i, apres[i]);
  return d;
}

// Turns the list from one side of a diff into the other: the rows of `enlever`
// (positions in the current list) go, the rows of `mettre` (positions in the
// result) come back as copies, the step keeping its own.
template <typename Ligne>
void Rejoue(std::vector<Ligne>& liste,
            const std::vector<std::pair<std::uint32_t, Ligne>>& enlever,
            const std::vector<std::pair<std::uint32_t, Ligne>>& mettre) {
  const bool memesPlaces =
      enlever.size() == mettre.size() &&
      std::equal(enlever.begin(), enlever.end(), mettre.begin(),
                 [](const auto& a, const auto& b) { return a.first == b.first; });
  if (memesPlaces) {
    for (const auto& [position, ligne] : mettre)
      if (position < liste.size()) liste[position] = ligne;
    return;
  }
  std::vector<Ligne> resultat;
  resultat.reserve(liste.size() - enlever.size() + mettre.size());
  auto aEnlever = enlever.begin();
  auto aMettre = mettre.begin();
  std::size_t source = 0;
  const auto sauteEnlevees = [&] {
    while (aEnlever != enlever.end() && aEnlever->first == source) {
      ++aEnlever;
      ++source;
    }
  };
  sauteEnlevees();
  while (source < liste.size() || aMettre != mettre.end()) {
    if (aMettre != mettre.end() && aMettre->first == resultat.size()) {
      resultat.push_back(aMettre->second);
      ++aMettre;
      continue;
    }
    if (source >= liste.size()) break;  // a diff that does not fit: keep what can be
    resultat.push_back(std::move(liste[source++]));
    sauteEnlevees();
  }
  liste = std::move(resultat);
}

// Position i of the list holds the row that was at ordre[i].
template <typename Ligne>
void Permute(std::vector<Ligne>& liste, const std::vector<std::uint32_t>& ordre) {
  if (ordre.size() != liste.size()) return;
  std::vector<Ligne> resultat;
  resultat.reserve(liste.size());
  for (std::uint32_t ancienne : ordre) resultat.push_back(std::move(liste[ancienne]));
  liste = std::move(resultat);
}

// Puts back the rows where they were before Permute(liste, ordre).
template <typename Ligne>
void Depermute(std::vector<Ligne>& liste, const std::vector<std::uint32_t>& ordre) {
  if (ordre.size() != liste.size()) return;
  std::vector<Ligne> resultat(liste.size());
  for (std::size_t i = 0; i < ordre.size(); ++i) resultat[ordre[i]] = std::move(liste[i]);
  liste = std::move(resultat);
}

std::size_t OctetsTexte(const std::string& s) {
  return s.capacity() > 15 ? s.capacity() + 1 : 0;  // short texts live inside the object
}
std::size_t OctetsLigne(const LigneCompte& l) {
  std::size_t n = OctetsTexte(l.login) + l.sousItems.capacity() * sizeof(std::string);
  for (const std::string& s : l.sousItems) n += OctetsTexte(s);
  return n;
}
std::size_t OctetsLigne(const LigneRebus& l) {
  return OctetsTexte(l.nom) + OctetsTexte(l.prenoms) + OctetsTexte(l.dateNaiss);
}
template <typename Ligne>
std::size_t OctetsDiff(const DiffListe<Ligne>& d) {
  std::size_t n = (d.retirees.capacity() + d.ajoutees.capacity()) *
                  sizeof(std::pair<std::uint32_t, Ligne>);
  for (const auto& r : d.retirees) n += OctetsLigne(r.second);
  for (const auto& r : d.ajoutees) n += OctetsLigne(r.second);
  return n;
}

// Composes a sort's order with those the step already holds.
bool AjouteOrdre(PasHistorique& pas, ListeTriee liste, const std::vector<std::uint32_t>& ordre) {
  std::vector<std::uint32_t>& ancien =
      liste == ListeTriee::Comptes ? pas.ordreComptes : pas.ordreRebus;
  if (ancien.empty()) {
    ancien = ordre;
    return true;
  }
  if (ancien.size() != ordre.size()) return false;
  std::vector<std::uint32_t> compose(ordre.size());
  for (std::size_t i = 0; i < ordre.size(); ++i) compose[i] = ancien[ordre[i]];
  ancien = std::move(compose);
  return true;
}

std::size_t OctetsPas(const PasHistorique& p) {
  return sizeof p + OctetsTexte(p.nom) + OctetsDiff(p.comptes) + OctetsDiff(p.rebus) +
         (p.ordreComptes.capacity() + p.ordreRebus.capacity()) * sizeof(std::uint32_t);
}

std::string_view NomDeFichier(std::string_view chemin) {
  const std::size_t separateur = chemin.find_last_of("/\\");
  return separateur == std::string_view::npos ? chemin : chemin.substr(separateur + 1);
}

}  // namespace

std::string NomPasOuverture(std::string_view cheminFichier) {
  return "ouverture de " + std::string(NomDeFichier(cheminFichier));
}

std::string NomPasDeplacement(std::string_view nom, std::string_view prenoms) {
  return "d\xE9placement de " + std::string(nom) + " " + std::string(prenoms);
}

std::string NomPasLiberation(std::string_view login) {
  return "lib\xE9ration du compte " + std::string(login);
}

std::string TexteAnnule(std::string_view pas) { return "Annul\xE9 : " + std::string(pas); }
std::string TexteRetabli(std::string_view pas) { return "R\xE9tabli : " + std::string(pas); }

void Historique::Commence(const EtatRapprochement& etat) {
  comptesAvant_ = etat.comptes;
  rebusAvant_ = etat.rebus;
}

void Historique::Abandonne() {
  comptesAvant_.reset();
  rebusAvant_.reset();
}

bool Historique::Termine(const EtatRapprochement& etat, std::string nom,
                         std::optional<std::string> fichierAvant,
                         std::optional<std::string> fichierApres) {
  if (!comptesAvant_ || !rebusAvant_) return false;
  PasHistorique pas;
  pas.nom = std::move(nom);
  pas.comptes = Compare(*comptesAvant_, etat.comptes);
  pas.rebus = Compare(*rebusAvant_, etat.rebus);
  Abandonne();
  const bool change = !pas.comptes.retirees.empty() || !pas.comptes.ajoutees.empty() ||
                      !pas.rebus.retirees.empty() || !pas.rebus.ajoutees.empty();
  if (!change) return false;
  pas.fichierAvant = std::move(fichierAvant);
  pas.fichierApres = std::move(fichierApres);
  for (const PasHistorique& p : retablissables_) octets_ -= p.octets;
  retablissables_.clear();
  garde(std::move(pas));
  return true;
}

void Historique::garde(PasHistorique pas) {
  pas.octets = OctetsPas(pas);
  octets_ += pas.octets;
  annulables_.push_back(std::move(pas));
  while (annulables_.size() > 1 &&
         (annulables_.size() > kPasMaximum || octets_ > kOctetsMaximum)) {
    octets_ -= annulables_.front().octets;
    annulables_.pop_front();
  }
}

void Historique::Reordonne(ListeTriee liste, const std::vector<std::uint32_t>& ordre) {
  for (const PasHistorique& p : retablissables_) octets_ -= p.octets;
  retablissables_.clear();
  if (annulables_.empty()) return;
  // The order joins the last step, which then holds more.
  PasHistorique dernier = std::move(annulables_.back());
  annulables_.pop_back();
  octets_ -= dernier.octets;
  if (!AjouteOrdre(dernier, liste, ordre)) {  // the lists changed outside any step
    Efface();
    return;
  }
  garde(std::move(dernier));
}

std::optional<PasRejoue> Historique::Annule(EtatRapprochement& etat) {
  if (annulables_.empty()) return std::nullopt;
  PasHistorique pas = std::move(annulables_.back());
  annulables_.pop_back();
  if (!pas.ordreComptes.empty()) Depermute(etat.comptes, pas.ordreComptes);
  if (!pas.ordreRebus.empty()) Depermute(etat.rebus, pas.ordreRebus);
  Rejoue(etat.comptes, pas.comptes.ajoutees, pas.comptes.retirees);
  Rejoue(etat.rebus, pas.rebus.ajoutees, pas.rebus.retirees);
  PasRejoue r{pas.nom, pas.fichierAvant};
  retablissables_.push_back(std::move(pas));
  return r;
}

std::optional<PasRejoue> Historique::Retablit(EtatRapprochement& etat) {
  if (retablissables_.empty()) return std::nullopt;
  PasHistorique pas = std::move(retablissables_.back());
  retablissables_.pop_back();
  Rejoue(etat.comptes, pas.comptes.retirees, pas.comptes.ajoutees);
  Rejoue(etat.rebus, pas.rebus.retirees, pas.rebus.ajoutees);
  if (!pas.ordreComptes.empty()) Permute(etat.comptes, pas.ordreComptes);
  if (!pas.ordreRebus.empty()) Permute(etat.rebus, pas.ordreRebus);
  PasRejoue r{pas.nom, pas.fichierApres};
  annulables_.push_back(std::move(pas));
  return r;
}

void Historique::Efface() {
  annulables_.clear();
  retablissables_.clear();
  octets_ = 0;
  Abandonne();
}

std::size_t Historique::Octets() const { return octets_; }

}  // namespace corrinom
