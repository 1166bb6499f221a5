// Hostile rows (empty names, blanks only, bytes 0x80-0xFF, 10,000-byte names) and
// empty lists go through every operation; run under the sanitizers this catches
// out-of-range reads that ordinary names never reach.
#include <gtest/gtest.h>

#include <string>

#include "outils.h"
#include "reconcile/aides.h"
#include "reconcile/deplacements.h"
#include "operator/dialogues_script.h"
#include "reconcile/rapprochement_exact.h"
#include "reconcile/ressemblance.h"
#include "reconcile/tri.h"

namespace corrinom {
namespace {

TEST(EntreesHostiles, EveryOperation) {
  std::string hauts;
  for (int b = 0x80; b <= 0xFF; ++b) hauts += static_cast<char>(b);
  const std::string longue(10000, '\xE9');
  const std::string textes[] = {"", " ", "   \t", hauts, longue, longue + " " + longue};

  for (const bool vide : {false, true}) {
    EtatRapprochement e;
    if (!vide)
      for (const std::string& a : textes)
        for (const std::string& b : textes) e.comptes.push_back(test::Libre(a, a, b, b));
    RemiseFichier remise(e);
    for (const std::string& a : textes)
      for (const std::string& b : textes) remise.RapprocheExact(a, b, a);
    e.rebus.push_back({"", "", ""});
    e.rebus.push_back({longue, " ", "  "});

    DialoguesScript d;
    RapprocheNomPrenom(e, d);
    // Unanswered questions take the default, Yes; the similarity aid places every free line.
    RapprocheRessemblance(e, d, [](const std::vector<PropositionRessemblance>& lignes, const Coches&) {
      return std::optional<Coches>(CochesToutes(lignes));
    });
    RapprocheDateNaissance(e, d);
    for (int c = -1; c <= 7; ++c) TrieComptesParColonne(e, d, c);
    for (int c = -1; c <= 3; ++c) TrieRebusParColonne(e, d, c);
    const std::size_t n = e.comptes.size();
    for (std::size_t i = 0; i < n + 2; ++i) {
      DeposeSurCompte(e, d, ListeSource::Comptes, i, n - i);
      DeposeSurCompte(e, d, ListeSource::Rebus, i / 2, i);
      DeposeSurNonTrouves(e, d, ListeSource::Comptes, i, i);
      LibereCompte(e, i + 1);
    }
    for (const LigneCompte& l : e.comptes) {
      EXPECT_TRUE(l.sousItems.size() == kSousItemsLibre || l.sousItems.size() == kSousItemsAttache);
      EXPECT_EQ(l.marque, CalculeMarque(l));
    }
  }
}

}  // namespace
}  // namespace corrinom
