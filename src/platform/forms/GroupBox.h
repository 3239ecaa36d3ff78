#pragma once

// The group box: a framed container with a caption.

#include <QGroupBox>

#include "platform/forms/Control.h"

// A group box, 185 x 105 when created. Its caption sits on the frame's top edge, blanks included.
class TGroupBox : public QGroupBox, public TControl {
  Q_OBJECT
  Q_PROPERTY(QFont Font READ Font WRITE SetFont)

 public:
  explicit TGroupBox(TComponent* AOwner);

  QString Caption() const { return title(); }
  void SetCaption(const QString& AValue) { setTitle(AValue); }
};
