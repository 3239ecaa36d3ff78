#include "platform/forms/Screen.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

TScreen Screen;

namespace {

QScreen* Primaria() {
  return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) ? QGuiApplication::primaryScreen() : nullptr;
}

Qt::CursorShape Forma(TCursor ACursor) {
  switch (ACursor) {
    case crHourGlass:
      return Qt::WaitCursor;
    case crSQLWait:
      return Qt::BusyCursor;
    default:
      return Qt::ArrowCursor;
  }
}

}  // namespace

void TScreen::SetCursor(TCursor AValue) {
  if (AValue == FCursor) return;
  FCursor = AValue;
  if (OnCursorChange) OnCursorChange(AValue);
}

void TScreen::ShowCursor(TCursor ACursor) {
  if (ACursor == crDefault) {
    while (QGuiApplication::overrideCursor()) QGuiApplication::restoreOverrideCursor();
  } else if (QGuiApplication::overrideCursor()) {
    QGuiApplication::changeOverrideCursor(Forma(ACursor));
  } else {
    QGuiApplication::setOverrideCursor(Forma(ACursor));
  }
}

int TScreen::PixelsPerInch() const {
  const QScreen* pantalla = Primaria();
  return pantalla ? static_cast<int>(std::lround(pantalla->logicalDotsPerInch() * pantalla->devicePixelRatio())) : 96;
}

double TScreen::PixelScale() const { return PixelsPerInch() / 96.0; }

int TScreen::Width() const {
  const QScreen* pantalla = Primaria();
  return pantalla ? ToSystemPixels(pantalla->geometry().width()) : 0;
}

int TScreen::Height() const {
  const QScreen* pantalla = Primaria();
  return pantalla ? ToSystemPixels(pantalla->geometry().height()) : 0;
}

int TScreen::DesktopWidth() const {
  const QScreen* pantalla = Primaria();
  return pantalla ? ToSystemPixels(pantalla->virtualGeometry().width()) : 0;
}

int TScreen::DesktopHeight() const {
  const QScreen* pantalla = Primaria();
  return pantalla ? ToSystemPixels(pantalla->virtualGeometry().height()) : 0;
}

QFont TScreen::MessageFont() const { return QApplication::font(); }

QWidget* TScreen::ActiveControl() const { return QApplication::focusWidget(); }

int ToSystemPixels(int AQtPixels) { return static_cast<int>(std::lround(AQtPixels * Screen.PixelScale())); }

int ToQtPixels(int ASystemPixels) { return static_cast<int>(std::lround(ASystemPixels / Screen.PixelScale())); }

QRect ToSystemPixels(const QRect& AQtRect) {
  return {ToSystemPixels(AQtRect.x()), ToSystemPixels(AQtRect.y()), ToSystemPixels(AQtRect.width()),
          ToSystemPixels(AQtRect.height())};
}

QRect ToQtPixels(const QRect& ASystemRect) {
  return {ToQtPixels(ASystemRect.x()), ToQtPixels(ASystemRect.y()), ToQtPixels(ASystemRect.width()),
          ToQtPixels(ASystemRect.height())};
}
