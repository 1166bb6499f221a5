// Text at the window's edge: the core speaks CP1252 bytes, Qt speaks Unicode.
#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>

namespace corrinom::app {

// CP1252 bytes of the core to a QString; every byte round-trips.
QString VersQt(std::string_view cp1252);

// A QString's UTF-16 as the window logic takes it, without a copy.
inline std::u16string_view VueUtf16(const QString& texte) {
  return {reinterpret_cast<const char16_t*>(texte.utf16()), static_cast<std::size_t>(texte.size())};
}

// A text typed by the operator to the core's CP1252: characters CP1252 lacks become
// their base letter or '?', as for account text.
std::string VersCp1252(const QString& texte);

// The same, but only when every character has its own CP1252 byte, so that the
// text comes back unchanged (a file name must not silently become another one).
std::optional<std::string> VersCp1252Exact(const QString& texte);

}  // namespace corrinom::app
