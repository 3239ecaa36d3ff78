#include "platform/forms/ImageCollection.h"

#include <QImageReader>

const TImageCollectionItem& TImageCollection::Items(int AIndex) const {
  if (AIndex < 0 || AIndex >= Count())
    throw EListError(QStringLiteral("Índice de lista fuera de límites (%1)").arg(AIndex));
  return FImages[AIndex];
}

int TImageCollection::GetIndexByName(const QString& AName) const {
  for (int i = 0; i < Count(); ++i)
    if (FImages[i].Name.compare(AName, Qt::CaseInsensitive) == 0) return i;
  return -1;
}

void TImageCollection::Add(const QString& AName, QIODevice& AStream) {
  QImageReader reader(&AStream);
  const QImage image = reader.read();
  if (image.isNull())
    throw EInvalidGraphic(QStringLiteral("La imagen \"%1\" no es válida: %2").arg(AName, reader.errorString()));
  const int index = GetIndexByName(AName);
  if (index < 0)
    FImages.append({AName, {image}});
  else
    FImages[index].SourceImages.append(image);
}
