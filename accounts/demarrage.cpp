// Start-up, in the order the program runs it before its window appears.
#include "accounts/demarrage.h"

#include "accounts/store/ouverture.h"
#include "reconcile/marques.h"

namespace corrinom {

ChoixMagasin ChoixAvecServeurComptes(ChoixMagasin choix, std::string_view serveurComptes) {
  if (choix.sorte == ChoixMagasin::Sorte::Systeme && choix.serveur.empty())
    choix.serveur = std::string(serveurComptes);
  return choix;
}

Demarrage Demarre(const ChoixMagasin& choix, EtatRapprochement& etat, Dialogues& dialogues,
                  ServicesSecurite& services, PlateformeSysteme& plateforme) {
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

  r.magasin = OuvreMagasin(ChoixAvecServeurComptes(choix, r.serveurComptes));
  if (!r.magasin.magasin) {
    dialogues.message(r.magasin.erreur);
    AfficheResume(etat);
    r.issue = Demarrage::Issue::MagasinNonOuvert;
    return r;
  }

  r.statutEnumeration = ChargeUtilisateurs(*r.magasin.magasin, etat, dialogues);
  if (r.statutEnumeration != 0) r.issue = Demarrage::Issue::EchecEnumeration;
  return r;
}

}  // namespace corrinom
