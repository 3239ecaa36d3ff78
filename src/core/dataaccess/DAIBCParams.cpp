#include "core/dataaccess/DAIBCParams.h"

void TqovDAParam::LoadFromStream(QIODevice& AValue) {
  if (!AValue.isSequential()) AValue.seek(0);
  SetAsBlob(AValue.readAll());
}

void TqovDAParam::SaveToStream(QIODevice& AValue) const { AValue.write(AsBlob()); }
