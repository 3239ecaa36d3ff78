#include "platform/rtl/ResourceModule.h"

#include <dlfcn.h>

#include <QFile>
#include <QFileInfo>

namespace {

QString Key(const QString& AType, const QString& AName) {
  return AType.toUpper() + QLatin1Char('\n') + AName.toUpper();
}

const TResourceTable NoResources{nullptr, 0};

TResourceModule& ProgramModule() {
  static TResourceModule module(nullptr, NoResources);
  return module;
}

// "QovRes.dll" is the file "libQovRes.so"; any other name is the file's own.
QString FileNameFor(const QString& AName) {
  if (!AName.endsWith(QStringLiteral(".dll"), Qt::CaseInsensitive)) return AName;
  return QStringLiteral("lib") + AName.chopped(4) + QStringLiteral(".so");
}

void* Open(const QString& AFileName) { return dlopen(QFile::encodeName(AFileName).constData(), RTLD_NOW | RTLD_LOCAL); }

QString ProgramFolder() { return QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/self/exe"))).absolutePath(); }

}  // namespace

TResourceModule::TResourceModule(void* AHandle, const TResourceTable& ATable) : FHandle(AHandle) {
  for (std::size_t i = 0; i < ATable.Count; ++i) {
    const TResourceEntry& entry = ATable.Entries[i];
    FEntries.insert(Key(QString::fromLatin1(entry.Type), QString::fromLatin1(entry.Name)), &entry);
  }
}

const TResourceEntry* TResourceModule::Find(const QString& AName, const QString& AType) const {
  return FEntries.value(Key(AType, AName), nullptr);
}

HMODULE HInstance() { return &ProgramModule(); }

void RegisterProgramResources(const TResourceTable& ATable) { ProgramModule() = TResourceModule(nullptr, ATable); }

HMODULE LoadLibrary(const QString& AName) {
  const QString fileName = FileNameFor(AName);
  void* handle = nullptr;
  if (fileName.contains(QLatin1Char('/'))) {
    handle = Open(fileName);
  } else {
    handle = Open(ProgramFolder() + QLatin1Char('/') + fileName);
    if (!handle) handle = Open(fileName);
  }
  if (!handle) return nullptr;
  const auto* table = static_cast<const TResourceTable*>(dlsym(handle, QOV_RESOURCE_TABLE_SYMBOL));
  return new TResourceModule(handle, table ? *table : NoResources);
}

void FreeLibrary(HMODULE AModule) {
  dlclose(AModule->Handle());
  delete AModule;
}

const TResourceEntry* FindResource(HMODULE AModule, const QString& AName, const QString& AType) {
  return AModule->Find(AName, AType);
}

TResourceStream::TResourceStream(HMODULE AInstance, const QString& AResName, const QString& AResType) {
  const TResourceEntry* entry = FindResource(AInstance, AResName, AResType);
  if (!entry) throw EResNotFound(QStringLiteral("Resource %1 not found").arg(AResName));
  setData(QByteArray::fromRawData(entry->Data, static_cast<qsizetype>(entry->Size)));
  open(QIODevice::ReadOnly);
}

QImage LoadResourceImage(HMODULE AModule, const QString& AName, const QString& AType) {
  const TResourceEntry* entry = FindResource(AModule, AName, AType);
  if (!entry) return {};
  return QImage::fromData(reinterpret_cast<const uchar*>(entry->Data), static_cast<int>(entry->Size));
}
