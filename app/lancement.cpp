#include "app/lancement.h"

#include <QApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdio>
#include <optional>

#include "app/dialogues_qt.h"
#include "app/fenetre_lecture.h"
#include "app/form_corrinom.h"
#include "app/form_identifiants.h"
#include "app/options.h"
#include "app/texte_qt.h"
#include "session/nom_magasin.h"
#include "text/version.h"

namespace corrinom::app {

Session::Session() = default;
Session::~Session() = default;

MagasinComptes& Session::magasin() {
  if (demarrage.magasin.magasin) return *demarrage.magasin.magasin;
  return vide;
}

std::unique_ptr<Session> Demarre(ChoixMagasin choix, int& codeSortie) {
  codeSortie = 0;
  if (choix.sorte == ChoixMagasin::Sorte::Systeme && MagasinSystemeDemandeIdentifiants()) {
    FormIdentifiants identifiants(QString::fromUtf8(choix.serveur.c_str()));
    if (identifiants.exec() != QDialog::Accepted) return nullptr;  // the operator gave up
    choix.utilisateur = identifiants.Utilisateur().toStdString();
    choix.motDePasse = identifiants.MotDePasse().toStdString();
  }

  auto s = std::make_unique<Session>();
  s->boites = std::make_unique<DialoguesQt>();
  s->services = ServicesSecuriteSysteme();
  s->plateforme = PlateformeCourante();
  {
    FenetreLecture lecture;
    s->demarrage =
        corrinom::Demarre(choix, s->etat, *s->boites, *s->services, s->plateforme, &lecture);
    // Closing the reading window ends the program, as refusing the credentials does.
    if (lecture.arretDemande()) return nullptr;
  }
  // The password is not kept longer than the store needs it.
  choix.motDePasse.assign(choix.motDePasse.size(), '\0');
  if (s->demarrage.issue == Demarrage::Issue::ArretSecurite) {
    codeSortie = 1;
    return nullptr;
  }
  s->fenetre = std::make_unique<TFormCorrinom>(s->etat, s->magasin(),
                                               VersQt(s->demarrage.magasin.nomAffiche), s->boites.get());
  s->fenetre->ChoisitJournal(DestinationJournal{NomMagasinJournal(choix, s->demarrage), {}, {}, {}});
  s->boites->setProprietaire(s->fenetre.get());
  return s;
}

namespace {

// Answers --help, --version and a wrong command line. Returns the exit code, or
// nothing when the program goes on.
std::optional<int> RepondOptions(const OptionsLancement& options) {
  switch (options.action) {
    case OptionsLancement::Action::Aide:
      std::fputs(TexteAide().c_str(), stdout);
      return 0;
    case OptionsLancement::Action::Version:
      std::fputs(TexteVersion().c_str(), stdout);
      return 0;
    case OptionsLancement::Action::Erreur:
      std::fprintf(stderr, "corrinom : %s\n%s", options.erreur.c_str(), TexteAide().c_str());
      return 64;
    case OptionsLancement::Action::Lance:
      break;
  }
  return std::nullopt;
}

}  // namespace

int Lance(int argc, char** argv) {
  // --help and --version answer without a display. Words with a single dash may be
  // Qt's own options (-platform, -display...): those are judged once Qt took its own.
  std::vector<std::string> mots(argv + 1, argv + argc);
  bool motsDeQt = false;
  for (const std::string& m : mots) motsDeQt = motsDeQt || (m.size() > 1 && m[0] == '-' && m[1] != '-');
  const OptionsLancement avant = LitOptions(mots);
  if (avant.action != OptionsLancement::Action::Lance &&
      (avant.action != OptionsLancement::Action::Erreur || !motsDeQt))
    return *RepondOptions(avant);

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
  OptionsLancement options = LitOptions(args);
  if (std::optional<int> code = RepondOptions(options)) return *code;

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
