// The fault wrapper and its side file (see magasin_en_panne.h).
//
// The side file holds one fault a line, its fields separated by tabs:
//   get|set <TAB> STATUS [<TAB> LOGIN]     LOGIN in UTF-8, absent for every login
//   enum <TAB> STATUS [<TAB> PAGE]         PAGE from 1, absent for every call
//   lent <TAB> MS                          every write waits MS milliseconds first
#include "accounts/store/magasin_en_panne.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <thread>

#include "text/encodage.h"
#include "text/fichier.h"
#include "text/noms.h"
#include "text/octets.h"

namespace corrinom {
namespace {

// In the order of OperationPanne.
constexpr std::string_view kOperations[] = {"get", "set", "enum", "lent"};

std::optional<Panne> LitLigne(std::string_view ligne) {
  const std::vector<std::string_view> champs = DecoupeTabulations(ligne);
  if (champs.size() < 2 || champs.size() > 3) return std::nullopt;
  Panne p;
  std::size_t op = 0;
  while (op < std::size(kOperations) && kOperations[op] != champs[0]) ++op;
  if (op == std::size(kOperations)) return std::nullopt;
  p.operation = static_cast<OperationPanne>(op);
  const std::optional<std::uint32_t> statut = Nombre32(champs[1]);
  if (!statut) return std::nullopt;
  p.statut = *statut;
  if (p.operation == OperationPanne::Lenteur && champs.size() != 2) return std::nullopt;
  if (champs.size() == 3) {
    if (p.operation == OperationPanne::Enumeration) {
      p.page = Nombre32(champs[2]);
      if (!p.page) return std::nullopt;
    } else {
      p.login = std::string(champs[2]);
    }
  }
  return p;
}

struct FermeFichier {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

}  // namespace

MagasinEnPanne::MagasinEnPanne(MagasinComptes& dessous, std::vector<Panne> pannes)
    : dessous_(dessous), pannes_(std::move(pannes)) {}

MagasinEnPanne::MagasinEnPanne(std::unique_ptr<MagasinComptes> dessous, std::vector<Panne> pannes)
    : possede_(std::move(dessous)), dessous_(*possede_), pannes_(std::move(pannes)) {}

std::optional<std::uint32_t> MagasinEnPanne::statutPanne(OperationPanne op, std::string_view login,
                                                        std::uint32_t appel) const {
  for (const Panne& p : pannes_) {
    if (p.operation != op) continue;
    if (op == OperationPanne::Enumeration ? (p.page && *p.page != appel)
                                          : (p.login && !EgalSansCasse(*p.login, login)))
      continue;
    return p.statut;
  }
  return std::nullopt;
}

std::optional<std::uint32_t> MagasinEnPanne::pannePage(std::uint32_t reprise) {
  if (reprise == 0) appelsEnumeration_ = 0;
  ++appelsEnumeration_;
  return statutPanne(OperationPanne::Enumeration, {}, appelsEnumeration_);
}

std::uint32_t MagasinEnPanne::enumerePar(Enumeration enumeration, std::uint32_t longueurPreferee,
                                         std::vector<CompteStocke>& page,
                                         std::uint32_t& totalEntrees, std::uint32_t& reprise) {
  if (const auto statut = pannePage(reprise)) {
    page.clear();
    return *statut;
  }
  return (dessous_.*enumeration)(longueurPreferee, page, totalEntrees, reprise);
}

std::uint32_t MagasinEnPanne::enumere(std::uint32_t longueurPreferee,
                                      std::vector<CompteStocke>& page,
                                      std::uint32_t& totalEntrees, std::uint32_t& reprise) {
  return enumerePar(&MagasinComptes::enumere, longueurPreferee, page, totalEntrees, reprise);
}

std::uint32_t MagasinEnPanne::enumereNoms(std::uint32_t longueurPreferee,
                                          std::vector<CompteStocke>& page,
                                          std::uint32_t& totalEntrees, std::uint32_t& reprise) {
  return enumerePar(&MagasinComptes::enumereNoms, longueurPreferee, page, totalEntrees, reprise);
}

std::uint32_t MagasinEnPanne::lit(std::string_view login, CompteStocke& compte) {
  if (const auto statut = statutPanne(OperationPanne::Lecture, login, 0)) return *statut;
  return dessous_.lit(login, compte);
}

std::uint32_t MagasinEnPanne::ecrit(std::string_view login, const CompteStocke& compte) {
  std::uint64_t attente = 0;
  for (const Panne& p : pannes_)
    if (p.operation == OperationPanne::Lenteur) attente += p.statut;
  if (attente > 0) std::this_thread::sleep_for(std::chrono::milliseconds(attente));
  if (const auto statut = statutPanne(OperationPanne::Ecriture, login, 0)) return *statut;
  return dessous_.ecrit(login, compte);
}

std::string FichierPannes(const std::string& base) { return base + ".pannes"; }

bool LitPannes(const std::string& fichier, std::vector<Panne>& pannes, std::string& erreur) {
  std::error_code ec;
  if (!std::filesystem::exists(fichier, ec)) return true;
  std::string contenu;
  if (!LitFichier(fichier, contenu)) {
    erreur = "Impossible de lire le fichier de pannes \xAB " + Utf8VersCp1252Compte(fichier) + " \xBB.";
    return false;
  }
  std::size_t numero = 0;
  std::string_view reste = contenu;
  while (!reste.empty()) {
    const std::size_t fin = reste.find('\n');
    std::string_view ligne = reste.substr(0, fin);
    reste.remove_prefix(fin == std::string_view::npos ? reste.size() : fin + 1);
    ++numero;
    if (!ligne.empty() && ligne.back() == '\r') ligne.remove_suffix(1);
    if (ligne.empty()) continue;
    const std::optional<Panne> p = LitLigne(ligne);
    if (!p) {
      erreur = "Ligne " + std::to_string(numero) + " du fichier de pannes \xAB " +
               Utf8VersCp1252Compte(fichier) + " \xBB : ce n'est pas une panne.";
      return false;
    }
    pannes.push_back(*p);
  }
  return true;
}

bool AjoutePanne(const std::string& fichier, const Panne& p, std::string& erreur) {
  std::string ligne(kOperations[static_cast<int>(p.operation)]);
  ligne += '\t';
  ligne += std::to_string(p.statut);
  if (p.page) ligne += '\t' + std::to_string(*p.page);
  if (p.login) ligne += '\t' + *p.login;
  ligne += '\n';
  std::unique_ptr<std::FILE, FermeFichier> f(std::fopen(fichier.c_str(), "ab"));
  const bool ok = f && std::fwrite(ligne.data(), 1, ligne.size(), f.get()) == ligne.size() &&
                  std::fclose(f.release()) == 0;
  if (!ok) erreur = "La panne ne peut pas \xEAtre enregistr\xE9" "e dans la base.";
  return ok;
}

}  // namespace corrinom
