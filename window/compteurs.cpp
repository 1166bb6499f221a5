#include "window/compteurs.h"

#include <string_view>

#include "reconcile/marques.h"

namespace corrinom::fenetre {
namespace {

// Each counter's words: the noun after the count and what follows it; the noun
// always takes the plural, the rest only where it agrees with the noun.
struct Mots {
  std::string_view nom;
  std::string_view suite;
  bool suiteAccordee;
};

Mots MotsDe(Marque marque) {
  switch (marque) {
    case Marque::NePasChanger: return {" compte", " \xE0 ne pas changer", false};
    case Marque::DejaBon: return {" compte", " d\xE9j\xE0 bon", true};
    case Marque::ModificationMineure: return {" modification", " mineure", true};
    case Marque::ModificationImportante: return {" modification", " importante", true};
  }
  return {};
}

}  // namespace

std::string TexteCompteur(Marque marque, int nombre) {
  const Mots mots = MotsDe(marque);
  std::string texte = std::to_string(nombre);
  texte += mots.nom;
  texte += Pluriel(nombre);
  texte += mots.suite;
  if (mots.suiteAccordee) texte += Pluriel(nombre);
  return texte;
}

std::array<std::string, kMarques.size()> TextesCompteurs(const std::optional<Compteurs>& compteurs) {
  std::array<std::string, kMarques.size()> textes;
  for (const Marque marque : kMarques)
    textes[static_cast<std::size_t>(IndexMarque(marque))] =
        compteurs ? TexteCompteur(marque, compteurs->de(marque)) : "0";
  return textes;
}

}  // namespace corrinom::fenetre
