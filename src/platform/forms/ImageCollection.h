#pragma once

// The image collection: named items, each with one source image per pixel size, that image lists draw from.

#include <QImage>
#include <QList>
#include <QString>

#include "platform/forms/Picture.h"
#include "platform/rtl/Exception.h"

class QIODevice;

// One item of a collection: its name and its source images, in the order they were added.
struct TImageCollectionItem {
  QString Name;
  QList<QImage> SourceImages;
};

// Named items in the order they were added. The images are kept as QImage, which needs no application object,
// so a collection may outlive it.
class TImageCollection {
 public:
  virtual ~TImageCollection() = default;

  int Count() const { return static_cast<int>(FImages.size()); }
  // Raises EListError for an index out of range.
  const TImageCollectionItem& Items(int AIndex) const;
  // The index of the item of that name, compared without regard to case; -1 when there is none.
  int GetIndexByName(const QString& AName) const;
  // Reads the stream's picture and adds it under the name: a new item, at the end, when no item has that name;
  // otherwise one more source image of that item. Raises EInvalidGraphic when the stream holds no picture.
  void Add(const QString& AName, QIODevice& AStream);

 private:
  QList<TImageCollectionItem> FImages;
};
