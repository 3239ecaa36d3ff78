#pragma once

// The panel: a container with a caption, a bevel, a colour of its own and the mouse events.

#include <QWidget>
#include <functional>

#include "platform/forms/Control.h"
#include "platform/forms/Menus.h"

enum TPanelBevel { bvNone, bvLowered, bvRaised };
enum TMouseButton { mbLeft, mbRight, mbMiddle };

// A mouse button pressed or released over a control, at a point of the control (system pixels).
using TMouseEvent = std::function<void(QObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;

// A panel, 185 x 41 with a raised bevel when created. Its caption is drawn on one line, centred both
// ways unless Alignment says otherwise. A button released after being pressed over the panel reaches it
// wherever the mouse is then.
class TPanel : public QWidget, public TControl {
  Q_OBJECT
  Q_PROPERTY(TPopupMenu* PopupMenu READ PopupMenu WRITE SetPopupMenu)
  Q_PROPERTY(QFont Font READ Font WRITE SetFont)

 public:
  explicit TPanel(TComponent* AOwner);

  const QString& Caption() const { return FCaption; }
  void SetCaption(const QString& AValue);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment AValue);
  TPanelBevel BevelOuter() const { return FBevelOuter; }
  void SetBevelOuter(TPanelBevel AValue);

  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;

 protected:
  void paintEvent(QPaintEvent* AEvent) override;
  void mousePressEvent(QMouseEvent* AEvent) override;
  void mouseReleaseEvent(QMouseEvent* AEvent) override;
  void enterEvent(QEnterEvent* AEvent) override;
  void leaveEvent(QEvent* AEvent) override;

 private:
  void Raton(const TMouseEvent& AEvento, QMouseEvent& AMouse);

  QString FCaption;
  TAlignment FAlignment = taCenter;
  TPanelBevel FBevelOuter = bvRaised;
};
