#include "window/lancement.h"

#include <algorithm>

#include "session/nom_magasin.h"

namespace corrinom::fenetre {

MagasinComptes& Lancement::magasin() {
  if (demarrage.magasin.magasin) return *demarrage.magasin.magasin;
  return vide;
}

std::optional<int> Demarre(ChoixMagasin choix, Dialogues& boites, PiecesLancement& pieces, Lancement& l) {
  if (choix.sorte == ChoixMagasin::Sorte::Systeme && MagasinSystemeDemandeIdentifiants() &&
      !pieces.DemandeIdentifiants(choix))
    return 0;  // the operator gave up
  l.services = ServicesSecuriteSysteme();
  l.plateforme = PlateformeCourante();
  Progression& lecture = pieces.Lecture();
  l.demarrage = corrinom::Demarre(choix, l.etat, boites, *l.services, l.plateforme, &lecture, Ecriture::Ecrivain);
  // Closing the reading window ends the program, as refusing the credentials does.
  const bool arret = lecture.arretDemande();
  pieces.FinLecture();
  // The password is not kept longer than the store needs it.
  choix.motDePasse.assign(choix.motDePasse.size(), '\0');
  if (arret) return 0;
  if (l.demarrage.issue == Demarrage::Issue::ArretSecurite) return 1;
  // Another window or a writing command holds this store: this one leaves it to them.
  if (l.demarrage.issue == Demarrage::Issue::DejaOuvert) {
    boites.message(l.demarrage.refus);
    return 0;
  }
  l.journal = DestinationJournal{NomMagasinJournal(choix, l.demarrage), {}, {}, {}};
  return std::nullopt;
}

std::optional<ReponseOptions> RepondOptions(const OptionsLancement& options) {
  switch (options.action) {
    case OptionsLancement::Action::Aide:
      return ReponseOptions{TexteAide(), false, 0};
    case OptionsLancement::Action::Version:
      return ReponseOptions{TexteVersion(), false, 0};
    case OptionsLancement::Action::Erreur:
      return ReponseOptions{"corrinom : " + options.erreur + "\n" + TexteAide(), true, 64};
    case OptionsLancement::Action::Lance:
      break;
  }
  return std::nullopt;
}

std::optional<ReponseOptions> RepondAvantLaBoiteAOutils(const std::vector<std::string>& mots) {
  const OptionsLancement options = LitOptions(mots);
  const bool motsDeLaBoite = std::any_of(mots.begin(), mots.end(), [](const std::string& m) {
    return m.size() > 1 && m[0] == '-' && m[1] != '-';
  });
  if (options.action == OptionsLancement::Action::Erreur && motsDeLaBoite) return std::nullopt;
  return RepondOptions(options);
}

}  // namespace corrinom::fenetre
