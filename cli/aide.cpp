#include "cli/aide.h"

#include <algorithm>
#include <array>

namespace corrinom::cli {

namespace {

struct Description {
  std::string_view commande;  // empty: for every command without its own line
  std::string_view option;
  std::string_view texte;
};

// One line per option; a command that gives an option another meaning has its own.
constexpr std::array kDescriptions{
    Description{"", "--base", "travaille sur une base de comptes intégrée (fichier SQLite)"},
    Description{"", "--demo", "travaille sur une copie neuve de la base de démonstration"},
    Description{"", "--serveur", "lit les comptes d'un autre serveur que cette machine"},
    Description{"", "--utilisateur", "le nom de l'administrateur du serveur"},
    Description{"", "--mot-de-passe-stdin", "lit le mot de passe de l'administrateur sur l'entrée standard"},
    Description{"", "--meme-prenom", "lance l'aide « même nom et même premier prénom »"},
    Description{"", "--date-naissance", "lance l'aide « même date de naissance » (une question par paire)"},
    Description{"", "--ressemblance", "lance l'aide « noms ressemblants »"},
    Description{"", "--sures", "place les propositions sûres de l'aide « noms ressemblants »"},
    Description{"", "--oui", "répond Oui à chaque question des aides"},
    Description{"", "--changements", "n'affiche que les comptes à changer, avant toute écriture"},
    Description{"", "--appliquer", "écrit les changements dans les comptes"},
    Description{"", "--journal", "le fichier du journal de cette écriture"},
    Description{"", "--purger", "supprime les journaux de plus de JOURS jours"},
    Description{"restaurer", "--oui", "fait la restauration (sans --oui, elle est seulement montrée)"},
    Description{"restaurer", "--journal", "le fichier du journal de cette restauration"},
};

constexpr std::string_view kAide = "--help";
constexpr std::string_view kTexteAide = "affiche cette aide";

// The word at `debut` of the usage, up to a blank, a bracket or a bar.
std::string_view Mot(std::string_view usage, std::size_t debut) {
  const std::size_t fin = usage.find_first_of(" []|", debut);
  return usage.substr(debut, fin == std::string_view::npos ? std::string_view::npos : fin - debut);
}

// FICHIER, HOTE, JOURS, maybe followed by "...".
bool EstArgument(std::string_view mot) {
  return !mot.empty() && mot.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ_.") == std::string_view::npos;
}

// "  --option ARG", then at least two blanks (which the manual page and the
// completion look for), then the text.
std::string Ligne(std::string_view option, std::string_view texte) {
  std::string l = "  " + std::string(option);
  l.append(l.size() + 2 < 26 ? 26 - l.size() : 2, ' ');
  return l + std::string(texte) + "\n";
}

}  // namespace

std::vector<std::string> OptionsDeUsage(std::string_view usage) {
  std::vector<std::string> options;
  std::vector<std::string_view> noms;
  for (std::size_t i = usage.find("--"); i != std::string_view::npos; i = usage.find("--", i + 2)) {
    if (i > 0 && usage[i - 1] != ' ' && usage[i - 1] != '[' && usage[i - 1] != '|') continue;
    const std::string_view nom = Mot(usage, i);
    if (nom.size() < 3 || std::find(noms.begin(), noms.end(), nom) != noms.end()) continue;
    noms.push_back(nom);
    std::string option(nom);
    // An argument follows the option after one blank, inside the same brackets.
    const std::size_t apres = i + nom.size();
    if (apres < usage.size() && usage[apres] == ' ' && EstArgument(Mot(usage, apres + 1)))
      option += " " + std::string(Mot(usage, apres + 1));
    options.push_back(std::move(option));
  }
  return options;
}

std::string_view DescriptionOption(std::string_view nom, std::string_view option) {
  const std::string_view seul = option.substr(0, option.find(' '));
  std::string_view commune;
  for (const Description& d : kDescriptions) {
    if (d.option != seul) continue;
    if (d.commande == nom) return d.texte;
    if (d.commande.empty()) commune = d.texte;
  }
  if (seul == kAide) return kTexteAide;
  return commune;
}

std::string AideGenerale(std::span<const Commande* const> commandes) {
  std::string t = "usage : corrinom-cli COMMANDE [ARGUMENTS...]\n"
                  "        corrinom-cli COMMANDE --help\n"
                  "\n"
                  "Corrige les noms et prénoms des comptes TAVO depuis la ligne de commande.\n"
                  "\n"
                  "Commandes :\n";
  for (const Commande* c : commandes) t += "  corrinom-cli " + std::string(c->usage) + "\n";
  t += "\n";
  t += Ligne(kAide, kTexteAide);
  t += Ligne("--version", "affiche la version");
  return t;
}

std::string AideCommande(const Commande& commande) {
  if (commande.aide != nullptr) return commande.aide;
  std::string t = "usage : corrinom-cli " + std::string(commande.usage) + "\n\n";
  for (const std::string& option : OptionsDeUsage(commande.usage))
    t += Ligne(option, DescriptionOption(commande.nom, option));
  t += Ligne(kAide, kTexteAide);
  return t;
}

bool DemandeAide(const std::vector<std::string>& args) {
  for (const std::string& a : args) {
    if (a == "--") return false;
    if (a == kAide) return true;
  }
  return false;
}

}  // namespace corrinom::cli
