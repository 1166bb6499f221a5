#include "cli/console_dialogues.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace corrinom::cli {
namespace {

// Everything written to a temporary stream, read back.
class Flux {
 public:
  Flux() : f_(std::tmpfile()) {}
  ~Flux() { std::fclose(f_); }
  Flux(const Flux&) = delete;
  Flux& operator=(const Flux&) = delete;
  std::FILE* get() { return f_; }
  std::string contenu() {
    std::rewind(f_);
    std::string s;
    char tampon[256];
    std::size_t n;
    while ((n = std::fread(tampon, 1, sizeof tampon, f_)) > 0) s.append(tampon, n);
    return s;
  }

 private:
  std::FILE* f_;
};

TEST(ConsoleDialogues, OneEscapedUtf8LinePerBoxWithoutCaptions) {
  Flux flux;
  ConsoleDialogues d(true, flux.get());
  d.message("Fichier lu.\nTravail \xE0 faire : 2", "Information");
  EXPECT_EQ(d.question("Confirmation", "Voulez-vous \xE9" "crire ?", Icone::Question,
                       Reponse::Oui),
            Reponse::Oui);
  d.erreur("Champ \"NOM\"\tabsent\r", "ERREUR");
  DemandeChamp demande;
  demande.titre = "Pr\xE9nom";
  demande.noms = {"A", "B"};
  demande.preselection = 1;
  EXPECT_EQ(d.choisirChamp(demande), std::nullopt);
  d.debutAttente();
  d.indication("rien");
  d.finAttente();

  EXPECT_EQ(flux.contenu(),
            "message: Fichier lu.\\nTravail \xC3\xA0 faire : 2\n"
            "question: Voulez-vous \xC3\xA9" "crire ?\n"
            "error: Champ \"NOM\"\\tabsent\\r\n"
            "chooser: Pr\xC3\xA9nom\n");
  EXPECT_EQ(d.nombreMessages(), 1);
  EXPECT_EQ(d.nombreQuestions(), 1);
  EXPECT_EQ(d.nombreErreurs(), 1);
  EXPECT_EQ(d.nombreChoix(), 1);
  ASSERT_EQ(d.lignes().size(), 4u);
  EXPECT_EQ(d.lignes()[3], "chooser: Pr\xC3\xA9nom");
  ASSERT_EQ(d.textesMessages().size(), 1u);
  EXPECT_EQ(d.textesMessages()[0], "Fichier lu.\nTravail \xE0 faire : 2");
  ASSERT_EQ(d.textesErreurs().size(), 1u);
  EXPECT_EQ(d.textesErreurs()[0], "Champ \"NOM\"\tabsent\r");
}

TEST(ConsoleDialogues, QuestionsAnswerNonWhenNotToldOtherwise) {
  Flux flux;
  ConsoleDialogues d(false, flux.get());
  for (const Reponse parDefaut : {Reponse::Oui, Reponse::Non, Reponse::Annuler}) {
    EXPECT_EQ(d.question("", "Q", Icone::Question, parDefaut), Reponse::Non);
  }
  EXPECT_EQ(d.nombreQuestions(), 3);
  EXPECT_EQ(d.nombreMessages(), 0);
  EXPECT_EQ(flux.contenu(), "question: Q\nquestion: Q\nquestion: Q\n");
}

}  // namespace
}  // namespace corrinom::cli
