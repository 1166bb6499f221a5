// Start-up as the window and `corrinom-cli comptes` both run it: domain
// controller lookup, the security object, the account store the operator chose,
// and the account load.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "accounts/plateforme.h"
#include "accounts/securite.h"
#include "accounts/store/magasin_comptes.h"
#include "accounts/verrou.h"
#include "operator/dialogues.h"
#include "reconcile/etat.h"
#include "session/progression.h"
#include "text/titres.h"

namespace corrinom {

struct Demarrage {
  enum class Issue {
    Ok,                // the accounts were loaded
    ArretSecurite,     // the "ERREUR" box was shown: the program ends
    MagasinNonOuvert,  // the store could not be opened: told, empty list
    EchecEnumeration,  // a page of the enumeration failed: told, rows read stay
    DejaOuvert,        // another program that may write holds the store: nothing read
  };
  Issue issue = Issue::Ok;
  std::string serveurComptes;          // UTF-8, empty for the local machine
  std::unique_ptr<TSecurRep> securite; // lives until the program ends
  // A writing program's lock, until the program ends (dropped after the store closes).
  std::unique_ptr<VerrouMagasin> verrou;
  MagasinOuvert magasin;               // magasin null unless opened
  std::uint32_t statutEnumeration = 0;
  std::string refus;                      // DejaOuvert: the message for the operator (CP1252)
};

// Whether the program may write to the store, and so holds its lock from the
// account load on (see session/verrou_ecriture.h).
enum class Ecriture { LectureSeule, Ecrivain };

// ServeurComptes (UTF-8): the primary domain controller on Windows NT 4.0 (with
// its two backslashes), empty everywhere else. On NT 4.0 an empty name shows
// the "Information" message.
std::string ChercheControleurDomaine(const PlateformeSysteme& plateforme, Dialogues& dialogues);

extern const std::string_view kMessageControleurAbsent;

// The store the accounts are read from and written to: on the system's store,
// the domain controller found at start-up unless the operator named a server.
ChoixMagasin ChoixAvecServeurComptes(ChoixMagasin choix, std::string_view serveurComptes);

// Runs start-up in order. Every message goes through `dialogues`; the account
// rows go into `etat`. Stops after the "ERREUR" box when a group is not found.
// `progression` hears of the account load's pages. An Ecrivain takes the store's
// lock once the store is open; when another program holds it, start-up stops
// there with DejaOuvert and its message in `refus`, shown by the caller.
Demarrage Demarre(const ChoixMagasin& choix, EtatRapprochement& etat, Dialogues& dialogues,
                  ServicesSecurite& services, PlateformeSysteme& plateforme,
                  Progression* progression = nullptr, Ecriture ecriture = Ecriture::LectureSeule);

}  // namespace corrinom
