// Window geometry: AjusteFenetre at several resolutions and the help window's
// button layout, down to widths narrower than its buttons.
#include <QPushButton>
#include <QTest>

#include "app/ajuste_fenetre.h"
#include "app/form_aide_htm.h"
#include "app/form_cherche_champ.h"
#include "tests/app/outils.h"
#include "tests/app/suites.h"

using corrinom::app::GeometrieFenetre;

Q_DECLARE_METATYPE(GeometrieFenetre)

namespace corrinom::app::test {

class TestGeometrie : public QObject {
  Q_OBJECT

 private slots:
  void ajustement_data() {
    QTest::addColumn<GeometrieFenetre>("avant");
    QTest::addColumn<int>("dpi");
    QTest::addColumn<QRect>("ecran");
    QTest::addColumn<GeometrieFenetre>("apres");
    const QMargins cadre(4, 23, 4, 4);  // the main window's design frame: 871 x 524 outside
    const GeometrieFenetre principale{QPoint(200, 150), QSize(863, 497), cadre};
    QTest::newRow("96 dpi: nothing changes")
        << principale << 96 << QRect(0, 0, 1280, 1024) << principale;
    QTest::newRow("120 dpi on a large screen: grows in place")
        << principale << 120 << QRect(0, 0, 1920, 1200)
        << GeometrieFenetre{QPoint(200, 150), QSize(1078, 621), cadre};
    QTest::newRow("120 dpi past the screen's edge: centred")
        << principale << 120 << QRect(0, 0, 1280, 800)
        << GeometrieFenetre{QPoint((1280 - 1086) / 2, (800 - 648) / 2), QSize(1078, 621), cadre};
    QTest::newRow("120 dpi on a small screen: clamped and centred")
        << principale << 120 << QRect(0, 0, 1024, 600)
        << GeometrieFenetre{QPoint(0, 0), QSize(1024 - 8, 600 - 27), cadre};
    QTest::newRow("144 dpi: the quotient is truncated")
        << GeometrieFenetre{QPoint(0, 0), QSize(101, 51), QMargins()} << 144 << QRect(0, 0, 4000, 4000)
        << GeometrieFenetre{QPoint(0, 0), QSize(151, 76), QMargins()};
    QTest::newRow("a second screen to the right: centred on that one")
        << GeometrieFenetre{QPoint(1500, 100), QSize(863, 497), cadre} << 120 << QRect(1280, 0, 1280, 800)
        << GeometrieFenetre{QPoint(1280 + (1280 - 1086) / 2, (800 - 648) / 2), QSize(1078, 621), cadre};
  }

  void ajustement() {
    QFETCH(GeometrieFenetre, avant);
    QFETCH(int, dpi);
    QFETCH(QRect, ecran);
    QFETCH(GeometrieFenetre, apres);
    const GeometrieFenetre g = CalculeAjustement(avant, dpi, ecran);
    QCOMPARE(g.client, apres.client);
    QCOMPARE(g.position, apres.position);
  }

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

  // The field chooser is a fixed-size dialog and stays one at its scaled size.
  void chercheChampA120Dpi() {
    TFormChercheChamp f;
    AjusteFenetre(f, 120, QRect(0, 0, 1920, 1200));
    QCOMPARE(f.size(), QSize(420, 386));
    QCOMPARE(f.minimumSize(), f.maximumSize());
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
    QCOMPARE(PlaceBoutonsAide(largeur), (PositionsBoutonsAide{fermer, imprimer}));
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
      const PositionsBoutonsAide p = PlaceBoutonsAide(panneau);
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
