#include "platform/forms/TreeView.h"

TTreeView::TTreeView(TComponent* AOwner) : QTreeWidget(), TControl(this, AOwner) {
  setHeaderHidden(true);
  SetBounds(0, 0, 121, 97);
}
