// The help window: the operator's guide, built into the program, with a close
// button and a print button under it.
#pragma once

#include <QDialog>
#include <QString>

#include "window/aide.h"

class QPrinter;
class QPushButton;
class QStatusBar;
class QTextBrowser;
class QWidget;

namespace corrinom::app {

// The guide's bytes as they are stored in the program, and the page decoded by the
// character set it declares.
QByteArray PageAide();
QString TextePageAide(const QByteArray& octets);

class TFormAideHtm : public QDialog {
  Q_OBJECT

 public:
  explicit TFormAideHtm(QWidget* parent = nullptr);

  QTextBrowser* WebBrowser1() const { return WebBrowser1_; }
  QPushButton* ButtonFermer() const { return ButtonFermer_; }
  QPushButton* BitBtnImprimer() const { return BitBtnImprimer_; }
  QWidget* PanelBas() const { return PanelBas_; }
  QStatusBar* StatusBar1() const { return StatusBar1_; }

  // Prints the page on an already set-up printer. Failures are dropped silently:
  // the operator sees the printer's own dialogs and nothing more.
  void Imprime(QPrinter& imprimante);

 protected:
  void resizeEvent(QResizeEvent* e) override;
  void showEvent(QShowEvent* e) override;

 private:
  void FormResize();
  void BitBtnImprimerClick();

  QTextBrowser* WebBrowser1_ = nullptr;
  QWidget* PanelBas_ = nullptr;
  QPushButton* ButtonFermer_ = nullptr;
  QPushButton* BitBtnImprimer_ = nullptr;
  QStatusBar* StatusBar1_ = nullptr;
};

// Button4Click of the main window: shows the help window modally and frees it.
void MontreAide(QWidget* parent);

}  // namespace corrinom::app
