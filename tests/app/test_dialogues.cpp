// The operator's boxes with Qt, the field chooser dialog, the credentials dialog,
// the command line and the text conversions at the window's edge.
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/dialogues_qt.h"
#include "app/form_cherche_champ.h"
#include "app/form_identifiants.h"
#include "app/texte_qt.h"
#include "tests/app/suites.h"
#include "window/dialogues_fenetre.h"
#include "window/options.h"

namespace corrinom::app::test {

using fenetre::LitOptions;
using fenetre::OptionsLancement;

namespace {

// Runs `action` on the first modal dialog once it is up.
void QuandModal(std::function<void(QWidget*)> action) {
  QTimer::singleShot(0, [action] {
    QWidget* w = QApplication::activeModalWidget();
    if (!w) {
      QuandModal(action);
      return;
    }
    action(w);
  });
}

DemandeChamp Demande() {
  DemandeChamp d;
  d.titre = "Champ des deuxi\xE8mes pr\xE9noms";
  d.message = "Aide pour trouver le nom du champ qui contient les deuxi\xE8mes pr\xE9noms";
  d.noms = {"NOM", "PRENOM", "PR\xC9NOM 2", "DIV"};
  d.preselection = 2;
  d.exemples = [](int n) {
    std::vector<std::string> r;
    for (int i = 0; i < 3; ++i) r.push_back("ex" + std::to_string(n) + "-" + std::to_string(i));
    return r;
  };
  return d;
}

}  // namespace

class TestDialogues : public QObject {
  Q_OBJECT

 private slots:
  void boiteQuestion_data() {
    QTest::addColumn<int>("icone");
    QTest::addColumn<int>("parDefaut");
    QTest::addColumn<int>("iconeQt");
    QTest::addColumn<QString>("defaut");
    QTest::newRow("birth-date question") << int(Icone::Question) << int(Reponse::Oui)
                                         << int(QMessageBox::Question) << QStringLiteral("&Oui");
    QTest::newRow("write question, no icon") << int(Icone::Aucune) << int(Reponse::Non)
                                             << int(QMessageBox::NoIcon) << QStringLiteral("&Non");
  }

  void boiteQuestion() {
    QFETCH(int, icone);
    QFETCH(int, parDefaut);
    QFETCH(int, iconeQt);
    QFETCH(QString, defaut);
    std::unique_ptr<QMessageBox> b(DialoguesQt::CreeQuestion(
        nullptr, "Confirmation", "S'agit-il de la m\xEAme personne ?", static_cast<Icone>(icone),
        static_cast<Reponse>(parDefaut)));
    QCOMPARE(b->windowTitle(), QStringLiteral("Confirmation"));
    QCOMPARE(b->text(), QStringLiteral("S'agit-il de la même personne ?"));
    QCOMPARE(int(b->icon()), iconeQt);
    QStringList textes;
    for (QAbstractButton* bouton : b->buttons()) textes << bouton->text();
    QVERIFY(textes.contains(QStringLiteral("&Oui")));
    QVERIFY(textes.contains(QStringLiteral("&Non")));
    QVERIFY(textes.contains(QStringLiteral("Annuler")));
    QCOMPARE(textes.size(), 3);
    QCOMPARE(b->defaultButton()->text(), defaut);
    QCOMPARE(b->escapeButton()->text(), QStringLiteral("Annuler"));
  }

  // Each way of leaving the question and what it answers.
  void reponsesQuestion_data() {
    QTest::addColumn<QString>("geste");
    QTest::addColumn<int>("reponse");
    QTest::newRow("Oui") << "Oui" << int(Reponse::Oui);
    QTest::newRow("Non") << "Non" << int(Reponse::Non);
    QTest::newRow("Annuler") << "Annuler" << int(Reponse::Annuler);
    QTest::newRow("Escape") << "Escape" << int(Reponse::Annuler);
    QTest::newRow("close box") << "close" << int(Reponse::Annuler);
    QTest::newRow("Enter takes the default") << "Enter" << int(Reponse::Oui);
  }

  void reponsesQuestion() {
    QFETCH(QString, geste);
    QFETCH(int, reponse);
    DialoguesQt d;
    QuandModal([geste](QWidget* w) {
      auto* b = qobject_cast<QMessageBox*>(w);
      if (geste == QLatin1String("Escape")) QTest::keyClick(b, Qt::Key_Escape);
      else if (geste == QLatin1String("Enter")) QTest::keyClick(b, Qt::Key_Return);
      else if (geste == QLatin1String("close")) b->close();
      else b->findChild<QPushButton*>(geste)->click();
    });
    QCOMPARE(int(d.question("Confirmation", "?", Icone::Question, Reponse::Oui)), reponse);
  }

  // Plain boxes carry the application's title unless the core names a caption.
  void boitesSimples() {
    DialoguesQt d;
    QString titre, texte;
    QMessageBox::Icon icone = QMessageBox::NoIcon;
    auto note = [&](QWidget* w) {
      auto* b = qobject_cast<QMessageBox*>(w);
      titre = b->windowTitle();
      texte = b->text();
      icone = b->icon();
      QTest::keyClick(b, Qt::Key_Escape);
    };
    QuandModal(note);
    d.message("Fichier vide");
    QCOMPARE(titre, VersQt(fenetre::kTitreApplication));
    QCOMPARE(texte, QStringLiteral("Fichier vide"));
    QuandModal(note);
    d.message("Attention", "Information");
    QCOMPARE(titre, QStringLiteral("Information"));
    QuandModal(note);
    d.erreur("Table de type incorrect.", "ERREUR");
    QCOMPARE(titre, QStringLiteral("ERREUR"));
    QCOMPARE(icone, QMessageBox::Critical);

    // The busy cursor nests, and an extra end does not unbalance Qt's cursor stack.
    d.debutAttente();
    d.debutAttente();
    QVERIFY(QApplication::overrideCursor());
    d.finAttente();
    d.finAttente();
    d.finAttente();
    QVERIFY(!QApplication::overrideCursor());

    QString panneau;
    DialoguesQt avecPanneau(nullptr, [&](const QString& t) { panneau = t; });
    avecPanneau.indication("Pas de tri en fonction des dates");
    QCOMPARE(panneau, QStringLiteral("Pas de tri en fonction des dates"));
  }

  // A box goes over the window the operator is in: a dialog shown modally over the
  // main window when there is one, else the main window.
  void boitesSurLaFenetreActive() {
    QWidget principale;
    QDialog liste(&principale);
    DialoguesQt d(&principale);
    QList<QWidget*> parents;
    const auto note = [&](QWidget* w) {
      parents << w->parentWidget();
      QTest::keyClick(w, Qt::Key_Escape);
    };
    QuandModal(note);
    d.message("Sans liste");
    QuandModal([&](QWidget*) {
      QuandModal(note);  // the box, once it is over the list
      d.question("Restaurer", "?", Icone::Question, Reponse::Oui);
      liste.reject();
    });
    liste.exec();
    QCOMPARE(parents, (QList<QWidget*>{&principale, &liste}));
  }

  void chercheChampPresentation() {
    TFormChercheChamp f;
    QCOMPARE(f.windowTitle(), QStringLiteral("Aide à la recherche d'un nom de champ"));
    QCOMPARE(f.size(), QSize(336, 309));
    QCOMPARE(f.minimumSize(), f.maximumSize());
    f.Prepare(Demande());
    auto* titre = Enfant<QLabel>(f, "LabelTitre");
    auto* mess = Enfant<QLabel>(f, "LabelMess");
    auto* noms = Enfant<QListWidget>(f, "ListBoxNomChamps");
    auto* exemples = Enfant<QListWidget>(f, "ListBoxExemples");
    auto* ok = Enfant<QPushButton>(f, "ButtonOk");
    QCOMPARE(titre->text(), QStringLiteral("Champ des deuxièmes prénoms"));
    QVERIFY(titre->font().bold());
    QVERIFY(titre->font().pointSizeF() > mess->font().pointSizeF());
    QCOMPARE(mess->text(), QStringLiteral("Aide pour trouver le nom du champ qui contient les deuxièmes prénoms"));
    QVERIFY(mess->wordWrap());
    QStringList fixes;
    for (QLabel* l : f.findChildren<QLabel*>()) fixes << l->text();
    QVERIFY(fixes.contains(QStringLiteral("Si le fichier ne contient pas ce champ, faites \"Annuler\"")));
    QVERIFY(fixes.contains(QStringLiteral("Nom des champs")));
    QVERIFY(fixes.contains(QStringLiteral("Exemples du contenu de ce champ")));
    QCOMPARE(noms->count(), 4);
    QCOMPARE(noms->item(2)->text(), QStringLiteral("PRÉNOM 2"));
    QCOMPARE(noms->currentRow(), 2);
    QCOMPARE(exemples->count(), 3);
    QCOMPARE(exemples->item(0)->text(), QStringLiteral("ex2-0"));
    QVERIFY(ok->isDefault());
    QCOMPARE(ok->text(), QStringLiteral("Ok"));
    QCOMPARE(Enfant<QPushButton>(f, "ButtonAnnuler")->text(), QStringLiteral("Annuler"));

    // Clicking another name shows its examples.
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    QTest::mouseClick(noms->viewport(), Qt::LeftButton, {}, noms->visualItemRect(noms->item(3)).center());
    QCOMPARE(exemples->item(0)->text(), QStringLiteral("ex3-0"));
  }

  void chercheChampReponses_data() {
    QTest::addColumn<QString>("geste");
    QTest::addColumn<int>("preselection");
    QTest::addColumn<int>("choix");  // -1: cancelled
    QTest::newRow("Ok keeps the preselected entry") << "Ok" << 2 << 2;
    QTest::newRow("Enter is Ok") << "Enter" << 1 << 1;
    QTest::newRow("Annuler") << "Annuler" << 2 << -1;
    QTest::newRow("Escape") << "Escape" << 2 << -1;
    QTest::newRow("Ok without a selection") << "Ok" << -1 << -1;
    QTest::newRow("another entry chosen") << "Choix0" << 2 << 0;
  }

  void chercheChampReponses() {
    QFETCH(QString, geste);
    QFETCH(int, preselection);
    QFETCH(int, choix);
    DemandeChamp d = Demande();
    d.preselection = preselection;
    QuandModal([geste](QWidget* w) {
      auto* f = qobject_cast<TFormChercheChamp*>(w);
      auto* noms = Enfant<QListWidget>(*f, "ListBoxNomChamps");
      auto* ok = Enfant<QPushButton>(*f, "ButtonOk");
      if (geste == QLatin1String("Ok")) ok->click();
      else if (geste == QLatin1String("Annuler")) Enfant<QPushButton>(*f, "ButtonAnnuler")->click();
      else if (geste == QLatin1String("Escape")) QTest::keyClick(f, Qt::Key_Escape);
      else if (geste == QLatin1String("Enter")) QTest::keyClick(noms, Qt::Key_Return);
      else {
        noms->setCurrentRow(0);
        ok->click();
      }
    });
    DialoguesQt dialogues;
    const std::optional<int> r = dialogues.choisirChamp(d);
    QCOMPARE(r.value_or(-1), choix);
  }

  void identifiants() {
    FormIdentifiants f(QStringLiteral("serveur1"));
    auto* utilisateur = Enfant<QLineEdit>(f, "EditUtilisateur");
    auto* motDePasse = Enfant<QLineEdit>(f, "EditMotDePasse");
    auto* ok = Enfant<QPushButton>(f, "ButtonOk");
    QCOMPARE(utilisateur->text(), QStringLiteral("root"));
    QCOMPARE(motDePasse->echoMode(), QLineEdit::Password);
    QVERIFY(f.findChild<QLabel*>(QStringLiteral("LabelExplication"))->text().contains(QStringLiteral("serveur1")));
    utilisateur->setText(QStringLiteral("  "));
    QVERIFY(!ok->isEnabled());
    utilisateur->setText(QStringLiteral(" admin "));
    motDePasse->setText(QStringLiteral("s3cret; é"));
    QVERIFY(ok->isEnabled());
    QCOMPARE(f.Utilisateur(), QStringLiteral("admin"));
    QCOMPARE(f.MotDePasse(), QStringLiteral("s3cret; é"));
  }

  void options_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("action");
    QTest::addColumn<int>("sorte");
    QTest::addColumn<QString>("valeur");
    using A = OptionsLancement::Action;
    using S = ChoixMagasin::Sorte;
    QTest::newRow("none: the system store") << QStringList{} << int(A::Lance) << int(S::Systeme) << "";
    QTest::newRow("--serveur") << QStringList{"--serveur", "pdc"} << int(A::Lance) << int(S::Systeme) << "pdc";
    QTest::newRow("--base") << QStringList{"--base", "/tmp/b.db"} << int(A::Lance) << int(S::Base) << "/tmp/b.db";
    QTest::newRow("--demo") << QStringList{"--demo"} << int(A::Lance) << int(S::Demo) << "";
    QTest::newRow("--help wins") << QStringList{"--demo", "--help"} << int(A::Aide) << int(S::Systeme) << "";
    QTest::newRow("--version") << QStringList{"--version"} << int(A::Version) << int(S::Systeme) << "";
    QTest::newRow("missing value") << QStringList{"--base"} << int(A::Erreur) << int(S::Systeme) << "";
    QTest::newRow("empty value") << QStringList{"--serveur", ""} << int(A::Erreur) << int(S::Systeme) << "";
    QTest::newRow("two stores") << QStringList{"--demo", "--base", "x"} << int(A::Erreur) << int(S::Systeme) << "";
    QTest::newRow("twice") << QStringList{"--base", "x", "--base", "y"} << int(A::Erreur) << int(S::Systeme) << "";
    QTest::newRow("unknown") << QStringList{"--debug"} << int(A::Erreur) << int(S::Systeme) << "";
  }

  void options() {
    QFETCH(QStringList, args);
    QFETCH(int, action);
    QFETCH(int, sorte);
    QFETCH(QString, valeur);
    std::vector<std::string> mots;
    for (const QString& a : args) mots.push_back(a.toStdString());
    const OptionsLancement o = LitOptions(mots);
    QCOMPARE(int(o.action), action);
    if (o.action == OptionsLancement::Action::Erreur) {
      QVERIFY(!o.erreur.empty());
      return;
    }
    QCOMPARE(int(o.choix.sorte), sorte);
    const std::string& v = o.choix.sorte == ChoixMagasin::Sorte::Base ? o.choix.fichier : o.choix.serveur;
    QCOMPARE(QString::fromStdString(v), valeur);
  }

  void conversions() {
    QCOMPARE(VersQt("H\xE9l\xE8ne \x80 \x9C"), QStringLiteral("Hélène € œ"));
    QCOMPARE(VersCp1252(QStringLiteral("Hélène")), std::string("H\xE9l\xE8ne"));
    QCOMPARE(VersCp1252Exact(QStringLiteral("/home/élèves/Œuvre.csv")).value_or("?"),
             std::string("/home/\xE9l\xE8ves/\x8C" "uvre.csv"));
    // Letters without their own CP1252 byte would name another file.
    QVERIFY(!VersCp1252Exact(QStringLiteral("/tmp/Łódź.csv")));
    QVERIFY(!VersCp1252Exact(QStringLiteral("/tmp/\u4E2D.csv")));
    // Every byte round-trips, the five CP1252 leaves undefined included.
    std::string tous;
    for (int b = 1; b < 256; ++b) tous.push_back(static_cast<char>(b));
    QCOMPARE(VersCp1252Exact(VersQt(tous)).value_or(""), tous);
  }
};

static InscritSuite<TestDialogues> inscrit;

}  // namespace corrinom::app::test

#include "test_dialogues.moc"
