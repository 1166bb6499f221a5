// The delimited text reader, bytes to persons.
#include <algorithm>
#include <vector>

#include "import/personne.h"
#include "import/texte_delimite.h"
#include "operator/dialogues.h"
#include "tests/fuzz/entrees.h"
#include "tests/fuzz/remise_verifiee.h"

namespace corrinom::fuzz {
namespace {

constexpr std::size_t kReponses = 5;  // one per field the reader may ask for

// The operator: answers the field chooser from the fuzz input and looks at the
// examples of the entry it picks, as the dialog would.
class Operateur : public Dialogues {
 public:
  explicit Operateur(std::string_view reponses) : reponses_(reponses) {}

  void message(std::string_view, std::string_view) override {}
  Reponse question(std::string_view, std::string_view, Icone, Reponse d) override { return d; }
  void erreur(std::string_view, std::string_view) override {}
  void debutAttente() override {}
  void finAttente() override {}
  void indication(std::string_view) override {}

  std::optional<int> choisirChamp(const DemandeChamp& demande) override {
    const int n = static_cast<int>(demande.noms.size());
    Exige(demande.preselection >= -1 && demande.preselection < n, "preselection in range");
    Exige(n > 0, "a chooser with field names");
    if (reponses_.empty()) return std::nullopt;
    const auto octet = static_cast<unsigned char>(reponses_.front());
    reponses_.remove_prefix(1);
    if (octet % 8 == 7) return std::nullopt;
    const int choisi = octet % n;
    for (const std::string& exemple : demande.exemples(choisi))
      Exige(exemple.find_first_of("\r\n") == std::string::npos, "an example is one line");
    return choisi;
  }

 private:
  std::string_view reponses_;
};

}  // namespace

void LitTexte(const std::uint8_t* data, std::size_t size) {
  const std::string_view octets(reinterpret_cast<const char*>(data), size);
  const std::size_t n = std::min(kReponses, octets.size());
  Operateur operateur(octets.substr(0, n));
  RemiseVerifiee remise;
  const std::string_view contenu = octets.substr(n);
  const bool remis = LitFichierTexte(FichierTemporaire(contenu, ".csv"), remise, operateur);

  Exige(remis == (!remise.appels.empty() && remise.appels.front() == "vide"),
        "handed over exactly when the list was emptied");
  Exige(remise.appels.size() >= 2 && remise.appels[remise.appels.size() - 2] == "tri" &&
            remise.appels.back() == "affiche",
        "sorted and counted at the end");
  Exige(remise.personnes <= static_cast<std::size_t>(std::count(contenu.begin(), contenu.end(), '\n') +
                                                     std::count(contenu.begin(), contenu.end(), '\r')),
        "at most one person per line after the header");
}

}  // namespace corrinom::fuzz
