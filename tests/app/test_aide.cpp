// The help window and the guide built into the program.
#include <QFileInfo>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include "app/form_aide_htm.h"
#include "tests/app/suites.h"

namespace corrinom::app::test {

class TestAide : public QObject {
  Q_OBJECT

 private slots:
  // An HTML 4.01 page in ISO-8859-1, titled "Aide Corrinom", with its eight sections
  // in order.
  void page() {
    const QByteArray octets = PageAide();
    QVERIFY(octets.startsWith("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01"));
    QVERIFY(octets.contains("charset=ISO-8859-1"));
    // Latin-1 bytes, not UTF-8: "é" is the single byte 0xE9.
    QVERIFY(octets.contains("Pr\xE9sentation"));
    QVERIFY(!octets.contains("Pr\xC3\xA9sentation"));
    const QString texte = TextePageAide(octets);
    QVERIFY(texte.contains(QStringLiteral("<title>Aide Corrinom</title>")));
    const QStringList sections{QStringLiteral("Présentation"),
                               QStringLiteral("Avec Sconet, effectuez l'exportation"),
                               QStringLiteral("Recherche des modifications"),
                               QStringLiteral("Faire les rapprochements"),
                               QStringLiteral("Effectuer les changements dans le serveur"),
                               QStringLiteral("Le journal des changements et la restauration"),
                               QStringLiteral("Remarque"),
                               QStringLiteral("Utilisation de TAVO")};
    QStringList trouvees;
    const QRegularExpression titre(QStringLiteral("<h2>([^<]*)</h2>"));
    for (auto it = titre.globalMatch(texte); it.hasNext();) trouvees << it.next().captured(1);
    QCOMPARE(trouvees, sections);
  }

  void fenetre() {
    TFormAideHtm aide;
    QCOMPARE(aide.windowTitle(), QStringLiteral("Aide Corrinom"));
    QCOMPARE(aide.size(), QSize(534, 634));
    QCOMPARE(aide.PanelBas()->height(), 41);
    QCOMPARE(aide.ButtonFermer()->text(), QStringLiteral("Fermer"));
    QCOMPARE(aide.ButtonFermer()->size(), QSize(75, 25));
    QCOMPARE(aide.BitBtnImprimer()->size(), QSize(29, 25));
    QVERIFY(aide.BitBtnImprimer()->text().isEmpty());
    QVERIFY(!aide.BitBtnImprimer()->icon().isNull());
    QCOMPARE(aide.StatusBar1()->currentMessage(), QStringLiteral("Aide Corrinom."));
    QVERIFY(aide.WebBrowser1()->toPlainText().contains(QStringLiteral("Utilisation de TAVO")));
    QCOMPARE(aide.WebBrowser1()->documentTitle(), QStringLiteral("Aide Corrinom"));

    // Once shown, the keyboard is in the page.
    aide.show();
    QVERIFY(QTest::qWaitForWindowActive(&aide));
    QTRY_VERIFY(aide.WebBrowser1()->hasFocus() || aide.WebBrowser1()->viewport()->hasFocus());
  }

  void fermetures_data() {
    QTest::addColumn<bool>("echap");
    QTest::newRow("Fermer") << false;
    QTest::newRow("Escape in the page") << true;
  }

  void fermetures() {
    QFETCH(bool, echap);
    TFormAideHtm aide;
    aide.show();
    QVERIFY(QTest::qWaitForWindowExposed(&aide));
    if (echap) QTest::keyClick(aide.WebBrowser1(), Qt::Key_Escape);
    else aide.ButtonFermer()->click();
    QVERIFY(!aide.isVisible());
    QCOMPARE(aide.result(), int(QDialog::Rejected));
  }

  // Printing goes through Qt's printer; a PDF file stands in for the paper.
  void impression() {
    QTemporaryDir dossier;
    QPrinter imprimante;
    imprimante.setOutputFormat(QPrinter::PdfFormat);
    imprimante.setOutputFileName(dossier.filePath(QStringLiteral("aide.pdf")));
    TFormAideHtm aide;
    aide.Imprime(imprimante);
    QVERIFY(QFileInfo(dossier.filePath(QStringLiteral("aide.pdf"))).size() > 1000);

    // A printer that cannot print is dropped without a word.
    QPrinter invalide;
    invalide.setOutputFormat(QPrinter::PdfFormat);
    invalide.setOutputFileName(QStringLiteral("/nonexistent-dir/x/aide.pdf"));
    aide.Imprime(invalide);
  }
};

static InscritSuite<TestAide> inscrit;

}  // namespace corrinom::app::test

#include "test_aide.moc"
