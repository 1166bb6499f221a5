// The whole road through the window: a fresh copy of the demo base, a sample file
// opened, a person moved by drag and drop, the write confirmed, and the base read
// back: the confirmed accounts carry their new names, every other byte of every
// account is as it was.
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "accounts/store/base_demo.h"
#include "accounts/tsv_comptes.h"
#include "app/texte_qt.h"
#include "tests/app/outils.h"
#include "tests/app/suites.h"

#ifndef CORRINOM_EXEMPLES
#error "CORRINOM_EXEMPLES must name the sample files' folder"
#endif

namespace corrinom::app::test {

namespace {

std::optional<std::size_t> Ligne(const EtatRapprochement& etat, const std::string& login) {
  for (std::size_t i = 0; i < etat.comptes.size(); ++i)
    if (etat.comptes[i].login == login) return i;
  return std::nullopt;
}

std::optional<std::size_t> Rebus(const EtatRapprochement& etat, const std::string& nom) {
  for (std::size_t i = 0; i < etat.rebus.size(); ++i)
    if (etat.rebus[i].nom == nom) return i;
  return std::nullopt;
}

}  // namespace

class TestBoutEnBout : public QObject {
  Q_OBJECT

 private slots:
  void demoFichierGlisserEcrire() {
    BaseDemoTemporaire demo;
    QVERIFY2(demo.magasin, demo.erreur.c_str());
    std::unique_ptr<MagasinSqlite>& magasin = demo.magasin;
    const std::vector<CompteBase> avant = magasin->tous();

    EtatRapprochement etat;
    DialoguesScript script;
    QCOMPARE(ChargeUtilisateurs(*magasin, etat, script), 0u);
    TFormCorrinom f(etat, *magasin, QStringLiteral("Base de démonstration"), &script);
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    QCOMPARE(f.ListViewUsers()->model()->rowCount(), static_cast<int>(etat.comptes.size()));

    // The Sconet delimited export: no "Prénom 2" column, so the chooser comes up once
    // for it (cancelled: the script has no answer).
    const QString fichier = QDir(QStringLiteral(CORRINOM_EXEMPLES)).filePath(
        QStringLiteral("EXP_Liste_des_eleves_par_division.csv"));
    f.OuvreFichier(fichier);
    QCOMPARE(f.EditNomFich()->text(), fichier);
    QVERIFY(script.nombre(DialoguesScript::Genre::Choix) >= 1);
    QVERIFY(!etat.rebus.empty());
    QCOMPARE(f.ListViewRebus()->model()->rowCount(), static_cast<int>(etat.rebus.size()));
    QCOMPARE(f.ListViewRebus()->toolTip(),
             QStringLiteral("Nombre de personnes : %1").arg(etat.rebus.size()));

    // Drag GARCIA-LOPEZ from the not-found list onto the free account garcia.i.
    const auto personne = Rebus(etat, "GARCIA-LOPEZ");
    const auto compte = Ligne(etat, "garcia.i");
    QVERIFY(personne && compte);
    QVERIFY(!etat.comptes[*compte].attachee());
    f.ListViewRebus()->SelectionneLigne(*personne);
    f.ListViewUsers()->scrollTo(f.ListViewUsers()->model()->index(static_cast<int>(*compte), 0),
                                QAbstractItemView::PositionAtTop);
    const int defile = f.ListViewUsers()->verticalScrollBar()->value();
    QVERIFY(defile > 0);
    std::unique_ptr<QMimeData> donnees(DonneesGlisse(ListeSource::Rebus, f.JetonGlisse()));
    QVERIFY(GlisseDepose(f.ListViewUsers(), donnees.get(), HauteurLigne(f.ListViewUsers(), static_cast<int>(*compte))));
    QCOMPARE(f.ListViewUsers()->verticalScrollBar()->value(), defile);  // the list did not jump
    QCOMPARE(etat.comptes[*compte].marque, Marque::ModificationImportante);
    QVERIFY(!Rebus(etat, "GARCIA-LOPEZ"));

    // The pending rows, as the operator confirms them.
    std::vector<std::string> confirmes;
    for (const LigneCompte& l : etat.comptes)
      if (EstModification(l.marque)) confirmes.push_back(l.login);
    QVERIFY(confirmes.size() >= 2);

    script.reponses = {Reponse::Oui};
    f.findChild<QPushButton*>(QStringLiteral("Button1"))->click();
    QCOMPARE(f.findChild<QLabel*>(QStringLiteral("LabelAFaire"))->text(),
             QStringLiteral("0 modification importante"));
    QCOMPARE(VersQt(script.textes(DialoguesScript::Genre::Message).back()),
             QStringLiteral("0 suppression effectuée\n%1 changements de nom effectués").arg(confirmes.size()));

    // The base itself: a fresh connection reads what was written.
    magasin.reset();
    magasin = MagasinSqlite::Ouvre(demo.chemin, demo.erreur);
    QVERIFY(magasin);
    const std::vector<CompteBase> apres = magasin->tous();
    QCOMPARE(apres.size(), avant.size());
    for (std::size_t i = 0; i < avant.size(); ++i) {
      const std::string& login = avant[i].compte.name.texte;
      const bool ecrit = std::find(confirmes.begin(), confirmes.end(), login) != confirmes.end();
      CompteBase attendu = avant[i];
      if (login == "garcia.i") {
        attendu.compte.full_name = ChampTexte::de("GARCIA-LOPEZ In\xC3\xA8s");
        attendu.compte.usr_comment = ChampTexte::de("TAVO;E;2026;;;;12;;14/02/2012;;;0;0");
      }
      if (ecrit && login != "garcia.i") {
        // Only the full name and field 7 may differ.
        attendu.compte.full_name = apres[i].compte.full_name;
        attendu.compte.usr_comment = apres[i].compte.usr_comment;
        QVERIFY(apres[i].compte.full_name != avant[i].compte.full_name);
      }
      QVERIFY2(apres[i] == attendu, login.c_str());
    }
    // The exported base shows the new name too.
    const std::string tsv = ExporteTsv(apres);
    QVERIFY(tsv.find("garcia.i\tGARCIA-LOPEZ In\xC3\xA8s\tTAVO;E;2026;;;;12;;14/02/2012;;;0;0") != std::string::npos);

    // Nothing is pending any more: the window closes without a question.
    const std::size_t questions = script.nombre(DialoguesScript::Genre::Question);
    f.close();
    QVERIFY(!f.isVisible());
    QCOMPARE(script.nombre(DialoguesScript::Genre::Question), questions);
  }

  // Entrée in EditNomFich opens the sample file; ndiaye.a, whose account holds
  // "N'DIAYE Aminata", is green once N'DIAYE is attached to it and is neither
  // written nor counted; the filter says how many rows it shows; the hint panel
  // fills the status bar between the version panel and the base panel.
  void entreeMarquesFiltreBarre() {
    BaseDemoTemporaire demo;
    QVERIFY2(demo.magasin, demo.erreur.c_str());
    std::unique_ptr<MagasinSqlite>& magasin = demo.magasin;
    CompteStocke ndiayeAvant;
    QCOMPARE(magasin->lit("ndiaye.a", ndiayeAvant), kNerrSuccess);
    EtatRapprochement etat;
    DialoguesScript script;
    QCOMPARE(ChargeUtilisateurs(*magasin, etat, script), 0u);
    TFormCorrinom f(etat, *magasin, QStringLiteral("Base de d\u00e9monstration"), &script);
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));

    const QString fichier =
        QDir(QStringLiteral(CORRINOM_EXEMPLES)).filePath(QStringLiteral("ElevesSansAdresses.xml"));
    f.EditNomFich()->setFocus();
    QTest::keyClick(f.EditNomFich(), Qt::Key_Return);  // empty: nothing read
    QVERIFY(etat.rebus.empty());
    QTest::keyClicks(f.EditNomFich(), fichier);
    QTest::keyClick(f.EditNomFich(), Qt::Key_Return);
    QVERIFY(Rebus(etat, "N'DIAYE"));
    QCOMPARE(f.ListViewRebus()->model()->rowCount(), static_cast<int>(etat.rebus.size()));

    const auto personne = Rebus(etat, "N'DIAYE");
    const auto compte = Ligne(etat, "ndiaye.a");
    QVERIFY(personne && compte);
    f.ListViewRebus()->SelectionneLigne(*personne);
    f.ListViewUsers()->scrollTo(f.ListViewUsers()->model()->index(static_cast<int>(*compte), 0));
    std::unique_ptr<QMimeData> donnees(DonneesGlisse(ListeSource::Rebus, f.JetonGlisse()));
    QVERIFY(GlisseDepose(f.ListViewUsers(), donnees.get(), HauteurLigne(f.ListViewUsers(), static_cast<int>(*compte))));
    QCOMPARE(etat.comptes[*compte].sousItem(kNomActuel), std::string("NDIAYE"));
    QCOMPARE(etat.comptes[*compte].marque, Marque::DejaBon);

    // Each mark choice: the rows it shows, out of all of them.
    for (int choix = 0; choix < f.ComboMarques()->count(); ++choix) {
      f.ComboMarques()->setCurrentIndex(choix);
      int affiches = 0;
      for (const LigneCompte& l : etat.comptes)
        affiches += MarqueRetenue(static_cast<ChoixMarques>(choix), l.marque) ? 1 : 0;
      QCOMPARE(f.ListViewUsers()->model()->rowCount(), affiches);
      const int total = static_cast<int>(etat.comptes.size());
      const QString attendu = affiches == total ? QString()
                              : QStringLiteral("%1 compte%2 affich\u00e9%2 sur %3")
                                    .arg(affiches)
                                    .arg(affiches > 1 ? QStringLiteral("s") : QString())
                                    .arg(total);
      QCOMPARE(f.LabelNombreComptes()->text(), attendu);
      QVERIFY(f.LabelNombreComptes()->isVisible());
    }
    f.ComboMarques()->setCurrentIndex(0);

    // At scales 1 and 2 the hint panel fills the room between its neighbours.
    for (const int echelle : {1, 2}) {
      f.PlaceFenetre(96 * echelle, QRect(0, 0, 4000, 3000));
      QCoreApplication::processEvents();
      QCOMPARE(f.width(), 863 * echelle);
      const QRect version = f.Panneau(0)->geometry(), indications = f.Panneau(1)->geometry(),
                  base = f.PanneauBase()->geometry();
      const int ecart = indications.left() - version.right();
      QVERIFY(ecart >= 1 && ecart <= 8);
      QCOMPARE(base.left() - indications.right(), ecart);
      QVERIFY(indications.width() > f.width() - version.width() - base.width() - 40);
    }
    f.PlaceFenetre(96, QRect(0, 0, 1280, 1024));

    int enAttente = 0;
    for (const LigneCompte& l : etat.comptes) enAttente += EstModification(l.marque) ? 1 : 0;
    QVERIFY(enAttente >= 2);
    script.reponses = {Reponse::Oui};
    f.Clic("Button1");
    QCOMPARE(VersQt(script.textes(DialoguesScript::Genre::Message).back()),
             QStringLiteral("0 suppression effectu\u00e9e\n%1 changements de nom effectu\u00e9s").arg(enAttente));
    CompteStocke ndiayeApres;
    QCOMPARE(magasin->lit("ndiaye.a", ndiayeApres), kNerrSuccess);
    QVERIFY(ndiayeApres == ndiayeAvant);
    // The journal's path shows whole, at the start of the panel and in its tooltip.
    const QString panneau = f.Panneau(1)->text();
    QVERIFY2(panneau.startsWith(QStringLiteral("Journal : ")), qPrintable(panneau));
    QCOMPARE(f.Panneau(1)->toolTip(), panneau);
    f.close();
  }
};

static InscritSuite<TestBoutEnBout> inscrit;

}  // namespace corrinom::app::test

#include "test_bout_en_bout.moc"
