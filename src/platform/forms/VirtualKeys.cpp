#include "platform/forms/VirtualKeys.h"

#include <utility>

namespace {

// Keys whose codes differ; letters, digits and the space bar are the same in both.
constexpr std::pair<int, Qt::Key> Teclas[] = {
    {VK_BACK, Qt::Key_Backspace},  {VK_TAB, Qt::Key_Tab},     {VK_RETURN, Qt::Key_Return}, {VK_SHIFT, Qt::Key_Shift},
    {VK_CONTROL, Qt::Key_Control}, {VK_MENU, Qt::Key_Alt},    {VK_ESCAPE, Qt::Key_Escape}, {VK_PRIOR, Qt::Key_PageUp},
    {VK_NEXT, Qt::Key_PageDown},   {VK_END, Qt::Key_End},     {VK_HOME, Qt::Key_Home},     {VK_LEFT, Qt::Key_Left},
    {VK_UP, Qt::Key_Up},           {VK_RIGHT, Qt::Key_Right}, {VK_DOWN, Qt::Key_Down},     {VK_INSERT, Qt::Key_Insert},
    {VK_DELETE, Qt::Key_Delete},   {VK_APPS, Qt::Key_Menu},
};

bool EsLetraODigito(int ACodigo) {
  return ACodigo == VK_SPACE || (ACodigo >= '0' && ACodigo <= '9') || (ACodigo >= 'A' && ACodigo <= 'Z');
}

}  // namespace

int VirtualKeyFromQt(int AQtKey) {
  if (AQtKey == Qt::Key_Enter) return VK_RETURN;
  if (AQtKey == Qt::Key_Backtab) return VK_TAB;
  if (AQtKey >= Qt::Key_F1 && AQtKey <= Qt::Key_F12) return VK_F1 + (AQtKey - Qt::Key_F1);
  if (EsLetraODigito(AQtKey)) return AQtKey;
  for (const auto& [vk, qt] : Teclas)
    if (qt == AQtKey) return vk;
  return 0;
}

Qt::Key QtKeyFromVirtualKey(int AKey) {
  if (AKey >= VK_F1 && AKey <= VK_F12) return static_cast<Qt::Key>(Qt::Key_F1 + (AKey - VK_F1));
  if (EsLetraODigito(AKey)) return static_cast<Qt::Key>(AKey);
  for (const auto& [vk, qt] : Teclas)
    if (vk == AKey) return qt;
  return Qt::Key_unknown;
}
