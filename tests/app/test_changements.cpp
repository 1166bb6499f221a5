// The change-list window: its rows, the CSV it saves, the pages it prints.
#include <QFile>
#include <QFileDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include "app/form_changements.h"
#include "tests/app/suites.h"

namespace corrinom::app::test {

namespace {

std::vector<LigneChangement> Lignes(int n) {
  std::vector<LigneChangement> r;
  for (int i = 0; i < n; ++i)
    r.push_back({"login" + std::to_string(i), "DUPONT Jean", "DUPONT-MARTIN J\xE9r\xF4me",
                 "12/05/2011", "13/05/2011", i % 2 ? Marque::ModificationMineure : Marque::ModificationImportante});
  return r;
}

// The pages of a PDF file, as its page objects count them.
int PagesPdf(const QString& fichier) {
  QFile f(fichier);
  if (!f.open(QIODevice::ReadOnly)) return -1;
  const QString texte = QString::fromLatin1(f.readAll());
  return static_cast<int>(texte.count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b(?!s)"))));
}

// The words of an A4 PDF printed within half an inch (36 points) of the paper's
// edges, as poppler's pdftotext places them; 0 without pdftotext.
int MotsHorsMarges(const QString& fichier) {
  QProcess boites;
  boites.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), fichier, QStringLiteral("-")});
  if (!boites.waitForFinished(30000) || boites.exitCode() != 0) return 0;
  const QRegularExpression mot(QStringLiteral(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)")re"));
  int hors = 0, mots = 0;
  for (const QRegularExpressionMatch& m : mot.globalMatch(QString::fromUtf8(boites.readAllStandardOutput()))) {
    ++mots;
    if (m.captured(1).toDouble() < 36 || m.captured(2).toDouble() < 36 || m.captured(3).toDouble() > 595 - 36 ||
        m.captured(4).toDouble() > 842 - 36)
      ++hors;
  }
  return mots > 0 ? hors : -1;
}

}  // namespace

class TestChangements : public QObject {
  Q_OBJECT

 private slots:
  void lignesEtEnregistrement() {
    std::string journalDemande;
    TFormChangements f(Lignes(3), QStringLiteral("SERVEUR"),
                       [&](const std::string& j) -> std::optional<std::vector<LigneChangement>> {
                         journalDemande = j;
                         return Lignes(1);
                       });
    QCOMPARE(f.ListeChangements()->topLevelItemCount(), 3);
    const QTreeWidgetItem* item = f.ListeChangements()->topLevelItem(1);
    QCOMPARE(item->text(0), QStringLiteral("login1"));
    QCOMPARE(item->text(2), QStringLiteral("DUPONT-MARTIN Jérôme"));
    QCOMPARE(item->text(5), QStringLiteral("mineure"));

    QTemporaryDir dossier;
    const QString fichier = dossier.filePath(QStringLiteral("changements.csv"));
    QVERIFY(f.Enregistre(fichier));
    // A name typed without an extension is saved as a CSV file, as on Windows.
    const auto dialogue = f.CreeDialogueEnregistrer();
    dialogue->selectFile(dossier.filePath(QStringLiteral("liste")));
    QCOMPARE(dialogue->selectedFiles(), QStringList{dossier.filePath(QStringLiteral("liste.csv"))});
    QFile lu(fichier);
    QVERIFY(lu.open(QIODevice::ReadOnly));
    const std::string attendu = CsvChangements(Lignes(3));
    QCOMPARE(lu.readAll(), QByteArray(attendu.data(), static_cast<qsizetype>(attendu.size())));

    QVERIFY(f.ButtonRestaurer());
    f.Restaure(QStringLiteral("/j.csv"));
    QCOMPARE(journalDemande, std::string("/j.csv"));
    QCOMPARE(f.ListeChangements()->topLevelItemCount(), 1);  // the rows as the restore left them
    QVERIFY(!TFormChangements(Lignes(1), {}).ButtonRestaurer());
  }

  void impressionPdf() {
    QTemporaryDir dossier;
    for (const int n : {0, 10, 200}) {
      const QString fichier = dossier.filePath(QStringLiteral("liste%1.pdf").arg(n));
      QPrinter imprimante(QPrinter::HighResolution);
      imprimante.setOutputFormat(QPrinter::PdfFormat);
      imprimante.setOutputFileName(fichier);
      imprimante.setPageSize(QPageSize(QPageSize::A4));
      TFormChangements f(Lignes(n), QStringLiteral("/srv/comptes.db"));
      const int pages = f.Imprime(imprimante);
      QCOMPARE(PagesPdf(fichier), pages);
      if (n == 10) QCOMPARE(MotsHorsMarges(fichier), 0);
      // About sixty rows fit on an A4 page.
      if (n <= 10) QCOMPARE(pages, 1);
      else QVERIFY2(pages >= 3 && pages <= 5, qPrintable(QString::number(pages)));
    }
  }
};

namespace {
const InscritSuite<TestChangements> inscrit;
}

}  // namespace corrinom::app::test

#include "test_changements.moc"
