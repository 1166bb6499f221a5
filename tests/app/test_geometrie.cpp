// Window geometry: AjusteFenetre applied to the Qt windows and the help window's
// button layout, down to widths narrower than its buttons (the arithmetic itself
// is tested in tests/window).
#include <QPushButton>
#include <QTest>

#include "app/fenetres_qt.h"
#include "app/form_aide_htm.h"
#include "app/form_cherche_champ.h"
#include "tests/app/outils.h"
#include "tests/app/suites.h"

namespace corrinom::app::test {

class TestGeometrie : public QObject {
  Q_OBJECT

 private slots:
  // The main window opens at its design size, centred; at 120 dpi it grows, and on a
  // screen too small for that it is clamped to the screen.
  void fenetrePrincipale() {
    Banc banc({});
    TFormCorrinom& f = *banc.fenetre;
    f.PlaceFenetre(96, QRect(0, 0, 1280, 1024));
    QCOMPARE(f.size(), QSize(863, 497));
    const QRect ext = f.frameGeometry();
    QCOMPARE(ext.center().x(), QRect(0, 0, 1280, 1024).center().x());

    f.PlaceFenetre(120, QRect(0, 0, 1920, 1200));
    QCOMPARE(f.size(), QSize(1078, 621));

    f.PlaceFenetre(120, QRect(0, 0, 1024, 600));
    QVERIFY(f.frameGeometry().width() <= 1024);
    QVERIFY(f.frameGeometry().height() <= 600 || f.minimumSizeHint().height() > 600);
    QVERIFY(f.frameGeometry().left() >= 0);
  }

  // The field chooser is a fixed-size dialog and stays one at its scaled size,
  // centred on its parent's window; it opens so on this screen too.
  void chercheChampA120Dpi() {
    QWidget parent;
    parent.setGeometry(100, 100, 800, 600);
    TFormChercheChamp f(&parent);
    f.Place(120, QRect(0, 0, 1920, 1200));
    QCOMPARE(f.size(), QSize(420, 386));
    QCOMPARE(f.minimumSize(), f.maximumSize());
    QCOMPARE(f.frameGeometry().center(), parent.frameGeometry().center());
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    QCOMPARE(f.size(), QSize(336, 309));
    QCOMPARE(f.frameGeometry().center(), parent.frameGeometry().center());
  }

  void boutonsAide_data() {
    QTest::addColumn<int>("largeur");
    QTest::addColumn<int>("fermer");
    QTest::addColumn<int>("imprimer");
    QTest::newRow("design width") << 534 << 229 << 497;
    QTest::newRow("odd width rounds toward zero") << 100 << 12 << 63;
    QTest::newRow("just the print button and its margin") << 37 << 0 << 0;
    QTest::newRow("narrower than the print button") << 20 << 0 << 0;
    QTest::newRow("nothing at all") << 0 << 0 << 0;
  }

  void boutonsAide() {
    QFETCH(int, largeur);
    QFETCH(int, fermer);
    QFETCH(int, imprimer);
    QCOMPARE(fenetre::PlaceBoutonsAide(largeur), (fenetre::PositionsBoutonsAide{fermer, imprimer}));
  }

  // The real window follows the rule as it is resized, never placing a button at a
  // negative position.
  void fenetreAideRedimensionnee() {
    TFormAideHtm aide;
    aide.show();
    QVERIFY(QTest::qWaitForWindowExposed(&aide));
    for (int largeur : {534, 200, 60, 30, 1}) {
      aide.resize(largeur, 300);
      QCoreApplication::processEvents();
      const int panneau = aide.PanelBas()->width();
      const fenetre::PositionsBoutonsAide p = fenetre::PlaceBoutonsAide(panneau);
      QCOMPARE(aide.ButtonFermer()->x(), p.fermer);
      QCOMPARE(aide.BitBtnImprimer()->x(), p.imprimer);
      QVERIFY(aide.ButtonFermer()->x() >= 0);
      QVERIFY(aide.BitBtnImprimer()->x() >= 0);
      QCOMPARE(aide.ButtonFermer()->y(), 8);
    }
  }
};

static InscritSuite<TestGeometrie> inscrit;

}  // namespace corrinom::app::test

#include "test_geometrie.moc"
