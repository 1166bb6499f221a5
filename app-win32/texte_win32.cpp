#include "app-win32/texte_win32.h"

#include <windows.h>

#include "window/nom_fichier.h"

namespace corrinom::win32 {

std::wstring DeCp1252(std::string_view cp1252) {
  const std::u16string u = fenetre::Cp1252VersUtf16(cp1252);
  return std::wstring(u.begin(), u.end());
}

std::wstring DeUtf8(std::string_view utf8) {
  if (utf8.empty()) return {};
  const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring w(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), w.data(), n);
  return w;
}

std::optional<std::string> VersUtf8(std::wstring_view utf16) {
  return fenetre::NomFichierSysteme(std::u16string(utf16.begin(), utf16.end()));
}

}  // namespace corrinom::win32
