// Small builders for reconciliation test states.
#pragma once

#include <string>
#include <vector>

#include "reconcile/etat.h"
#include "reconcile/marques.h"

namespace corrinom::test {

inline LigneCompte Libre(std::string login, std::string nom, std::string prenoms,
                         std::string date = {}) {
  return LigneCompte::Libre(std::move(login), std::move(nom), std::move(prenoms),
                            std::move(date));
}

inline LigneCompte Attachee(std::string login, std::string nom, std::string prenoms,
                            std::string date, std::string nouveauNom,
                            std::string nouveauxPrenoms, std::string nouvelleDate = {}) {
  LigneCompte l = Libre(std::move(login), std::move(nom), std::move(prenoms), std::move(date));
  AttachePersonne(l, std::move(nouveauNom), std::move(nouveauxPrenoms), std::move(nouvelleDate));
  MarqueLigne(l);
  return l;
}

inline std::vector<std::string> Logins(const EtatRapprochement& e) {
  std::vector<std::string> r;
  for (const LigneCompte& l : e.comptes) r.push_back(l.login);
  return r;
}

inline std::vector<std::string> NomsRebus(const EtatRapprochement& e) {
  std::vector<std::string> r;
  for (const LigneRebus& l : e.rebus) r.push_back(l.nom + "/" + l.prenoms);
  return r;
}

}  // namespace corrinom::test
