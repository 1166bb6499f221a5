#include "app/texte_qt.h"

#include "text/encodage.h"

namespace corrinom::app {

QString VersQt(std::string_view cp1252) {
  const std::u16string utf16 = Cp1252VersUtf16(cp1252);
  return QString::fromUtf16(utf16.data(), static_cast<qsizetype>(utf16.size()));
}

std::string VersCp1252(const QString& texte) {
  return Utf16VersCp1252(VueUtf16(texte));
}

std::optional<std::string> VersCp1252Exact(const QString& texte) {
  std::string cp1252 = VersCp1252(texte);
  if (VersQt(cp1252) != texte) return std::nullopt;
  return cp1252;
}

}  // namespace corrinom::app
