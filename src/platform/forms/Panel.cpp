#include "platform/forms/Panel.h"

#include <qdrawutil.h>

#include <QMouseEvent>
#include <QPainter>

#include "platform/forms/Application.h"
#include "platform/forms/Screen.h"
#include "platform/forms/TextDrawing.h"

TPanel::TPanel(TComponent* AOwner) : QWidget(), TControl(this, AOwner) {
  setAttribute(Qt::WA_Hover);
  SetBounds(0, 0, 185, 41);
}

void TPanel::SetCaption(const QString& AValue) {
  FCaption = AValue;
  update();
}

void TPanel::SetAlignment(TAlignment AValue) {
  FAlignment = AValue;
  update();
}

void TPanel::SetBevelOuter(TPanelBevel AValue) {
  FBevelOuter = AValue;
  update();
}

void TPanel::paintEvent(QPaintEvent* /*AEvent*/) {
  QPainter pintor(this);
  QRect r = rect();
  if (FBevelOuter != bvNone) {
    qDrawShadePanel(&pintor, r, palette(), FBevelOuter == bvLowered, 1);
    r.adjust(1, 1, -1, -1);
  }
  TDrawTextFlags banderas = dtSingleLine;
  if (FAlignment == taCenter) banderas |= dtCenter;
  if (FAlignment == taRightJustify) banderas |= dtRight;
  // One line, centred down the panel.
  const QRect texto = CalcTextRect(font(), FCaption, QRect(), dtSingleLine);
  r.setTop(r.top() + (r.height() - ToQtPixels(texto.height())) / 2);
  pintor.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
  DrawText(pintor, FCaption, r, banderas);
}

void TPanel::Raton(const TMouseEvent& AEvento, QMouseEvent& AMouse) {
  if (!AEvento) return;
  const TMouseButton boton = AMouse.button() == Qt::RightButton    ? mbRight
                             : AMouse.button() == Qt::MiddleButton ? mbMiddle
                                                                   : mbLeft;
  const QPoint punto = AMouse.position().toPoint();
  RunHandler([&] { AEvento(this, boton, AMouse.modifiers(), ToSystemPixels(punto.x()), ToSystemPixels(punto.y())); });
}

void TPanel::mousePressEvent(QMouseEvent* AEvent) { Raton(OnMouseDown, *AEvent); }

void TPanel::mouseReleaseEvent(QMouseEvent* AEvent) { Raton(OnMouseUp, *AEvent); }

void TPanel::enterEvent(QEnterEvent* /*AEvent*/) {
  if (OnMouseEnter) RunHandler([this] { OnMouseEnter(this); });
}

void TPanel::leaveEvent(QEvent* /*AEvent*/) {
  if (OnMouseLeave) RunHandler([this] { OnMouseLeave(this); });
}
