// The main window's drag and drop between its lists.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>

#include "app-win32/form_corrinom.h"
#include "window/geometrie.h"

namespace corrinom::win32 {

// ---- Drag and drop ----------------------------------------------------------------

HWND TFormCorrinom::ListeSous(POINT ecran) const {
  for (HWND liste : {ListViewUsers_, ListViewRebus_}) {
    RECT r;
    GetWindowRect(liste, &r);
    if (PtInRect(&r, ecran)) return liste;
  }
  return nullptr;
}

std::optional<int> TFormCorrinom::LigneALaHauteur(HWND liste, POINT ecran) const {
  // The row 10 pixels from the list's left edge at the drop's height, so that a
  // drop anywhere along a row's line hits that row; none under the header.
  POINT p = ecran;
  ScreenToClient(liste, &p);
  RECT entete{};
  if (HWND h = ListView_GetHeader(liste)) GetWindowRect(h, &entete);
  if (p.y < entete.bottom - entete.top) return std::nullopt;
  LVHITTESTINFO test{};
  test.pt = {E(10), p.y};
  const int i = ListView_HitTest(liste, &test);
  if (i < 0 || !(test.flags & LVHT_ONITEM)) return std::nullopt;
  return i;
}

void TFormCorrinom::DebutGlisse(HWND liste, int ligne, POINT depart) {
  if (logique_->Occupee() || glisse_) return;
  // The dragged row is always the selected one; a press on empty space drags nothing.
  if (ligne < 0 || !LigneSelectionnee(SourceDe(liste))) return;
  glisse_ = std::make_unique<Glisse>();
  glisse_->source = liste;
  POINT ecran = depart;
  ClientToScreen(liste, &ecran);
  POINT origine{};
  glisse_->image = ListView_CreateDragImage(liste, ligne, &origine);
  if (glisse_->image) {
    ImageList_BeginDrag(glisse_->image, 0, depart.x - origine.x, depart.y - origine.y);
    RECT fen;
    GetWindowRect(hwnd_, &fen);
    ImageList_DragEnter(hwnd_, ecran.x - fen.left, ecran.y - fen.top);
  }
  SetCapture(hwnd_);
  SetTimer(hwnd_, kMinuterieDefilement, 80, nullptr);
  SuitGlisse(ecran);
}

void TFormCorrinom::DefileSousGlisse() {
  // A drag resting near the top or the bottom of a list scrolls it a row at a
  // time, so that a row out of sight can be reached.
  POINT ecran;
  GetCursorPos(&ecran);
  const HWND liste = ListeSous(ecran);
  if (!liste) return;
  POINT p = ecran;
  ScreenToClient(liste, &p);
  RECT client, entete{};
  GetClientRect(liste, &client);
  if (HWND h = ListView_GetHeader(liste)) GetWindowRect(h, &entete);
  const int sens = fenetre::SensDefilementGlisse(p.y, entete.bottom - entete.top, client.bottom,
                                                 static_cast<int>(dpi_));
  if (!sens) return;
  RECT ligne{};
  if (!ListView_GetItemRect(liste, ListView_GetTopIndex(liste), &ligne, LVIR_BOUNDS)) return;
  // The picture leaves the window while the list moves, and comes back over the new rows.
  RECT fen;
  GetWindowRect(hwnd_, &fen);
  if (glisse_->image) ImageList_DragLeave(hwnd_);
  ListView_Scroll(liste, 0, sens * std::max(1L, ligne.bottom - ligne.top));
  UpdateWindow(liste);
  if (glisse_->image) ImageList_DragEnter(hwnd_, ecran.x - fen.left, ecran.y - fen.top);
}

void TFormCorrinom::SuitGlisse(POINT ecran) {
  if (!glisse_) return;
  if (glisse_->image) {
    RECT fen;
    GetWindowRect(hwnd_, &fen);
    ImageList_DragMove(ecran.x - fen.left, ecran.y - fen.top);
  }
  const bool accepte = fenetre::LogiqueFenetre::AccepteGlisse(SourceDe(ListeSous(ecran)), SourceDe(glisse_->source));
  SetCursor(LoadCursorW(nullptr, accepte ? IDC_ARROW : IDC_NO));
}

void TFormCorrinom::FinGlisse(bool deposer, POINT ecran) {
  if (!glisse_) return;
  const std::unique_ptr<Glisse> g = std::move(glisse_);
  KillTimer(hwnd_, kMinuterieDefilement);
  if (g->image) {
    ImageList_DragLeave(hwnd_);
    ImageList_EndDrag();
    ImageList_Destroy(g->image);
  }
  if (GetCapture() == hwnd_) ReleaseCapture();
  SetCursor(LoadCursorW(nullptr, IDC_ARROW));
  if (!deposer) return;
  if (const HWND cible = ListeSous(ecran))
    logique_->Depose(SourceDe(cible), SourceDe(g->source), LigneALaHauteur(cible, ecran));
}

}  // namespace corrinom::win32
