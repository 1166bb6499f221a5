// The small window shown while start-up reads the accounts of the server: how many
// have been read, and of how many when the server says. The load stays on the
// window's thread; the window takes its events between pages and draws the count
// at the pace fenetre::CadenceLecture sets. It has no Arrêter: closing it ends the
// program before anything else is shown.
#pragma once

#include <QProgressDialog>

#include "session/progression.h"
#include "window/progression_fenetre.h"

namespace corrinom::app {

class FenetreLecture : public QProgressDialog, public Progression {
  Q_OBJECT

 public:
  explicit FenetreLecture(QWidget* parent = nullptr);

  void debut(std::size_t total) override;
  void avance(std::size_t lus, std::size_t total) override;
  void fin() override { hide(); }
  // True once the operator closed the window.
  bool arretDemande() const override { return fermee_; }

 private:
  fenetre::CadenceLecture cadence_;
  bool fermee_ = false;
};

}  // namespace corrinom::app
