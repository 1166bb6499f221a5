// corrinom-cli base: building, exporting and breaking an embedded account base.
//
//   base importer BASE TSV                 create or extend BASE from a TSV file
//   base exporter BASE                     every account as TSV, in enumeration order
//   base panne BASE get|set STATUS [LOGIN] make reading/writing fail with STATUS
//   base panne BASE enum STATUS [PAGE]     make the enumeration fail at PAGE (1: the first call)
//   base panne BASE lent MS                make every write take MS milliseconds
// A fault goes to the side file BASE.pannes, which `--base BASE` applies.
#include <cstdio>
#include <filesystem>

#include "cli/command.h"
#include "text/encodage.h"
#include "text/fichier.h"
#include "text/octets.h"

#ifdef CORRINOM_WITH_SQLITE
#include "accounts/store/magasin_en_panne.h"
#include "accounts/store/magasin_sqlite.h"
#include "accounts/tsv_comptes.h"
#endif

namespace corrinom::cli {
namespace {

constexpr const char* kUsage =
    "base importer BASE TSV | base exporter BASE | base panne BASE get|set STATUS [LOGIN] | "
    "base panne BASE enum STATUS [PAGE] | base panne BASE lent MS";
constexpr int kRefus = 1;

int Usage(const std::string& raison) { return ErreurUsage("base", raison, kUsage); }

int Refus(const std::string& texteCp1252) {
  std::fprintf(stderr, "corrinom-cli base: %s\n", Cp1252VersUtf8(texteCp1252).c_str());
  return kRefus;
}

#ifdef CORRINOM_WITH_SQLITE

int Importe(const std::string& chemin, const std::string& tsv) {
  std::string contenu;
  if (!LitFichier(tsv, contenu))
    return Refus("Impossible de lire le fichier " + Utf8VersCp1252Compte(tsv) + ".");
  std::vector<CompteBase> comptes;
  std::vector<std::size_t> lignes;
  std::string erreur;
  if (!ImporteTsv(contenu, comptes, erreur, &lignes)) return Refus(erreur);

  std::error_code ec;
  const bool existait = std::filesystem::exists(chemin, ec);
  std::unique_ptr<MagasinSqlite> base = MagasinSqlite::OuvreOuCree(chemin, erreur);
  if (!base) return Refus(erreur);
  std::size_t echec = 0;
  if (!base->ajoute(comptes, erreur, &echec)) {
    base.reset();
    if (!existait) std::filesystem::remove(chemin, ec);  // leave nothing behind
    if (echec < lignes.size()) erreur = "Ligne " + std::to_string(lignes[echec]) + " : " + erreur;
    return Refus(erreur);
  }
  return 0;
}

int Exporte(const std::string& chemin) {
  std::string erreur;
  std::unique_ptr<MagasinSqlite> base = MagasinSqlite::Ouvre(chemin, erreur);
  if (!base) return Refus(erreur);
  const std::string tsv = ExporteTsv(base->tous());
  std::fwrite(tsv.data(), 1, tsv.size(), stdout);
  return std::fflush(stdout) == 0 ? 0 : kRefus;
}

int AjoutePanne(const std::vector<std::string>& args) {
  // args: panne BASE OPERATION STATUS [LOGIN|PAGE]
  if (args.size() < 4 || args.size() > 5) return Usage("panne needs BASE, an operation and STATUS");
  Panne p;
  const std::string& op = args[2];
  if (op == "get")
    p.operation = OperationPanne::Lecture;
  else if (op == "set")
    p.operation = OperationPanne::Ecriture;
  else if (op == "enum")
    p.operation = OperationPanne::Enumeration;
  else if (op == "lent")
    p.operation = OperationPanne::Lenteur;
  else
    return Usage("unknown operation " + op + " (get, set, enum or lent)");
  const std::optional<std::uint32_t> statut = Nombre32(args[3]);
  if (p.operation == OperationPanne::Lenteur) {
    if (args.size() != 4 || !statut || *statut == 0)
      return Usage("lent needs MS, a number of milliseconds from 1");
  } else if (!statut || *statut == kNerrSuccess)
    return Usage("STATUS must be a non-zero decimal number within 32 bits");
  p.statut = *statut;
  if (p.operation == OperationPanne::Enumeration && p.statut == kErrorMoreData)
    return Usage("234 means more pages, not a failure of the enumeration");
  if (args.size() == 5) {
    if (p.operation == OperationPanne::Enumeration) {
      const std::optional<std::uint32_t> page = Nombre32(args[4]);
      if (!page || *page == 0) return Usage("PAGE must be a number from 1");
      p.page = page;
    } else {
      p.login = args[4];
    }
  }
  std::string erreur;
  if (!MagasinSqlite::Ouvre(args[1], erreur)) return Refus(erreur);
  // The faults live beside the base, never in it: `--base BASE` reads them back.
  return AjoutePanne(FichierPannes(args[1]), p, erreur) ? 0 : Refus(erreur);
}

int run(const std::vector<std::string>& args) {
  if (args.empty()) return Usage("missing action");
  const std::string& action = args[0];
  if (action == "importer") {
    if (args.size() != 3) return Usage("importer needs BASE and TSV");
    return Importe(args[1], args[2]);
  }
  if (action == "exporter") {
    if (args.size() != 2) return Usage("exporter needs BASE");
    return Exporte(args[1]);
  }
  if (action == "panne") return AjoutePanne(args);
  return Usage("unknown action " + action);
}

#else

int run(const std::vector<std::string>& args) {
  if (args.empty()) return Usage("missing action");
  return Refus("Cette version de Corrinom a \xE9t\xE9 construite sans les bases de comptes int\xE9gr\xE9" "es.");
}

#endif

}  // namespace

const Commande kCommandeBase{"base", kUsage, &run};
}  // namespace corrinom::cli
