// Everyone can use the windows: every control that takes the focus has a name for
// screen readers, an account row says its mark in words, and every label shows
// whole at every scale.
#include <QAccessible>
#include <QFileDialog>
#include <QFontMetricsF>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressDialog>
#include <QTest>
#include <cmath>

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

}  // namespace

class TestAccessibilite : public QObject {
  Q_OBJECT

 private slots:
  // The main window and every secondary window: no control that takes the focus
  // without a name. A label in front of a control names it.
  void aucunControleSansNom() {
    Banc banc({CompteTavo("dupontj", "DUPONT", "Jean", "01/02/2003"),
               CompteTavo("martinl", "MARTIN", "L\xE9" "a", "03/04/2004")});
    TFormCorrinom& f = *banc.fenetre;
    QCOMPARE(SansNomUneFoisMontree(f), QStringList());
    const QAccessibleInterface* edition = QAccessible::queryAccessibleInterface(f.EditNomFich());
    QCOMPARE(edition->text(QAccessible::Name), QStringLiteral("Nom du fichier contenant les utilisateurs modifiés"));
    QCOMPARE(QAccessible::queryAccessibleInterface(f.ListViewRebus())->text(QAccessible::Name),
             QStringLiteral("Utilisateurs non trouvés"));

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

    TFormChangements changements({}, QStringLiteral("base"), [](const QString&) { return std::nullopt; }, &f);
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

  // An account row says its mark in words after its login: the picture alone says
  // nothing to a screen reader.
  void ligneDitSaMarque() {
    Banc banc({CompteTavo("dupontj", "DUPONT", "Jean", "01/02/2003")});
    QAbstractItemModel* m = banc.fenetre->ListViewUsers()->model();
    QCOMPARE(m->index(0, 0).data(Qt::AccessibleTextRole).toString(), QStringLiteral("dupontj, compte à ne pas changer"));
    banc.Attache(0, "DUPONT", "Jean Pierre", "01/02/2003");
    QCOMPARE(m->index(0, 0).data(Qt::AccessibleTextRole).toString(), QStringLiteral("dupontj, modification importante"));
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
