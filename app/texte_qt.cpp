#include "app/texte_qt.h"

#include "text/encodage.h"

namespace corrinom::app {

QString VersQt(std::string_view cp1252) {
  const std::string utf8 = Cp1252VersUtf8(cp1252);
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string VersCp1252(const QString& texte) {
  const QByteArray utf8 = texte.toUtf8();
  return Utf8VersCp1252Compte(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

std::optional<std::string> VersCp1252Exact(const QString& texte) {
  std::string cp1252 = VersCp1252(texte);
  if (VersQt(cp1252) != texte) return std::nullopt;
  return cp1252;
}

}  // namespace corrinom::app
