// The store the window works on when the chosen one could not be opened: it holds
// no account, so nothing is listed and nothing can ever be written.
#pragma once

#include "accounts/store/magasin_comptes.h"

namespace corrinom::fenetre {

class MagasinVide : public MagasinComptes {
 public:
  std::uint32_t enumere(std::uint32_t, std::vector<CompteStocke>& page, std::uint32_t& total,
                        std::uint32_t& reprise) override {
    page.clear();
    total = 0;
    reprise = 0;
    return kNerrSuccess;
  }
  std::uint32_t lit(std::string_view, CompteStocke&) override { return kNerrUserNotFound; }
  std::uint32_t ecrit(std::string_view, const CompteStocke&) override { return kNerrUserNotFound; }
};

}  // namespace corrinom::fenetre
