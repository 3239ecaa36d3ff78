#pragma once

// The progress bar.

#include <QProgressBar>

#include "platform/forms/Control.h"

// A progress bar from Min to Max (0 and 100 when created), 150 x 17, without a text.
class TProgressBar : public QProgressBar, public TControl {
  Q_OBJECT

 public:
  explicit TProgressBar(TComponent* AOwner);

  int Max() const { return maximum(); }
  void SetMax(int AValue) { setMaximum(AValue); }
  int Position() const { return value(); }
  void SetPosition(int AValue) { setValue(AValue); }
};
