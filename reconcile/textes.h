// The French texts the reconciliation shows to the operator, in CP1252.
#pragma once

#include <string_view>

namespace corrinom::textes {

inline constexpr std::string_view kNombreDePersonnes = "Nombre de personnes : ";

// The matching aids.
inline constexpr std::string_view kListeRebusVide =
    "Aucun changement.\nLa liste des utilisateurs non trouv\xE9s est vide.";
inline constexpr std::string_view kResultatNomPrenom =
    "Nombre d'utilisateurs avec m\xEAme nom et m\xEAme premier pr\xE9nom d\xE9plac\xE9s : ";
inline constexpr std::string_view kResultatDateNaissance =
    "Nombre d'utilisateurs trouv\xE9s par la date de naissance : ";
inline constexpr std::string_view kVerifiezPointsRouges =
    "Prenez le temps de v\xE9rifier dans la liste des utilisateurs TAVO les lignes avec un "
    "point rouge.";
inline constexpr std::string_view kQuestionDebut =
    "Les deux personnes suivantes ont la m\xEAme date de naissance\n\n"
    "Utilisateur TAVO existant d\xE9j\xE0 :\n";
inline constexpr std::string_view kQuestionPersonne = "Personne pr\xE9sente dans les fichiers :";
inline constexpr std::string_view kQuestionFin = "S'agit-il de la m\xEAme personne ?";

// The similarity aid: its question differs from the birth-date aid's in its heading
// and in one more line, the score and its reasons, after the person's line.
inline constexpr std::string_view kResultatRessemblance =
    "Nombre d'utilisateurs rapproch\xE9s par ressemblance : ";

// Manual moves.
inline constexpr std::string_view kSupprimezAvant = "Supprimez avant d'en placer un autre";
inline constexpr std::string_view kVientDEtreDeplacePoint = " vient d'\xEAtre d\xE9plac\xE9.";
inline constexpr std::string_view kVientDEtreDeplace = " vient d'\xEAtre d\xE9plac\xE9";

// Sorting (the sorted list's own texts are in tri.cpp, by column).
inline constexpr std::string_view kPasDeTriDates = "Pas de tri en fonction des dates";

}  // namespace corrinom::textes
