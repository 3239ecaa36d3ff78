#include "controls/icons/ImgLstQov.h"

#include "controls/icons/ImageCollectionQov.h"

TqovImgLst::TqovImgLst(TComponent* Sender) : TVirtualImageList(Sender) {
  SetImageNameAvailable(false);
  SetAutoFill(true);
}

TqovImgLst16::TqovImgLst16(TComponent* Sender) : TqovImgLst(Sender) { SetImageCollection(ObtenerImageCollection16()); }

TqovEdtImgLst16::TqovEdtImgLst16(TComponent* Sender) : TqovImgLst(Sender) {
  SetImageCollection(ObtenerEdtImageCollection16());
}

TqovSelImgLst16::TqovSelImgLst16(TComponent* Sender) : TqovImgLst(Sender) {
  SetImageCollection(ObtenerSelImageCollection16());
}
