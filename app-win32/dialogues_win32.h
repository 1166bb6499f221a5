// The operator seam with the system's boxes: message boxes captioned as the Qt
// window's are, the Yes/No/Cancel question with French buttons, error boxes, the
// field chooser dialog, the busy cursor and the hint panel of the main window.
#pragma once

#include <windows.h>

#include <string>

#include "operator/dialogues.h"

namespace corrinom::win32 {

class DialoguesWin32 : public Dialogues {
 public:
  explicit DialoguesWin32(HINSTANCE instance) : instance_(instance) {}

  // The main window, which owns the boxes (none: they are modal for the whole
  // program). A box shown while a window it owns is active (the change list, the
  // write's progress) belongs to that window instead: the window takes no input
  // while the box is open and has the keyboard again when it closes.
  void setProprietaire(HWND proprietaire) { proprietaire_ = proprietaire; }

  // True between debutAttente and the matching finAttente: the window's
  // WM_SETCURSOR shows the hourglass while it is.
  bool EnAttente() const { return attente_ > 0; }

  void message(std::string_view texte, std::string_view titre = {}) override;
  Reponse question(std::string_view titre, std::string_view texte, Icone icone, Reponse parDefaut) override;
  void erreur(std::string_view texte, std::string_view titre = {}) override;
  std::optional<int> choisirChamp(const DemandeChamp& demande) override;
  void debutAttente() override;
  void finAttente() override;
  // The hints go to the main window's panel through its DialoguesFenetre.
  void indication(std::string_view) override {}

 private:
  int Boite(std::string_view texte, std::string_view titre, UINT style) const;
  HWND Proprietaire() const;

  HINSTANCE instance_;
  HWND proprietaire_ = nullptr;
  int attente_ = 0;
  HCURSOR avant_ = nullptr;
};

}  // namespace corrinom::win32
