#include "platform/forms/GroupBox.h"

TGroupBox::TGroupBox(TComponent* AOwner) : QGroupBox(), TControl(this, AOwner) { SetBounds(0, 0, 185, 105); }
