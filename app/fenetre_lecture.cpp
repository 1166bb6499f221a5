#include "app/fenetre_lecture.h"

#include <QApplication>
#include <QLabel>
#include <algorithm>
#include <chrono>

#include "app/texte_qt.h"

namespace corrinom::app {

FenetreLecture::FenetreLecture(QWidget* parent) : QProgressDialog(parent) {
  setObjectName(QStringLiteral("FenetreLecture"));
  setCancelButton(nullptr);
  setRange(0, 0);
  setMinimumDuration(0);
  setAutoClose(false);
  setAutoReset(false);
  setMinimumWidth(360);
  connect(this, &QProgressDialog::canceled, this, [this] { fermee_ = true; });
}

void FenetreLecture::debut(std::size_t) {
  // The count is the window's title too: it shows in the task bar.
  setWindowTitle(VersQt(kTitreLecture));
  setLabelText(VersQt(kTitreLecture));
  cadence_.Recommence();
  show();
  QApplication::processEvents();
}

void FenetreLecture::avance(std::size_t lus, std::size_t total) {
  const auto maintenant = std::chrono::duration_cast<std::chrono::milliseconds>(
      std::chrono::steady_clock::now().time_since_epoch());
  if (cadence_.ADessiner(maintenant, lus, total)) {
    if (const std::optional<int> fin = fenetre::FinBarre(total)) {
      setMaximum(*fin);
      setValue(static_cast<int>(std::min(lus, total)));
    }
    setWindowTitle(VersQt(TexteLecture(lus, total)));
    setLabelText(windowTitle());
  }
  // A close is taken at every page, drawn or not.
  QApplication::processEvents();
}

}  // namespace corrinom::app
