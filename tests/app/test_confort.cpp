// The review's helpers in the Qt window: the reading window at start-up, the
// write's progress with Arrêter, the search line, the changed letters, the
// keyboard move and the context menus, undo and redo.
#include <QComboBox>
#include <QScrollBar>
#include <QTreeView>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <thread>

#include "app/fenetre_lecture.h"
#include "app/modeles.h"
#include "app/texte_qt.h"
#include "window/confort.h"
#include "window/controles.h"
#include "tests/app/outils.h"
#include "tests/app/suites.h"
#include "window/progression_fenetre.h"

namespace corrinom::app::test {

namespace {

using Genre = DialoguesScript::Genre;

// A store that takes time for each page and lets a test act during a write.
class MagasinLent : public MagasinComptes {
 public:
  explicit MagasinLent(MagasinComptes& dessous) : dessous_(dessous) {}
  std::function<void(int)> pendantEcriture;  // the write's number, from 1
  std::uint32_t enumere(std::uint32_t, std::vector<CompteStocke>& page, std::uint32_t& total,
                        std::uint32_t& reprise) override {
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    return dessous_.enumere(1500, page, total, reprise);  // small pages: several of them
  }
  std::uint32_t lit(std::string_view login, CompteStocke& c) override { return dessous_.lit(login, c); }
  std::uint32_t ecrit(std::string_view login, const CompteStocke& c) override {
    if (pendantEcriture) pendantEcriture(++ecritures);
    return dessous_.ecrit(login, c);
  }
  int ecritures = 0;

 private:
  MagasinComptes& dessous_;
};

std::vector<CompteBase> Comptes(int n) {
  std::vector<CompteBase> r;
  for (int i = 0; i < n; ++i)
    r.push_back(CompteTavo("l" + std::to_string(1000 + i), "NOM" + std::to_string(i), "Jean", ""));
  return r;
}

}  // namespace

class TestConfort : public QObject {
  Q_OBJECT

 private slots:
  void lectureAuDemarrage() {
    Banc banc(Comptes(120));
    MagasinLent lent(*banc.magasin);
    QStringList vus;
    for (const bool fermer : {false, true}) {
      FenetreLecture lecture;
      EtatRapprochement etat;
      QTimer regard;
      QObject::connect(&regard, &QTimer::timeout, [&] {
        if (!lecture.isVisible()) return;
        vus << lecture.labelText();
        if (fermer) lecture.close();  // closing it ends the load
      });
      regard.start(5);
      ChargeUtilisateurs(lent, etat, banc.script, &lecture);
      QVERIFY(!lecture.isVisible());
      if (fermer) {
        QVERIFY(etat.comptes.size() < 120u);
        QVERIFY(lecture.arretDemande());
      } else {
        QCOMPARE(etat.comptes.size(), std::size_t{120});
      }
    }
    QVERIFY(vus.contains(QStringLiteral("Lecture des comptes du serveur... 120 / 120")));
    QVERIFY(vus.filter(QStringLiteral(" / 120")).size() >= 2);  // seen between pages
  }

  // Pages read in a burst: the first count is drawn, the next ones wait their
  // turn, the complete count is drawn at once.
  void lectureCadencee() {
    FenetreLecture lecture;
    lecture.debut(0);
    QElapsedTimer chrono;
    chrono.start();
    for (std::size_t lus : {100, 200, 300}) lecture.avance(lus, 900);
    if (chrono.elapsed() < fenetre::kIntervalleLecture)
      QCOMPARE(lecture.labelText(), QStringLiteral("Lecture des comptes du serveur... 100 / 900"));
    lecture.avance(900, 900);
    QCOMPARE(lecture.labelText(), QStringLiteral("Lecture des comptes du serveur... 900 / 900"));
    QCOMPARE(lecture.windowTitle(), lecture.labelText());
  }

  void arreterPendantLEcriture() {
    Banc banc(Comptes(4));
    MagasinLent lent(*banc.pannes);
    TFormCorrinom f(banc.etat, lent, {}, &banc.script);
    for (std::size_t i = 0; i < 3; ++i) {
      AttachePersonne(banc.etat.comptes[i], "AUTRE" + std::to_string(i), "Jean", "");
      MarqueLigne(banc.etat.comptes[i]);
    }
    f.Rafraichit();
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    QStringList textes;
    // Arrêter is pressed while the first account of each run is written; the
    // click is seen when the window paints again.
    lent.pendantEcriture = [&](int) {
      textes << f.FenetreProgression()->labelText();
      QTimer::singleShot(0, [&] { f.FenetreProgression()->findChild<QPushButton*>()->click(); });
    };
    banc.script.reponses = {Reponse::Oui, Reponse::Oui};
    f.Clic("Button1");
    QCOMPARE(lent.ecritures, 1);
    QCOMPARE(textes, QStringList{QStringLiteral("Écriture des changements : 0 / 3")});
    textes.clear();
    QCOMPARE(VersQt(banc.script.textes(Genre::Message).back()),
             QStringLiteral("0 suppression effectuée\n1 changement de nom effectué"));
    QVERIFY(!f.FenetreProgression());
    QVERIFY(f.Panneau(1)->text().contains(QStringLiteral("Les changements écrits dans le serveur ne peuvent pas être annulés ici.")));

    // Yes at the close question, then Arrêter: the window stays.
    f.close();
    QCOMPARE(lent.ecritures, 2);
    QCOMPARE(textes, QStringList{QStringLiteral("Écriture des changements : 0 / 2")});
    QVERIFY(f.isVisible());
  }

  void rechercheEtMarques() {
    Banc banc({CompteTavo("dupontj", "DUPONT", "Jean", ""), CompteTavo("helene", "MARTIN", "H\xE9l\xE8ne", ""),
               CompteTavo("petitc", "PETIT", "Claire", "")});
    TFormCorrinom& f = *banc.fenetre;
    banc.Attache(0, "DUPONT", "JEAN", "");  // pink
    f.ListViewUsers()->SelectionneLigne(0);
    const QString compteur = f.findChild<QLabel*>(QStringLiteral("LabelRienAFaire"))->text();
    QTest::keyClicks(f.EditRecherche(), QStringLiteral("hele"));
    QAbstractItemModel* m = f.ListViewUsers()->model();
    QCOMPARE(m->rowCount(), 1);
    QCOMPARE(m->index(0, 0).data().toString(), QStringLiteral("helene"));
    QVERIFY(!f.ListViewUsers()->LigneSelectionnee());  // its row was hidden
    QCOMPARE(f.findChild<QLabel*>(QStringLiteral("LabelRienAFaire"))->text(), compteur);  // the whole list's
    f.EditRecherche()->clear();
    f.ComboMarques()->setCurrentIndex(static_cast<int>(ChoixMarques::AFaire));
    QCOMPARE(m->rowCount(), 1);
    QCOMPARE(m->index(0, 0).data().toString(), QStringLiteral("dupontj"));
    f.ComboMarques()->setCurrentIndex(0);
    QCOMPARE(m->rowCount(), 3);
    QCOMPARE(m->index(2, 0).data().toString(), QStringLiteral("petitc"));
    QCOMPARE(f.ComboMarques()->count(), 6);
    QCOMPARE(f.ComboMarques()->itemText(5), QStringLiteral("Modifications à faire"));
  }

  // In a narrow window the search line leaves GroupBox1's caption clear.
  void legendeDegageeEnFenetreEtroite() {
    Banc banc({CompteTavo("dupontj", "DUPONT", "Jean", "")});
    TFormCorrinom& f = *banc.fenetre;
    f.show();
    f.resize(560, f.height());
    QTest::qWait(1);
    const auto* cadre = f.findChild<QWidget*>(QStringLiteral("GroupBox1"));
    const int legende = f.fontMetrics().horizontalAdvance(VersQt(fenetre::TrouveControle("GroupBox1")->texte));
    const QLabel* libelle = cadre->findChild<QLabel*>(VersQt(fenetre::kNomLibelleRecherche));
    const QLabel* nombre = f.LabelNombreComptes();
    QVERIFY2(libelle->x() > legende, qPrintable(QString::number(libelle->x())));
    QVERIFY(nombre->width() == 0 || nombre->x() > legende);
    QCOMPARE(f.ComboMarques()->geometry().right(), cadre->width() - 9);
  }

  void laLigneChoisieResteEnVue() {
    Banc banc(Comptes(300));
    TFormCorrinom& f = *banc.fenetre;
    f.show();
    f.ListViewUsers()->SelectionneLigne(250);
    f.ListViewUsers()->scrollToTop();
    QTest::keyClicks(f.EditRecherche(), QStringLiteral("l12"));  // l1200 to l1299
    QTreeView* liste = f.ListViewUsers();
    const QModelIndex choisie = liste->model()->index(50, 0);
    QCOMPARE(choisie.data().toString(), QStringLiteral("l1250"));
    QVERIFY(liste->visualRect(choisie).intersects(liste->viewport()->rect()));
  }

  void lettresChangees() {
    Banc banc({CompteTavo("helene", "MARTIN", "Helene", "")});
    banc.Attache(0, "MARTINE", "H\xE9l\xE8ne", "");
    QAbstractItemModel* m = banc.fenetre->ListViewUsers()->model();
    // Each mask lines up with the column's text ("Nouv. noms", "Nouv. prénoms").
    QCOMPARE(m->index(0, 4).data().toString(), QStringLiteral("MARTINE"));
    QCOMPARE(m->index(0, 4).data(ModeleListe::kRoleLettresChangees).toString(), QStringLiteral("0000001"));
    QCOMPARE(m->index(0, 5).data().toString(), QStringLiteral("Hélène"));
    QCOMPARE(m->index(0, 5).data(ModeleListe::kRoleLettresChangees).toString(), QStringLiteral("010100"));
    QVERIFY(m->index(0, 2).data(ModeleListe::kRoleLettresChangees).isNull());
    for (int colonne : {4, 5})
      QVERIFY(qobject_cast<DelegueLettresChangees*>(banc.fenetre->ListViewUsers()->itemDelegateForColumn(colonne)));
  }

  void placerAuClavierEtMenus() {
    Banc banc(Comptes(3));
    TFormCorrinom& f = *banc.fenetre;
    banc.etat.rebus = {{"DURAND", "Marc", ""}, {"LEROY", "Anne", ""}};
    banc.Attache(2, "X", "Y", "");
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    f.ListViewRebus()->SelectionneLigne(0);
    std::unique_ptr<QMenu> menu = f.MenuContextuel(ListeSource::Rebus);
    QCOMPARE(menu->actions().front()->text(), QStringLiteral("Placer sur le compte sélectionné\tCtrl+Entrée"));
    QVERIFY(!menu->actions().front()->isEnabled());  // no account row selected
    f.ListViewUsers()->SelectionneLigne(1);
    f.MenuContextuel(ListeSource::Rebus)->actions().front()->trigger();
    QCOMPARE(banc.etat.comptes[1].sousItem(kNouveauNom), std::string("DURAND"));
    QCOMPARE(f.Panneau(1)->text(), QStringLiteral("DURAND Marc vient d'être déplacé."));
    // Ctrl+Entrée onto an attached row: the drop's refusal, nothing moves.
    f.ListViewRebus()->SelectionneLigne(0);
    f.ListViewUsers()->SelectionneLigne(2);
    f.ListViewRebus()->setFocus();
    QTest::keyClick(f.ListViewRebus(), Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(f.Panneau(1)->text(), QStringLiteral("Supprimez avant d'en placer un autre"));
    QCOMPARE(banc.etat.rebus.size(), std::size_t{1});
    std::unique_ptr<QMenu> comptes = f.MenuContextuel(ListeSource::Comptes);
    QCOMPARE(comptes->actions().size(), 1);  // no Placer on an account row
    QCOMPARE(comptes->actions().front()->text(), QStringLiteral("Libérer ce compte\tSuppr"));
    comptes->actions().front()->trigger();
    QCOMPARE(banc.etat.rebus.size(), std::size_t{2});
  }

  // Under a filter, the rows shown are not the list's: a move and a Delete must
  // reach the account that the operator sees, never its neighbour.
  void placerEtLibererSousUnFiltre() {
    Banc banc(Comptes(3));
    TFormCorrinom& f = *banc.fenetre;
    banc.etat.rebus = {{"DURAND", "Marc", ""}};
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    QTest::keyClicks(f.EditRecherche(), QStringLiteral("l1002"));
    QCOMPARE(f.ListViewUsers()->model()->rowCount(), 1);
    f.ListViewUsers()->SelectionneLigne(0);
    f.ListViewRebus()->SelectionneLigne(0);
    f.ListViewRebus()->setFocus();
    QTest::keyClick(f.ListViewRebus(), Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(banc.etat.comptes[2].sousItem(kNouveauNom), std::string("DURAND"));
    QVERIFY(banc.etat.comptes[0].sousItem(kNouveauNom).empty());
    f.ListViewUsers()->SelectionneLigne(0);
    f.ListViewUsers()->setFocus();
    QTest::keyClick(f.ListViewUsers(), Qt::Key_Delete);
    QVERIFY(banc.etat.comptes[2].sousItem(kNouveauNom).empty());
    QCOMPARE(banc.etat.rebus.size(), std::size_t{1});
  }

  void annulerEtRetablir() {
    Banc banc(Comptes(3));
    TFormCorrinom& f = *banc.fenetre;
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    QTemporaryDir dossier;
    const QString nom = dossier.filePath(QStringLiteral("eleves.csv"));
    QFile fichier(nom);
    QVERIFY(fichier.open(QIODevice::WriteOnly));
    fichier.write("NOM;Pr\xE9nom 1;Pr\xE9nom 2;Pr\xE9nom 3;NE(E) LE\r\nNOM1;Jean;;;\r\nZOLA;Emile;;;\r\n");
    fichier.close();
    f.EditNomFich()->setText(QStringLiteral("avant.csv"));
    f.OuvreFichier(nom);
    f.ListViewRebus()->SelectionneLigne(0);
    f.ListViewUsers()->SelectionneLigne(0);
    f.PlaceSurCompteSelectionne();
    f.ListViewUsers()->setFocus();
    QTest::keyClick(f.ListViewUsers(), Qt::Key_Delete);

    QStringList vus;
    for (int i = 0; i < 4; ++i) {
      QTest::keyClick(f.ListViewUsers(), Qt::Key_Z, Qt::ControlModifier);
      vus << f.Panneau(1)->text();
    }
    QCOMPARE(vus, (QStringList{QStringLiteral("Annulé : libération du compte l1000"),
                               QStringLiteral("Annulé : déplacement de ZOLA Emile"),
                               QStringLiteral("Annulé : ouverture de eleves.csv"),
                               QStringLiteral("Rien à annuler")}));
    QCOMPARE(f.EditNomFich()->text(), QStringLiteral("avant.csv"));  // the box's text before
    QVERIFY(banc.etat.rebus.empty());
    QTest::keyClick(f.ListViewUsers(), Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(f.Panneau(1)->text(), QStringLiteral("Rétabli : ouverture de eleves.csv"));
    QCOMPARE(f.EditNomFich()->text(), nom);
    QTest::keyClick(f.ListViewUsers(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(f.Panneau(1)->text(), QStringLiteral("Rétabli : déplacement de ZOLA Emile"));
    // In an edit box the keys are the box's own.
    f.EditRecherche()->setFocus();
    QTest::keyClicks(f.EditRecherche(), QStringLiteral("ab"));
    QTest::keyClick(f.EditRecherche(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(f.Panneau(1)->text(), VersQt(fenetre::kIndicationEditRecherche));
    QVERIFY(banc.etat.comptes[0].attachee());
  }
};

static InscritSuite<TestConfort> inscrit;

}  // namespace corrinom::app::test

#include "test_confort.moc"
