// The window tests' view: remembers the selection, the labels' texts, the file
// name shown and the write's progress texts, and asks to stop the write after `arretApres` of them.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "reconcile/etat.h"
#include "window/logique_fenetre.h"

namespace corrinom::fenetre::test {

struct Vue : VueFenetre {
  const EtatRapprochement* etat = nullptr;
  Selections selection;
  std::map<std::string, std::string, std::less<>> textes;  // by label
  std::u16string nomFichier;
  std::vector<std::optional<std::string>> progression;
  std::size_t arretApres = SIZE_MAX;  // Arrêter once this many progress texts were shown

  std::optional<std::size_t> LigneSelectionnee(ListeSource l) const override {
    return l == ListeSource::Comptes ? selection.comptes
           : l == ListeSource::Rebus ? selection.rebus
                                     : std::nullopt;
  }
  void Redessine(Redessin, const Selections& s) override { selection = s; }
  void MontreTexte(std::string_view nom, std::string_view t) override { textes[std::string(nom)] = t; }
  void ActiveControle(std::string_view, bool) override {}
  void MontreAide() override {}
  void MontreChangements(const std::vector<LigneChangement>&, std::string_view) override {}
  void MontreNomFichier(std::u16string_view t) override { nomFichier = t; }
  void ProgressionEcriture(const std::optional<std::string>& t) override { progression.push_back(t); }
  bool ArretEcritureDemande() const override { return progression.size() >= arretApres; }
};

}  // namespace corrinom::fenetre::test
