#pragma once

// The process-wide screen: the cursor over the program's windows, the resolution and size of the screen,
// the message font, and the focused control.

#include <QFont>
#include <QRect>
#include <QtGlobal>
#include <functional>

class QWidget;

// A mouse-cursor identifier.
using TCursor = qint16;

constexpr TCursor crDefault = 0;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crSQLWait = -17;

// The process-wide screen. Sizes are the system's pixels, the physical pixels of the primary screen: Qt's
// logical pixels times PixelScale (Qt 6 reports 96 logical dots per inch and puts the scale in the
// device pixel ratio). Without a Qt application the screen reads as 96 dpi and 0 x 0.
class TScreen {
 public:
  TCursor Cursor() const { return FCursor; }
  // Calls OnCursorChange when the cursor changes.
  void SetCursor(TCursor AValue);
  // Shows the cursor over the program's windows; start-up sets it (ShowCursor shows it through Qt). The
  // platform itself only keeps the cursor, so that a program without windows runs without it.
  std::function<void(TCursor)> OnCursorChange;
  // Shows a cursor over every window of the program (crDefault: each window's own).
  static void ShowCursor(TCursor ACursor);

  // round(logical dpi x device pixel ratio) of the primary screen.
  int PixelsPerInch() const;
  // PixelsPerInch / 96: the system's pixels per Qt logical pixel.
  double PixelScale() const;
  int Width() const;
  int Height() const;
  // The whole desktop.
  int DesktopWidth() const;
  int DesktopHeight() const;
  // The font of message boxes: the application's general font.
  QFont MessageFont() const;

  // The control that has the keyboard focus; null when none.
  QWidget* ActiveControl() const;

 private:
  TCursor FCursor = crDefault;
};

extern TScreen Screen;

// Conversions between the system's pixels and Qt's logical pixels.
int ToSystemPixels(int AQtPixels);
int ToQtPixels(int ASystemPixels);
QRect ToSystemPixels(const QRect& AQtRect);
QRect ToQtPixels(const QRect& ASystemRect);
