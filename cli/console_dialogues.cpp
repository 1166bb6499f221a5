// corrinom-cli's operator seam (see console_dialogues.h).
#include "cli/console_dialogues.h"

#include "cli/progression_console.h"
#include "text/echappement.h"
#include "text/encodage.h"

namespace corrinom::cli {

ConsoleDialogues::ConsoleDialogues(bool repondOui, std::FILE* sortie)
    : repondOui_(repondOui), sortie_(sortie) {}

void ConsoleDialogues::ecrit(std::string_view prefixe, std::string_view texteCp1252) {
  std::string ligne(prefixe);
  ligne += EchappeChamp(Cp1252VersUtf8(texteCp1252));
  lignes_.push_back(ligne);
  ligne.push_back('\n');
  if (progression_) progression_->efface();
  std::fwrite(ligne.data(), 1, ligne.size(), sortie_);
  std::fflush(sortie_);
}

void ConsoleDialogues::message(std::string_view texte, std::string_view) {
  ++nombreMessages_;
  textesMessages_.emplace_back(texte);
  ecrit("message: ", texte);
}

Reponse ConsoleDialogues::question(std::string_view, std::string_view texte, Icone, Reponse) {
  ++nombreQuestions_;
  ecrit("question: ", texte);
  return repondOui_ ? Reponse::Oui : Reponse::Non;
}

void ConsoleDialogues::erreur(std::string_view texte, std::string_view) {
  ++nombreErreurs_;
  textesErreurs_.emplace_back(texte);
  ecrit("error: ", texte);
}

std::optional<int> ConsoleDialogues::choisirChamp(const DemandeChamp& demande) {
  ++nombreChoix_;
  ecrit("chooser: ", demande.titre);
  return std::nullopt;
}

}  // namespace corrinom::cli
