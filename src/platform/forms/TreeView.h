#pragma once

// The tree view: items in a hierarchy.

#include <QTreeWidget>

#include "platform/forms/Control.h"

// A tree of items over QTreeWidget, 121 x 97 when created, without a header.
class TTreeView : public QTreeWidget, public TControl {
  Q_OBJECT
  Q_PROPERTY(QFont Font READ Font WRITE SetFont)

 public:
  explicit TTreeView(TComponent* AOwner);
};
