#include "platform/forms/Graphics.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPalette>
#include <QScreen>
#include <cmath>
#include <cstdlib>

#include "platform/forms/Screen.h"

namespace {

struct TColorSistema {
  int Indice;
  QPalette::ColorRole Papel;  // NoRole: the fixed colour
  QRgb Fijo;
};

// Roles for the system colours Qt knows; the usual Windows colours for the others.
constexpr TColorSistema ColoresSistema[] = {
    {0, QPalette::NoRole, qRgb(200, 200, 200)},
    {1, QPalette::NoRole, qRgb(0, 0, 0)},
    {2, QPalette::NoRole, qRgb(153, 180, 209)},
    {3, QPalette::NoRole, qRgb(191, 205, 219)},
    {4, QPalette::Window, 0},
    {5, QPalette::Base, 0},
    {6, QPalette::Shadow, 0},
    {7, QPalette::WindowText, 0},
    {8, QPalette::Text, 0},
    {9, QPalette::NoRole, qRgb(0, 0, 0)},
    {10, QPalette::NoRole, qRgb(180, 180, 180)},
    {11, QPalette::NoRole, qRgb(244, 247, 252)},
    {12, QPalette::NoRole, qRgb(171, 171, 171)},
    {13, QPalette::Highlight, 0},
    {14, QPalette::HighlightedText, 0},
    {15, QPalette::Button, 0},
    {16, QPalette::Dark, 0},
    {17, QPalette::PlaceholderText, 0},
    {18, QPalette::ButtonText, 0},
    {19, QPalette::NoRole, qRgb(0, 0, 0)},
    {20, QPalette::Light, 0},
    {21, QPalette::Shadow, 0},
    {22, QPalette::Midlight, 0},
    {23, QPalette::ToolTipText, 0},
    {24, QPalette::ToolTipBase, 0},
    {26, QPalette::Link, 0},
    {27, QPalette::NoRole, qRgb(185, 209, 234)},
    {28, QPalette::NoRole, qRgb(215, 228, 242)},
    {29, QPalette::Highlight, 0},
    {30, QPalette::Window, 0},
};

// Qt's logical pixels per point.
double PixelesPorPunto() {
  const QScreen* pantalla =
      qobject_cast<QGuiApplication*>(QCoreApplication::instance()) ? QGuiApplication::primaryScreen() : nullptr;
  return (pantalla ? pantalla->logicalDotsPerInch() : 96.0) / 72.0;
}

}  // namespace

QColor ColorToQColor(TColor AColor) {
  if (AColor == clDefault) return {};
  if ((AColor & clSystemColor) == clSystemColor) {
    const int indice = AColor & 0xFF;
    for (const TColorSistema& c : ColoresSistema)
      if (c.Indice == indice)
        return c.Papel == QPalette::NoRole ? QColor(c.Fijo) : QApplication::palette().color(QPalette::Active, c.Papel);
    return {};
  }
  return {AColor & 0xFF, (AColor >> 8) & 0xFF, (AColor >> 16) & 0xFF};
}

int MulDiv(int A, int B, int C) {
  if (C == 0) return -1;
  const long long producto = static_cast<long long>(A) * B;
  const long long magnitud = (std::llabs(producto) * 2 + std::llabs(C)) / (2 * std::llabs(C));
  return static_cast<int>((producto < 0) != (C < 0) ? -magnitud : magnitud);
}

QFont MakeFont(const QString& AName, int AHeight) {
  QFont fuente = AName.compare(QLatin1String("Tahoma"), Qt::CaseInsensitive) == 0
                     ? QFontDatabase::systemFont(QFontDatabase::GeneralFont)
                     : QFont(AName);
  SetFontHeight(fuente, AHeight);
  return fuente;
}

int FontHeight(const QFont& AFont) {
  const double pixeles = AFont.pointSizeF() > 0 ? AFont.pointSizeF() * PixelesPorPunto() : AFont.pixelSize();
  return -static_cast<int>(std::lround(pixeles * Screen.PixelScale()));
}

void SetFontHeight(QFont& AFont, int AHeight) {
  AFont.setPointSizeF(std::abs(AHeight) / Screen.PixelScale() / PixelesPorPunto());
  // A positive height is the cell height, which counts the internal leading too: scale the character
  // height so that the cell comes to that height.
  if (AHeight > 0)
    AFont.setPointSizeF(AFont.pointSizeF() * AFont.pointSizeF() * PixelesPorPunto() / QFontMetricsF(AFont).height());
}
