#pragma once

// The suite's settings store: a registry-style tree of keys and typed values in an XML file.

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <functional>

#include "platform/xml/XmlFileStorage.h"

using HKEY = quint32;

constexpr HKEY HKEY_CURRENT_USER = 0x80000001;
constexpr HKEY HKEY_LOCAL_MACHINE = 0x80000002;
constexpr quint32 KEY_ALL_ACCESS = 0xF003F;
constexpr quint32 KEY_READ = 0x20019;
constexpr int CSIDL_COMMON_APPDATA = 35;
constexpr int CSIDL_LOCAL_APPDATA = 28;

// The application-data folder of CSIDL_COMMON_APPDATA or CSIDL_LOCAL_APPDATA; empty for any other number.
QString GetSpecialFolder(int ACsidl);
// The login name of the user running the program.
QString GetWindowsUserName();
// The key path with every doubled "\" made single, without empty segments, each segment preceded by "\",
// and a segment that starts with a decimal digit wrapped in "_" on both sides ("\2019" gives "\_2019_").
// Normalising the result again changes nothing.
QString NormalizeKeyPath(const QString& APath);

// Tells the operator that a settings file was found damaged and how it was repaired. Start-up sets it to
// the warning dialog (GanchosDeProceso.h); while it is empty the notice is shown nowhere.
extern std::function<void(const QString& AMensaje)> MostrarAvisoAjustes;

// The settings file's storage. A file that does not load whole as XML (damaged, cut short, nested too deep)
// is replaced by the newest of its history copies that does, read without following links; when none does,
// by what could be read. The damaged file stays beside it (".danado") and the operator is told once, through
// MostrarAvisoAjustes: the repaired file loads whole the next time.
class TqovAppXMLFileStorage : public TXmlFileStorage {
 public:
  using TXmlFileStorage::TXmlFileStorage;

 protected:
  void LoadFile() override;

 private:
  void Reparar(const QString& AFalla);
};

// Registry-style settings kept in "ProgramData.xml" under the folder "Tarvolin" of the machine-wide
// (HKEY_LOCAL_MACHINE) or the user's (HKEY_CURRENT_USER) application-data folder. Each use creates one,
// selects the root key, opens a key, reads or writes values, closes the key and frees it. The file is read
// once, when it is selected; writes reach it when a key opened with ACanCreate is closed, on
// DeleteKey/DeleteValue, and when the object goes.
class TxmlRegistry {
 public:
  TxmlRegistry();
  // AFileName in place of "ProgramData.xml".
  explicit TxmlRegistry(const QString& AFileName);
  // The file as given, with both application-data file names left empty.
  TxmlRegistry(const QString& AFileName, const QString& ARootNodeName);
  ~TxmlRegistry();
  TxmlRegistry(const TxmlRegistry&) = delete;
  TxmlRegistry& operator=(const TxmlRegistry&) = delete;

  HKEY CurrentKey() const { return FCurrentKey; }
  const QString& CurrentPath() const { return FCurrentPath; }
  HKEY RootKey() const { return FRootKey; }
  // HKEY_CURRENT_USER selects the user's file and the user's branch; any other key the machine-wide file.
  void SetRootKey(HKEY AValue);
  quint32 Access() const { return FAccess; }
  // Anything but KEY_ALL_ACCESS makes the store read-only: writes, deletes and flushes are ignored.
  void SetAccess(quint32 AValue);
  TqovAppXMLFileStorage& XmlStorage() { return FXmlStorage; }

  // Whether the current file exists on disk.
  bool Exists() const;
  // Makes the key current (nothing is created until a value is written). True with ACanCreate, which also
  // has the file written at CloseKey; otherwise whether the key exists.
  bool OpenKey(const QString& AKey, bool ACanCreate);
  void CloseKey();
  void WriteString(const QString& AName, const QString& AValue);
  // '' when missing.
  QString ReadString(const QString& AName);
  void WriteInteger(const QString& AName, int AValue);
  // 0 when missing; EConvertError when the stored text is not an integer.
  int ReadInteger(const QString& AName);
  void WriteBool(const QString& AName, bool AValue);
  // True when missing; EConvertError when the stored text is neither "1" nor "0".
  bool ReadBool(const QString& AName);
  // AKey is a full stored path, root-key level included.
  bool KeyExists(const QString& AKey);
  bool ValueExists(const QString& AName);
  // Subkeys of the current key with "_" turned into blanks, trimmed.
  void GetKeyNames(QStringList& AStrings);
  // Values of the current key with "_" turned into blanks.
  void GetValueNames(QStringList& AStrings);
  // Remove the key (relative to the root key) or the value of the current key, then write the file.
  // Always true.
  bool DeleteKey(const QString& AKey);
  bool DeleteValue(const QString& AName);
  bool HasSubKeys();
  // Runs AChange, which reads and writes through this store, on the file as it is now and writes the result,
  // all under the file's lock (TXmlFileStorage::Update); nothing is left to write when the store goes.
  // Raises EFileError when the result does not reach the file.
  void Update(const std::function<void()>& AChange);

 private:
  QString GetValuePath(const QString& AName) const;

  QString FsCurrentKey;
  TqovAppXMLFileStorage FXmlStorage;
  HKEY FCurrentKey;
  QString FCurrentPath;
  HKEY FRootKey;
  quint32 FAccess;
  bool FFlush;
  QString FCommonAppData;
  QString FLocalAppData;
};
