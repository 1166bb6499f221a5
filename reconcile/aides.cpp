#include "reconcile/aides.h"

#include <cstddef>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "reconcile/cles.h"
#include "reconcile/marque_compte.h"
#include "reconcile/marques.h"
#include "reconcile/textes.h"
#include "text/noms.h"
#include "text/octets.h"
#include "text/titres.h"

namespace corrinom {
namespace {

// Free account rows grouped by a key, each group in list order. Rows attached while
// an aid runs stay in their group and are skipped when met, so a group is always
// walked exactly as the visit from the top would meet its free rows.
class CandidatsLibres {
 public:
  void ajoute(std::string cle, std::size_t ligne) { groupes_[std::move(cle)].push_back(ligne); }

  const std::vector<std::size_t>* groupe(const std::string& cle) const {
    const auto trouve = groupes_.find(cle);
    return trouve == groupes_.end() ? nullptr : &trouve->second;
  }

 private:
  std::unordered_map<std::string, std::vector<std::size_t>> groupes_;
};

// The free account rows indexed by `cle` (a row whose key is empty is left out).
template <class Cle>
CandidatsLibres IndexeLignesLibres(const EtatRapprochement& etat, Cle cle) {
  CandidatsLibres candidats;
  for (std::size_t i = 0; i < etat.comptes.size(); ++i) {
    const LigneCompte& ligne = etat.comptes[i];
    if (ligne.attachee()) continue;
    std::string k = cle(ligne);
    if (!k.empty()) candidats.ajoute(std::move(k), i);
  }
  return candidats;
}

std::string ClePaire(const std::string& cleNom, const std::string& clePrenom) {
  std::string cle = std::to_string(cleNom.size());
  cle += ':';
  cle += cleNom;
  cle += clePrenom;
  return cle;
}

// The key of the name aid: folded, upper-cased last name and first first-name.
// PremierPrenom only looks at bytes up to 32, which upper-casing leaves alone, so
// upper-casing before or after it gives the same word.
std::string CleNomPrenom(std::string_view nom, std::string_view prenomsPlies) {
  return ClePaire(detail::CleNom(nom), MajusculeAscii(PremierPrenom(prenomsPlies)));
}

void Attache(const EtatRapprochement& etat, LigneCompte& ligne, const LigneRebus& personne) {
  AttachePersonne(ligne, personne.nom, personne.prenoms, personne.dateNaiss);
  MarqueLigne(etat, ligne);
}

std::string MessageResultat(std::string_view debut, std::size_t nombre) {
  std::string texte(debut);
  texte += std::to_string(nombre);
  texte += '\n';
  texte += textes::kVerifiezPointsRouges;
  return texte;
}

std::string QuestionDate(const LigneCompte& compte, std::string_view dateCompte,
                         const LigneRebus& personne, std::string_view datePersonne) {
  std::string q = QuestionPaire(textes::kQuestionDebut, compte, dateCompte, personne, datePersonne);
  q += "\n\n";
  q += textes::kQuestionFin;
  return q;
}

}  // namespace

std::string PremierPrenom(std::string_view prenoms) {
  const std::string_view rogne = Rogne(prenoms);
  const std::size_t blanc = rogne.find(' ');
  // A 0-based index of 4 or more is a 1-based position of 5 or more.
  if (blanc != std::string_view::npos && blanc >= 4) {
    const std::string_view mot = Rogne(rogne.substr(0, blanc));
    if (!mot.empty()) return std::string(mot);
  }
  return std::string(rogne);
}

std::string QuestionPaire(std::string_view debut, const LigneCompte& compte,
                          std::string_view dateCompte, const LigneRebus& personne,
                          std::string_view datePersonne) {
  std::string q(debut);
  q += compte.sousItem(kNomActuel);
  q += ' ';
  q += compte.sousItem(kPrenomsActuels);
  q += ' ';
  q += dateCompte;
  q += "\n\n";
  q += textes::kQuestionPersonne;
  q += '\n';
  q += personne.nom;
  q += ' ';
  q += personne.prenoms;
  q += ' ';
  q += datePersonne;
  return q;
}

void RapprocheNomPrenom(EtatRapprochement& etat, Dialogues& dialogues) {
  if (etat.rebus.empty()) {
    dialogues.message(textes::kListeRebusVide);
    return;
  }

  // The name key is never empty: it always holds the length of the last name.
  const CandidatsLibres candidats = IndexeLignesLibres(etat, [](const LigneCompte& ligne) {
    return CleNomPrenom(ligne.sousItem(kNomActuel), EnleveAccents(ligne.sousItem(kPrenomsActuels)));
  });

  // The not-found rows are taken in order; those attached leave the list and the
  // others keep their order, so the list is rebuilt in one pass.
  std::size_t nombre = 0;
  std::vector<LigneRebus> restants;
  restants.reserve(etat.rebus.size());
  for (LigneRebus& personne : etat.rebus) {
    const std::string prenomsPlies = EnleveAccents(personne.prenoms);
    LigneCompte* cible = nullptr;
    if (!prenomsPlies.empty()) {
      if (const auto* groupe = candidats.groupe(CleNomPrenom(personne.nom, prenomsPlies))) {
        for (const std::size_t i : *groupe) {
          if (!etat.comptes[i].attachee()) {
            cible = &etat.comptes[i];
            break;
          }
        }
      }
    }
    if (cible) {
      Attache(etat, *cible, personne);
      ++nombre;
    } else {
      restants.push_back(std::move(personne));
    }
  }
  etat.rebus = std::move(restants);

  AfficheNombres(etat);
  AfficheResume(etat);
  dialogues.message(MessageResultat(textes::kResultatNomPrenom, nombre));
}

void RapprocheDateNaissance(EtatRapprochement& etat, Dialogues& dialogues) {
  if (etat.rebus.empty()) {
    dialogues.message(textes::kListeRebusVide);
    return;
  }

  const CandidatsLibres candidats = IndexeLignesLibres(etat, [](const LigneCompte& ligne) {
    return std::string(Rogne(ligne.sousItem(kDateNaissActuelle)));
  });

  std::size_t nombre = 0;
  bool annule = false;
  std::vector<LigneRebus> restants;
  restants.reserve(etat.rebus.size());
  for (LigneRebus& personne : etat.rebus) {
    bool attachee = false;
    const std::string date(Rogne(personne.dateNaiss));
    if (!annule && !date.empty()) {
      if (const auto* groupe = candidats.groupe(date)) {
        for (const std::size_t i : *groupe) {
          LigneCompte& compte = etat.comptes[i];
          if (compte.attachee()) continue;
          const Reponse r =
              dialogues.question(kTitreConfirmation,
                                 QuestionDate(compte, date, personne, date), Icone::Question,
                                 Reponse::Oui);
          if (r == Reponse::Oui) {
            Attache(etat, compte, personne);
            ++nombre;
            attachee = true;
            break;
          }
          if (r == Reponse::Annuler) {
            annule = true;
            break;
          }
        }
      }
    }
    if (!attachee) restants.push_back(std::move(personne));
  }
  etat.rebus = std::move(restants);

  AfficheNombres(etat);
  AfficheResume(etat);
  dialogues.message(MessageResultat(textes::kResultatDateNaissance, nombre));
}

}  // namespace corrinom
