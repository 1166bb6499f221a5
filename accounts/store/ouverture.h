// Opening the account store the operator chose.
#pragma once

#include "accounts/store/magasin_comptes.h"

namespace corrinom {

// Base: the embedded base in choix.fichier (nomAffiche: the file's name).
// Demo: a fresh temporary copy of the demo base built into the program
// (nomAffiche "Base de démonstration"). Systeme: the system's own store.
// When the store cannot be opened, magasin is null and erreur says why (CP1252).
MagasinOuvert OuvreMagasin(const ChoixMagasin& choix);

}  // namespace corrinom
