#pragma once

// The virtual image list: the icons of an image collection by index, drawn at the size and resolution of the
// form that owns the list.

#include <QIcon>
#include <QImage>
#include <QObject>
#include <QString>

#include "platform/forms/Component.h"

class TImageCollection;

// An image list that holds no pictures of its own: with AutoFill its images are the items of its collection,
// in collection order, so an image's index is its item's index. It draws each image Width x Height at the
// resolution of the form in its owner chain (when Scaled; at 96 dpi otherwise), from the item's source image
// nearest that size, resampled to it when the sizes differ. The collection is not owned and must outlive the
// list.
class TVirtualImageList : public QObject, public TComponent {
  Q_OBJECT

 public:
  explicit TVirtualImageList(TComponent* AOwner);

  TImageCollection* ImageCollection() const { return FImageCollection; }
  void SetImageCollection(TImageCollection* AValue) { FImageCollection = AValue; }
  bool AutoFill() const { return FAutoFill; }
  void SetAutoFill(bool AValue) { FAutoFill = AValue; }
  // Whether controls may ask for images by name; they ask by index when it is false.
  bool ImageNameAvailable() const { return FImageNameAvailable; }
  void SetImageNameAvailable(bool AValue) { FImageNameAvailable = AValue; }
  // The size of the images at 96 dpi.
  int Width() const { return FWidth; }
  void SetWidth(int AValue) { FWidth = AValue; }
  int Height() const { return FHeight; }
  void SetHeight(int AValue) { FHeight = AValue; }
  bool Scaled() const { return FScaled; }
  void SetScaled(bool AValue) { FScaled = AValue; }
  // Whether the icon of a disabled item is drawn grey; otherwise a disabled item shows the collection's item
  // named after its own with DisabledSuffix appended ("Copiar_Disabled"), or looks as when enabled when the
  // collection has none.
  bool DisabledGrayscale() const { return FDisabledGrayscale; }
  void SetDisabledGrayscale(bool AValue) { FDisabledGrayscale = AValue; }
  const QString& DisabledSuffix() const { return FDisabledSuffix; }
  void SetDisabledSuffix(const QString& AValue) { FDisabledSuffix = AValue; }

  int Count() const;
  // The resolution the images are drawn at: that of the owner chain's form when Scaled, else 96.
  int CurrentPPI() const;
  // The size in the system's pixels that the images are drawn at.
  QSize DrawSize() const;
  // The item's source image that is drawn: the one whose width is nearest DrawSize's, the larger of two as
  // near. Raises EListError for an index out of range.
  const QImage& SourceImage(int AIndex) const;
  // The image at DrawSize. Raises EListError for an index out of range.
  QImage Image(int AIndex) const;
  // The image as the icon of a menu item; null for an index out of range.
  QIcon Icon(int AIndex) const;

 private:
  TImageCollection* FImageCollection = nullptr;
  bool FAutoFill = false;
  bool FImageNameAvailable = true;
  int FWidth = 16;
  int FHeight = 16;
  bool FScaled = true;
  bool FDisabledGrayscale = true;
  QString FDisabledSuffix = QStringLiteral("_Disabled");
};
