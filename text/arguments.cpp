#include "text/arguments.h"

#ifdef _WIN32
#include <windows.h>
#include <shellapi.h>
#endif

#include <cstdlib>
#include <cwchar>
#include <utility>

#include "text/encodage.h"

namespace corrinom {

#ifdef _WIN32
namespace {
// A UTF-16 text of the system's in UTF-8, as file names are; `sinon` when it
// holds an unpaired surrogate, which UTF-8 cannot spell.
std::string DeUtf16(const wchar_t* texte, std::string sinon) {
  const std::u16string u(texte, texte + std::wcslen(texte));
  return NomFichierSysteme(u).value_or(std::move(sinon));
}
}  // namespace

std::vector<std::string> ArgumentsProgramme(int, char**) {
  int n = 0;
  LPWSTR* mots = CommandLineToArgvW(GetCommandLineW(), &n);
  std::vector<std::string> r;
  for (int i = 1; mots && i < n; ++i) r.push_back(DeUtf16(mots[i], "\xEF\xBF\xBD"));  // U+FFFD
  if (mots) LocalFree(mots);
  return r;
}

std::string VariableEnvironnement(const char* nom) {
  const std::string n(nom);
  const std::wstring large(n.begin(), n.end());  // the names are ASCII
  const wchar_t* v = _wgetenv(large.c_str());
  return v ? DeUtf16(v, {}) : std::string();
}
#else
std::vector<std::string> ArgumentsProgramme(int argc, char** argv) {
  return argc > 1 ? std::vector<std::string>(argv + 1, argv + argc) : std::vector<std::string>();
}

std::string VariableEnvironnement(const char* nom) {
  const char* v = std::getenv(nom);
  return v ? std::string(v) : std::string();
}
#endif

}  // namespace corrinom
