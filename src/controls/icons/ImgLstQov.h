#pragma once

// The library's ready-made image lists, each bound to one of the shared icon collections.

#include "platform/forms/VirtualImageList.h"

// An image list that offers its icons by index only and fills itself with every item of its collection, so
// that an icon's index is its registration order in the collection.
class TqovImgLst : public TVirtualImageList {
  Q_OBJECT

 public:
  explicit TqovImgLst(TComponent* Sender);
};

// The toolbar icons (ObtenerImageCollection16): 228 "CheckBoxOff", 229 "CheckBoxOn", 254 "CalcBtn", ...
class TqovImgLst16 : public TqovImgLst {
  Q_OBJECT

 public:
  // Builds the toolbar collection on first use; its failure leaves the constructor.
  explicit TqovImgLst16(TComponent* Sender);
};

// The edit-menu icons (ObtenerEdtImageCollection16): 0 "Deshacer" to 6 "QueEs".
class TqovEdtImgLst16 : public TqovImgLst {
  Q_OBJECT

 public:
  explicit TqovEdtImgLst16(TComponent* Sender);
};

// The selection icons (ObtenerSelImageCollection16): 0 "QueEs", ...
class TqovSelImgLst16 : public TqovImgLst {
  Q_OBJECT

 public:
  explicit TqovSelImgLst16(TComponent* Sender);
};
