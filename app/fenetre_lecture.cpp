#include "app/fenetre_lecture.h"

#include <QApplication>
#include <QLabel>
#include <algorithm>

#include "app/texte_qt.h"
#include "window/progression_fenetre.h"

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
  show();
  QApplication::processEvents();
}

void FenetreLecture::avance(std::size_t lus, std::size_t total) {
  if (const std::optional<int> fin = fenetre::FinBarre(total)) {
    setMaximum(*fin);
    setValue(static_cast<int>(std::min(lus, total)));
  }
  setWindowTitle(VersQt(TexteLecture(lus, total)));
  setLabelText(windowTitle());
  QApplication::processEvents();
}

}  // namespace corrinom::app
