#include "window/images_marques.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace corrinom::fenetre {

namespace {

struct Point {
  double x, y;
};

struct Couleur {
  double r, g, b;
};

// Distance from p to the segment ab.
double DistanceSegment(Point p, Point a, Point b) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double l2 = dx * dx + dy * dy;
  double t = l2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / l2 : 0;
  t = std::clamp(t, 0.0, 1.0);
  const double ex = p.x - (a.x + t * dx), ey = p.y - (a.y + t * dy);
  return std::sqrt(ex * ex + ey * ey);
}

double DistanceLigne(Point p, const Point* points, std::size_t n) {
  double d = 1e9;
  for (std::size_t i = 1; i < n; ++i) d = std::min(d, DistanceSegment(p, points[i - 1], points[i]));
  return d;
}

// The signs, in a square of side 1 whose centre is the dot's. Strokes are thick
// (about a sixth of the picture) so that each sign still covers a good share of a
// 16-pixel picture.
constexpr double kTrait = 0.17;

constexpr std::array<Point, 3> kCoche{{{0.26, 0.52}, {0.43, 0.69}, {0.75, 0.33}}};

// A tilde: one period of a sine, sampled finely enough to look smooth at 64 pixels.
const std::array<Point, 17>& Tilde() {
  static const std::array<Point, 17> points = [] {
    std::array<Point, 17> p{};
    constexpr double kPi = 3.14159265358979323846;
    for (std::size_t i = 0; i < p.size(); ++i) {
      const double t = static_cast<double>(i) / static_cast<double>(p.size() - 1);
      p[i] = {0.25 + 0.5 * t, 0.5 - 0.09 * std::sin(2 * kPi * t)};
    }
    return p;
  }();
  return points;
}

bool DansSigne(Marque marque, Point p) {
  switch (marque) {
    case Marque::NePasChanger:
      return false;
    case Marque::DejaBon:
      return DistanceLigne(p, kCoche.data(), kCoche.size()) <= kTrait / 2;
    case Marque::ModificationMineure:
      return DistanceLigne(p, Tilde().data(), Tilde().size()) <= kTrait / 2;
    case Marque::ModificationImportante: {
      const double barre = DistanceSegment(p, {0.5, 0.25}, {0.5, 0.54});
      const double point = std::hypot(p.x - 0.5, p.y - 0.76);
      return barre <= 0.105 || point <= 0.11;
    }
  }
  return false;
}

Couleur CouleurMarque(Marque marque) {
  switch (marque) {
    case Marque::NePasChanger: return {192, 192, 192};
    case Marque::DejaBon: return {0, 128, 0};
    case Marque::ModificationMineure: return {255, 0, 255};
    case Marque::ModificationImportante: return {255, 0, 0};
  }
  return {0, 0, 0};
}

}  // namespace

ImageMarque DessineMarque(Marque marque, int cote) {
  cote = std::max(cote, 1);
  ImageMarque image{cote, std::vector<std::uint32_t>(static_cast<std::size_t>(cote) * cote, 0)};
  const bool connue = std::find(kMarques.begin(), kMarques.end(), marque) != kMarques.end();
  if (!connue) return image;

  const Couleur fond = CouleurMarque(marque);
  // A rim a quarter darker sets the dot off a white or light background.
  const Couleur bord{fond.r * 0.75, fond.g * 0.75, fond.b * 0.75};
  const double rayon = 0.47;
  const double bordure = std::max(0.06, 0.9 / cote);
  // 4 by 4 samples per pixel smooth the edges at every size.
  constexpr int kEch = 4;
  for (int y = 0; y < cote; ++y) {
    for (int x = 0; x < cote; ++x) {
      double r = 0, g = 0, b = 0;
      int dedans = 0;
      for (int sy = 0; sy < kEch; ++sy) {
        for (int sx = 0; sx < kEch; ++sx) {
          const Point p{(x + (sx + 0.5) / kEch) / cote, (y + (sy + 0.5) / kEch) / cote};
          const double d = std::hypot(p.x - 0.5, p.y - 0.5);
          if (d > rayon) continue;
          const Couleur c = DansSigne(marque, p) ? Couleur{255, 255, 255} : d > rayon - bordure ? bord : fond;
          r += c.r, g += c.g, b += c.b;
          ++dedans;
        }
      }
      if (dedans == 0) continue;
      const auto octet = [&](double somme) {
        return static_cast<std::uint32_t>(std::lround(somme / dedans)) & 0xFFu;
      };
      const auto alpha = static_cast<std::uint32_t>(std::lround(255.0 * dedans / (kEch * kEch)));
      image.argb[static_cast<std::size_t>(y) * cote + x] = alpha << 24 | octet(r) << 16 | octet(g) << 8 | octet(b);
    }
  }
  return image;
}

std::optional<Marque> MarqueDuChoix(ChoixMarques choix) {
  std::optional<Marque> seule;
  int retenues = 0;
  for (const Marque m : kMarques) {
    if (!MarqueRetenue(choix, m)) continue;
    seule = m;
    ++retenues;
  }
  if (retenues != 1) return std::nullopt;
  return seule;
}

}  // namespace corrinom::fenetre
