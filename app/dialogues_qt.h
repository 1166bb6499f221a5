// The operator seam with real Qt dialogs: message boxes, the Yes/No/Cancel
// question, error boxes, the field chooser, the hourglass cursor and the hint panel.
#pragma once

#include <QString>
#include <functional>

#include "operator/dialogues.h"

class QMessageBox;
class QWidget;

namespace corrinom::app {

class DialoguesQt : public Dialogues {
 public:
  // `proprietaire` owns the boxes (they are centred on it); `panneau` receives the
  // hint panel's text. A box shown while a window of the owner's is modal over it
  // (the change list, the write's progress) belongs to that window instead,
  // which has the keyboard again once the box is gone.
  explicit DialoguesQt(QWidget* proprietaire = nullptr,
                       std::function<void(const QString&)> panneau = {});

  void setProprietaire(QWidget* w) { proprietaire_ = w; }
  QWidget* Proprietaire() const;  // the window the next box goes over

  void message(std::string_view texte, std::string_view titre = {}) override;
  Reponse question(std::string_view titre, std::string_view texte, Icone icone,
                   Reponse parDefaut) override;
  void erreur(std::string_view texte, std::string_view titre = {}) override;
  std::optional<int> choisirChamp(const DemandeChamp& demande) override;
  void debutAttente() override;
  void finAttente() override;
  void indication(std::string_view texte) override;

  // Builds the question box without running it, so that its buttons, icon and
  // default can be checked; `question` runs exactly this box.
  static QMessageBox* CreeQuestion(QWidget* proprietaire, std::string_view titre,
                                   std::string_view texte, Icone icone, Reponse parDefaut);

 private:
  QWidget* proprietaire_;
  std::function<void(const QString&)> panneau_;
  int attente_ = 0;
};

}  // namespace corrinom::app
