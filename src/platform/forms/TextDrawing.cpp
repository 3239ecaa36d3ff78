#include "platform/forms/TextDrawing.h"

#include <QFontMetrics>
#include <QPainter>

#include "platform/forms/Screen.h"

namespace {

int BanderasQt(TDrawTextFlags AFlags) {
  int banderas = Qt::AlignTop;
  banderas |= AFlags.testFlag(dtCenter) ? Qt::AlignHCenter : AFlags.testFlag(dtRight) ? Qt::AlignRight : Qt::AlignLeft;
  if (AFlags.testFlag(dtSingleLine)) banderas |= Qt::TextSingleLine;
  if (AFlags.testFlag(dtWordBreak)) banderas |= Qt::TextWordWrap;
  if (AFlags.testFlag(dtExpandTabs)) banderas |= Qt::TextExpandTabs;
  if (!AFlags.testFlag(dtNoPrefix)) banderas |= Qt::TextShowMnemonic;
  return banderas;
}

}  // namespace

QString DisplayText(const QString& AText) {
  QString texto = AText;
  texto.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  texto.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return texto;
}

QSize TextExtent(const QFont& AFont, const QString& AText) { return CalcTextRect(AFont, AText, QRect(), {}).size(); }

QRect CalcTextRect(const QFont& AFont, const QString& AText, const QRect& ARect, TDrawTextFlags AFlags) {
  const QRect caja = ToQtPixels(ARect);
  const QRect medida = QFontMetrics(AFont).boundingRect(QRect(caja.topLeft(), QSize(caja.width(), 0)),
                                                        BanderasQt(AFlags), DisplayText(AText));
  // Measured from the left edge whatever the alignment, as the rectangle's own width.
  return {ARect.topLeft(), QSize(ToSystemPixels(medida.width()), ToSystemPixels(medida.height()))};
}

void DrawText(QPainter& APainter, const QString& AText, const QRect& ARect, TDrawTextFlags AFlags) {
  APainter.drawText(ARect, BanderasQt(AFlags), DisplayText(AText));
}
