#include "accounts/store/options_magasin.h"

namespace corrinom {

namespace {

LectureOptionsMagasin Erreur(std::string texte) {
  LectureOptionsMagasin o;
  o.erreur = std::move(texte);
  return o;
}

}  // namespace

LectureOptionsMagasin LitOptionsMagasin(const std::vector<std::string>& args, LigneDeCommande programme) {
  const bool fenetre = programme == LigneDeCommande::Fenetre;
  LectureOptionsMagasin o;
  bool base = false, demo = false, serveur = false, utilisateur = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (fenetre && (a == "--help" || a == "-h" || a == "--version")) {
      o.demande = a == "--version" ? LectureOptionsMagasin::Demande::Version : LectureOptionsMagasin::Demande::Aide;
      return o;
    }
    if (!fenetre && a == "--") {
      o.reste.insert(o.reste.end(), args.begin() + static_cast<long>(i) + 1, args.end());
      o.apresFinOptions = args.size() - i - 1;
      break;
    }
    bool* vu = a == "--base" ? &base : a == "--serveur" ? &serveur : nullptr;
    if (!fenetre && a == "--utilisateur") vu = &utilisateur;
    if (vu) {
      std::string& cible = vu == &base ? o.choix.fichier : vu == &serveur ? o.choix.serveur : o.choix.utilisateur;
      // The window program wants a value that is not empty, and says so first.
      const bool sansValeur = i + 1 >= args.size() || (fenetre && args[i + 1].empty());
      if (fenetre && sansValeur) return Erreur("l'option " + a + " attend une valeur");
      if (*vu) return Erreur("l'option " + a + " est donnée deux fois");
      if (sansValeur) return Erreur("l'option " + a + " attend une valeur");
      *vu = true;
      cible = args[++i];
    } else if (a == "--demo") {
      if (demo && !fenetre) return Erreur("l'option --demo est donnée deux fois");
      demo = true;
    } else if (!fenetre && a == "--mot-de-passe-stdin") {
      if (o.motDePasseStdin) return Erreur("l'option --mot-de-passe-stdin est donnée deux fois");
      o.motDePasseStdin = true;
    } else if (fenetre) {
      return Erreur("option inconnue : " + a);
    } else {
      o.reste.push_back(a);
    }
  }
  if (fenetre && base + demo + serveur > 1)
    return Erreur("choisissez une seule des options --base, --demo et --serveur");
  if (!fenetre && base && demo) return Erreur("choisissez une seule des options --base et --demo");
  if (!fenetre && (base || demo) && (serveur || utilisateur || o.motDePasseStdin))
    return Erreur("les options --serveur, --utilisateur et --mot-de-passe-stdin ne s'emploient qu'avec les "
                  "comptes du système");
  if (base) o.choix.sorte = ChoixMagasin::Sorte::Base;
  else if (demo) o.choix.sorte = ChoixMagasin::Sorte::Demo;
  return o;
}

}  // namespace corrinom
