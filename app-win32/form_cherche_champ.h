// The field chooser on Windows: which field of a delimited file holds a piece of
// information. The core decides what to ask (DemandeChamp); this dialog shows it,
// built from window/fenetres_annexes.h, and returns the operator's choice.
#pragma once

#include <windows.h>

#include <optional>

#include "app-win32/outils_annexes.h"
#include "operator/dialogues.h"

namespace corrinom::win32 {

// Control identifiers (the dialog's own IDOK and IDCANCEL for its two buttons).
inline constexpr int kIdLabelMess = 1001;
inline constexpr int kIdListBoxNomChamps = 1007;
inline constexpr int kIdListBoxExemples = 1008;

class TFormChercheChamp {
 public:
  TFormChercheChamp(HINSTANCE instance, HWND proprietaire) : instance_(instance), proprietaire_(proprietaire) {}
  TFormChercheChamp(const TFormChercheChamp&) = delete;
  TFormChercheChamp& operator=(const TFormChercheChamp&) = delete;

  // Shows the request modally: the chosen entry after Ok with an entry selected,
  // else none (Annuler, Escape, the close box).
  std::optional<int> ChoisirChamp(const DemandeChamp& demande);

 private:
  static INT_PTR CALLBACK Procedure(HWND dialogue, UINT message, WPARAM w, LPARAM l);
  void FormCreate(HWND dialogue);
  void Place(HWND dialogue);
  void AfficheExemples();
  void Termine(bool ok);

  HINSTANCE instance_;
  HWND proprietaire_;
  const DemandeChamp* demande_ = nullptr;
  HWND dialogue_ = nullptr;
  UINT dpi_ = 96;
  annexes::Police police_;
  annexes::Police policeTitre_;
  std::optional<int> choix_;
};

}  // namespace corrinom::win32
