#include "app/form_aide_htm.h"

#include <QFile>
#include <QPrinter>
#include <QPushButton>
#include <QStatusBar>
#include <QStringDecoder>
#include <QTextBrowser>
#include <QTimer>
#include <QVBoxLayout>

#include "app/fenetres_qt.h"

namespace corrinom::app {

QByteArray PageAide() {
  QFile f(QStringLiteral(":/aide/aide.htm"));
  if (!f.open(QIODevice::ReadOnly)) return {};
  return f.readAll();
}

QString TextePageAide(const QByteArray& octets) {
  // The page says which character set it is written in (ISO-8859-1); the decoder
  // for HTML reads that declaration, and Latin-1 is what it falls back on.
  QStringDecoder decodeur = QStringDecoder::decoderForHtml(octets);
  if (decodeur.isValid()) return decodeur.decode(octets);
  return QString::fromLatin1(octets);
}

TFormAideHtm::TFormAideHtm(QWidget* parent) : QDialog(parent) {
  PrepareFenetre(*this, "FormAideHtm", fenetre::kTitreAide, fenetre::kTailleAide);

  auto* disposition = new QVBoxLayout(this);
  disposition->setContentsMargins(0, 0, 0, 0);
  disposition->setSpacing(0);

  WebBrowser1_ = new QTextBrowser(this);
  WebBrowser1_->setObjectName(QStringLiteral("WebBrowser1"));
  WebBrowser1_->setOpenExternalLinks(false);
  disposition->addWidget(WebBrowser1_, 1);

  // The bottom panel places its two buttons itself (FormResize), as the guide's
  // layout rule says, rather than through a layout.
  PanelBas_ = new QWidget(this);
  PanelBas_->setObjectName(QStringLiteral("PanelBas"));
  PanelBas_->setFixedHeight(fenetre::kHauteurPanneauAide);
  disposition->addWidget(PanelBas_);

  ButtonFermer_ = Bouton(PanelBas_, fenetre::kButtonFermer);
  connect(ButtonFermer_, &QPushButton::clicked, this, &QDialog::reject);
  BitBtnImprimer_ = Bouton(PanelBas_, fenetre::kBitBtnImprimer);
  BitBtnImprimer_->setIcon(QIcon(QStringLiteral(":/images/imprimer.png")));
  BitBtnImprimer_->setToolTip(VersQt(fenetre::kInfoBulleImprimer));
  connect(BitBtnImprimer_, &QPushButton::clicked, this, &TFormAideHtm::BitBtnImprimerClick);

  StatusBar1_ = new QStatusBar(this);
  StatusBar1_->setObjectName(QStringLiteral("StatusBar1"));
  StatusBar1_->setSizeGripEnabled(false);
  disposition->addWidget(StatusBar1_);

  NommeControles(*this);
  // A page that cannot be loaded leaves the window blank, without a message.
  const QByteArray octets = PageAide();
  if (!octets.isEmpty()) WebBrowser1_->setHtml(TextePageAide(octets));
  FormResize();
}

void TFormAideHtm::FormResize() {
  // The bottom panel's layout rule, shared with the Win32 help window.
  const fenetre::PositionsBoutonsAide p =
      fenetre::PlaceBoutonsAide(PanelBas_->width(), ButtonFermer_->width(), BitBtnImprimer_->width());
  ButtonFermer_->move(p.fermer, fenetre::kHautBoutonsAide);
  BitBtnImprimer_->move(p.imprimer, fenetre::kHautBoutonsAide);
  StatusBar1_->showMessage(VersQt(fenetre::kTexteEtatAide));
}

void TFormAideHtm::resizeEvent(QResizeEvent* e) {
  QDialog::resizeEvent(e);
  // The panel gets its new width from the layout, which runs before this handler
  // returns only once the layout is activated; do it now so the buttons follow.
  if (layout()) layout()->activate();
  FormResize();
}

void TFormAideHtm::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  // Once the window is up, the keyboard goes to the page so that the arrow and page
  // keys scroll it straight away. Escape closes the window, as in any dialog.
  QTimer::singleShot(0, this, [this] {
    WebBrowser1_->setFocus(Qt::OtherFocusReason);
    WebBrowser1_->viewport()->setFocus(Qt::OtherFocusReason);
  });
}

void TFormAideHtm::Imprime(QPrinter& imprimante) {
  if (!imprimante.isValid()) return;
  WebBrowser1_->document()->print(&imprimante);
}

void TFormAideHtm::BitBtnImprimerClick() {
  QPrinter imprimante;
  if (ChoisitImprimante(this, imprimante)) Imprime(imprimante);
}

void MontreAide(QWidget* parent) {
  // Created anew on each press and freed when it closes: nothing survives between two
  // openings.
  TFormAideHtm aide(parent);
  aide.exec();
}

}  // namespace corrinom::app
