#pragma once

// Modules that carry named resources (the program itself and the resource libraries it loads at run time), the
// lookup of their resources and the streams that read them.

#include <QBuffer>
#include <QHash>
#include <QImage>
#include <QString>

#include "platform/rtl/Exception.h"
#include "platform/rtl/ResourceTable.h"

// The resources of one module, found by type and name without regard to case.
class TResourceModule {
 public:
  TResourceModule(void* AHandle, const TResourceTable& ATable);

  // The resource, or nullptr when the module has none of that name and type.
  const TResourceEntry* Find(const QString& AName, const QString& AType) const;
  // The handle of the loaded library; nullptr for the program.
  void* Handle() const { return FHandle; }

 private:
  void* FHandle;
  QHash<QString, const TResourceEntry*> FEntries;
};

using HMODULE = TResourceModule*;

// The resource type of raw data.
inline const QString RT_RCDATA = QStringLiteral("RCDATA");

// The program's own module: the resources that the program registered.
HMODULE HInstance();
// Makes the table the program's resources. The program's resource unit calls it once, as the process starts.
void RegisterProgramResources(const TResourceTable& ATable);

// Loads a resource library by its name, "Name.dll" standing for the file "libName.so": from the program's folder
// first, then by the system's standard search; a name with a folder is loaded from there alone. A library that
// exports no resource table has no resources. nullptr when no such library can be loaded.
HMODULE LoadLibrary(const QString& AName);
// Unloads a library that LoadLibrary loaded.
void FreeLibrary(HMODULE AModule);

// The module's resource, or nullptr when it has none of that name and type.
const TResourceEntry* FindResource(HMODULE AModule, const QString& AName, const QString& AType);

// A resource that a module does not have.
class EResNotFound : public Exception {
 public:
  using Exception::Exception;
};

// A read stream over one resource of a module, open from its first byte. Raises EResNotFound when the module has
// no such resource. It reads the module's own bytes: the module must stay loaded while the stream lives.
class TResourceStream : public QBuffer {
 public:
  TResourceStream(HMODULE AInstance, const QString& AResName, const QString& AResType);
};

// The picture that the module's resource holds; a null image when there is no such resource or it holds no
// picture that can be read.
QImage LoadResourceImage(HMODULE AModule, const QString& AName, const QString& AType);
