// corrinom-cli restaurer and --journal against damaged or hostile files: each
// ends with a French message and an exit code, never a signal or a wait, and a
// forged journal cannot reach more than a write changes.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>

#include "lance.h"
#include "session/csv.h"
#include "session/journal.h"

namespace corrinom::e2e {
namespace {

std::string Base(const Dossier& d) {
  const std::string base = d.nom("comptes.db");
  EXPECT_EQ(Lance({"base", "importer", base, CORRINOM_COMPTES_EXEMPLES}).code, 0);
  return std::filesystem::canonical(base).string();
}

// login -> its exported line.
std::map<std::string, std::string> Exporte(const std::string& base) {
  std::map<std::string, std::string> r;
  for (const std::string& l : Lance({"base", "exporter", base}).lignesOut()) r[l.substr(0, l.find('\t'))] = l;
  return r;
}

std::string Journal(const std::string& magasin, const std::vector<ChangementCompte>& lignes) {
  std::string t = std::string(kBomUtf8) + std::string(kEnteteJournal) + "\r\n";
  for (const ChangementCompte& c : lignes) {
    t += LigneCsv({"2026-12-08T10:00:00+01:00", magasin, c.login, "intention", c.ancienNomComplet,
                   c.ancienCommentaire, c.nouveauNomComplet, c.nouveauCommentaire, ""});
  }
  return t;
}

TEST(JournalHostile, EachFileEndsWithAMessageAndACode) {
  Dossier d;
  const std::string base = Base(d);
  const std::string bon = d.ecrit("bon.csv", Journal(base, {}));
  const std::string autre =
      d.ecrit("autre.csv", Journal("/ailleurs.db", {{"a", "A Jean", "TAVO", "B Jean", "TAVO"}}));
  const std::string coupe = d.ecrit("coupe.csv", Journal(base, {}) + "2026;x");
  const std::string fifo = d.nom("fifo");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  const std::string grand = d.nom("grand.csv");
  std::filesystem::resize_file(d.ecrit("grand.csv", ""), (std::uintmax_t{256} << 20) + 1);
  const std::string texte = d.ecrit("texte.csv", std::string(1 << 20, 'x'));
  const struct {
    std::vector<std::string> args;
    int code;
    std::string message;
  } cas[] = {
      {{d.nom("")}, 2, "ne peut pas être lu"},  // a folder
      {{fifo}, 2, "ne peut pas être lu"},
      {{"/dev/zero"}, 2, "ne peut pas être lu"},
      {{grand}, 2, "ne peut pas être lu"},
      {{texte}, 2, "n'est pas un journal"},
      {{"--oui", "--journal", fifo, bon}, 2, "pas un fichier ordinaire"},
      {{"--oui", "--journal", autre, bon}, 2, "autre serveur ou une autre base"},
      {{"--oui", "--journal", coupe, bon}, 2, "ligne incompl"},
      {{"--journal", d.nom("sien.csv"), bon}, 64, "--journal ne s'emploie qu'avec --oui"},
      {{"--oui", "--journal", d.nom("sien.csv"), bon}, 0, ""},
  };
  // A write run's chosen journal is refused as the restore's is, before any account.
  const Sortie r = Lance({"rapprocher", "--base", base, "--meme-prenom", "--appliquer", "--journal",
                          fifo, Exemple("ElevesSansAdresses.xml")});
  EXPECT_EQ(r.code, 1) << r.err;
  EXPECT_NE(r.err.find("pas un fichier ordinaire"), std::string::npos) << r.err;
  for (const auto& c : cas) {
    std::vector<std::string> args{"restaurer", "--base", base};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const Sortie s = Lance(args);
    EXPECT_EQ(s.code, c.code) << c.args.back() << "\n" << s.err;
    EXPECT_NE(s.err.find(c.message), std::string::npos) << s.err;
  }
}

TEST(JournalHostile, AForgedJournalReachesTheFullNameAndFieldSevenOnly) {
  Dossier d;
  const std::string base = Base(d);
  auto avant = Exporte(base);
  const std::string dupont = "TAVO;E;2026;;;;6;;12/05/2011;;;0;0";
  const std::string moreau = "TAVO;E;2026;;;;6;;03/09/2011;;;0;0";
  const std::string lefevre = "TAVO;E;2026;;;;7;;21/01/2012;;;0;0";
  const ChangementCompte moreauPetit{"MOREAU.L", "MOREAU-PETIT Lucas",
                                     "TAVO;E;2026;;;;12;;03/09/2011;;;0;0", "MOREAU LUCAS", moreau};
  const std::string journal = d.ecrit(
      "forge.csv",
      Journal(base, {// The marker and the birth date would change: left alone.
                     {"dupont.j", "X", "AUTRE;E;2026;;;;1;;01/01/1900;;;0;0", "DUPONT Jean", dupont},
                     // The full name and field 7 only: restored, its result under another case.
                     moreauPetit}) +
          LigneCsv({"2026-12-08T10:00:01+01:00", base, "moreau.l", "r\xC3\xA9sultat",
                    moreauPetit.ancienNomComplet, moreauPetit.ancienCommentaire,
                    moreauPetit.nouveauNomComplet, moreauPetit.nouveauCommentaire, "0"}));
  const Sortie s = Lance({"restaurer", "--base", base, "--oui", "--journal", d.nom("sien.csv"), journal});
  EXPECT_EQ(s.code, 1) << s.err;
  EXPECT_EQ(s.lignesOut(), (std::vector<std::string>{"dupont.j\tlaissé", "MOREAU.L\trestauré"}));
  EXPECT_NE(s.err.find("laissé: dupont.j: le journal y changerait le commentaire"), std::string::npos) << s.err;
  auto apres = Exporte(base);
  EXPECT_EQ(apres["dupont.j"], avant["dupont.j"]);
  EXPECT_NE(apres["moreau.l"].find("MOREAU-PETIT Lucas\tTAVO;E;2026;;;;12;;03/09/2011;;;0;0\t"),
            std::string::npos)
      << apres["moreau.l"];

  // A control character in a name makes the whole journal damaged: nothing is written.
  const std::string abime = d.ecrit(
      "abime.csv", Journal(base, {{"lefevre.h", "LEFEVRE\x01H", lefevre, "LEFEVRE Helene", lefevre}}));
  const Sortie a = Lance({"restaurer", "--base", base, "--oui", "--journal", d.nom("sien2.csv"), abime});
  EXPECT_EQ(a.code, 2);
  EXPECT_NE(a.err.find("abîmé à la ligne 2"), std::string::npos) << a.err;
  EXPECT_EQ(Exporte(base), apres);
}

TEST(JournalHostile, TheJournalFolderIsItsOwnersAlone) {
  Dossier d;
  const std::string base = Base(d);
  const std::string dossier = d.nom("donnees/corrinom/journaux");
  std::filesystem::create_directories(dossier);
  std::filesystem::permissions(dossier, std::filesystem::perms::all);
  const char* avant = std::getenv("XDG_DATA_HOME");
  const std::string ancien = avant ? avant : "";
  setenv("XDG_DATA_HOME", d.nom("donnees").c_str(), 1);
  const Sortie s = Lance({"rapprocher", "--base", base, "--meme-prenom", "--appliquer",
                          Exemple("ElevesSansAdresses.xml")});
  if (avant) setenv("XDG_DATA_HOME", ancien.c_str(), 1);
  else unsetenv("XDG_DATA_HOME");
  EXPECT_EQ(s.code, 0) << s.err;
  EXPECT_EQ(std::filesystem::status(dossier).permissions(), std::filesystem::perms::owner_all);
}

}  // namespace
}  // namespace corrinom::e2e
