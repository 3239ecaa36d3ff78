#include "platform/forms/ProgressBar.h"

TProgressBar::TProgressBar(TComponent* AOwner) : QProgressBar(), TControl(this, AOwner) {
  setRange(0, 100);
  setValue(0);
  setTextVisible(false);
  SetBounds(0, 0, 150, 17);
}
