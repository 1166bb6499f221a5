// The similarity aid's review window: its texts, the ticks by Space and by the
// check box, the sort that keeps them, and its three ways out.
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include "app/form_ressemblance.h"
#include "reconcile/etat.h"
#include "tests/app/suites.h"

namespace corrinom::app::test {

namespace {

EtatRapprochement Etat() {
  EtatRapprochement e;
  e.comptes = {LigneCompte::Libre("garcia.h", "GARCIA", "Hugo", "07/08/2012"),
               LigneCompte::Libre("martin.l", "MARTIN", "Lea", "05/06/2011"),
               LigneCompte::Libre("durand.p", "DURAND", "Paul", "01/01/2010")};
  e.rebus = {{"MARTIN", "L\xE9" "a", "06/05/2011"},
             {"GARCIA-LOPEZ", "Hugo", "07/08/2012"},
             {"DURANT", "Paul", "01/01/2010"}};
  return e;
}

}  // namespace

class TestRessemblance : public QObject {
  Q_OBJECT

 private slots:
  void textesCochesEtTri() {
    const EtatRapprochement e = Etat();
    const std::vector<PropositionRessemblance> lignes = LignesRessemblance(e);
    fenetre::RevueRessemblance revue(e, lignes, CochesOuverture(lignes));
    TFormRessemblance f(revue);
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    QCOMPARE(f.windowTitle(), QStringLiteral("Rapprochement par ressemblance"));
    QVERIFY(f.isModal());
    QVERIFY(Enfant<QPushButton>(f, "ButtonPlacer")->isDefault());
    auto* liste = Enfant<QTableView>(f, "ListeRessemblance");
    auto* compte = Enfant<QLabel>(f, "LabelCompte");
    QAbstractItemModel* m = liste->model();
    QCOMPARE(m->rowCount(), 3);
    QCOMPARE(m->headerData(6, Qt::Horizontal).toString(), QStringLiteral("Noms actuels"));
    QCOMPARE(compte->text(), QStringLiteral("3 rapprochements cochés sur 3 propositions"));

    // Space on the selected line unticks it; the count follows.
    liste->setFocus();
    QTest::keyClick(liste, Qt::Key_Space);
    QCOMPARE(m->index(0, 0).data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
    QCOMPARE(compte->text(), QStringLiteral("2 rapprochements cochés sur 3 propositions"));
    const QString decoche = m->index(0, 5).data().toString();

    // A click on "Login" sorts; the unticked line keeps its tick wherever it goes,
    // and stays selected.
    liste->horizontalHeader()->sectionClicked(5);
    QCOMPARE(m->index(0, 5).data().toString(), QStringLiteral("durand.p"));
    for (int i = 0; i < 3; ++i)
      QCOMPARE(m->index(i, 0).data(Qt::CheckStateRole).toInt() == Qt::Checked,
               m->index(i, 5).data().toString() != decoche);
    QCOMPARE(m->index(liste->currentIndex().row(), 5).data().toString(), decoche);

    // The check box itself, then "Tout décocher".
    QVERIFY(m->setData(m->index(1, 0), Qt::Unchecked, Qt::CheckStateRole));
    Enfant<QPushButton>(f, "ButtonToutDecocher")->click();
    QCOMPARE(compte->text(), QStringLiteral("0 rapprochement coché sur 3 propositions"));
    QVERIFY(m->setData(m->index(2, 0), Qt::Checked, Qt::CheckStateRole));
    QCOMPARE(compte->text(), QStringLiteral("1 rapprochement coché sur 3 propositions"));
  }

  void entreeEchapEtAnnuler() {
    const EtatRapprochement e = Etat();
    const std::vector<PropositionRessemblance> lignes = LignesRessemblance(e);
    for (const int touche : {int(Qt::Key_Return), int(Qt::Key_Escape), 0}) {
      fenetre::RevueRessemblance revue(e, lignes, CochesOuverture(lignes));
      TFormRessemblance f(revue);
      f.show();
      QVERIFY(QTest::qWaitForWindowExposed(&f));
      if (touche)
        QTest::keyClick(Enfant<QTableView>(f, "ListeRessemblance"), Qt::Key(touche));
      else
        Enfant<QPushButton>(f, "ButtonAnnuler")->click();
      QCOMPARE(f.result(), touche == Qt::Key_Return ? int(QDialog::Accepted) : int(QDialog::Rejected));
    }
  }
};

namespace {
const InscritSuite<TestRessemblance> inscrit;
}

}  // namespace corrinom::app::test

#include "test_ressemblance.moc"
