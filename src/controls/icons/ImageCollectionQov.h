#pragma once

// The library's three process-wide icon collections, filled from the PNG resources of the resource library.

#include <QList>
#include <QString>

#include "platform/forms/ImageCollection.h"

// An icon collection whose icons are PNG resources of the resource library "QovRes.dll": one item per registered
// name, with one source image for each of its sizes. A failure while the collection is built leaves the exception
// to its creator.
class TqovImageCollection : public TImageCollection {
 public:
  TqovImageCollection() = default;

  // Adds one item for the icon, at the end: under its name, or, when an item has that name already (in any case),
  // under the first of "1" + name, "2" + name, ... that is free. Each size's image is the resource
  // "QOV_<name>_<size>" or, legacy, "QOV_<name>L_<size>", the legacy one first when FEsLegacy is set. Loads the
  // resource library on its first call.
  void AgregarImagen(const QString& ANombre);

 protected:
  virtual void RegistrarImagenes() = 0;

  QList<int> FSizes;
  bool FConColor = false;
  QString FColorMonocromatico;
  bool FEsLegacy = false;
  QString FColorContorneado;
};

// The toolbar icons, at 16, 20, 24 and 28 pixels.
class TqovImageCollection16 : public TqovImageCollection {
 public:
  TqovImageCollection16();

 protected:
  // Registers the toolbar icons; the collection is built by RegistrarImagenes16.
  void RegistrarImagenes() override { RegistrarImagenes16(); }
  virtual void RegistrarImagenes16();
};

// The edit-menu icons, at 16 to 32 pixels.
class TqovEdtImageCollection16 : public TqovImageCollection {
 public:
  TqovEdtImageCollection16();

 protected:
  void RegistrarImagenes() override;
};

// The selection icons, at 16 to 32 pixels.
class TqovSelImageCollection16 : public TqovImageCollection {
 public:
  TqovSelImageCollection16();

 protected:
  void RegistrarImagenes() override;
};

// The process's single collection of each kind, built on the first call. When building fails the exception
// passes and the next call builds it again.
TqovImageCollection16* ObtenerImageCollection16();
TqovEdtImageCollection16* ObtenerEdtImageCollection16();
TqovSelImageCollection16* ObtenerSelImageCollection16();
