#include "app-win32/dialogues_win32.h"

#include "app-win32/form_cherche_champ.h"
#include "app-win32/outils_annexes.h"
#include "window/dialogues_fenetre.h"

namespace corrinom::win32 {

namespace {

// The system draws the question's buttons in its own language; a hook renames them
// as the box is activated, before it shows.
thread_local HHOOK crochetQuestion = nullptr;

// The identifiers of the question's buttons in the row's order, and the flag
// that makes each one the default.
constexpr int kIdsQuestion[] = {IDYES, IDNO, IDCANCEL};
constexpr UINT kDefautsQuestion[] = {MB_DEFBUTTON1, MB_DEFBUTTON2, MB_DEFBUTTON3};

LRESULT CALLBACK RenommeBoutons(int code, WPARAM w, LPARAM l) {
  if (code == HCBT_ACTIVATE) {
    const HWND boite = reinterpret_cast<HWND>(w);
    wchar_t classe[16] = {};
    GetClassNameW(boite, classe, 16);
    if (std::wstring_view(classe) == L"#32770") {
      for (std::size_t i = 0; i < fenetre::kBoutonsQuestion.size(); ++i)
        SetDlgItemTextW(boite, kIdsQuestion[i], DeCp1252(fenetre::kBoutonsQuestion[i].texte).c_str());
      const HHOOK crochet = crochetQuestion;
      crochetQuestion = nullptr;
      UnhookWindowsHookEx(crochet);
      return 0;
    }
  }
  return CallNextHookEx(nullptr, code, w, l);
}

// The MessageBoxW flags of a question: its buttons, icon and default button.
UINT StyleQuestion(Icone icone, Reponse parDefaut) {
  UINT style = MB_YESNOCANCEL | kDefautsQuestion[fenetre::RangBouton(parDefaut)];
  switch (icone) {
    case Icone::Question: style |= MB_ICONQUESTION; break;
    case Icone::Information: style |= MB_ICONINFORMATION; break;
    case Icone::Avertissement: style |= MB_ICONWARNING; break;
    case Icone::Erreur: style |= MB_ICONERROR; break;
    case Icone::Aucune: break;
  }
  return style;
}

// The answer a question box's result stands for (Escape and the close box give
// IDCANCEL: Annuler).
Reponse ReponseDe(int resultat) {
  for (std::size_t i = 0; i < fenetre::kBoutonsQuestion.size(); ++i)
    if (resultat == kIdsQuestion[i]) return fenetre::kBoutonsQuestion[i].reponse;
  return Reponse::Annuler;
}

}  // namespace

HWND DialoguesWin32::Proprietaire() const {
  const HWND actif = GetActiveWindow();
  if (!actif || !IsWindowEnabled(actif)) return proprietaire_;
  for (HWND h = actif; h; h = GetWindow(h, GW_OWNER))
    if (h == proprietaire_) return actif;
  return proprietaire_;
}

int DialoguesWin32::Boite(std::string_view texte, std::string_view titre, UINT style) const {
  const std::wstring legende = DeCp1252(fenetre::LegendeBoite(titre));
  const HWND proprietaire = Proprietaire();
  // Without an owner the box still stops every window of the program.
  if (!proprietaire) style |= MB_TASKMODAL;
  return MessageBoxW(proprietaire, DeCp1252(texte).c_str(), legende.c_str(), style | MB_SETFOREGROUND);
}

void DialoguesWin32::message(std::string_view texte, std::string_view titre) { Boite(texte, titre, MB_OK); }

void DialoguesWin32::erreur(std::string_view texte, std::string_view titre) {
  Boite(texte, titre, MB_OK | MB_ICONERROR);
}

Reponse DialoguesWin32::question(std::string_view titre, std::string_view texte, Icone icone, Reponse parDefaut) {
  if (!crochetQuestion)
    crochetQuestion = SetWindowsHookExW(WH_CBT, &RenommeBoutons, nullptr, GetCurrentThreadId());
  const int resultat = Boite(texte, titre, StyleQuestion(icone, parDefaut));
  // A box that never showed leaves the hook in place.
  if (crochetQuestion) {
    UnhookWindowsHookEx(crochetQuestion);
    crochetQuestion = nullptr;
  }
  return ReponseDe(resultat);
}

std::optional<int> DialoguesWin32::choisirChamp(const DemandeChamp& demande) {
  return ChoisitChamp(instance_, Proprietaire(), demande);
}

void DialoguesWin32::debutAttente() {
  if (attente_++ == 0) avant_ = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
}

void DialoguesWin32::finAttente() {
  if (attente_ == 0) return;
  if (--attente_ == 0) SetCursor(avant_ ? avant_ : LoadCursorW(nullptr, IDC_ARROW));
}

}  // namespace corrinom::win32
