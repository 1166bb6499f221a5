// The delimited text reader: splitting, field lookup, and whole files read from disk.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "import/texte_delimite.h"
#include "outils.h"
#include "operator/dialogues_script.h"

namespace corrinom {
namespace {

using namespace std::string_literals;
using test::DossierTemporaire;
using test::RemiseEnregistree;
using Genre = DialoguesScript::Genre;

const FormatTexte kPointVirgule{';', false};
const FormatTexte kVirgule{',', false};
const FormatTexte kVirguleGuillemets{',', true};

TEST(FormatTexte, SeparatorAndQuotesComeFromTheHeader) {
  struct Cas {
    const char* entete;
    char separateur;
    bool guillemets;
  };
  const Cas cas[] = {
      {"NOM;PRENOM;NE(E) LE;DIV", ';', false},
      {"NOM,PRENOM", ',', false},
      {"NOM,PRENOM;DATE", ';', false},  // a semicolon anywhere wins
      {"\"NOM\",\"PRENOM\"", ',', true},
      {"\"\"\"", ',', true},            // three characters are enough
      {"\"\"", ',', false},             // two are not
      {"\"NOM\",PRENOM", ',', false},   // it must end with a quote too
      {"", ',', false},
  };
  for (const Cas& c : cas) {
    const FormatTexte f = FormatDeLEntete(c.entete);
    EXPECT_EQ(f.separateur, c.separateur) << c.entete;
    EXPECT_EQ(f.guillemets, c.guillemets) << c.entete;
  }
}

TEST(DecoupeLignes, LineEndsOfEveryKind) {
  struct Cas {
    std::string texte;
    std::vector<std::string> lignes;
  };
  const Cas cas[] = {
      {"", {}},
      {"a", {"a"}},
      {"a\n", {"a"}},  // a final line end adds no empty line
      {"a\r\nb\r\n", {"a", "b"}},
      {"a\rb\rc", {"a", "b", "c"}},  // CR alone ends a line
      {"a\n\nb", {"a", "", "b"}},
      {"a\r\rb", {"a", "", "b"}},
      {"a\n\r\nb", {"a", "", "b"}},
      {"\n", {""}},
      {"a\r\n\r\n", {"a", ""}},
  };
  for (const Cas& c : cas) {
    const std::vector<std::string_view> l = DecoupeLignes(c.texte);
    EXPECT_EQ(std::vector<std::string>(l.begin(), l.end()), c.lignes) << c.texte;
  }
}

TEST(TexteDuFichier, EncodingsAndZeroBytes) {
  struct Cas {
    std::string octets;
    std::string texte;
  };
  const Cas cas[] = {
      {"Lef\xE8vre", "Lef\xE8vre"},                    // CP1252 keeps its bytes
      {"Lef\xC3\xA8vre", "Lef\xE8vre"},                // UTF-8 is decoded
      {"\xEF\xBB\xBFNOM;PRENOM", "NOM;PRENOM"},        // the byte-order mark goes
      {"\xEF\xBB\xBF" "Lef\xC3\xA8vre", "Lef\xE8vre"},
      {"Lef\xC3\xA8vre \xE8", "Lef\xC3\xA8vre \xE8"},  // not valid UTF-8: bytes kept
      {"\xC5\x92" "dipe", "OEdipe"},                   // Œ would read as a DOS letter
      {"ab\0cd\n"s, "ab"},                             // a zero byte ends the text
      {"\0NOM;PRENOM\nA;B"s, ""},
  };
  for (const Cas& c : cas) EXPECT_EQ(TexteDuFichier(c.octets), c.texte) << c.octets;
}

TEST(IndiceChamp, FindsFieldsByNameIgnoringAsciiCase) {
  struct Cas {
    const char* entete;
    FormatTexte format;
    const char* nom;
    int indice;
  };
  const Cas cas[] = {
      {"NOM;PRENOM;NE(E) LE;DIV", kPointVirgule, "NOM", 0},
      {"NOM;PRENOM;NE(E) LE;DIV", kPointVirgule, "NE(E) LE", 2},
      {"NOM;PRENOM;NE(E) LE;DIV", kPointVirgule, "Pr\xE9nom 2", -1},
      {"nom;prenom", kPointVirgule, "NOM", 0},
      {"nom;prenom", kPointVirgule, "PRENOM", 1},
      {"Nom;Pr\xE9nom 1", kPointVirgule, "Pr\xE9nom 1", 1},
      {"Nom;PR\xE9NOM 1", kPointVirgule, "Pr\xE9nom 1", 1},  // only ASCII letters fold
      {"Nom;PR\xC9NOM 1", kPointVirgule, "Pr\xE9nom 1", -1},
      {"Nom;Prenom 1", kPointVirgule, "Pr\xE9nom 1", -1},
      {"  NOM  ; PRENOM ", kPointVirgule, "PRENOM", 1},  // blanks around names go
      {"A;NOM;NOM", kPointVirgule, "NOM", 1},             // the first equal one wins
      {";NOM", kPointVirgule, "NOM", 1},
      {"NOM;", kPointVirgule, "", -1},  // a final separator leaves no empty field
      {"", kPointVirgule, "NOM", -1},
      {"NOMS,NOM", kVirgule, "NOM", 1},
      {"\"NOM\",\"PRENOM\"", kVirguleGuillemets, "PRENOM", 1},
      {"\"NOM, USAGE\",\"NOM\"", kVirguleGuillemets, "NOM", 1},  // no split inside quotes
      {"\"NOM\",\"PRENOM\"", kVirgule, "NOM", -1},               // unquoted file keeps them
  };
  for (const Cas& c : cas)
    EXPECT_EQ(IndiceChamp(c.entete, c.nom, c.format), c.indice) << c.entete << " / " << c.nom;
}

TEST(ValeurChamp, CleanedValuesOfOneLine) {
  struct Cas {
    const char* ligne;
    FormatTexte format;
    int indice;
    const char* valeur;
  };
  const Cas cas[] = {
      {"DUPONT;Jean;12/05/1990;6A", kPointVirgule, 0, "DUPONT"},
      {"DUPONT;Jean;12/05/1990;6A", kPointVirgule, 3, "6A"},  // the last field in full
      {"DUPONT;Jean;12/05/1990;6A", kPointVirgule, 4, ""},    // past the last field
      {"DUPONT;Jean;12/05/1990;6A", kPointVirgule, -1, ""},
      {"DUPONT;;12/05/1990", kPointVirgule, 1, ""},
      {"DUPONT;", kPointVirgule, 1, ""},
      {"  DUPONT \t;  Jean ", kPointVirgule, 1, "Jean"},
      {"", kPointVirgule, 0, ""},
      {"\"DUPONT\";Jean", kPointVirgule, 0, "\"DUPONT\""},  // unquoted file: quotes stay
      // A quoted file: quotes go only where they are, separators inside them hold.
      {"\"DUPONT\",\"Jean\",12/05/1990", kVirguleGuillemets, 0, "DUPONT"},
      {"\"DUPONT\",\"Jean\",12/05/1990", kVirguleGuillemets, 2, "12/05/1990"},
      {"\"DUPONT, Jean\",\"Marc\",\"01/02/2003\"", kVirguleGuillemets, 1, "Marc"},
      {"\"DUPONT, Jean\",\"Marc\"", kVirguleGuillemets, 0, "DUPONT, Jean"},
      {"\"O\"\"NEIL\",x", kVirguleGuillemets, 0, "O\"NEIL"},
      {" \"DUPONT\" ,x", kVirguleGuillemets, 0, "DUPONT"},
      {"\"\",x", kVirguleGuillemets, 0, ""},
      {"\"unterminated,x", kVirguleGuillemets, 1, ""},  // the rest is one field
      // A stray quote inside a field is an ordinary character.
      {"\"DUPONT\",\"Jean \"Jo\",\"01/02/2003\"", kVirguleGuillemets, 1, "Jean \"Jo"},
      {"\"DUPONT\",\"Jean \"Jo\",\"01/02/2003\"", kVirguleGuillemets, 2, "01/02/2003"},
      {"\"A \"B\" C\",x", kVirguleGuillemets, 0, "A \"B\" C"},
      {"\"A \"B\" C\",x", kVirguleGuillemets, 1, "x"},
      {"\"DUPONT\",Jean \"Jo,x", kVirguleGuillemets, 2, "x"},
      {"\"O\"\"NEIL, Ann\" ,x", kVirguleGuillemets, 1, "x"},
  };
  for (const Cas& c : cas)
    EXPECT_EQ(ValeurChamp(c.ligne, c.indice, c.format), c.valeur) << c.ligne << " #" << c.indice;
}

TEST(ExtraitChamp, RawValuesAsTheChooserShowsThem) {
  EXPECT_EQ(ExtraitChamp(" DUPONT ;Jean", 0, kPointVirgule), " DUPONT ");
  EXPECT_EQ(ExtraitChamp("DUPONT;Jean", 1, kPointVirgule), "Jean");
  EXPECT_EQ(ExtraitChamp("DUPONT", 1, kPointVirgule), "");
  EXPECT_EQ(ExtraitChamp("\"DUPONT, Jean\",\"Marc\"", 1, kVirguleGuillemets), "\"Marc\"");
}

TEST(EnleveGuillemets, OnlyEnclosingQuotesOfAQuotedFile) {
  EXPECT_EQ(EnleveGuillemets("\"abc\"", kVirguleGuillemets), "abc");
  EXPECT_EQ(EnleveGuillemets("abc", kVirguleGuillemets), "abc");
  EXPECT_EQ(EnleveGuillemets("\"abc", kVirguleGuillemets), "\"abc");
  EXPECT_EQ(EnleveGuillemets("\"", kVirguleGuillemets), "\"");
  EXPECT_EQ(EnleveGuillemets("\"a\"\"b\"", kVirguleGuillemets), "a\"b");
  EXPECT_EQ(EnleveGuillemets("\"abc\"", kVirgule), "\"abc\"");
}

// ---------------------------------------------------------------------------
// Whole files

struct Lecture {
  RemiseEnregistree remise;
  DialoguesScript dialogues;
  bool remis = false;
};

void Lit(Lecture& l, const std::string& nom) { l.remis = LitFichierTexte(nom, l.remise, l.dialogues); }

std::vector<std::string> RemiseComplete(std::size_t n) {
  std::vector<std::string> r{"vide"};
  r.insert(r.end(), n, "personne");
  r.push_back("tri");
  r.push_back("affiche");
  return r;
}

TEST(LitFichierTexte, SconetExportAsksOnlyForTheSecondFirstNames) {
  DossierTemporaire d;
  const std::string f = d.ecrit("liste.csv",
                                "NOM;PRENOM;NE(E) LE;DIV\r\n"
                                "de la Fontaine;\xE9lodie;12/05/1990;6A\r\n"
                                "\r\n"
                                "N'Diaye;  Aminata  ;03/04/2011;5B\r\n"
                                "Martin;Paul\r\n");
  Lecture l;
  Lit(l, f);
  EXPECT_TRUE(l.remis);
  ASSERT_EQ(l.dialogues.nombre(Genre::Choix), 1u);
  EXPECT_EQ(l.dialogues.appels[0].titre, "Champ des deuxi\xE8mes pr\xE9noms");
  EXPECT_EQ(l.dialogues.appels[0].texte,
            "Aide pour trouver le nom du champ qui contient les deuxi\xE8mes pr\xE9noms");
  EXPECT_EQ(l.dialogues.appels[0].noms,
            (std::vector<std::string>{"NOM", "PRENOM", "NE(E) LE", "DIV"}));
  EXPECT_EQ(l.dialogues.appels[0].preselection, -1);  // "Prénom 2" is not in the list
  EXPECT_EQ(l.remise.appels, RemiseComplete(4));
  const std::vector<Personne> attendu{
      {"DE LA FONTAINE", "\xE9lodie", "12/05/1990"},
      {"", "", ""},  // an empty line is handed over too
      {"N'DIAYE", "Aminata", "03/04/2011"},
      {"MARTIN", "Paul", ""},  // fewer fields than the header
  };
  EXPECT_EQ(l.remise.personnes, attendu);
  EXPECT_EQ(l.dialogues.nombre(Genre::Message), 0u);
}

TEST(LitFichierTexte, ChosenFieldsAreUsed) {
  DossierTemporaire d;
  const std::string f = d.ecrit("autre.txt",
                                "Famille,Pr\xE9nom 1,Autre,Naissance\n"
                                "Dupont,Jean,Marc,01/02/2003\n");
  Lecture l;
  // Last name: "FAMILLE"; second first name: "AUTRE"; third: cancelled; date: "NAISSANCE".
  l.dialogues.choix = {0, 2, std::nullopt, 3};
  Lit(l, f);
  EXPECT_TRUE(l.remis);
  const std::vector<std::string> titres = [&] {
    std::vector<std::string> t;
    for (const auto& a : l.dialogues.appels)
      if (a.genre == Genre::Choix) t.push_back(a.titre);
    return t;
  }();
  EXPECT_EQ(titres, (std::vector<std::string>{"Champ des noms", "Champ des deuxi\xE8mes pr\xE9noms",
                                              "Champ des troisi\xE8mes pr\xE9noms",
                                              "Champ dates de naissance"}));
  EXPECT_EQ(l.remise.personnes, (std::vector<Personne>{{"DUPONT", "Jean Marc", "01/02/2003"}}));
}

TEST(LitFichierTexte, QuotedFileKeepsItsColumnsAndFindsTheChoiceAgain) {
  DossierTemporaire d;
  const std::string f = d.ecrit("guillemets.csv",
                                "\"NOM\",\"Prenoms\",\"Pr\xE9nom 2\",\"NE(E) LE\"\n"
                                "\"DUPONT, dit Durand\",\"Jean\",\"Marc\",12/05/1990\n"
                                "\"O\"\"Neil\",\"Ann\",\"\",\"01/01/2000\"\n");
  Lecture l;
  l.dialogues.choix = {1, std::nullopt};  // first first names: "PRENOMS"; third: cancelled
  Lit(l, f);
  ASSERT_EQ(l.dialogues.nombre(Genre::Choix), 2u);
  EXPECT_EQ(l.dialogues.appels[0].titre, "Champ des premiers pr\xE9noms");
  EXPECT_EQ(l.dialogues.appels[0].noms,
            (std::vector<std::string>{"NOM", "PRENOMS", "PR\xE9NOM 2", "NE(E) LE"}));
  EXPECT_EQ(l.dialogues.appels[1].titre, "Champ des troisi\xE8mes pr\xE9noms");
  const std::vector<Personne> attendu{
      {"DUPONT DIT DURAND", "Jean Marc", "12/05/1990"},
      {"ONEIL", "Ann", "01/01/2000"},
  };
  EXPECT_EQ(l.remise.personnes, attendu);
}

TEST(LitFichierTexte, Utf8FileReachesMatchingInCp1252) {
  DossierTemporaire d;
  const std::string f = d.ecrit("utf8.csv",
                                "\xEF\xBB\xBFNOM;Pr\xC3\xA9nom 1;Pr\xC3\xA9nom 2;Pr\xC3\xA9nom 3;"
                                "NE(E) LE\n"
                                "Lef\xC3\xA8vre;H\xC3\xA9l\xC3\xA8ne;Zo\xC3\xA9;;02/03/2010\n");
  Lecture l;
  Lit(l, f);
  EXPECT_EQ(l.dialogues.nombre(Genre::Choix), 0u);  // every name found after decoding
  EXPECT_EQ(l.remise.personnes,
            (std::vector<Personne>{{"LEFEVRE", "H\xE9l\xE8ne Zo\xE9", "02/03/2010"}}));
}

TEST(LitFichierTexte, FailuresTellTheOperatorAndLeaveTheListAlone) {
  DossierTemporaire d;
  std::filesystem::create_directory(d.chemin() / "dossier.csv");
  std::filesystem::create_symlink("boucle.csv", d.chemin() / "boucle.csv");
  struct Cas {
    std::string nom;
    std::string message;  // empty: the text starts with "Erreur en lisant le fichier "
  };
  const std::vector<Cas> cas{
      {d.ecrit("vide.csv", ""), "Fichier vide"},
      {d.ecrit("une-ligne.csv", "NOM;PRENOM\n"), "Fichier vide"},
      {d.ecrit("zero.csv", "\0NOM;PRENOM\nA;B\n"s), "Fichier vide"},
      {d.nom("absent.csv"), ""},
      {d.nom("dossier.csv"), ""},
      {d.nom("sans/dossier.csv"), ""},
      {d.nom("vide.csv/dedans.csv"), ""},
      {d.nom("boucle.csv"), ""},
      {d.nom(std::string(300, 'n') + ".csv"), ""},
  };
  for (const Cas& c : cas) {
    Lecture l;
    Lit(l, c.nom);
    EXPECT_FALSE(l.remis) << c.nom;
    // Never emptied, but sorted and counted again.
    EXPECT_EQ(l.remise.appels, (std::vector<std::string>{"tri", "affiche"})) << c.nom;
    const std::vector<std::string> m = l.dialogues.textes(Genre::Message);
    ASSERT_EQ(m.size(), 1u) << c.nom;
    if (!c.message.empty()) {
      EXPECT_EQ(m[0], c.message);
    } else {
      const std::string debut = "Erreur en lisant le fichier " + c.nom + " ";
      EXPECT_EQ(m[0].substr(0, debut.size()), debut);
      EXPECT_GT(m[0].size(), debut.size()) << "the system's text is missing: " << m[0];
      EXPECT_EQ(m[0].find("Erreur n\xB0"), std::string::npos) << m[0];
    }
  }
}

TEST(LitFichierTexte, NoLastNameMeansAbandon) {
  DossierTemporaire d;
  const std::string f = d.ecrit("sans-nom.csv", "A;B\n1;2\n");
  Lecture l;
  Lit(l, f);
  EXPECT_FALSE(l.remis);
  EXPECT_EQ(l.dialogues.textes(Genre::Message), (std::vector<std::string>{"Abandon"}));
  EXPECT_EQ(l.dialogues.nombre(Genre::Choix), 1u);
  EXPECT_EQ(l.remise.appels, (std::vector<std::string>{"tri", "affiche"}));
}

TEST(LitFichierTexte, EmptyNameReadsNothingAtAll) {
  Lecture l;
  Lit(l, "");
  EXPECT_FALSE(l.remis);
  EXPECT_TRUE(l.remise.appels.empty());
  EXPECT_TRUE(l.dialogues.appels.empty());
}

TEST(LitFichierTexte, HostileShapesEndNormally) {
  DossierTemporaire d;
  std::string longue = "NOM;PRENOM;NE(E) LE;Pr\xE9nom 2;Pr\xE9nom 3\n";
  longue += std::string(1'000'000, 'x') + ";" + std::string(1'000'000, ';') + "\n";
  std::string binaire;
  for (int i = 0; i < 4096; ++i) binaire.push_back(static_cast<char>((i * 7919 + 13) % 255 + 1));
  const std::string fichiers[] = {
      d.ecrit("longue.csv", longue),
      d.ecrit("binaire.csv", "NOM;A\n" + binaire),
      d.ecrit("cr.csv", "NOM;PRENOM;NE(E) LE;Pr\xE9nom 2;Pr\xE9nom 3\rA;B;C;D;E\rF;G;H;I;J;K;L"),
      d.ecrit("guillemet-seul.csv", "\"NOM\";\"\"\"\n\"\"\"\"\";\"\n"),
  };
  for (const std::string& f : fichiers) {
    Lecture l;
    Lit(l, f);
    EXPECT_TRUE(l.remis) << f;
    EXPECT_EQ(l.remise.appels.back(), "affiche");
  }
}

}  // namespace
}  // namespace corrinom
