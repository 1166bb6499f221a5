// Writing the new names of the confirmed rows back to their accounts.
#include "session/ecriture.h"

#include "accounts/usr_comment.h"
#include "reconcile/marques.h"
#include "text/encodage.h"
#include "text/noms.h"
#include "text/titres.h"

namespace corrinom {

const std::string_view kQuestionEffectuer =
    "Les modifications vont \xEAtre effecu\xE9" "es dans la base de comptes de votre serveur TAVO";
const std::string_view kQuestionFermeture =
    "Des modifications ont \xE9t\xE9 faites, voulez-vous effectuer ces modifications dans votre "
    "serveur TAVO ?";

namespace {

bool EnAttente(const LigneCompte& ligne) {
  return ligne.marque == kMarqueRose || ligne.marque == kMarqueRouge;
}

// A pending row is written only when a person with a last name is attached.
bool AEcrire(const LigneCompte& ligne) {
  return ligne.sousItems.size() == kSousItemsAttache && EnAttente(ligne) &&
         !ligne.sousItems[kNouveauNom].empty();
}

std::string EchecLecture(std::uint32_t statut, std::string_view login) {
  return "Erreur  " + std::to_string(statut) + " en obtenant le compte " + std::string(login);
}

}  // namespace

bool ModificationsEnAttente(const EtatRapprochement& etat) {
  for (const LigneCompte& ligne : etat.comptes)
    if (EnAttente(ligne)) return true;
  return false;
}

bool ModifieCompte(MagasinComptes& magasin, std::string_view login, std::string_view nom,
                   std::string_view prenoms, Dialogues& dialogues) {
  return ModifieCompte(magasin, LoginsMagasin{}, login, nom, prenoms, dialogues);
}

bool ModifieCompte(MagasinComptes& magasin, const LoginsMagasin& logins, std::string_view login,
                   std::string_view nom, std::string_view prenoms, Dialogues& dialogues) {
  // The row knows the login in CP1252 only; the store may spell it otherwise.
  const std::optional<std::string> loginMagasin = logins.loginMagasin(login);
  if (!loginMagasin) {
    dialogues.message(EchecLecture(kErrorNoneMapped, login));
    return false;
  }
  CompteStocke compte;
  std::uint32_t e = magasin.lit(*loginMagasin, compte);
  if (e != kNerrSuccess) {
    dialogues.message(EchecLecture(e, login));
    return false;
  }
  // Only the full name and field 7 of the user comment change. The comment is
  // rebuilt on the store's own text: its ';' are the same bytes in UTF-8, so
  // every other character, even one CP1252 lacks, goes back as it came.
  compte.full_name = ChampTexte::de(Cp1252VersUtf8(AssembleNoms(nom, prenoms)));
  if (!compte.usr_comment.nul && !compte.usr_comment.texte.empty())
    compte.usr_comment.texte =
        RemplaceLongueurNom(compte.usr_comment.texte, static_cast<std::int64_t>(nom.size()));
  e = magasin.ecrit(*loginMagasin, compte);
  if (e != kNerrSuccess) {
    dialogues.message("Erreur " + std::to_string(e) + " en modifiant le compte " +
                      std::string(login));
    return false;
  }
  return true;
}

std::string ResumeChangements(int suppressions, int changements) {
  std::string r = std::to_string(suppressions) + " suppression";
  r += Pluriel(suppressions);
  r += " effectu\xE9" "e";
  r += Pluriel(suppressions);
  r += '\n';
  r += std::to_string(changements);
  r += " changement";
  r += Pluriel(changements);
  r += " de nom effectu\xE9";
  r += Pluriel(changements);
  return r;
}

int EffectueChangements(EtatRapprochement& etat, MagasinComptes& magasin, Dialogues& dialogues,
                        Progression* progression) {
  const int suppressions = 0;  // nothing here ever deletes an account
  int changements = 0;
  {
    CurseurAttente attente(dialogues);
    std::size_t total = 0;
    if (progression) {
      for (const LigneCompte& ligne : etat.comptes) total += AEcrire(ligne) ? 1 : 0;
      progression->debut(total);
      progression->avance(0, total);
    }
    for (LigneCompte& ligne : etat.comptes) {
      if (!AEcrire(ligne)) continue;
      if (progression && progression->arretDemande()) break;
      if (!ModifieCompte(magasin, etat.loginsMagasin, ligne.login, ligne.sousItems[kNouveauNom],
                         ligne.sousItems[kNouveauxPrenoms], dialogues))
        break;
      ++changements;
      ligne.sousItems[kNomActuel] = ligne.sousItems[kNouveauNom];
      ligne.sousItems[kPrenomsActuels] = ligne.sousItems[kNouveauxPrenoms];
      ligne.marque = kMarqueVert;
      if (progression) progression->avance(static_cast<std::size_t>(changements), total);
    }
    if (progression) progression->fin();
    AfficheNombres(etat);
    AfficheResume(etat);
  }
  dialogues.message(ResumeChangements(suppressions, changements));
  return changements;
}

bool Button1Click(EtatRapprochement& etat, MagasinComptes& magasin, Dialogues& dialogues,
                  Progression* progression) {
  if (ModificationsEnAttente(etat) &&
      dialogues.question(kTitreConfirmation, kQuestionEffectuer, Icone::Aucune, Reponse::Oui) !=
          Reponse::Oui)
    return false;
  EffectueChangements(etat, magasin, dialogues, progression);
  return true;
}

bool FormCloseQuery(EtatRapprochement& etat, MagasinComptes& magasin, Dialogues& dialogues,
                    Progression* progression) {
  while (ModificationsEnAttente(etat)) {
    switch (dialogues.question(kTitreConfirmation, kQuestionFermeture, Icone::Aucune,
                               Reponse::Oui)) {
      case Reponse::Oui:
        EffectueChangements(etat, magasin, dialogues, progression);
        if (progression && progression->arretDemande()) return false;
        break;
      case Reponse::Non:
        return true;
      case Reponse::Annuler:
        return false;
    }
  }
  return true;
}

}  // namespace corrinom
