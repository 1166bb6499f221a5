// Everyone can use the windows: every control that takes the focus has a name for
// screen readers, an account row says its mark in words, the demo's job goes
// through with the keyboard alone, and every label shows whole at every scale.
#include <QAccessible>
#include <QDir>
#include <QFileDialog>
#include <QFontMetricsF>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressDialog>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <functional>

#include "accounts/store/base_demo.h"
#include "app/dialogues_qt.h"
#include "app/fenetre_lecture.h"
#include "app/form_aide_htm.h"
#include "app/form_changements.h"
#include "app/form_cherche_champ.h"
#include "app/form_identifiants.h"
#include "app/form_ressemblance.h"
#include "app/texte_qt.h"
#include "tests/app/outils.h"
#include "tests/app/suites.h"
#include "window/accessibilite.h"
#include "window/controles.h"

namespace corrinom::app::test {

namespace {

// The controls of a window's accessible tree that take the focus and have no name,
// by their object name and class.
void SansNom(QAccessibleInterface* iface, QStringList& manquants) {
  if (!iface) return;
  QObject* objet = iface->object();
  auto* w = qobject_cast<QWidget*>(objet);
  if (w && w->isVisible() && w->focusPolicy() != Qt::NoFocus && iface->text(QAccessible::Name).isEmpty())
    manquants << QStringLiteral("%1 (%2)").arg(w->objectName(), QString::fromLatin1(w->metaObject()->className()));
  // Only widgets: a list's rows and cells are read as the model gives them.
  if (!w) return;
  for (int i = 0; i < iface->childCount(); ++i) SansNom(iface->child(i), manquants);
}

QStringList SansNom(QWidget& fenetre) {
  QStringList manquants;
  SansNom(QAccessible::queryAccessibleInterface(&fenetre), manquants);
  return manquants;
}

// Shows a window and gives the controls it names without a name.
QStringList SansNomUneFoisMontree(QWidget& fenetre) {
  fenetre.show();
  if (!QTest::qWaitForWindowExposed(&fenetre)) return {QStringLiteral("(fenêtre non montrée)")};
  return SansNom(fenetre);
}

std::optional<std::size_t> LigneDe(const EtatRapprochement& etat, const std::string& login) {
  for (std::size_t i = 0; i < etat.comptes.size(); ++i)
    if (etat.comptes[i].login == login) return i;
  return std::nullopt;
}

QString Focus() {
  QWidget* w = QApplication::focusWidget();
  return w ? w->objectName() : QString();
}

void Touche(Qt::Key touche, Qt::KeyboardModifiers modificateurs = Qt::NoModifier) {
  QTest::keyClick(QApplication::focusWidget(), touche, modificateurs);
}

void Tape(const QString& texte) { QTest::keyClicks(QApplication::focusWidget(), texte); }

// Offscreen there is no window manager to give the activation back to the window
// when a box over it closes, as a desktop does: the test gives it back, and the
// window's focus comes back to the control that had it.
bool Reactive(QWidget& fenetre) {
  if (!fenetre.isActiveWindow()) fenetre.activateWindow();
  return QTest::qWaitForWindowActive(&fenetre);
}

// Presses Tab until the control of that name has the focus, at most a whole round.
bool TabulationVers(QWidget& fenetre, const QString& nom) {
  if (!Reactive(fenetre)) return false;
  for (int i = 0; i < 20 && Focus() != nom; ++i) Touche(Qt::Key_Tab);
  return Focus() == nom;
}

// Once a modal window of type T is up, runs `action` on it with the focus in it.
template <class T>
void QuandModal(std::function<void(T*)> action) {
  QTimer::singleShot(10, [action] {
    auto* w = qobject_cast<T*>(QApplication::activeModalWidget());
    if (!w || !w->isActiveWindow()) return QuandModal<T>(action);
    action(w);
  });
}

// Answers the next message box with Entrée, keeping its text.
void EntreeSurLaBoite(QStringList& textes) {
  QuandModal<QMessageBox>([&textes](QMessageBox* b) {
    textes << b->text();
    Touche(Qt::Key_Return);
  });
}

}  // namespace

class TestAccessibilite : public QObject {
  Q_OBJECT

 private slots:
  // The main window and every secondary window: no control that takes the focus
  // without a name. A label in front of a control names it; a row says its mark.
  void aucunControleSansNom() {
    Banc banc({CompteTavo("dupontj", "DUPONT", "Jean", "01/02/2003"),
               CompteTavo("martinl", "MARTIN", "L\xE9" "a", "03/04/2004")});
    TFormCorrinom& f = *banc.fenetre;
    QCOMPARE(SansNomUneFoisMontree(f), QStringList());
    const QAccessibleInterface* edition = QAccessible::queryAccessibleInterface(f.EditNomFich());
    QCOMPARE(edition->text(QAccessible::Name), QStringLiteral("Nom du fichier contenant les utilisateurs modifiés"));
    QCOMPARE(QAccessible::queryAccessibleInterface(f.ListViewRebus())->text(QAccessible::Name),
             QStringLiteral("Utilisateurs non trouvés"));
    // An account row says its mark's words after its login: the picture says nothing.
    const QModelIndex login = f.ListViewUsers()->model()->index(0, 0);
    QCOMPARE(login.data(Qt::AccessibleTextRole).toString(), QStringLiteral("dupontj, compte à ne pas changer"));
    banc.Attache(0, "DUPONT", "Jean Pierre", "01/02/2003");
    QCOMPARE(login.data(Qt::AccessibleTextRole).toString(), QStringLiteral("dupontj, modification importante"));

    std::unique_ptr<QFileDialog> ouvrir = f.CreeOpenDialog1();
    QCOMPARE(SansNomUneFoisMontree(*ouvrir), QStringList());
    ouvrir->close();

    // The write's progress window is walked during the keyboard run below.
    FenetreLecture lecture(&f);
    lecture.debut(0);
    QCOMPARE(SansNom(lecture), QStringList());
    lecture.close();

    TFormChercheChamp chercheChamp(&f);
    DemandeChamp demande;
    demande.titre = "Champ";
    demande.noms = {"NOM", "PRENOM"};
    demande.exemples = [](int) { return std::vector<std::string>{"ex"}; };
    chercheChamp.Prepare(demande);
    QCOMPARE(SansNomUneFoisMontree(chercheChamp), QStringList());

    TFormAideHtm aide(&f);
    QCOMPARE(SansNomUneFoisMontree(aide), QStringList());

    TFormChangements changements({}, QStringLiteral("base"), [](const std::string&) { return std::nullopt; }, &f);
    QCOMPARE(SansNomUneFoisMontree(changements), QStringList());

    banc.etat.rebus.push_back({"MARTINE", "L\xE9" "a", "03/04/2004"});
    const auto lignes = LignesRessemblance(banc.etat);
    fenetre::RevueRessemblance revue(banc.etat, lignes, CochesOuverture(lignes));
    TFormRessemblance ressemblance(revue, &f);
    QCOMPARE(SansNomUneFoisMontree(ressemblance), QStringList());

    FormIdentifiants identifiants(QStringLiteral("serveur"), &f);
    QCOMPARE(SansNomUneFoisMontree(identifiants), QStringList());

    std::unique_ptr<QMessageBox> question(DialoguesQt::CreeQuestion(&f, "Titre", "Texte ?", Icone::Question,
                                                                    Reponse::Oui));
    QCOMPARE(SansNomUneFoisMontree(*question), QStringList());

    // The walk does find an unnamed edit box.
    QWidget temoin;
    (new QLineEdit(&temoin))->setObjectName(QStringLiteral("SansLibelle"));
    QCOMPARE(SansNomUneFoisMontree(temoin), QStringList{QStringLiteral("SansLibelle (QLineEdit)")});
  }

  // The demo's job with the keyboard alone, through the real boxes and the file
  // dialog, then the base read back. On the way, every control of the window is
  // reached by Tab and looks otherwise while it has the focus.
  void travailAuClavier() {
    BaseDemoTemporaire demo;
    QVERIFY2(demo.magasin, demo.erreur.c_str());
    std::unique_ptr<MagasinSqlite>& magasin = demo.magasin;
    CompteStocke rouxAvant;
    QCOMPARE(magasin->lit("roux.clara", rouxAvant), kNerrSuccess);
    EtatRapprochement etat;
    DialoguesScript chargement;
    QCOMPARE(ChargeUtilisateurs(*magasin, etat, chargement), 0u);
    TFormCorrinom f(etat, *magasin, QStringLiteral("Base de démonstration"));
    f.show();
    QVERIFY(QTest::qWaitForWindowActive(&f));
    QCOMPARE(Focus(), QStringLiteral("EditNomFich"));

    // "Ouvrir", then the file's name typed in the dialog.
    const QString fichier =
        QDir(QStringLiteral(CORRINOM_EXEMPLES)).filePath(QStringLiteral("ElevesSansAdresses.xml"));
    QVERIFY(TabulationVers(f, QStringLiteral("ButtonOuvrir")));
    QString saisie;
    QuandModal<QFileDialog>([&](QFileDialog*) {
      saisie = Focus();
      Tape(fichier);
      Touche(Qt::Key_Return);
    });
    Touche(Qt::Key_Space);
    QCOMPARE(saisie, QStringLiteral("fileNameEdit"));
    QCOMPARE(f.EditNomFich()->text(), QDir::toNativeSeparators(fichier));
    QVERIFY(!etat.rebus.empty());
    QVERIFY(Reactive(f));
    QCOMPARE(Focus(), QStringLiteral("ButtonOuvrir"));

    // A whole round of Tab reaches every control that takes the focus, each drawn
    // otherwise while it has it.
    QStringList atteints, sansFocusVisible;
    for (int i = 0; i < 20; ++i) {
      QWidget* w = QApplication::focusWidget();
      QVERIFY(w);
      if (atteints.contains(w->objectName())) break;
      atteints << w->objectName();
      QVERIFY(w->hasFocus());
      const QImage avec = w->grab().toImage();
      Touche(Qt::Key_Tab);
      if (w->grab().toImage() == avec) sansFocusVisible << w->objectName();
    }
    QStringList attendus;
    for (QWidget* w : f.findChildren<QWidget*>())
      if (w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy())
        attendus << w->objectName();
    atteints.sort();
    attendus.sort();
    QCOMPARE(atteints, attendus);
    QCOMPARE(sansFocusVisible, QStringList());

    // The first aid, and its result answered with Entrée.
    QStringList boites;
    QVERIFY(TabulationVers(f, QStringLiteral("Button3")));
    EntreeSurLaBoite(boites);
    Touche(Qt::Key_Space);
    QCOMPARE(boites.size(), 1);
    QCOMPARE(etat.comptes[*LigneDe(etat, "roux.clara")].marque, Marque::ModificationImportante);

    // GARCIA-LOPEZ, typed in the not-found list, onto garcia.i, typed in the account
    // list; then roux.clara, attached by the aid, is freed.
    QVERIFY(TabulationVers(f, QStringLiteral("ListViewRebus")));
    Tape(QStringLiteral("GARCIA"));
    QVERIFY(TabulationVers(f, QStringLiteral("ListViewUsers")));
    Tape(QStringLiteral("garcia.i"));
    Touche(Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(etat.comptes[*LigneDe(etat, "garcia.i")].sousItem(kNouveauNom), std::string("GARCIA-LOPEZ"));
    QTest::qWait(QApplication::keyboardInputInterval() + 100);  // a new search in the list
    Tape(QStringLiteral("roux.clara"));
    Touche(Qt::Key_Delete);
    QCOMPARE(etat.comptes[*LigneDe(etat, "roux.clara")].marque, Marque::NePasChanger);

    // The write: Entrée for the confirmation, Entrée for the summary. Its progress
    // window has a name for every control too.
    QStringList progressionSansNom;
    bool progressionVue = false;
    QTimer sonde;
    connect(&sonde, &QTimer::timeout, [&] {
      if (QProgressDialog* p = f.FenetreProgression()) {
        progressionVue = true;
        progressionSansNom << SansNom(*p);
      }
    });
    sonde.start(0);
    QVERIFY(TabulationVers(f, QStringLiteral("Button1")));
    EntreeSurLaBoite(boites);
    QuandModal<QMessageBox>([&](QMessageBox*) { EntreeSurLaBoite(boites); });
    Touche(Qt::Key_Space);
    sonde.stop();
    QCOMPARE(boites.size(), 3);
    QVERIFY2(boites[2].contains(QStringLiteral("changements de nom effectués")), qPrintable(boites[2]));
    QVERIFY(progressionVue);
    QCOMPARE(progressionSansNom, QStringList());

    // Offscreen there is no window manager to turn Alt+F4 into a close: "Quitter"
    // closes the window the same way, with no question now that nothing is pending.
    QVERIFY(TabulationVers(f, QStringLiteral("Button2")));
    Touche(Qt::Key_Space);
    QVERIFY(!f.isVisible());

    // The base: garcia.i has its new name, roux.clara was not written.
    magasin.reset();
    magasin = MagasinSqlite::Ouvre(demo.chemin, demo.erreur);
    QVERIFY(magasin);
    CompteStocke garcia, roux;
    QCOMPARE(magasin->lit("garcia.i", garcia), kNerrSuccess);
    QCOMPARE(QString::fromStdString(garcia.full_name.texte), QStringLiteral("GARCIA-LOPEZ Inès"));
    QCOMPARE(magasin->lit("roux.clara", roux), kNerrSuccess);
    QVERIFY(roux == rouxAvant);
  }

  // Each label that shares its line with other controls: its text, measured with
  // its font on a screen of that scale, fits in the room the window leaves it up to
  // the next control, less the gap that keeps them from touching. Qt scales the
  // whole window, so the room is the window's, multiplied.
  void libellesEntiers() {
    Banc banc({});
    TFormCorrinom& f = *banc.fenetre;
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    for (const double echelle : {1.0, 1.25, 1.5, 2.0}) {
      const int dpi = static_cast<int>(std::lround(96 * echelle));
      QImage ecran(1, 1, QImage::Format_ARGB32);
      ecran.setDotsPerMeterX(static_cast<int>(std::lround(dpi / 0.0254)));
      ecran.setDotsPerMeterY(ecran.dotsPerMeterX());
      for (const fenetre::PlaceLibelle& p : fenetre::PlacesLibelles(dpi)) {
        const QString nom = QString::fromLatin1(p.libelle.data(), static_cast<qsizetype>(p.libelle.size()));
        auto* libelle = f.findChild<QLabel*>(nom);
        QVERIFY2(libelle, qPrintable(nom));
        QWidget* parent = libelle->parentWidget();
        int fin = parent->width() - fenetre::kMargesCadre.droite;
        if (!p.suivant.empty()) {
          auto* suivant = parent->findChild<QWidget*>(
              QString::fromLatin1(p.suivant.data(), static_cast<qsizetype>(p.suivant.size())));
          QVERIFY2(suivant, qPrintable(nom));
          fin = suivant->x();
        }
        const double place = (fin - libelle->x()) * echelle - fenetre::AEchelle(fenetre::kEcartLibelle, dpi);
        const double largeur = QFontMetricsF(libelle->font(), &ecran).horizontalAdvance(VersQt(p.texte));
        QVERIFY2(largeur <= place, qPrintable(QStringLiteral("%1 à %2 : %3 pour %4")
                                                  .arg(nom).arg(echelle).arg(largeur).arg(place)));
      }
    }
  }
};

static InscritSuite<TestAccessibilite> inscrit;

}  // namespace corrinom::app::test

#include "test_accessibilite.moc"
