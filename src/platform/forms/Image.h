#pragma once

// The image control: a picture shown at its own size, stretched, or kept in proportion.

#include <QWidget>

#include "platform/forms/Control.h"
#include "platform/forms/Menus.h"
#include "platform/forms/Picture.h"

// Shows a picture, 105 x 105 when created. Without Stretch the picture is drawn at its own size from the
// top left corner; with Stretch it fills the control, or with Proportional as much of it as keeps its
// proportions, centred. AutoSize makes the control the picture's size. A picture drawn at another size is
// resampled smoothly, a decoded image with wipmNearestNeighbor pixel by pixel.
class TImage : public QWidget, public TControl {
  Q_OBJECT
  Q_PROPERTY(TPopupMenu* PopupMenu READ PopupMenu WRITE SetPopupMenu)

 public:
  explicit TImage(TComponent* AOwner);

  TPicture& Picture() { return FPicture; }
  const TPicture& Picture() const { return FPicture; }
  bool Stretch() const { return FStretch; }
  void SetStretch(bool AValue);
  bool Proportional() const { return FProportional; }
  void SetProportional(bool AValue);
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool AValue);

  // Where the picture is drawn, in Qt's pixels of the control.
  QRect DestRect() const;

 protected:
  void paintEvent(QPaintEvent* AEvent) override;

 private:
  void AdjustSize();

  TPicture FPicture;
  bool FStretch = false;
  bool FProportional = false;
  bool FAutoSize = false;
};
