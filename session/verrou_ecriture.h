// The lock a program that may write holds on its store, from the account load to
// its end: the window programs, `rapprocher --appliquer`, `restaurer --oui`.
// Programs that only read take none.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "accounts/store/magasin_comptes.h"
#include "accounts/verrou.h"

namespace corrinom {

// The store's key: the upper-cased server name (the machine's own name when none
// is named), or the base file's canonical path (the demo's temporary copy too:
// `cheminBase`).
std::string CleVerrouMagasin(const ChoixMagasin& choix, const std::string& cheminBase = {});

// "Corrinom est déjà ouvert sur S. Fermez-le avant d'en ouvrir un autre." (CP1252).
std::string MessageDejaOuvert(std::string_view nomMagasin);

struct VerrouEcriture {
  std::unique_ptr<VerrouMagasin> verrou;  // null when refused, or when the system makes no lock
  std::string refus;                      // CP1252: the message when another program holds it
};

// The lock of the store `ouvert`, opened for `choix` (its server already the one
// the accounts are read from). The message names the server, or the base as the
// status bar does. Where the system cannot make the lock at all, the program
// goes on without it, as it would without this guard.
VerrouEcriture VerrouilleMagasin(const ChoixMagasin& choix, const MagasinOuvert& ouvert);

}  // namespace corrinom
