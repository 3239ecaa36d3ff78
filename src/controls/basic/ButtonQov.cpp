#include "controls/basic/ButtonQov.h"

TqovButton::TqovButton(TComponent* AOwner) : TButton(AOwner), TPopupMenuPropsQov(true, true) {
  SetBounds(Left(), Top(), 75, 22);
}
