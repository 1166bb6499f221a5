#include "window/revue_ressemblance.h"

#include <algorithm>
#include <numeric>
#include <utility>

#include "reconcile/marques.h"
#include "text/octets.h"

namespace corrinom::fenetre {
namespace {

bool Chiffres(std::string_view s) {
  return std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A date sorts by year, month and day when it reads as dd/mm/yyyy; anything else
// sorts as it is written, after them.
std::string CleDate(std::string_view date) {
  date = Rogne(date);
  if (date.size() == 10 && date[2] == '/' && date[5] == '/' && Chiffres(date.substr(0, 2)) &&
      Chiffres(date.substr(3, 2)) && Chiffres(date.substr(6, 4))) {
    std::string cle(date.substr(6, 4));
    cle += date.substr(3, 2);
    cle += date.substr(0, 2);
    return cle;
  }
  return "~" + std::string(date);
}

bool ColonneDate(int colonne) { return colonne == 4 || colonne == 8; }

}  // namespace

std::string TexteCompteRessemblance(std::size_t cochees, std::size_t propositions) {
  const auto n = static_cast<std::int64_t>(cochees);
  const auto m = static_cast<std::int64_t>(propositions);
  std::string t = std::to_string(cochees);
  t += " rapprochement";
  t += Pluriel(n);
  t += " coch\xE9";
  t += Pluriel(n);
  t += " sur ";
  t += std::to_string(propositions);
  t += " proposition";
  t += Pluriel(m);
  return t;
}

DispositionRessemblance DisposeRessemblance(Taille client, int dpi) {
  const int marge = AEchelle(kMargeAnnexe, dpi);
  const int texte = AEchelle(kHauteurTexteRessemblance, dpi);
  std::vector<int> largeurs;
  for (const ControleAnnexe& b : kBoutonsRessemblance) largeurs.push_back(AEchelle(b.place.largeur, dpi));
  DispositionRessemblance d;
  d.boutons = RangeeBoutons(client, largeurs, AEchelle(kBoutonsRessemblance[0].place.hauteur, dpi), marge);
  const int largeur = std::max(0, client.largeur - 2 * marge);
  const int hautListe = 2 * marge + texte;
  const int hautCompte = std::max(marge, d.boutons[0].y - marge - texte);
  d.consigne = {marge, marge, largeur, texte};
  d.liste = {marge, hautListe, largeur, std::max(0, hautCompte - marge / 2 - hautListe)};
  d.compte = {marge, hautCompte, largeur, texte};
  return d;
}

RevueRessemblance::RevueRessemblance(const EtatRapprochement& etat,
                                     std::vector<PropositionRessemblance> lignes, Coches ouverture)
    : etat_(etat), lignes_(std::move(lignes)), coches_(std::move(ouverture)) {
  coches_.resize(lignes_.size(), 0);
  ordre_.resize(lignes_.size());
  std::iota(ordre_.begin(), ordre_.end(), std::size_t{0});
  ordreAvant_ = ordre_;
}

std::string RevueRessemblance::Texte(std::size_t ligne, int colonne) const {
  if (ligne >= lignes_.size()) return {};
  return TexteDe(LigneVue(ligne), colonne);
}

std::string RevueRessemblance::TexteDe(const PropositionRessemblance& p, int colonne) const {
  const LigneRebus& personne = etat_.rebus[p.rebus];
  const LigneCompte& compte = etat_.comptes[p.compte];
  switch (colonne) {
    case kColonneScore: return std::to_string(p.ressemblance.score);
    case 2: return personne.nom;
    case 3: return personne.prenoms;
    case 4: return personne.dateNaiss;
    case 5: return compte.login;
    case 6: return compte.sousItem(kNomActuel);
    case 7: return compte.sousItem(kPrenomsActuels);
    case 8: return compte.sousItem(kDateNaissActuelle);
    case 9: return RaisonsRessemblance(p.ressemblance);
    default: return {};
  }
}

bool RevueRessemblance::Cochee(std::size_t ligne) const {
  return ligne < lignes_.size() && coches_[ordre_[ligne]] != 0;
}

void RevueRessemblance::Bascule(std::size_t ligne) {
  if (ligne >= lignes_.size()) return;
  const std::size_t i = ordre_[ligne];
  if (coches_[i])
    coches_[i] = 0;
  else
    CocheLigne(lignes_, coches_, i);
}

void RevueRessemblance::ToutDecocher() { std::fill(coches_.begin(), coches_.end(), 0); }

std::string RevueRessemblance::TexteCompte() const {
  return TexteCompteRessemblance(
      static_cast<std::size_t>(std::count(coches_.begin(), coches_.end(), 1)), lignes_.size());
}

void RevueRessemblance::TrieColonne(int colonne) {
  if (colonne < 0 || colonne >= static_cast<int>(kColonnesRessemblance.size())) return;
  inverse_ = colonne == colonneTri_ && !inverse_;
  colonneTri_ = colonne;
  ordreAvant_ = ordre_;

  // Keys once per line, then a stable sort of the best-first order.
  std::vector<std::string> cles;
  std::vector<int> nombres;
  if (colonne == kColonneCoche || colonne == kColonneScore) {
    nombres.resize(lignes_.size());
    for (std::size_t i = 0; i < lignes_.size(); ++i)
      nombres[i] = colonne == kColonneCoche ? coches_[i] : lignes_[i].ressemblance.score;
  } else {
    cles.resize(lignes_.size());
    for (std::size_t i = 0; i < lignes_.size(); ++i) {
      cles[i] = TexteDe(lignes_[i], colonne);
      if (ColonneDate(colonne)) cles[i] = CleDate(cles[i]);
    }
  }
  const bool inverse = inverse_;
  auto avant = [&](std::size_t a, std::size_t b) {
    if (!nombres.empty()) return inverse ? nombres[a] < nombres[b] : nombres[a] > nombres[b];
    return inverse ? cles[b] < cles[a] : cles[a] < cles[b];
  };
  std::iota(ordre_.begin(), ordre_.end(), std::size_t{0});
  std::stable_sort(ordre_.begin(), ordre_.end(), avant);
}

std::size_t RevueRessemblance::PositionApresTri(std::size_t avant) const {
  if (avant >= ordreAvant_.size()) return avant;
  const auto it = std::find(ordre_.begin(), ordre_.end(), ordreAvant_[avant]);
  return static_cast<std::size_t>(it - ordre_.begin());
}

}  // namespace corrinom::fenetre
