#include "window/liste_changements.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>

#include "session/fichier_durable.h"
#include "session/journal.h"
#include "text/fichier.h"

namespace corrinom::fenetre {

PlacesChangements PlaceChangements(Taille client, int dpi, bool restaurable) {
  const int marge = AEchelle(kMargeAnnexe, dpi);
  std::vector<int> largeurs;
  for (std::size_t i = 0; i < kBoutonsChangements.size(); ++i)
    largeurs.push_back(i == 2 && !restaurable ? 0 : AEchelle(kBoutonsChangements[i].place.largeur, dpi));
  const std::vector<Rectangle> boutons =
      RangeeBoutons(client, largeurs, AEchelle(kBoutonsChangements[0].place.hauteur, dpi), marge);
  PlacesChangements p;
  std::copy(boutons.begin(), boutons.end(), p.boutons.begin());
  p.liste = {marge, marge, std::max(0, client.largeur - 2 * marge), std::max(0, boutons[0].y - 2 * marge)};
  return p;
}

PagesChangements MetEnPageChangements(std::size_t lignes, int gauche, int largeur, int hauteur, int hauteurLigne,
                                      int haut) {
  PagesChangements p;
  p.haut = haut;
  p.hauteurLigne = hauteurLigne;
  p.enTete = (2 + kLignesTitresImpression) * hauteurLigne;
  p.parPage = std::max(1, (hauteur - p.enTete) / hauteurLigne);
  p.pages = std::max<int>(1, static_cast<int>((lignes + p.parPage - 1) / p.parPage));
  double cumul = 0;
  for (std::size_t c = 0; c < kColonnesChangements; ++c) {
    p.bords[c] = gauche + static_cast<int>(cumul * largeur);
    cumul += kPartsImpressionChangements[c];
  }
  p.bords[kColonnesChangements] = gauche + largeur;
  return p;
}

std::pair<std::size_t, std::size_t> PagesChangements::Lignes(int page, std::size_t n) const {
  const std::size_t debut = static_cast<std::size_t>(page) * static_cast<std::size_t>(parPage);
  return {std::min(n, debut), std::min(n, debut + static_cast<std::size_t>(parPage))};
}

Rectangle PagesChangements::Titre(std::size_t colonne, int ecart) const {
  return {bords[colonne], haut + 2 * hauteurLigne, bords[colonne + 1] - ecart - bords[colonne],
          enTete - 2 * hauteurLigne - hauteurLigne / 8};
}

Rectangle PagesChangements::Cellule(std::size_t rang, std::size_t colonne, int ecart) const {
  return {bords[colonne], haut + enTete + static_cast<int>(rang) * hauteurLigne,
          bords[colonne + 1] - ecart - bords[colonne], hauteurLigne};
}

bool ListeChangementsFenetre::Restaure(const std::string& journal) {
  if (!restaurer_) return false;
  std::optional<std::vector<LigneChangement>> lignes = restaurer_(journal);
  if (!lignes) return false;
  lignes_ = std::move(*lignes);
  return true;
}

std::string ListeChangementsFenetre::Enregistre(const std::string& fichier) const {
  const std::string csv = Csv();
  const std::filesystem::path chemin = CheminUtf8(fichier);
  errno = 0;
#ifdef _WIN32
  std::FILE* f = chemin.empty() ? nullptr : _wfopen(chemin.c_str(), L"wb");
#else
  std::FILE* f = chemin.empty() ? nullptr : std::fopen(chemin.c_str(), "wb");
#endif
  // The error number of the first step that fails: the open, the write, the close.
  const auto numero = [] { return errno != 0 ? errno : EIO; };
  int erreur = f ? 0 : numero();
  if (f) {
    if (std::fwrite(csv.data(), 1, csv.size(), f) != csv.size() || std::fflush(f) != 0) erreur = numero();
    if (std::fclose(f) != 0 && erreur == 0) erreur = numero();
    if (erreur == 0) return {};
  }
  return "Le fichier " + NomFichierAffiche(fichier) + " ne peut pas \xEAtre enregistr\xE9 (" +
         TexteErreurFichier(erreur) + ").";
}

std::vector<TexteImprime> ListeChangementsFenetre::Page(const PagesChangements& mise, int page,
                                                        std::string_view date, int ecart) const {
  using Sorte = TexteImprime::Sorte;
  const int gauche = mise.bords.front();
  std::vector<TexteImprime> textes{
      {Sorte::EnTete,
       {gauche, mise.haut, mise.bords.back() - gauche, mise.hauteurLigne},
       EnTetePageChangements(date, magasin_, page + 1, mise.pages)}};
  for (std::size_t c = 0; c < kColonnesChangements; ++c)
    textes.push_back({Sorte::Titre, mise.Titre(c, ecart), std::string(TitresChangements()[c])});
  const auto [debut, fin] = mise.Lignes(page, lignes_.size());
  for (std::size_t i = debut; i < fin; ++i) {
    auto cellules = TextesChangement(lignes_[i]);
    for (std::size_t c = 0; c < kColonnesChangements; ++c)
      textes.push_back({Sorte::Cellule, mise.Cellule(i - debut, c, ecart), std::move(cellules[c])});
  }
  return textes;
}

std::string ListeChangementsFenetre::DossierJournal() {
  std::string erreur;
  return DossierJournaux(erreur).value_or(std::string());
}

std::string DateImpression(const InstantLocal& i) {
  char date[32];
  std::snprintf(date, sizeof date, "%02d/%02d/%04d %02d:%02d", i.jour, i.mois, i.annee, i.heure, i.minute);
  return date;
}

}  // namespace corrinom::fenetre
