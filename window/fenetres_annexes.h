// The facts and the little logic of the secondary windows, for both shells: what
// all of them share, the open-file dialog's filters and the credentials window
// (the help window, the change list, the progress windows and the field chooser
// have headers of their own).
// Places are at 96 dpi in the client area; texts are CP1252. The rule of
// window/logique_fenetre.h holds here too.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "window/geometrie.h"

namespace corrinom::fenetre {

// A control of a secondary window.
struct ControleAnnexe {
  std::string_view nom;    // the name in the code
  std::string_view texte;  // fixed caption, empty when the window fills it in
  Rectangle place;
};

// The resizable secondary windows (the change list, the similarity review) keep
// this margin around their controls and between their buttons, at 96 dpi.
inline constexpr int kMargeAnnexe = 8;

// Their row of buttons along the bottom of a client area `client`, `marge` from
// its edges and from each other: every button from the left but the last, which
// keeps to the right edge without covering the others. A width of 0 is a button
// the window lacks: it takes no room and gets an empty place.
std::vector<Rectangle> RangeeBoutons(Taille client, const std::vector<int>& largeurs, int hauteur, int marge);

// ---------------------------------------------------------------------------
// The open-file dialog of "Ouvrir": two filters, the first selected, each with its
// patterns separated by ';' (the last one takes every file); the edit box's text
// is proposed, the file need not exist and no extension is added.
struct FiltreFichiers {
  std::string_view libelle;
  std::string_view motifs;
};
inline constexpr std::array<FiltreFichiers, 2> kFiltresOuvrir{{
    {"Fichiers Sconet (*.xml;*.csv;*.txt)", "*.xml;*.csv;*.txt"},
    {"Tous les fichiers", "*.*"},
}};

// ---------------------------------------------------------------------------
// The credentials window, asked before the accounts are read when the system's
// store needs them: an explanation, the administrator's name (kUtilisateurParDefaut
// proposed) and password (hidden), Ok (the default button) and Annuler.
inline constexpr std::string_view kTitreIdentifiants = "Identifiants de l'administrateur";
inline constexpr std::string_view kLibelleUtilisateur = "Nom de l'administrateur :";
inline constexpr std::string_view kLibelleMotDePasse = "Mot de passe :";
inline constexpr std::string_view kUtilisateurParDefaut = "root";
inline constexpr std::string_view kTexteOkIdentifiants = "Ok";
inline constexpr std::string_view kTexteAnnulerIdentifiants = "Annuler";
inline constexpr int kLargeurIdentifiants = 360;  // at least
// The explanation for the server named by --serveur (UTF-8, as it is given; empty:
// this machine), in UTF-8.
std::string ExplicationIdentifiants(std::string_view serveur);

}  // namespace corrinom::fenetre
