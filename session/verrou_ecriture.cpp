// The one-writer lock of a store.
#include "session/verrou_ecriture.h"

#include "session/nom_magasin.h"
#include "text/encodage.h"
#include "text/octets.h"

namespace corrinom {

std::string CleVerrouMagasin(const ChoixMagasin& choix, const std::string& cheminBase) {
  const std::string nom = NomMagasinJournal(choix, cheminBase);
  return choix.sorte == ChoixMagasin::Sorte::Systeme ? MajusculeAscii(nom) : nom;
}

std::string MessageDejaOuvert(std::string_view nomMagasin) {
  return "Corrinom est d\xE9j\xE0 ouvert sur " + std::string(nomMagasin) +
         ". Fermez-le avant d'en ouvrir un autre.";
}

VerrouEcriture VerrouilleMagasin(const ChoixMagasin& choix, const MagasinOuvert& ouvert) {
  VerrouEcriture r;
  PriseVerrou prise = PrendsVerrouMagasin(CleVerrouMagasin(choix, ouvert.cheminBase));
  if (prise.issue == PriseVerrou::Issue::DejaPris) {
    r.refus = MessageDejaOuvert(choix.sorte == ChoixMagasin::Sorte::Systeme
                                    ? Utf8VersCp1252Compte(NomMagasinJournal(choix))
                                    : ouvert.nomAffiche);
  }
  r.verrou = std::move(prise.verrou);
  return r;
}

}  // namespace corrinom
