// The field chooser dialog: which field of a delimited file holds a piece of
// information. The core decides what to ask (DemandeChamp); this dialog only shows
// it and returns the operator's choice.
#pragma once

#include <QDialog>
#include <optional>

#include "operator/dialogues.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace corrinom::app {

class TFormChercheChamp : public QDialog {
  Q_OBJECT

 public:
  explicit TFormChercheChamp(QWidget* parent = nullptr);

  // Fills the dialog from the request: message, title, field names, the preselected
  // entry and its examples.
  void Prepare(const DemandeChamp& demande);

  // The chosen entry after exec(): only with Ok and an entry selected.
  std::optional<int> Choix() const;

  // Prepare, exec, Choix.
  std::optional<int> ChoisirChamp(const DemandeChamp& demande);

  QLabel* LabelMess() const { return LabelMess_; }
  QLabel* LabelTitre() const { return LabelTitre_; }
  QListWidget* ListBoxNomChamps() const { return ListBoxNomChamps_; }
  QListWidget* ListBoxExemples() const { return ListBoxExemples_; }
  QPushButton* ButtonOk() const { return ButtonOk_; }
  QPushButton* ButtonAnnuler() const { return ButtonAnnuler_; }

 private:
  void ListBoxNomChampsClick();
  void AfficheExemples();

  QLabel* LabelMess_ = nullptr;
  QLabel* LabelTitre_ = nullptr;
  QListWidget* ListBoxNomChamps_ = nullptr;
  QListWidget* ListBoxExemples_ = nullptr;
  QPushButton* ButtonOk_ = nullptr;
  QPushButton* ButtonAnnuler_ = nullptr;
  DemandeChamp demande_;
};

}  // namespace corrinom::app
