// A store that fails on purpose: MagasinEnPanne wraps any account store and
// makes chosen reads, writes or pages of the enumeration fail with chosen
// status codes, or every write slow, so that the same fault cases run over
// every backend.
//
// The faults of an embedded base live beside it, in the side file BASE.pannes
// (one fault a line); only this wrapper reads that file, and the base itself
// keeps nothing but accounts. `corrinom-cli base panne` appends to it.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "accounts/store/magasin_comptes.h"
#include "accounts/store/panne.h"

namespace corrinom {

class MagasinEnPanne final : public MagasinComptes {
 public:
  // Wraps `dessous`, which the caller keeps and which outlives the wrapper.
  explicit MagasinEnPanne(MagasinComptes& dessous, std::vector<Panne> pannes = {});
  // Wraps and owns `dessous`.
  MagasinEnPanne(std::unique_ptr<MagasinComptes> dessous, std::vector<Panne> pannes);

  // The first fault added that matches an operation is the one applied. A login
  // matches without regard to ASCII case, as the stores compare logins.
  void ajoute(Panne panne) { pannes_.push_back(std::move(panne)); }

  std::uint32_t enumere(std::uint32_t longueurPreferee, std::vector<CompteStocke>& page,
                        std::uint32_t& totalEntrees, std::uint32_t& reprise) override;
  std::uint32_t enumereNoms(std::uint32_t longueurPreferee, std::vector<CompteStocke>& page,
                            std::uint32_t& totalEntrees, std::uint32_t& reprise) override;
  std::uint32_t lit(std::string_view login, CompteStocke& compte) override;
  std::uint32_t ecrit(std::string_view login, const CompteStocke& compte) override;

 private:
  using Enumeration = std::uint32_t (MagasinComptes::*)(std::uint32_t, std::vector<CompteStocke>&,
                                                        std::uint32_t&, std::uint32_t&);
  // The page of either enumeration, or the fault of that page.
  std::uint32_t enumerePar(Enumeration enumeration, std::uint32_t longueurPreferee,
                           std::vector<CompteStocke>& page, std::uint32_t& totalEntrees,
                           std::uint32_t& reprise);
  // The fault of this page of an enumeration, counting from reprise 0.
  std::optional<std::uint32_t> pannePage(std::uint32_t reprise);
  std::optional<std::uint32_t> statutPanne(OperationPanne op, std::string_view login,
                                           std::uint32_t appel) const;

  std::unique_ptr<MagasinComptes> possede_;
  MagasinComptes& dessous_;
  std::vector<Panne> pannes_;
  std::uint32_t appelsEnumeration_ = 0;  // calls since the enumeration began
};

// The side file of the base at `base`: "BASE.pannes".
std::string FichierPannes(const std::string& base);

// Reads the faults of a side file. False with a French (CP1252) text when the
// file exists but cannot be read or holds a line that is not a fault; a missing
// file is no fault at all.
bool LitPannes(const std::string& fichier, std::vector<Panne>& pannes, std::string& erreur);

// Appends one fault to the side file, creating it when needed.
bool AjoutePanne(const std::string& fichier, const Panne& panne, std::string& erreur);

}  // namespace corrinom
