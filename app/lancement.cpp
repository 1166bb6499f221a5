#include "app/lancement.h"

#include <QApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdio>
#include <optional>

#include "app/fenetres_qt.h"
#include "app/dialogues_qt.h"
#include "app/fenetre_lecture.h"
#include "app/form_corrinom.h"
#include "app/form_identifiants.h"
#include "app/texte_qt.h"
#include "text/version.h"

namespace corrinom::app {

Session::Session() = default;
Session::~Session() = default;

namespace {

class PiecesQt : public fenetre::PiecesLancement {
 public:
  bool DemandeIdentifiants(ChoixMagasin& choix) override {
    FormIdentifiants identifiants(QString::fromUtf8(choix.serveur.c_str()));
    if (identifiants.exec() != QDialog::Accepted) return false;
    choix.utilisateur = identifiants.Utilisateur().toStdString();
    choix.motDePasse = identifiants.MotDePasse().toStdString();
    return true;
  }
  Progression& Lecture() override { return lecture_.emplace(); }
  void FinLecture() override { lecture_.reset(); }

 private:
  std::optional<FenetreLecture> lecture_;
};

// Writes the answer to --help, --version or a wrong command line; returns the exit code.
int Ecrit(const fenetre::ReponseOptions& r) {
  std::fputs(r.texte.c_str(), r.erreur ? stderr : stdout);
  return r.code;
}

}  // namespace

std::unique_ptr<Session> Demarre(ChoixMagasin choix, int& codeSortie) {
  codeSortie = 0;
  auto s = std::make_unique<Session>();
  s->boites = std::make_unique<DialoguesQt>();
  PiecesQt pieces;
  if (const std::optional<int> fin = fenetre::Demarre(std::move(choix), *s->boites, pieces, *s)) {
    codeSortie = *fin;
    return nullptr;
  }
  s->fenetre = std::make_unique<TFormCorrinom>(s->etat, s->magasin(), VersQt(s->demarrage.magasin.nomAffiche),
                                               s->boites.get());
  s->fenetre->ChoisitJournal(std::move(s->journal));
  s->boites->setProprietaire(s->fenetre.get());
  return s;
}

int Lance(int argc, char** argv) {
  // --help and --version answer without a display; Qt takes its own options first.
  if (const auto r = fenetre::RepondAvantLaBoiteAOutils(std::vector<std::string>(argv + 1, argv + argc))) return Ecrit(*r);

  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("corrinom"));
  QApplication::setApplicationVersion(QString::fromLatin1(kVersion));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/images/corrinom.png")));
  // Every window and box in the main window's face.
  QApplication::setFont(PoliceFenetres());
  // Qt's own dialogs (the file and print dialogs) speak French too, when Debian's Qt
  // translations are installed; without them they stay in English.
  QTranslator traductionQt;
  if (traductionQt.load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(&traductionQt);

  std::vector<std::string> args;
  const QStringList restants = QApplication::arguments();
  for (qsizetype i = 1; i < restants.size(); ++i) args.push_back(restants[i].toStdString());
  fenetre::OptionsLancement options = fenetre::LitOptions(args);
  if (const auto r = fenetre::RepondOptions(options)) return Ecrit(*r);

  // The base is a path of this system: its own bytes, as the file system spells them.
  if (options.choix.sorte == ChoixMagasin::Sorte::Base)
    options.choix.fichier = QFile::encodeName(QString::fromStdString(options.choix.fichier)).toStdString();

  int code = 0;
  std::unique_ptr<Session> session = Demarre(std::move(options.choix), code);
  if (!session) return code;
  session->fenetre->show();
  return QApplication::exec();
}

}  // namespace corrinom::app
