// The main window: its controls, the focus hints, column clicks, drag and drop, the
// Delete key, the matching aids, the write and the close question, and input that
// must change nothing.
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include "app/form_changements.h"
#include "app/form_ressemblance.h"
#include "app/modeles.h"
#include "window/controles.h"
#include "app/texte_qt.h"
#include "window/images_marques.h"
#include "tests/app/outils.h"
#include "tests/app/suites.h"

namespace corrinom::app::test {

namespace {

using Genre = DialoguesScript::Genre;

std::vector<CompteBase> QuatreComptes() {
  return {CompteTavo("dupontj", "DUPONT", "Jean", "01/02/2003"),
          CompteTavo("martinl", "MARTIN", "L\xE9" "a", "03/04/2004"),
          CompteTavo("bernardp", "BERNARD", "Paul", "05/06/2005"),
          CompteTavo("petitc", "PETIT", "Claire", "07/08/2006")};
}

template <typename T = QWidget>
T* Controle(QWidget& fenetre, const char* nom) {
  return fenetre.findChild<T*>(QString::fromLatin1(nom));
}

QString Panneau1(TFormCorrinom& f) { return f.Panneau(1)->text(); }

// The script's texts of one kind, decoded for comparison with Qt strings.
QStringList Textes(const DialoguesScript& s, Genre g) {
  QStringList r;
  for (const std::string& t : s.textes(g)) r << VersQt(t);
  return r;
}

}  // namespace

class TestFenetre : public QObject {
  Q_OBJECT

 private slots:
  void controlesEtTextes() {
    Banc banc(QuatreComptes());
    TFormCorrinom& f = *banc.fenetre;
    QCOMPARE(f.windowTitle(), QStringLiteral("Correction des noms et prénoms des utilisateurs TAVO"));
    QCOMPARE(f.size(), QSize(863, 497));

    struct Attendu { const char* nom; QString texte; QRect place; };
    const Attendu boutons[] = {
        {"ButtonOuvrir", QStringLiteral("Ouvrir"), QRect(632, 4, 61, 21)},
        {"Button3", QStringLiteral("Rapprocher ceux qui ont le même nom et le même premier prénom"), QRect()},
        {"Button6", QStringLiteral("Rapprocher en fonction de la date de naissance"), QRect()},
        {"Button7", QStringLiteral("Rapprocher les noms ressemblants"), QRect()},
        {"Button1", QStringLiteral("Effectuer les changements dans le serveur"), QRect(88, 8, 277, 21)},
        {"Button2", QStringLiteral("Quitter"), QRect(380, 8, 150, 21)},
        {"Button4", QStringLiteral("Aide"), QRect(540, 8, 150, 21)},
        {"ButtonChangements", QStringLiteral("Voir les changements"), QRect(700, 8, 150, 21)},
    };
    for (const Attendu& a : boutons) {
      auto* b = Controle<QPushButton>(f, a.nom);
      QVERIFY2(b, a.nom);
      QCOMPARE(b->text(), a.texte);
      if (!a.place.isNull()) QCOMPARE(b->geometry(), a.place);
    }
    QCOMPARE(Controle<QPushButton>(f, "Button3")->size(), QSize(337, 25));
    QCOMPARE(Controle<QPushButton>(f, "Button6")->size(), QSize(337, 25));
    QCOMPARE(Controle<QPushButton>(f, "Button7")->size(), QSize(337, 25));
    QCOMPARE(Controle<QPushButton>(f, "Button6")->y() - Controle<QPushButton>(f, "Button3")->y(), 28);
    QCOMPARE(Controle<QPushButton>(f, "Button7")->y() - Controle<QPushButton>(f, "Button6")->y(), 28);
    QCOMPARE(f.EditNomFich()->geometry(), QRect(256, 4, 369, 21));

    const std::pair<const char*, QString> cadres[] = {
        {"GroupBox3", QStringLiteral("Aide au rapprochement")},
        {"GroupBoxResume", QStringLiteral("Travail à faire")},
        {"GroupBox4", QStringLiteral("Utilisateurs non trouvés")},
        {"GroupBox1", QStringLiteral("Liste des utilisateurs TAVO")}};
    for (const auto& [nom, titre] : cadres) QCOMPARE(Controle<QGroupBox>(f, nom)->title(), titre);
    QCOMPARE(Controle<QGroupBox>(f, "GroupBoxResume")->height(), 74);
    QCOMPARE(Controle<QWidget>(f, "Panel1")->height(), 29);
    QCOMPARE(Controle<QWidget>(f, "Panel2")->height(), 72);
    QCOMPARE(Controle<QWidget>(f, "Panel3")->height(), 37);
    QCOMPARE(Controle<QLabel>(f, "Label3")->text(),
             QStringLiteral("Utilisez le bouton Aide pour obtenir des conseils sur l'utilisation de ce programme."));
    QCOMPARE(Controle<QLabel>(f, "Label1")->pos(), QPoint(0, 8));
    QCOMPARE(Controle<QLabel>(f, "Label1")->text(),
             QStringLiteral("Nom du fichier contenant les utilisateurs modifiés"));
    QCOMPARE(Controle<QLabel>(f, "Panel1Caption")->text(),
             QStringLiteral("Programme à utiliser lorsque des noms ou prénoms ont été changés dans des "
                            "fichiers à importer"));
    QVERIFY(Controle<QLabel>(f, "Panel1Caption")->alignment() & Qt::AlignHCenter);
    QCOMPARE(f.font().families().value(0), QStringLiteral("MS Sans Serif"));
    QCOMPARE(f.font().pointSize(), 8);
    QCOMPARE(Controle<QSplitter>(f, "Splitter1")->handleWidth(), 3);
    QCOMPARE(Controle<QSplitter>(f, "PanelHaut")->handleWidth(), 3);

    // Both lists with their columns and widths.
    const QStringList colonnesComptes{"Login", "Noms actuels", "Prénoms actuels", "Date naiss",
                                      "Nouv. noms", "Nouv. prénoms", "Date naiss"};
    const QStringList colonnesRebus{"Noms", "Prénoms", "Date naiss"};
    for (int c = 0; c < 7; ++c) {
      QCOMPARE(f.ListViewUsers()->model()->headerData(c, Qt::Horizontal).toString(), colonnesComptes[c]);
      QCOMPARE(f.ListViewUsers()->header()->sectionSize(c), fenetre::kColonnesComptes[static_cast<std::size_t>(c)].largeur);
    }
    for (int c = 0; c < 3; ++c) {
      QCOMPARE(f.ListViewRebus()->model()->headerData(c, Qt::Horizontal).toString(), colonnesRebus[c]);
      QCOMPARE(f.ListViewRebus()->header()->sectionSize(c), fenetre::kColonnesRebus[static_cast<std::size_t>(c)].largeur);
    }
    QCOMPARE(f.ListViewUsers()->selectionBehavior(), QAbstractItemView::SelectRows);
    QCOMPARE(f.ListViewUsers()->selectionMode(), QAbstractItemView::SingleSelection);
    QCOMPARE(f.ListViewUsers()->editTriggers(), QAbstractItemView::NoEditTriggers);

    // The rows as loaded, grey, with the login and three sub-items.
    QAbstractItemModel* m = f.ListViewUsers()->model();
    QCOMPARE(m->rowCount(), 4);
    QCOMPARE(m->index(1, 0).data().toString(), QStringLiteral("martinl"));
    QCOMPARE(m->index(1, 2).data().toString(), QStringLiteral("Léa"));
    QCOMPARE(m->index(1, 4).data().toString(), QString());
    QCOMPARE(m->index(1, 0).data(Qt::DecorationRole).value<QIcon>().cacheKey(),
             ImageListRougeVertGris::Image(Marque::NePasChanger).cacheKey());

    // Status bar: version text, empty hint panel, no base label for the system store.
    QCOMPARE(f.Panneau(0)->text(), QStringLiteral("Corrinom version 1.02. Ostrel"));
    QCOMPARE(f.Panneau(0)->width(), 220);
    QCOMPARE(f.Panneau(1)->text(), QString());
    QVERIFY(!f.PanneauBase());

    // Counters from the load, the account list's hint until the first count.
    QCOMPARE(Controle<QLabel>(f, "LabelRienAFaire")->text(), QStringLiteral("4 comptes à ne pas changer"));
    QCOMPARE(Controle<QLabel>(f, "LabelDejaBon")->text(), QStringLiteral("0 compte déjà bon"));
    QCOMPARE(Controle<QLabel>(f, "LabelAFaireMineur")->text(), QStringLiteral("0 modification mineure"));
    QCOMPARE(Controle<QLabel>(f, "LabelAFaire")->text(), QStringLiteral("0 modification importante"));
    QCOMPARE(f.ListViewUsers()->toolTip(), QStringLiteral("Aucun nom"));
    QCOMPARE(f.ListViewRebus()->toolTip(), QString());

    // The open-file dialog: the two entries under their own labels, the first one
    // chosen, the typed name proposed, a file that need not exist, no default suffix.
    f.EditNomFich()->setText(QStringLiteral("/tmp/ElevesSansAdresses.xml"));
    std::unique_ptr<QFileDialog> d = f.CreeOpenDialog1();
    d->setOption(QFileDialog::DontUseNativeDialog, true);
    auto* types = d->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    QVERIFY(types);
    QCOMPARE(types->count(), 2);
    QCOMPARE(types->itemText(0), QStringLiteral("Fichiers Sconet (*.xml;*.csv;*.txt)"));
    QCOMPARE(types->itemText(1), QStringLiteral("Tous les fichiers"));
    QCOMPARE(types->currentIndex(), 0);
    // Qt took the patterns of the first entry, separated by blanks.
    auto* modele = d->findChild<QFileSystemModel*>();
    QVERIFY(modele);
    QCOMPARE(modele->nameFilters(), (QStringList{"*.xml", "*.csv", "*.txt"}));
    d->selectNameFilter(TFormCorrinom::FiltresOuvrir().back());
    QCOMPARE(modele->nameFilters(), (QStringList{"*"}));
    QCOMPARE(d->fileMode(), QFileDialog::AnyFile);
    QCOMPARE(d->defaultSuffix(), QString());
    QCOMPARE(QFileInfo(d->selectedFiles().value(0)).fileName(), QStringLiteral("ElevesSansAdresses.xml"));
  }

  // The bands and the two splitters at their design sizes once the window is laid out:
  // the upper band 196 high, the aids' box 461 wide, each splitter 3 pixels thick.
  void bandesEtSeparateurs() {
    Banc banc(QuatreComptes());
    TFormCorrinom& f = *banc.fenetre;
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    QCOMPARE(Controle<QWidget>(f, "PanelHaut")->height(), 196);
    QCOMPARE(Controle<QWidget>(f, "GroupBox3")->geometry(), QRect(0, 0, 461, 196));
    QCOMPARE(Controle<QWidget>(f, "GroupBoxResume")->geometry(), QRect(0, 196 - 74, 461, 74));
    auto* Splitter2 = Controle<QSplitterHandle>(f, "Splitter2");
    QVERIFY(Splitter2);
    QCOMPARE(Splitter2->orientation(), Qt::Horizontal);  // side by side: a vertical bar
    // Qt widens the handle's grip by a pixel each side; the gap it keeps is 3.
    QCOMPARE(Splitter2->geometry().center().x(), 461 + 1);
    QCOMPARE(Controle<QWidget>(f, "GroupBox4")->x(), 464);
    QCOMPARE(Controle<QWidget>(f, "GroupBox1")->y(), 196 + 3);
    // Panel2: the line, then the word-wrapped advice, both along its bottom.
    QCOMPARE(Controle<QWidget>(f, "Bevel1")->geometry(), QRect(0, 72 - 27 - 12, 863, 12));
    QCOMPARE(Controle<QWidget>(f, "Label3")->geometry(), QRect(0, 72 - 27, 863, 27));
    QVERIFY(Controle<QLabel>(f, "Label3")->wordWrap());
  }

  void marquesDessinees() {
    // The pictures shown are the drawn marks: in the account list, beside the
    // counters and before the choices of ComboMarques that keep one mark.
    const auto dessin = [](Marque m) {
      const fenetre::ImageMarque d = fenetre::DessineMarque(m, 16);
      return QImage(reinterpret_cast<const uchar*>(d.argb.data()), 16, 16, 64, QImage::Format_ARGB32)
          .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    };
    // Both premultiplied, as a pixmap keeps them.
    const auto vue = [](const QPixmap& p) {
      return p.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    };
    Banc banc(QuatreComptes());
    TFormCorrinom& f = *banc.fenetre;
    const QVariant premiere = f.ListViewUsers()->model()->index(0, 0).data(Qt::DecorationRole);
    QCOMPARE(vue(premiere.value<QIcon>().pixmap(16, 16)), dessin(Marque::NePasChanger));
    QCOMPARE(vue(Controle<QLabel>(f, "LabelAFaireImage")->pixmap()), dessin(Marque::ModificationImportante));
    QComboBox* choix = f.ComboMarques();
    QCOMPARE(choix->count(), 6);
    for (int i = 0; i < choix->count(); ++i) {
      const QImage image = vue(choix->itemIcon(i).pixmap(16, 16));
      if (const std::optional<Marque> m = fenetre::MarqueDuChoix(static_cast<ChoixMarques>(i)))
        QCOMPARE(image, dessin(*m));
      else
        QCOMPARE(qAlpha(image.pixel(8, 8)), 0);
    }
  }

  void baseNommeeDansLaBarreEtat() {
    Banc banc({}, QStringLiteral("Base de démonstration"));
    QVERIFY(banc.fenetre->PanneauBase());
    QCOMPARE(banc.fenetre->PanneauBase()->text(), QStringLiteral("Base de démonstration"));
    // With no account at all the counters read 0, in the singular.
    QCOMPARE(Controle<QLabel>(*banc.fenetre, "LabelRienAFaire")->text(), QStringLiteral("0 compte à ne pas changer"));
  }

  // Tab walks the twelve controls in order; each shows its hint on entry and the panel
  // is emptied on leaving it.
  void ordreDuFocusEtIndications() {
    Banc banc(QuatreComptes());
    TFormCorrinom& f = *banc.fenetre;
    f.show();
    QVERIFY(QTest::qWaitForWindowActive(&f));
    const char* ordre[] = {"EditNomFich",   "ButtonOuvrir", "Button3",       "Button6",
                           "Button7",       "ListViewRebus", "EditRecherche", "ComboMarques",
                           "ListViewUsers", "Button1",      "Button2",       "Button4",
                           "ButtonChangements"};
    const QString indications[] = {
        QStringLiteral("Tapez le chemin ou cliquez sur \"Ouvrir\" pour choisir un fichier à importer"),
        QStringLiteral("Ouvre et fait correspondre les utilisateurs trouvés avec ceux qui existent déjà"),
        QStringLiteral("Recherche parmi les utilisateurs non trouvés ceux qui ont des prénoms en plus ou en moins."),
        QStringLiteral("Compare les dates de naissance et vous demande confirmation."),
        QStringLiteral("Propose, en commençant par les plus ressemblantes, les personnes non trouvées qui "
                       "ressemblent à un compte libre"),
        QStringLiteral("Faites glissez vers la liste des utilisateurs TAVO"),
        QStringLiteral("Tapez une partie d'un login, d'un nom ou d'un prénom pour ne montrer que les comptes qui la contiennent"),
        QStringLiteral("Choisissez les comptes à montrer suivant leur point de couleur"),
        QStringLiteral("Pour supprimer, faites glissez vers la liste des utilisateurs non trouvés"),
        QStringLiteral("Effectue les modifications des noms dans dans votre serveur TAVO"),
        QStringLiteral("Quitte ce programme"),
        QStringLiteral("Donne une fenêtre d'aide et de conseils sur l'utilisation de ce programme"),
        QStringLiteral("Montre la liste des changements qui seront écrits dans le serveur")};
    // The window opens with the file name's edit box, and its hint.
    QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(ordre[0]));
    QCOMPARE(Panneau1(f), indications[0]);
    for (int i = 1; i < int(std::size(ordre)); ++i) {
      banc.script.appels.clear();
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(ordre[i]));
      QCOMPARE(Panneau1(f), indications[i]);
      // Leaving the previous control emptied the panel before the new hint came.
      const QStringList vus = Textes(banc.script, Genre::Indication);
      QCOMPARE(vus, (QStringList{QString(), indications[i]}));
    }
  }

  void clicsSurLesColonnes() {
    Banc banc(QuatreComptes());
    TFormCorrinom& f = *banc.fenetre;
    banc.Attache(3, "PETIT", "claire", "07/08/2006");  // pink
    QAbstractItemModel* m = f.ListViewUsers()->model();
    auto logins = [&] {
      QStringList r;
      for (int i = 0; i < m->rowCount(); ++i) r << m->index(i, 0).data().toString();
      return r;
    };
    f.ListViewUsers()->SelectionneLigne(2);  // bernardp
    emit f.ListViewUsers()->header()->sectionClicked(0);
    QCOMPARE(Panneau1(f), QStringLiteral("La liste des utilisateurs TAVO vient d'être rangée suivant les icônes"));
    QCOMPARE(logins(), (QStringList{"bernardp", "dupontj", "martinl", "petitc"}));
    QCOMPARE(f.ListViewUsers()->LigneSelectionnee(), std::optional<std::size_t>(0));  // followed its row
    emit f.ListViewUsers()->header()->sectionClicked(2);
    QCOMPARE(Panneau1(f), QStringLiteral("La liste des utilisateurs TAVO vient d'être rangée suivant les prénoms actuels"));
    QCOMPARE(logins(), (QStringList{"petitc", "dupontj", "martinl", "bernardp"}));
    emit f.ListViewUsers()->header()->sectionClicked(0);
    QCOMPARE(Panneau1(f), QStringLiteral("La liste des utilisateurs TAVO vient d'être rangée suivant les noms de login"));
    QCOMPARE(logins(), (QStringList{"bernardp", "dupontj", "martinl", "petitc"}));
    emit f.ListViewUsers()->header()->sectionClicked(6);
    QCOMPARE(Panneau1(f), QStringLiteral("Pas de tri en fonction des dates"));

    // A real click on a header section goes the same way.
    QHeaderView* entete = f.ListViewRebus()->header();
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    QTest::mouseClick(entete->viewport(), Qt::LeftButton, {},
                      QPoint(entete->sectionViewportPosition(2) + 5, entete->height() / 2));
    QCOMPARE(Panneau1(f), QStringLiteral("Pas de tri en fonction des dates"));
  }

  // Drags decided from our own drag data: which lists accept them, and what a drop
  // on a row, on an attached row and below the last row does.
  void glisserDeposer() {
    Banc banc(QuatreComptes());
    TFormCorrinom& f = *banc.fenetre;
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    banc.etat.rebus.push_back({"DURAND", "Marc", "09/09/2009"});
    banc.etat.rebus.push_back({"", "Sans", "01/01/2001"});
    banc.Attache(0, "DUPONT", "Jean-Marc", "01/02/2003");  // red
    const QByteArray& jeton = f.JetonGlisse();
    ListeRapport* comptes = f.ListViewUsers();
    ListeRapport* rebus = f.ListViewRebus();

    // Accept rules while the pointer moves over each list.
    struct Regle { ListeSource source; ListeRapport* vue; bool accepte; };
    const Regle regles[] = {{ListeSource::Comptes, comptes, true}, {ListeSource::Rebus, comptes, true},
                            {ListeSource::Comptes, rebus, true}, {ListeSource::Rebus, rebus, false}};
    for (const Regle& r : regles) {
      std::unique_ptr<QMimeData> d(DonneesGlisse(r.source, jeton));
      QCOMPARE(GlisseDepose(r.vue, d.get(), 5, false), r.accepte);
    }
    // Foreign drags: another program's data, another window's token.
    QMimeData fichiers;
    fichiers.setText(QStringLiteral("/etc/passwd"));
    QVERIFY(!GlisseDepose(comptes, &fichiers, HauteurLigne(comptes, 1)));
    std::unique_ptr<QMimeData> autre(DonneesGlisse(ListeSource::Rebus, "1-autre"));
    rebus->SelectionneLigne(0);
    QVERIFY(!GlisseDepose(comptes, autre.get(), HauteurLigne(comptes, 1)));
    QCOMPARE(banc.etat.comptes[1].sousItems.size(), std::size_t{3});

    // Not-found person onto the free row 1.
    rebus->SelectionneLigne(0);
    std::unique_ptr<QMimeData> deRebus(DonneesGlisse(ListeSource::Rebus, jeton));
    QVERIFY(GlisseDepose(comptes, deRebus.get(), HauteurLigne(comptes, 1)));
    QCOMPARE(QString::fromStdString(banc.etat.comptes[1].sousItem(kNouveauNom)), QStringLiteral("DURAND"));
    QCOMPARE(banc.etat.rebus.size(), std::size_t{1});
    QCOMPARE(Panneau1(f), QStringLiteral("DURAND Marc vient d'être déplacé."));
    QCOMPARE(comptes->model()->index(1, 4).data().toString(), QStringLiteral("DURAND"));
    QCOMPARE(f.ListViewRebus()->toolTip(), QStringLiteral("Nombre de personnes : 1"));

    // Onto an attached row: refused with its hint, nothing moves.
    comptes->SelectionneLigne(0);
    std::unique_ptr<QMimeData> deComptes(DonneesGlisse(ListeSource::Comptes, jeton));
    GlisseDepose(comptes, deComptes.get(), HauteurLigne(comptes, 1));
    QCOMPARE(Panneau1(f), QStringLiteral("Supprimez avant d'en placer un autre"));
    QCOMPARE(QString::fromStdString(banc.etat.comptes[0].sousItem(kNouveauNom)), QStringLiteral("DUPONT"));

    // Below the last row: nothing.
    const auto avant = banc.etat.comptes;
    GlisseDepose(comptes, deComptes.get(), comptes->viewport()->height() - 2);
    QCOMPARE(banc.etat.comptes.size(), avant.size());
    for (std::size_t i = 0; i < avant.size(); ++i) QCOMPARE(banc.etat.comptes[i].sousItems, avant[i].sousItems);

    // The not-found person without a last name cannot be placed.
    rebus->SelectionneLigne(0);
    GlisseDepose(comptes, deRebus.get(), HauteurLigne(comptes, 2));
    QCOMPARE(banc.etat.comptes[2].sousItems.size(), std::size_t{3});

    // Row 0's person within the account list onto free row 3.
    comptes->SelectionneLigne(0);
    GlisseDepose(comptes, deComptes.get(), HauteurLigne(comptes, 3));
    QCOMPARE(banc.etat.comptes[0].marque, Marque::NePasChanger);
    QCOMPARE(QString::fromStdString(banc.etat.comptes[3].sousItem(kNouveauxPrenoms)), QStringLiteral("Jean-Marc"));

    // Row 3's person back onto the first row of the not-found list: inserted before it.
    comptes->SelectionneLigne(3);
    GlisseDepose(rebus, deComptes.get(), HauteurLigne(rebus, 0));
    QCOMPARE(banc.etat.rebus.size(), std::size_t{2});
    QCOMPARE(banc.etat.rebus[0].nom, std::string("DUPONT"));
    QCOMPARE(Panneau1(f), QStringLiteral("DUPONT Jean-Marc vient d'être déplacé"));
    QCOMPARE(banc.etat.comptes[3].marque, Marque::NePasChanger);

    // Row 1's person below the last not-found row: appended.
    comptes->SelectionneLigne(1);
    GlisseDepose(rebus, deComptes.get(), rebus->viewport()->height() - 2);
    QCOMPARE(banc.etat.rebus.back().nom, std::string("DURAND"));
    QCOMPARE(Controle<QLabel>(f, "LabelRienAFaire")->text(), QStringLiteral("4 comptes à ne pas changer"));
  }

  void toucheSuppr() {
    Banc banc(QuatreComptes());
    TFormCorrinom& f = *banc.fenetre;
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    banc.Attache(2, "BERNARD", "Paule", "05/06/2005");
    ListeRapport* comptes = f.ListViewUsers();
    comptes->setFocus();

    // Nothing selected, then a free row selected: nothing happens.
    comptes->SelectionneLigne(std::nullopt);
    QTest::keyClick(comptes, Qt::Key_Delete);
    comptes->SelectionneLigne(1);
    QTest::keyClick(comptes, Qt::Key_Delete);
    QVERIFY(banc.etat.rebus.empty());
    const QString indication = Panneau1(f);

    // The attached row, with Shift held: its person goes to the end of the not-found list.
    comptes->SelectionneLigne(2);
    QTest::keyClick(comptes, Qt::Key_Delete, Qt::ShiftModifier);
    QCOMPARE(banc.etat.rebus.size(), std::size_t{1});
    QCOMPARE(banc.etat.rebus[0].prenoms, std::string("Paule"));
    QCOMPARE(banc.etat.comptes[2].marque, Marque::NePasChanger);
    QCOMPARE(Panneau1(f), indication);
    QCOMPARE(f.ListViewRebus()->model()->rowCount(), 1);
  }

  // Each aid's button is disabled while its aid runs (seen from the aid's own
  // messages: "0" for a disabled button, in the order 3, 6, 7) and enabled again
  // afterwards.
  void aidesDesactiventLeurBouton() {
    struct Espion : DialoguesScript {
      std::vector<QPushButton*> boutons;
      QStringList etats;
      void message(std::string_view t, std::string_view titre = {}) override {
        QString etat;
        for (QPushButton* b : boutons) etat += b->isEnabled() ? u'1' : u'0';
        etats << etat;
        DialoguesScript::message(t, titre);
      }
    };
    Banc banc(QuatreComptes());
    Espion espion;
    TFormCorrinom f(banc.etat, *banc.magasin, {}, &espion);
    for (const char* nom : {"Button3", "Button6", "Button7"})
      espion.boutons.push_back(Controle<QPushButton>(f, nom));
    f.Clic("Button3");  // empty not-found list: the refusal
    banc.etat.rebus.push_back({"MARTIN", "L\xE9" "a Marie", "03/04/2004"});
    espion.reponses = {Reponse::Oui};
    f.Clic("Button6");
    banc.etat.rebus.push_back({"BERNART", "Paul", "05/06/2005"});
    QTimer::singleShot(0, [] {
      if (auto* d = qobject_cast<TFormRessemblance*>(QApplication::activeModalWidget()))
        Controle<QPushButton>(*d, "ButtonPlacer")->click();
    });
    f.Clic("Button7");
    QCOMPARE(espion.etats, (QStringList{"011", "101", "110"}));
    for (QPushButton* b : espion.boutons) QVERIFY(b->isEnabled());
    QCOMPARE(banc.etat.comptes[1].marque, Marque::ModificationImportante);
    QCOMPARE(banc.etat.comptes[2].sousItem(kNouveauNom), std::string("BERNART"));
    QCOMPARE(Controle<QLabel>(f, "LabelAFaire")->text(), QStringLiteral("2 modifications importantes"));
  }

  void ecritureParButton1() {
    Banc banc(QuatreComptes());
    TFormCorrinom& f = *banc.fenetre;
    banc.Attache(0, "DUPONT", "Jean Pierre", "01/02/2003");
    banc.script.reponses = {Reponse::Non};
    f.Clic("Button1");
    QCOMPARE(QString::fromStdString(banc.Compte("dupontj").full_name.texte), QStringLiteral("DUPONT Jean"));
    banc.script.reponses = {Reponse::Oui};
    f.Clic("Button1");
    QCOMPARE(QString::fromStdString(banc.Compte("dupontj").full_name.texte), QStringLiteral("DUPONT Jean Pierre"));
    QCOMPARE(banc.etat.comptes[0].marque, Marque::DejaBon);
    QCOMPARE(f.ListViewUsers()->model()->index(0, 2).data().toString(), QStringLiteral("Jean Pierre"));
    QCOMPARE(Textes(banc.script, Genre::Message).back(),
             QStringLiteral("0 suppression effectuée\n1 changement de nom effectué"));
  }

  // "Voir les changements" lists the pending rows in list order; after a write
  // the hint panel names the journal, and restoring it from the window puts the
  // account back and the row to red again.
  void changementsJournalEtRestauration() {
    Banc banc(QuatreComptes());
    TFormCorrinom& f = *banc.fenetre;
    banc.Attache(0, "DUPONT", "Jean Pierre", "01/02/2003");  // red
    banc.Attache(3, "PETIT", "claire", "07/08/2006");        // pink
    QStringList vus;
    QTimer::singleShot(0, [&] {
      if (auto* d = qobject_cast<TFormChangements*>(QApplication::activeModalWidget())) {
        for (int i = 0; i < d->ListeChangements()->topLevelItemCount(); ++i)
          vus << d->ListeChangements()->topLevelItem(i)->text(0);
        QVERIFY(d->ButtonRestaurer());
        d->accept();
      }
    });
    f.Clic("ButtonChangements");
    QCOMPARE(vus, (QStringList{"dupontj", "petitc"}));

    banc.script.reponses = {Reponse::Oui};
    f.Clic("Button1");
    const QString panneau = Panneau1(f);
    const qsizetype debutJournal = panneau.indexOf(QStringLiteral("Journal : "));
    QVERIFY2(debutJournal >= 0, qPrintable(panneau));
    QCOMPARE(QString::fromStdString(banc.Compte("dupontj").full_name.texte), QStringLiteral("DUPONT Jean Pierre"));
    banc.script.reponses = {Reponse::Oui};
    const qsizetype finJournal = panneau.indexOf(QStringLiteral(". Les changements"));
    QVERIFY2(finJournal > debutJournal, qPrintable(panneau));
    // "Restaurer un journal..." of the change list, once the journal is chosen.
    int lignes = -1;
    QTimer::singleShot(0, [&] {
      if (auto* d = qobject_cast<TFormChangements*>(QApplication::activeModalWidget())) {
        d->Restaure(panneau.mid(debutJournal + 10, finJournal - debutJournal - 10));
        lignes = d->ListeChangements()->topLevelItemCount();
        d->accept();
      }
    });
    f.Clic("ButtonChangements");
    QCOMPARE(lignes, 2);
    QCOMPARE(QString::fromStdString(banc.Compte("dupontj").full_name.texte), QStringLiteral("DUPONT Jean"));
    QCOMPARE(banc.etat.comptes[0].marque, Marque::ModificationImportante);
  }

  // The close question: No, Cancel, Yes with a failing write, Yes with a row that
  // can never be written; and no question at all without pending rows.
  void questionDeFermeture_data() {
    QTest::addColumn<bool>("attache");
    QTest::addColumn<bool>("sansNom");
    QTest::addColumn<bool>("panne");
    QTest::addColumn<QList<int>>("reponses");
    QTest::addColumn<bool>("fermee");
    QTest::addColumn<int>("questions");
    QTest::addColumn<QString>("nomEcrit");
    const QList<int> non{int(Reponse::Non)}, annuler{int(Reponse::Annuler)};
    const QString ancien = QStringLiteral("DUPONT Jean"), nouveau = QStringLiteral("DUPOND Jean");
    QTest::newRow("nothing pending") << false << false << false << QList<int>{} << true << 0 << ancien;
    QTest::newRow("No closes, nothing written") << true << false << false << non << true << 1 << ancien;
    QTest::newRow("Cancel keeps the window") << true << false << false << annuler << false << 1 << ancien;
    QTest::newRow("Yes writes and closes")
        << true << false << false << QList<int>{int(Reponse::Oui)} << true << 1 << nouveau;
    QTest::newRow("Yes with a failing write asks again")
        << true << false << true << QList<int>{int(Reponse::Oui), int(Reponse::Non)} << true << 2 << ancien;
    QTest::newRow("Yes with a row that can never be written asks again")
        << true << true << false << QList<int>{int(Reponse::Oui), int(Reponse::Annuler)} << false << 2 << ancien;
  }

  void questionDeFermeture() {
    QFETCH(bool, attache);
    QFETCH(bool, sansNom);
    QFETCH(bool, panne);
    QFETCH(QList<int>, reponses);
    QFETCH(bool, fermee);
    QFETCH(int, questions);
    QFETCH(QString, nomEcrit);
    Banc banc(QuatreComptes());
    TFormCorrinom& f = *banc.fenetre;
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    if (attache) banc.Attache(0, sansNom ? "" : "DUPOND", "Jean", "01/02/2003");
    if (panne) banc.pannes->ajoute({OperationPanne::Ecriture, 5, std::string("dupontj"), {}});
    for (int r : reponses) banc.script.reponses.push_back(static_cast<Reponse>(r));
    // Button2 goes through the same close as the window's close box.
    Controle<QPushButton>(f, "Button2")->click();
    QCOMPARE(f.isVisible(), !fermee);
    QCOMPARE(int(banc.script.nombre(Genre::Question)), questions);
    for (const auto& a : banc.script.appels)
      if (a.genre == Genre::Question) QCOMPARE(VersQt(a.titre), QStringLiteral("Confirmation"));
    QCOMPARE(QString::fromStdString(banc.Compte("dupontj").full_name.texte), nomEcrit);
    if (panne) QVERIFY(Textes(banc.script, Genre::Message).front().startsWith(QStringLiteral("Erreur ")));
  }

  // While a box of a handler is open the operator may still reach the window's close
  // box or another button: neither is acted on, and nothing unconfirmed is written.
  void gestesPendantUneQuestion() {
    struct Impatient : DialoguesScript {
      TFormCorrinom* f = nullptr;
      Reponse question(std::string_view titre, std::string_view texte, Icone icone,
                       Reponse parDefaut) override {
        if (f) {
          TFormCorrinom* fenetre = f;
          f = nullptr;  // once
          fenetre->close();
          fenetre->Clic("Button1");
          fenetre->Clic("Button3");
          emit fenetre->ListViewUsers()->ToucheSuppr();
          fenetre->OuvreFichier(QStringLiteral("/nonexistent.csv"));
        }
        return DialoguesScript::question(titre, texte, icone, parDefaut);
      }
    };
    Banc banc(QuatreComptes());
    Impatient impatient;
    TFormCorrinom f(banc.etat, *banc.magasin, {}, &impatient);
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    AttachePersonne(banc.etat.comptes[0], "DUPOND", "Jean", "01/02/2003");
    MarqueLigne(banc.etat.comptes[0]);
    banc.etat.rebus.push_back({"MARTIN", "L\xE9" "a Marie", "03/04/2004"});
    impatient.f = &f;
    impatient.reponses = {Reponse::Non};
    f.Clic("Button6");
    QVERIFY(f.isVisible());
    QCOMPARE(impatient.nombre(Genre::Question), std::size_t{1});
    QCOMPARE(QString::fromStdString(banc.Compte("dupontj").full_name.texte), QStringLiteral("DUPONT Jean"));
    QCOMPARE(banc.etat.comptes[0].sousItems.size(), std::size_t{6});
    QCOMPARE(f.EditNomFich()->text(), QString());
  }

  // Input that must neither crash nor change anything.
  void mauvaisesManipulations() {
    Banc banc(QuatreComptes());
    TFormCorrinom& f = *banc.fenetre;
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    const auto avant = banc.etat.comptes;
    f.resize(1, 1);
    QCoreApplication::processEvents();
    emit f.ListViewUsers()->ToucheSuppr();
    emit f.ListViewUsers()->Depose(ListeSource::Autre, 0);
    emit f.ListViewRebus()->Depose(ListeSource::Rebus, 0);
    emit f.ListViewUsers()->Depose(ListeSource::Comptes, std::nullopt);
    emit f.ListViewUsers()->header()->sectionClicked(42);
    emit f.ListViewRebus()->header()->sectionClicked(-1);
    QTest::mouseDClick(f.ListViewUsers()->viewport(), Qt::LeftButton);
    f.OuvreFichier(QString());
    f.resize(863, 497);
    QCOMPARE(banc.etat.comptes.size(), avant.size());
    for (std::size_t i = 0; i < avant.size(); ++i) {
      QCOMPARE(banc.etat.comptes[i].sousItems, avant[i].sousItems);
      QCOMPARE(banc.etat.comptes[i].marque, avant[i].marque);
    }
  }

  // File names are handed to the readers in the system's own spelling: a folder
  // or file whose name holds letters outside CP1252 is read like any other.
  void nomsDeFichiersHorsCp1252() {
    Banc banc(QuatreComptes());
    TFormCorrinom& f = *banc.fenetre;
    QTemporaryDir dossier;
    QVERIFY(QDir(dossier.path()).mkpath(QStringLiteral("\u0141\u00F3d\u017A \u00E9l\u00E8ves")));
    const QString nom = dossier.filePath(QStringLiteral("\u0141\u00F3d\u017A \u00E9l\u00E8ves/liste \u4E2D.csv"));
    QFile fichier(nom);
    QVERIFY(fichier.open(QIODevice::WriteOnly));
    fichier.write("NOM;Pr\xE9nom 1;Pr\xE9nom 2;Pr\xE9nom 3;NE(E) LE\r\nZYGMUNT;Pawe\xB3;;;01/02/2010\r\n");
    fichier.close();
    f.OuvreFichier(nom);
    QCOMPARE(f.EditNomFich()->text(), nom);
    QCOMPARE(banc.script.nombre(Genre::Message), std::size_t{0});
    QCOMPARE(banc.etat.rebus.size(), std::size_t{1});
    QCOMPARE(banc.etat.rebus.front().nom, std::string("ZYGMUNT"));
  }
};

static InscritSuite<TestFenetre> inscrit;

}  // namespace corrinom::app::test

#include "test_fenetre.moc"
