// The marks told apart without their colours: each picture, seen by a viewer with
// deuteranopia or protanopia, reduced to black and white at its own mid-grey, must
// differ from every other in at least a tenth of its pixels.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>

#include "window/images_marques.h"

namespace corrinom::fenetre {
namespace {

using Matrice = std::array<std::array<double, 3>, 3>;

// Machado, Oliveira and Fernandes (2009), severity 1.0, on linear RGB.
constexpr Matrice kProtanopie{{{0.152286, 1.052583, -0.204868},
                               {0.114503, 0.786281, 0.099216},
                               {-0.003882, -0.048116, 1.051998}}};
constexpr Matrice kDeuteranopie{{{0.367322, 0.860646, -0.227968},
                                 {0.280085, 0.672501, 0.047413},
                                 {-0.011820, 0.042940, 0.968881}}};

double Lineaire(double octet) {
  const double c = octet / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// The picture over the lists' white background, as the viewer sees it, thresholded
// at its own mid-grey (halfway between its darkest and its lightest luminance).
std::vector<bool> VueEnNoirEtBlanc(const ImageMarque& image, const Matrice& m) {
  std::vector<double> luminance;
  for (const std::uint32_t p : image.argb) {
    const double a = (p >> 24) / 255.0;
    std::array<double, 3> rgb{};
    for (int i = 0; i < 3; ++i)
      rgb[static_cast<std::size_t>(i)] = Lineaire(a * ((p >> (16 - 8 * i)) & 0xFF) + (1 - a) * 255);
    std::array<double, 3> vu{};
    for (std::size_t i = 0; i < 3; ++i)
      vu[i] = std::clamp(m[i][0] * rgb[0] + m[i][1] * rgb[1] + m[i][2] * rgb[2], 0.0, 1.0);
    luminance.push_back(0.2126 * vu[0] + 0.7152 * vu[1] + 0.0722 * vu[2]);
  }
  const auto [bas, haut] = std::minmax_element(luminance.begin(), luminance.end());
  const double seuil = (*bas + *haut) / 2;
  std::vector<bool> clair;
  for (const double y : luminance) clair.push_back(y > seuil);
  return clair;
}

TEST(FormesMarques, ChaquePaireDiffereSansLesCouleurs) {
  const std::array<std::pair<const char*, Matrice>, 2> vues{{{"protanopie", kProtanopie},
                                                             {"deuteranopie", kDeuteranopie}}};
  for (const int cote : {16, 32}) {
    for (const auto& [nom, matrice] : vues) {
      std::array<std::vector<bool>, 4> nb;
      for (const Marque m : kMarques)
        nb[static_cast<std::size_t>(IndexMarque(m))] = VueEnNoirEtBlanc(DessineMarque(m, cote), matrice);
      for (std::size_t i = 0; i < nb.size(); ++i) {
        for (std::size_t j = i + 1; j < nb.size(); ++j) {
          std::size_t differents = 0;
          for (std::size_t k = 0; k < nb[i].size(); ++k) differents += nb[i][k] != nb[j][k];
          EXPECT_GE(differents * 10, nb[i].size())
              << nom << ", " << cote << " px: marks " << i << " and " << j << " differ in " << differents
              << " pixels only";
        }
      }
    }
  }
}

TEST(FormesMarques, CouleursEtTaille) {
  // The dot keeps its colour at its centre-left, away from every sign, and the
  // corners stay transparent; a value outside the four draws nothing.
  const std::array<std::uint32_t, 4> couleurs{0xFFC0C0C0, 0xFF008000, 0xFFFF00FF, 0xFFFF0000};
  for (const Marque m : kMarques) {
    const ImageMarque image = DessineMarque(m, 32);
    ASSERT_EQ(image.argb.size(), 32u * 32u);
    EXPECT_EQ(image.argb[16 * 32 + 4], couleurs[static_cast<std::size_t>(IndexMarque(m))]);
    EXPECT_EQ(image.argb[0] >> 24, 0u);
  }
  const ImageMarque aucune = DessineMarque(static_cast<Marque>(7), 16);
  EXPECT_TRUE(std::all_of(aucune.argb.begin(), aucune.argb.end(), [](std::uint32_t p) { return p == 0; }));
}

}  // namespace
}  // namespace corrinom::fenetre
