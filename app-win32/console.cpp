#include "app-win32/console.h"

#include <windows.h>

#include "app-win32/texte_win32.h"
#include "window/dialogues_fenetre.h"

namespace corrinom::win32 {

namespace {

bool EcritFichier(HANDLE h, const std::string& texte) {
  DWORD ecrits = 0;
  return WriteFile(h, texte.data(), static_cast<DWORD>(texte.size()), &ecrits, nullptr) &&
         ecrits == texte.size();
}

bool EcritConsole(HANDLE h, const std::wstring& texte) {
  DWORD ecrits = 0;
  return WriteConsoleW(h, texte.data(), static_cast<DWORD>(texte.size()), &ecrits, nullptr) != FALSE;
}

}  // namespace

void EcritSortie(const std::string& texte, bool erreur) {
  // A handle given by the caller (a file, a pipe) takes the UTF-8 bytes as they are.
  const HANDLE donne = GetStdHandle(erreur ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
  if (donne && donne != INVALID_HANDLE_VALUE) {
    DWORD mode = 0;
    if (GetConsoleMode(donne, &mode)) {
      if (EcritConsole(donne, DeUtf8(texte))) return;
    } else if (EcritFichier(donne, texte)) {
      return;
    }
  }
  if (AttachConsole(ATTACH_PARENT_PROCESS)) {
    const HANDLE console = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                       nullptr, OPEN_EXISTING, 0, nullptr);
    bool ecrit = false;
    if (console != INVALID_HANDLE_VALUE) {
      // The prompt was printed before the text: start it on a line of its own.
      ecrit = EcritConsole(console, L"\r\n" + DeUtf8(texte));
      CloseHandle(console);
    }
    FreeConsole();
    if (ecrit) return;
  }
  MessageBoxW(nullptr, DeUtf8(texte).c_str(), DeCp1252(fenetre::kTitreApplication).c_str(), MB_OK | (erreur ? MB_ICONERROR : MB_ICONINFORMATION));
}

}  // namespace corrinom::win32
