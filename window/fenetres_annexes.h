// The facts and the little logic of the secondary windows, for both shells: the
// field chooser and the credentials window, and what all of them share (the help
// window, the change list and the progress windows have headers of their own).
// Places are at 96 dpi in the client area; texts are CP1252. The rule of
// window/logique_fenetre.h holds here too.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "import/cherche_champ.h"
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
// The operator's boxes: the caption of a box whose caller names none, and the
// three buttons of a question, Yes, No and Cancel ("&" marks the access key).
// Escape and the close box of a question answer Cancel.
inline constexpr std::string_view kTitreApplication = "Corrinom";
inline constexpr std::array<std::string_view, 3> kBoutonsQuestion{"&Oui", "&Non", "Annuler"};
// A box's caption: the one its caller names, else kTitreApplication.
constexpr std::string_view LegendeBoite(std::string_view titre) { return titre.empty() ? kTitreApplication : titre; }

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
// The field chooser: a fixed-size modal dialog (dialog border, system menu only),
// captioned kTitreChercheChamp of import/cherche_champ.h, adjusted to the screen by
// AjusteFenetre when it is created.
inline constexpr Taille kTailleChercheChamp{336, 309};

inline constexpr std::array<ControleAnnexe, 10> kControlesChercheChamp{{
    {"LabelMess", "", {8, 6, 320, 30}},  // the request's message, word-wrapped
    {"LabelAnnuler", kAnnulerChercheChamp, {8, 38, 320, 16}},
    {"Bevel1", "", {8, 58, 320, 4}},      // a sunken line
    {"LabelTitre", "", {8, 64, 320, 26}}, // the request's title, centred, bold, half as large again
    {"LabelNomsChamps", kColonneNomsChamps, {8, 94, 130, 16}},
    {"LabelExemples", kColonneExemples, {144, 94, 184, 16}},
    {"ListBoxNomChamps", "", {8, 112, 130, 154}},  // the header's field names, one selectable
    {"ListBoxExemples", "", {144, 112, 184, 154}},  // the selected field's examples, no selection
    {"ButtonOk", "Ok", {84, 276, 75, 25}},          // the default button (Enter)
    {"ButtonAnnuler", "Annuler", {176, 276, 75, 25}},  // Escape and the close box too
}};

// The keyboard focus order: the field names, then Ok, then Annuler. The field
// names have the focus when the dialog opens.
inline constexpr std::array<std::string_view, 3> kTabulationChercheChamp{"ListBoxNomChamps", "ButtonOk",
                                                                        "ButtonAnnuler"};

// The preselected entry the dialog opens with, if it is one of the `n` names.
std::optional<int> PreselectionChercheChamp(int preselection, int n);

// The operator's answer: the selected entry, only when the dialog closed with Ok
// and an entry is selected; else none (the request's default stands).
std::optional<int> ChoixChercheChamp(bool ok, std::optional<int> selection);

// ---------------------------------------------------------------------------
// The credentials window, asked before the accounts are read when the system's
// store needs them: an explanation, the administrator's name (kUtilisateurParDefaut
// proposed) and password (hidden), Ok (the default button) and Annuler.
inline constexpr std::string_view kTitreIdentifiants = "Identifiants de l'administrateur";
inline constexpr std::string_view kLibelleUtilisateur = "Nom de l'administrateur :";
inline constexpr std::string_view kLibelleMotDePasse = "Mot de passe :";
inline constexpr std::string_view kUtilisateurParDefaut = "root";
inline constexpr int kLargeurIdentifiants = 360;  // at least
// The explanation for the server named by --serveur (UTF-8, as it is given; empty:
// this machine), in UTF-8.
std::string ExplicationIdentifiants(std::string_view serveur);

}  // namespace corrinom::fenetre
