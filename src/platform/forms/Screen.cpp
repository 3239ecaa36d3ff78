#include "platform/forms/Screen.h"

TScreen Screen;

void TScreen::SetCursor(TCursor AValue) {
  if (AValue == FCursor) return;
  FCursor = AValue;
  if (OnCursorChange) OnCursorChange(AValue);
}
