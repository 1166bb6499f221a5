// Drives the real program on the demo base and saves pictures of its windows:
// the main window after a sample file and the name aid (then with only the rows
// still to change), the field chooser that file calls up, the first question of
// the similarity aid, the help window, and the four marks. Used by scripts/screenshot.
//
// usage: app_captures SAMPLE_FILE OUTPUT_DIR
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <cstdio>

#include "app/fenetres_qt.h"
#include "app/form_aide_htm.h"
#include "app/form_changements.h"
#include "app/form_cherche_champ.h"
#include "app/form_corrinom.h"
#include "app/form_identifiants.h"
#include "app/form_ressemblance.h"
#include "app/lancement.h"
#include "app/liste_rapport.h"
#include "app/modeles.h"

namespace {

using namespace corrinom::app;

// Answers the boxes that come up, after taking the pictures wanted of them.
class Pilote : public QObject {
 public:
  explicit Pilote(QString dossier) : dossier_(std::move(dossier)) {
    auto* t = new QTimer(this);
    connect(t, &QTimer::timeout, this, &Pilote::Regarde);
    t->start(100);
  }

  bool Enregistre(QWidget* w, const QString& nom) {
    const QString chemin = QDir(dossier_).filePath(nom);
    const bool ok = w->grab().save(chemin);
    std::fprintf(stderr, "%s %s\n", ok ? "saved" : "FAILED", qPrintable(chemin));
    ok_ = ok_ && ok;
    return ok;
  }

  bool ok() const { return ok_; }

 private:
  void Regarde() {
    QWidget* w = QApplication::activeModalWidget();
    if (!w || !w->isVisible()) return;
    if (auto* choix = qobject_cast<corrinom::app::TFormChercheChamp*>(w)) {
      if (!chercheChamp_) {
        chercheChamp_ = true;
        Enregistre(choix, QStringLiteral("chercheChamp.png"));
      }
      choix->findChild<QPushButton*>(QStringLiteral("ButtonAnnuler"))->click();
    } else if (auto* liste = qobject_cast<corrinom::app::TFormChangements*>(w)) {
      Enregistre(liste, QStringLiteral("changements.png"));
      liste->accept();
    } else if (auto* aide = qobject_cast<TFormAideHtm*>(w)) {
      Enregistre(aide, QStringLiteral("aide.png"));
      aide->ButtonFermer()->click();
    } else if (auto* revue = qobject_cast<corrinom::app::TFormRessemblance*>(w)) {
      Enregistre(revue, QStringLiteral("ressemblance.png"));
      revue->findChild<QPushButton*>(QStringLiteral("ButtonPlacer"))->click();
    } else if (auto* boite = qobject_cast<QMessageBox*>(w)) {
      std::fprintf(stderr, "box: %s\n", qPrintable(boite->text().replace('\n', ' ')));
      if (auto* oui = boite->findChild<QPushButton*>(QStringLiteral("Oui"))) return oui->click();
      boite->button(QMessageBox::Ok) ? boite->button(QMessageBox::Ok)->click() : boite->accept();
    }
  }

  QString dossier_;
  bool chercheChamp_ = false;
  bool ok_ = true;
};

// The four marks at 16, 32 and 64 pixels on the lists' white, each before its word.
bool EnregistreMarques(const QString& dossier) {
  const char* const mots[] = {"compte à ne pas changer", "déjà bon", "modification mineure",
                              "modification importante"};
  QPixmap image(420, 4 * 72 + 8);
  image.fill(Qt::white);
  QPainter p(&image);
  for (const corrinom::Marque m : corrinom::kMarques) {
    const int i = corrinom::IndexMarque(m);
    const int y = 8 + i * 72;
    int x = 8;
    for (const int cote : {16, 32, 64}) {
      p.drawPixmap(x, y + (64 - cote) / 2, ImageListRougeVertGris::Image(m).pixmap(cote, cote));
      x += cote + 12;
    }
    p.drawText(QRect(x + 4, y, image.width() - x, 64), Qt::AlignVCenter, QString::fromUtf8(mots[i]));
  }
  p.end();
  const QString chemin = QDir(dossier).filePath(QStringLiteral("marques.png"));
  const bool ok = image.save(chemin);
  std::fprintf(stderr, "%s %s\n", ok ? "saved" : "FAILED", qPrintable(chemin));
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setFont(PoliceFenetres());
  if (argc < 3) {
    std::fputs("usage: app_captures SAMPLE_FILE OUTPUT_DIR\n", stderr);
    return 64;
  }
  const QString echantillon = QString::fromLocal8Bit(argv[1]);
  const QString dossier = QString::fromLocal8Bit(argv[2]);
  QDir().mkpath(dossier);
  Pilote pilote(dossier);
  const bool marques = EnregistreMarques(dossier);

  corrinom::ChoixMagasin choix;
  choix.sorte = corrinom::ChoixMagasin::Sorte::Demo;
  int code = 0;
  std::unique_ptr<Session> session = Demarre(choix, code);
  if (!session) return code ? code : 1;
  TFormCorrinom& f = *session->fenetre;
  f.show();
  QApplication::processEvents();

  f.OuvreFichier(echantillon);
  f.Clic("Button3");
  emit f.ListViewUsers()->header()->sectionClicked(0);  // group the rows by mark: grey, green, pink, red
  const int dernier = f.ListViewUsers()->model()->rowCount() - 1;
  f.ListViewUsers()->SelectionneLigne(dernier > 0 ? std::optional<std::size_t>(dernier) : std::nullopt);
  f.ListViewUsers()->scrollToBottom();
  f.ListViewUsers()->setFocus();
  QApplication::processEvents();
  pilote.Enregistre(&f, QStringLiteral("corrinom.png"));

  // The rows still to change, their new letters in bold in the mark's colour.
  f.ComboMarques()->setCurrentIndex(static_cast<int>(corrinom::ChoixMarques::AFaire));
  f.ListViewUsers()->SelectionneLigne(std::nullopt);
  f.ListViewUsers()->scrollToTop();
  QApplication::processEvents();
  pilote.Enregistre(&f, QStringLiteral("corrinom_filtre.png"));
  f.ComboMarques()->setCurrentIndex(0);

  f.Clic("Button7");
  QApplication::processEvents();

  f.Clic("Button4");
  QApplication::processEvents();
  f.Clic("ButtonChangements");
  QApplication::processEvents();

  // The credentials dialog the system's store asks with on Linux.
  FormIdentifiants identifiants(QString{});
  identifiants.show();
  QApplication::processEvents();
  pilote.Enregistre(&identifiants, QStringLiteral("identifiants.png"));
  return pilote.ok() && marques ? 0 : 1;
}
