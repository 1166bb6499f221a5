#include "reconcile/marques.h"

#include "reconcile/marque_compte.h"

#include <optional>
#include <string>

#include "reconcile/textes.h"
#include "text/encodage.h"
#include "text/longueur_nom.h"
#include "text/noms.h"

namespace corrinom {

int CompareNoms(std::string_view a, std::string_view b) {
  if (a == b) return 0;
  return EgalSansCasse(a, b) ? 1 : -1;
}

const TextesCompte* TextesDetenus(const EtatRapprochement& etat, std::string_view login) {
  const std::optional<std::string> loginMagasin = etat.loginsMagasin.loginMagasin(login);
  if (!loginMagasin) return nullptr;
  const auto t = etat.textesLus.find(*loginMagasin);
  return t == etat.textesLus.end() ? nullptr : &t->second;
}

bool EcritureSansEffet(const TextesCompte& detenus, std::string_view nom, std::string_view prenoms) {
  // The texts the write would put there, built as the write builds them. The
  // full name is compared as this program reads it: a letter it cannot spell
  // (Ł read as L) is no change, and a green row is never written, so the
  // account keeps it.
  return Utf8VersCp1252Compte(detenus.nomComplet) == AssembleNoms(nom, prenoms) &&
         detenus.commentaire ==
             RemplaceLongueurNom(detenus.commentaire, static_cast<std::int64_t>(nom.size()));
}

namespace {

// By the columns alone.
Marque MarqueDesColonnes(const LigneCompte& ligne) {
  const int r = CompareNoms(ligne.sousItems[kNomActuel], ligne.sousItems[kNouveauNom]);
  if (r == -1) return Marque::ModificationImportante;
  const int s = CompareNoms(ligne.sousItems[kPrenomsActuels], ligne.sousItems[kNouveauxPrenoms]);
  if (s == -1) return Marque::ModificationImportante;
  if (r == 1 || s == 1) return Marque::ModificationMineure;
  return Marque::DejaBon;
}

}  // namespace

Marque CalculeMarque(const LigneCompte& ligne) {
  return ligne.attachee() ? MarqueDesColonnes(ligne) : Marque::NePasChanger;
}

Marque CalculeMarque(const LigneCompte& ligne, const TextesCompte* detenus) {
  if (!ligne.attachee()) return Marque::NePasChanger;
  const std::string& nom = ligne.sousItems[kNouveauNom];
  const std::string& prenoms = ligne.sousItems[kNouveauxPrenoms];
  if (detenus && EcritureSansEffet(*detenus, nom, prenoms)) return Marque::DejaBon;
  const Marque colonnes = MarqueDesColonnes(ligne);
  if (colonnes != Marque::DejaBon || !detenus) return colonnes;
  // The columns agree, yet the write would change the account.
  return CompareNoms(Utf8VersCp1252Compte(detenus->nomComplet), AssembleNoms(nom, prenoms)) == -1
             ? Marque::ModificationImportante
             : Marque::ModificationMineure;
}

void MarqueLigne(const EtatRapprochement& etat, LigneCompte& ligne) {
  ligne.marque = CalculeMarque(ligne, TextesDetenus(etat, ligne.login));
}

void MarqueLigne(LigneCompte& ligne) { ligne.marque = CalculeMarque(ligne); }

std::string_view Pluriel(std::int64_t nombre) { return nombre >= 2 ? "s" : ""; }

void AfficheResume(EtatRapprochement& etat) {
  Compteurs n;
  for (const LigneCompte& ligne : etat.comptes) {
    switch (ligne.marque) {
      case Marque::NePasChanger: ++n.nePasChanger; break;
      case Marque::DejaBon: ++n.dejaBon; break;
      case Marque::ModificationMineure: ++n.modificationsMineures; break;
      case Marque::ModificationImportante: ++n.modificationsImportantes; break;
    }
  }
  etat.compteurs = n;
}

void AfficheNombres(EtatRapprochement& etat) {
  etat.indicationComptes = std::string(textes::kNombreDePersonnes);
  etat.indicationComptes += std::to_string(etat.comptes.size());
  etat.indicationRebus = std::string(textes::kNombreDePersonnes);
  etat.indicationRebus += std::to_string(etat.rebus.size());
}

}  // namespace corrinom
