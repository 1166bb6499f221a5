// The student and staff XML readers, bytes to persons, on the same document.
#include "import/sconet.h"
#include "operator/dialogues.h"
#include "tests/fuzz/entrees.h"
#include "tests/fuzz/remise_verifiee.h"

namespace corrinom::fuzz {
namespace {

class Operateur : public Dialogues {
 public:
  int messages = 0;
  void message(std::string_view texte, std::string_view) override {
    Exige(!texte.empty(), "a message says something");
    ++messages;
  }
  Reponse question(std::string_view, std::string_view, Icone, Reponse d) override { return d; }
  void erreur(std::string_view, std::string_view) override { ++messages; }
  std::optional<int> choisirChamp(const DemandeChamp&) override { return std::nullopt; }
  void debutAttente() override {}
  void finAttente() override {}
  void indication(std::string_view) override {}
};

// One reader's run: a success hands persons over and says nothing, a failure says
// one thing and hands nothing over.
void Verifie(int resultat, const RemiseVerifiee& remise, const Operateur& operateur) {
  Exige(resultat == kLectureReussie || resultat == kLectureEchouee, "0 or 13");
  if (resultat == kLectureReussie)
    Exige(operateur.messages == 0 && remise.appels == std::vector<std::string>{"vide", "affiche"},
          "a success is handed over");
  else
    Exige(operateur.messages == 1 && remise.appels.empty() && remise.personnes == 0,
          "a failure is said once");
}

}  // namespace

void LitSconet(const std::uint8_t* data, std::size_t size) {
  const std::string_view octets(reinterpret_cast<const char*>(data), size);
  const DocumentSconet document = ChargeDocumentSconet(FichierTemporaire(octets, ".xml"));

  RemiseVerifiee sondee;
  Operateur muet;
  const int sonde = LitElevesXML(document, /*sonde=*/true, sondee, muet);
  Exige(sondee.appels.empty() && muet.messages == 0, "the probe changes nothing");

  RemiseVerifiee eleves;
  Operateur o1;
  const int r1 = LitElevesXML(document, /*sonde=*/false, eleves, o1);
  Verifie(r1, eleves, o1);
  Exige(r1 == sonde, "the probe foretells the student reader");

  RemiseVerifiee individus;
  Operateur o2;
  Verifie(LitIndividusXML(document, individus, o2), individus, o2);
}

}  // namespace corrinom::fuzz
