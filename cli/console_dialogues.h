// The operator seam of corrinom-cli: every box the core would show becomes one
// line on stderr, in UTF-8 with the field escaping of the tab-separated output,
// so that a line break inside a text stays on that line as \n.
//
//   message: TEXT    a plain box
//   question: TEXT   a Yes/No/Cancel question, answered Oui or Non at once
//   error: TEXT      an error box
//   chooser: TITLE   the field chooser, always answered "cancelled"
//
// Captions, the busy cursor and the hint panel print nothing.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "operator/dialogues.h"

namespace corrinom::cli {

class ProgressionConsole;

class ConsoleDialogues : public corrinom::Dialogues {
 public:
  // repondOui: answer every question Oui (else Non). Lines go to `sortie`,
  // stderr unless a test gives another stream.
  explicit ConsoleDialogues(bool repondOui, std::FILE* sortie = stderr);

  void message(std::string_view texte, std::string_view titre = {}) override;
  Reponse question(std::string_view titre, std::string_view texte, Icone icone,
                   Reponse parDefaut) override;
  void erreur(std::string_view texte, std::string_view titre = {}) override;
  std::optional<int> choisirChamp(const DemandeChamp& demande) override;
  void debutAttente() override {}
  void finAttente() override {}
  void indication(std::string_view) override {}

  // A progress line to clear before each line printed.
  void setProgression(class ProgressionConsole* progression) { progression_ = progression; }

  // What was shown so far, for a subcommand to decide its exit code.
  int nombreMessages() const { return nombreMessages_; }
  int nombreQuestions() const { return nombreQuestions_; }
  int nombreErreurs() const { return nombreErreurs_; }
  int nombreChoix() const { return nombreChoix_; }
  // Every printed line, in order, as printed (prefix included, without the
  // line end).
  const std::vector<std::string>& lignes() const { return lignes_; }
  // The CP1252 texts of the plain and error boxes, in order.
  const std::vector<std::string>& textesMessages() const { return textesMessages_; }
  const std::vector<std::string>& textesErreurs() const { return textesErreurs_; }

 private:
  void ecrit(std::string_view prefixe, std::string_view texteCp1252);

  bool repondOui_;
  std::FILE* sortie_;
  ProgressionConsole* progression_ = nullptr;
  int nombreMessages_ = 0;
  int nombreQuestions_ = 0;
  int nombreErreurs_ = 0;
  int nombreChoix_ = 0;
  std::vector<std::string> lignes_;
  std::vector<std::string> textesMessages_;
  std::vector<std::string> textesErreurs_;
};

}  // namespace corrinom::cli
