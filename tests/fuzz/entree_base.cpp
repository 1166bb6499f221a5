// The embedded account base: the bytes as a base file, opened in memory, then the
// account load, one account read and written back.
#include "accounts/store/magasin_sqlite.h"
#include "operator/dialogues.h"
#include "reconcile/etat.h"
#include "session/enumeration.h"
#include "tests/fuzz/entrees.h"

namespace corrinom::fuzz {
namespace {

class Operateur : public Dialogues {
 public:
  void message(std::string_view texte, std::string_view) override {
    Exige(!texte.empty(), "a message says something");
  }
  Reponse question(std::string_view, std::string_view, Icone, Reponse d) override { return d; }
  void erreur(std::string_view, std::string_view) override {}
  std::optional<int> choisirChamp(const DemandeChamp&) override { return std::nullopt; }
  void debutAttente() override {}
  void finAttente() override {}
  void indication(std::string_view) override {}
};

}  // namespace

void OuvreBase(const std::uint8_t* data, std::size_t size) {
  std::string erreur;
  const std::unique_ptr<MagasinSqlite> base =
      MagasinSqlite::OuvreImage(std::string_view(reinterpret_cast<const char*>(data), size), erreur);
  if (!base) {
    Exige(!erreur.empty(), "a refused base says why");
    return;
  }

  EtatRapprochement etat;
  Operateur operateur;
  ChargeUtilisateurs(*base, etat, operateur);

  // The first account of the first page, read and written back with a new full
  // name: either the write succeeds and the account reads back as written, or it
  // fails and the account reads back as it was.
  std::vector<CompteStocke> page;
  std::uint32_t total = 0, reprise = 0;
  base->enumere(kLongueurPageEnumeration, page, total, reprise);
  if (page.empty() || page.front().name.nul) return;
  const std::string login = page.front().name.texte;
  CompteStocke avant;
  if (base->lit(login, avant) != kNerrSuccess) return;
  CompteStocke change = avant;
  change.full_name = ChampTexte::de("DUPONT Jean");
  const std::uint32_t statut = base->ecrit(login, change);
  CompteStocke apres;
  if (base->lit(login, apres) == kNerrSuccess)
    Exige(apres == (statut == kNerrSuccess ? change : avant), "a write is all or nothing");
}

}  // namespace corrinom::fuzz
