// Start-up, in the order the program runs it before its window appears.
#include "session/demarrage.h"

#include "accounts/store/ouverture.h"
#include "session/enumeration.h"
#include "session/verrou_ecriture.h"
#include "reconcile/marques.h"

namespace corrinom {

const std::string_view kMessageControleurAbsent =
    "Attention, erreur en recherchant le contr\xF4le" "ur principal de domaine.\n"
    "Certaines parties risquent de ne pas fonctionner.";

std::string ChercheControleurDomaine(const PlateformeSysteme& plateforme, Dialogues& dialogues) {
  if (!plateforme.version.estNT4()) return {};
  std::string nom;
  if (plateforme.netGetDCName)
    if (std::optional<std::string> r = plateforme.netGetDCName()) nom = *r;
  if (nom.empty()) dialogues.message(kMessageControleurAbsent, kTitreInformation);
  return nom;
}

ChoixMagasin ChoixAvecServeurComptes(ChoixMagasin choix, std::string_view serveurComptes) {
  if (choix.sorte == ChoixMagasin::Sorte::Systeme && choix.serveur.empty())
    choix.serveur = std::string(serveurComptes);
  return choix;
}

Demarrage Demarre(const ChoixMagasin& choix, EtatRapprochement& etat, Dialogues& dialogues,
                  ServicesSecurite& services, PlateformeSysteme& plateforme,
                  Progression* progression, Ecriture ecriture) {
  Demarrage r;
  // The network library is loaded from the system directory by the system store
  // itself; asking here fills the cache as the program's first step does.
  RepertoireSysteme(plateforme);
  r.serveurComptes = ChercheControleurDomaine(plateforme, dialogues);

  r.securite = std::make_unique<TSecurRep>(services);
  if (r.securite->echec()) {
    dialogues.message(r.securite->MessageEchec(), kTitreErreurSecurite);
    r.issue = Demarrage::Issue::ArretSecurite;
    return r;
  }

  const ChoixMagasin choisi = ChoixAvecServeurComptes(choix, r.serveurComptes);
  r.magasin = OuvreMagasin(choisi);
  if (!r.magasin.magasin) {
    dialogues.message(r.magasin.erreur);
    AfficheResume(etat);
    r.issue = Demarrage::Issue::MagasinNonOuvert;
    return r;
  }
  if (ecriture == Ecriture::Ecrivain) {
    VerrouEcriture v = VerrouilleMagasin(choisi, r.magasin);
    if (!v.refus.empty()) {
      r.magasin = MagasinOuvert{};
      r.refus = std::move(v.refus);
      r.issue = Demarrage::Issue::DejaOuvert;
      return r;
    }
    r.verrou = std::move(v.verrou);
  }

  r.statutEnumeration = ChargeUtilisateurs(*r.magasin.magasin, etat, dialogues, progression);
  if (r.statutEnumeration != 0) r.issue = Demarrage::Issue::EchecEnumeration;
  return r;
}

}  // namespace corrinom
