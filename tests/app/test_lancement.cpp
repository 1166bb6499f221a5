// Start-up of the window program over the stores the command line can choose.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <QTemporaryDir>

#include "accounts/store/base_demo.h"
#include "app/form_corrinom.h"
#include "app/form_identifiants.h"
#include "app/lancement.h"
#include "app/liste_rapport.h"
#include "tests/app/suites.h"

namespace corrinom::app::test {

class TestLancement : public QObject {
  Q_OBJECT

 private slots:
  // --demo: a fresh copy of the built-in base, named in the status bar.
  void demo() {
    ChoixMagasin choix;
    choix.sorte = ChoixMagasin::Sorte::Demo;
    int code = -1;
    std::unique_ptr<Session> s = Demarre(choix, code);
    QVERIFY(s);
    QCOMPARE(code, 0);
    QVERIFY(!s->etat.comptes.empty());
    QCOMPARE(s->fenetre->ListViewUsers()->model()->rowCount(), static_cast<int>(s->etat.comptes.size()));
    QVERIFY(s->fenetre->PanneauBase());
    QCOMPARE(s->fenetre->PanneauBase()->text(), QStringLiteral("Base de démonstration"));
  }

  // The system's store that needs credentials asks for them first; giving up there
  // ends the program before anything is read.
  void identifiantsRefuses() {
    if (!MagasinSystemeDemandeIdentifiants()) QSKIP("this build's system store needs no credentials");
    bool demande = false;
    QTimer::singleShot(0, [&] {
      if (auto* d = qobject_cast<FormIdentifiants*>(QApplication::activeModalWidget())) {
        demande = Enfant<QLineEdit>(*d, "EditUtilisateur")->text() == QLatin1String("root");
        Enfant<QPushButton>(*d, "ButtonAnnuler")->click();
      }
    });
    int code = -1;
    ChoixMagasin choix;  // the system's store
    std::unique_ptr<Session> s = Demarre(choix, code);
    QVERIFY(demande);
    QVERIFY(!s);
    QCOMPARE(code, 0);
  }

  // A base that cannot be opened: the operator is told in French, and the window
  // opens with an empty list over a store that can write nothing.
  void baseIllisible() {
    ChoixMagasin choix;
    choix.sorte = ChoixMagasin::Sorte::Base;
    choix.fichier = "/nonexistent-folder/comptes.db";
    QString vu;
    QTimer::singleShot(0, [&] {
      if (auto* b = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        vu = b->text();
        b->accept();
      }
    });
    int code = -1;
    std::unique_ptr<Session> s = Demarre(choix, code);
    QVERIFY(s);
    QVERIFY(!vu.isEmpty());
    QVERIFY(s->etat.comptes.empty());
    QVERIFY(!s->demarrage.magasin.magasin);
    CompteStocke c;
    QVERIFY(s->magasin().lit("x", c) != 0);
    QVERIFY(s->magasin().ecrit("x", c) != 0);
  }

  // A second window program on a base the first one holds is refused with the
  // message and ends with 0; once the first is gone, it opens.
  void secondProgrammeRefuse() {
    QTemporaryDir dossier;
    const QByteArray ancienTmp = qgetenv("TMPDIR");
    qputenv("TMPDIR", dossier.path().toLocal8Bit());  // where the lock is kept
    std::string erreur;
    ChoixMagasin choix;
    choix.sorte = ChoixMagasin::Sorte::Base;
    choix.fichier = dossier.filePath(QStringLiteral("comptes.db")).toStdString();
    QVERIFY(EcritBaseDemo(choix.fichier, erreur));
    int code = -1;
    std::unique_ptr<Session> premiere = Demarre(choix, code);
    QVERIFY(premiere);

    QString vu;
    QTimer guetteur;
    connect(&guetteur, &QTimer::timeout, [&] {
      if (auto* b = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        vu = b->text();
        b->accept();
      }
    });
    guetteur.start(20);
    std::unique_ptr<Session> seconde = Demarre(choix, code);
    QVERIFY(!seconde);
    QCOMPARE(code, 0);
    QCOMPARE(vu, QStringLiteral("Corrinom est déjà ouvert sur comptes.db. Fermez-le avant d'en ouvrir un autre."));

    premiere.reset();
    vu.clear();
    seconde = Demarre(choix, code);
    QVERIFY(seconde);
    QVERIFY(vu.isEmpty());
    QVERIFY(!seconde->etat.comptes.empty());
    if (ancienTmp.isNull())
      qunsetenv("TMPDIR");
    else
      qputenv("TMPDIR", ancienTmp);
  }
};

static InscritSuite<TestLancement> inscrit;

}  // namespace corrinom::app::test

#include "test_lancement.moc"
