#include "platform/forms/StatusBar.h"

#include <qdrawutil.h>

#include <QPainter>
#include <algorithm>

#include "platform/forms/Application.h"
#include "platform/forms/Form.h"
#include "platform/forms/Screen.h"
#include "platform/forms/TextDrawing.h"

TStatusBar::TStatusBar(TComponent* AOwner) : QWidget(), TControl(this, AOwner) {
  SetBounds(0, 0, 185, 19);
  SetAnchors(TAnchors(akLeft) | akRight | akBottom);
}

void TStatusBar::AddPanel(const TStatusPanel& APanel) {
  FPanels.push_back(APanel);
  update();
}

void TStatusBar::SetPanelText(int AIndex, const QString& AText) {
  Panel(AIndex).Text = AText;
  update();
}

QRect TStatusBar::PanelRect(int AIndex) const {
  int izquierda = 0;
  for (int i = 0; i < AIndex; ++i) izquierda += Panel(i).Width;
  const int ancho = AIndex == PanelCount() - 1 ? std::max(0, Width() - izquierda) : Panel(AIndex).Width;
  // A panel's frame leaves two pixels above and one below it.
  return {izquierda, 2, ancho, std::max(0, Height() - 3)};
}

void TStatusBar::SetParent(QWidget* AParent) {
  TControl::SetParent(AParent);
  const QRect area = ToSystemPixels(AParent->contentsRect());
  SetBounds(0, area.height() - Height(), area.width(), Height());
}

void TStatusBar::ScaleForPPI(int ANewPPI) {
  const TForm* forma = ParentForm();
  const int actual = forma ? forma->CurrentPPI() : 96;
  for (TStatusPanel& panel : FPanels) panel.Width = MulDiv(panel.Width, ANewPPI, actual);
  TControl::ScaleForPPI(ANewPPI);
}

void TStatusBar::paintEvent(QPaintEvent* /*AEvent*/) {
  QPainter pintor(this);
  pintor.setPen(palette().color(QPalette::WindowText));
  for (int i = 0; i < PanelCount(); ++i) {
    const QRect sistema = PanelRect(i);
    const QRect marco = ToQtPixels(sistema);
    qDrawShadePanel(&pintor, marco, palette(), true, 1);
    if (Panel(i).Style == psOwnerDraw) {
      if (OnDrawPanel) RunHandler([&] { OnDrawPanel(*this, i, sistema); });
      continue;
    }
    const QRect texto = CalcTextRect(font(), Panel(i).Text, QRect(), dtSingleLine | dtNoPrefix);
    QRect r = marco.adjusted(3, 0, -2, 0);
    r.setTop(marco.top() + (marco.height() - ToQtPixels(texto.height())) / 2);
    DrawText(pintor, Panel(i).Text, r, dtSingleLine | dtNoPrefix);
  }
}
