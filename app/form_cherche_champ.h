// The field chooser dialog: which field of a delimited file holds a piece of
// information. The core decides what to ask (DemandeChamp); this dialog only shows
// it and returns the operator's choice.
#pragma once

#include <QDialog>
#include <optional>

#include "operator/dialogues.h"

class QLabel;
class QListWidget;

namespace corrinom::app {

class TFormChercheChamp : public QDialog {
  Q_OBJECT

 public:
  explicit TFormChercheChamp(QWidget* parent = nullptr);

  // Fills the dialog from the request: message, title, field names, the preselected
  // entry and its examples.
  void Prepare(const DemandeChamp& demande);

  // Prepare, exec, then the chosen entry: only with Ok and an entry selected.
  std::optional<int> ChoisirChamp(const DemandeChamp& demande);

  // Sizes and places the dialog for a screen of `dpi` whose desktop is `bureau`
  // (fenetre::PlaceChercheChamp), centred on its parent's window or on `bureau`.
  void Place(int dpi, const QRect& bureau);

 protected:
  // The dialog is placed as it opens, on its parent's screen, instead of Qt's own
  // centring.
  void showEvent(QShowEvent* e) override;

 private:
  std::optional<int> Selection() const;
  void AfficheExemples();

  QLabel* LabelMess_ = nullptr;
  QLabel* LabelTitre_ = nullptr;
  QListWidget* ListBoxNomChamps_ = nullptr;
  QListWidget* ListBoxExemples_ = nullptr;
  DemandeChamp demande_;
};

}  // namespace corrinom::app
