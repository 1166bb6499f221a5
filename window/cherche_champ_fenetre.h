// The field chooser's window for both shells: a fixed-size modal dialog (dialog
// border, system menu only), captioned kTitreChercheChamp of
// import/cherche_champ.h, adjusted to the screen as it opens. Its controls
// are one table that both shells build from; places are at 96 dpi in the client
// area, texts CP1252.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "import/cherche_champ.h"
#include "operator/dialogues.h"
#include "window/geometrie.h"

namespace corrinom::fenetre {

inline constexpr Taille kTailleChercheChamp{336, 309};

// What a control of the chooser is, for the shell to pick its toolkit's control.
enum class GenreChoix {
  Libelle,        // a fixed text on one line
  Message,        // the request's message, word-wrapped
  Titre,          // the request's title, centred, bold, half as large again
  Trait,          // a sunken line
  Noms,           // the list of field names, one selectable
  Exemples,       // the list of examples, no selection
  BoutonOk,       // the default button (Entrée)
  BoutonAnnuler,  // Échap and the close box too
};

struct ControleChoix {
  std::string_view nom;    // the name in the code
  std::string_view texte;  // fixed caption, empty when the dialog fills it in
  Rectangle place;
  GenreChoix genre;
};

// In creation order, which is the order of the controls on screen.
inline constexpr std::array<ControleChoix, 10> kControlesChercheChamp{{
    {"LabelMess", "", {8, 6, 320, 30}, GenreChoix::Message},
    {"LabelAnnuler", kAnnulerChercheChamp, {8, 38, 320, 16}, GenreChoix::Libelle},
    {"Bevel1", "", {8, 58, 320, 4}, GenreChoix::Trait},
    {"LabelTitre", "", {8, 64, 320, 26}, GenreChoix::Titre},
    {"LabelNomsChamps", kColonneNomsChamps, {8, 94, 130, 16}, GenreChoix::Libelle},
    {"LabelExemples", kColonneExemples, {144, 94, 184, 16}, GenreChoix::Libelle},
    {"ListBoxNomChamps", "", {8, 112, 130, 154}, GenreChoix::Noms},
    {"ListBoxExemples", "", {144, 112, 184, 154}, GenreChoix::Exemples},
    {"ButtonOk", "Ok", {84, 276, 75, 25}, GenreChoix::BoutonOk},
    {"ButtonAnnuler", "Annuler", {176, 276, 75, 25}, GenreChoix::BoutonAnnuler},
}};

// The keyboard focus order: the field names, then Ok, then Annuler. The field
// names have the focus when the dialog opens.
inline constexpr std::array<std::string_view, 3> kTabulationChercheChamp{"ListBoxNomChamps", "ButtonOk",
                                                                        "ButtonAnnuler"};

// Where the chooser opens, in both shells: at its size for `dpi`, centred on
// `autour` (its owner, or the desktop without one) as a new dialog is, then
// AjusteFenetre (CalculeAjustement) for `dpi` and the desktop `bureau`, and never
// partly off the desktop on the left or at the top. `cadre` is the frame at `dpi`.
GeometrieFenetre PlaceChercheChamp(Marges cadre, const Rectangle& autour, int dpi, const Rectangle& bureau);

// The preselected entry the dialog opens with, if it is one of the `n` names.
std::optional<int> PreselectionChercheChamp(int preselection, int n);

// The examples shown for the selected entry: none without a selection, or when the
// request has no examples to give.
std::vector<std::string> ExemplesChercheChamp(const DemandeChamp& demande, std::optional<int> selection);

// The operator's answer: the selected entry, only when the dialog closed with Ok
// and an entry is selected; else none (the request's default stands).
std::optional<int> ChoixChercheChamp(bool ok, std::optional<int> selection);

}  // namespace corrinom::fenetre
