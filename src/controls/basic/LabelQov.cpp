#include "controls/basic/LabelQov.h"

TqovLabel::TqovLabel(TComponent* AOwner) : TLabel(AOwner), TPopupMenuPropsQov(true, true) {}
