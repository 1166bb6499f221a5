#include "app-win32/texte_win32.h"

#include "text/encodage.h"

namespace corrinom::win32 {

std::wstring DeCp1252(std::string_view cp1252) {
  const std::u16string u = Cp1252VersUtf16(cp1252);
  return std::wstring(u.begin(), u.end());
}

std::wstring DeUtf8(std::string_view utf8) {
  const std::u16string u = Utf8VersUtf16(utf8);
  return std::wstring(u.begin(), u.end());
}

std::optional<std::string> VersUtf8(std::wstring_view utf16) {
  return NomFichierSysteme(std::u16string(utf16.begin(), utf16.end()));
}

}  // namespace corrinom::win32
