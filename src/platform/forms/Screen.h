#pragma once

// The process-wide screen: for now the mouse cursor shown over the program's windows.

#include <QtGlobal>
#include <functional>

// A mouse-cursor identifier.
using TCursor = qint16;

constexpr TCursor crDefault = 0;
constexpr TCursor crSQLWait = -17;

// The process-wide screen: the cursor shown over the program's windows. The platform only keeps it; the
// application sets OnCursorChange at start-up to show it.
class TScreen {
 public:
  TCursor Cursor() const { return FCursor; }
  // Calls OnCursorChange when the cursor changes.
  void SetCursor(TCursor AValue);

  std::function<void(TCursor)> OnCursorChange;

 private:
  TCursor FCursor = crDefault;
};

extern TScreen Screen;
