#pragma once

// Keys and values of a settings tree kept in an XML file.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

#include "platform/xml/XmlDocument.h"

// The element form of a key or value name: the name without leading and trailing blanks, with every
// character other than "-", ".", the digits, the ASCII letters and "_" made "_", one for one, and a "_" in
// front when it would start with "-", "." or a digit; "_" for a name of blanks. (A colon is replaced as
// well: the XML parser accepts one only between two well-formed names.) Both the trimming and the "_" in
// front let a key listed with its underscores turned into blanks, then trimmed, be opened by that name.
QString XmlElementName(const QString& AName);

// A key name, without leading and trailing blanks, in a form that XmlElementName keeps as it is and
// XmlDecodeKeyName turns back into the name: the name's blanks as "_", as plain names have always been stored, and
// every other character that an element name cannot hold, "_" included, as "_x" + its UTF-16 code in four upper-case
// hexadecimal digits +
// "_" ("ñ" is "_x00F1_"). A blank before "x" and four such digits is written "_x0020_", so that no "_"
// written for a blank is read as the start of a code.
QString XmlEncodeKeyName(const QString& AName);
// The name of an element written by XmlEncodeKeyName (or by older programs, which wrote "_" for every
// character outside the element-name characters): each code "_xHHHH_" as its character, every other "_"
// as a blank, without leading and trailing blanks.
QString XmlDecodeKeyName(const QString& AElementName);

// Settings kept in an XML file. Paths are names separated by "\" from the document element down; every
// name is looked up in its element form, so a name comes back from the file in that form. Values are the
// text of elements without children: integers in decimal, booleans "1" and "0". Nothing reaches the disk
// until Flush.
//
// Every load and flush holds a lock shared by all processes of the machine, named after the full file
// name and kept beside the file, so that no process reads the file half written. A process that may not
// write the folder cannot take the lock; it reads without it, which is safe because the file is only ever
// replaced whole.
//
// A file that did not load whole (damaged, or with bytes that are not UTF-8) is never written over without
// keeping it first: the first flush, or the repair, leaves it beside the file as "<file>.danado" (".danado.1"
// and so on when that name is taken). The files the storage writes are readable and writable by their owner
// alone, unless the file they replace was open to more.
class TXmlFileStorage {
 public:
  explicit TXmlFileStorage(const QString& ARootNodeName);
  virtual ~TXmlFileStorage() = default;
  TXmlFileStorage(const TXmlFileStorage&) = delete;
  TXmlFileStorage& operator=(const TXmlFileStorage&) = delete;

  const QString& FileName() const { return FFileName; }
  // A different name loads that file (Reload); the same name again does nothing.
  void SetFileName(const QString& AValue);
  // A read-only storage ignores every write, delete and flush.
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool AValue) { FReadOnly = AValue; }

  // Replaces the document with the file's, holding the lock. A missing file gives an empty document. Raises
  // EFileError when the lock cannot be taken, and whatever LoadFile raises.
  void Reload();
  // Writes the document to the file, holding the lock: the document goes to the file name + ".tmp" (made
  // anew, never through a link, as every file the storage writes; a folder it makes is never writable by
  // everyone), which
  // then takes the file's place while the old file stays reachable as the swap copy (extension "~" + the
  // old one, ".~xml"); the history copy ".~001~" moves to ".~002~" and a new ".~001~" is written; the swap
  // copy goes. While the file being replaced is damaged the history copies stay as they are, so that the
  // newest good copy is never rotated away. Skipped when the storage or the file is read-only (a file without
  // any write permission, the counterpart of the read-only attribute). Any failure is silent and, when the
  // new content could not be written in full, leaves the file as it was.
  void Flush();
  // Applies a change to the file as it is now, under one hold of the lock: reloads the file (repairing it as
  // a load does), runs AChange on the document and writes it as Flush does, so that what other processes
  // saved meanwhile is kept. Raises EFileError with the reason when the file cannot be read or the new
  // content does not reach it (the file then stays as it was); a read-only storage or file is such a case.
  void Update(const std::function<void()>& AChange);

  bool PathExists(const QString& APath) const;
  QString ReadString(const QString& APath, const QString& ADefault) const;
  // Writes create the missing elements of the path. A name longer than MaxXmlNameLength in its element form,
  // or a path deeper than MaxXmlDepth, could not be read back: the write raises EXmlError and changes
  // nothing.
  void WriteString(const QString& APath, const QString& AValue);
  // Raises EConvertError when the stored text is not an integer.
  int ReadInteger(const QString& APath, int ADefault) const;
  void WriteInteger(const QString& APath, int AValue);
  // Raises EConvertError when the stored text is neither "1" nor "0".
  bool ReadBoolean(const QString& APath, bool ADefault) const;
  void WriteBoolean(const QString& APath, bool AValue);
  // Removes the element and everything below it; a missing path is no error.
  void DeletePath(const QString& APath);
  // Element names of the children that have children of their own, and of those that have none.
  QStringList FolderNames(const QString& APath) const;
  QStringList ValueNames(const QString& APath) const;

  // History copy ANumber (1 the newest): the file name with the extension ".~001~", ".~002~".
  QString HistoryFileName(int ANumber) const;
  // The lock file of a settings file, in the file's folder.
  static QString LockFileName(const QString& AFileName);

 protected:
  // Parses the file into a new document. Raises EFileError when the file cannot be read and EXmlError when
  // it is damaged (see ParseXml); the document then holds what was read before the fault.
  virtual void LoadFile();
  // Replaces the file's content at once (never half written), keeping a file that did not load whole first;
  // raises EFileError with the reason when the file is read-only or cannot be written.
  void ReplaceFile(const QByteArray& AContent);
  // The content of a regular file, read without following a link; nothing when the path names anything else
  // or cannot be read.
  static std::optional<QByteArray> ReadRegularFile(const QString& APath);
  // Makes the document the one AData holds when AData loads whole; otherwise the document stays.
  bool AdoptIfWhole(const QByteArray& AData);
  // The document as Flush writes it.
  QByteArray DocumentText() const;

 private:
  TXmlElement* Find(const QString& APath) const;
  TXmlElement& FindOrCreate(const QString& APath);
  // Raises EFileError with the reason when the new content does not reach the file.
  void Write();
  // Keeps the file as it is on disk beside it when it did not load whole; raises EFileError when it cannot.
  void ConservarArchivoIncompleto();
  // The file's folder, made with its missing parents; raises EFileError when it cannot be made.
  QString CarpetaCreada() const;

  QString FRootNodeName;
  QString FFileName;
  bool FReadOnly = false;
  // Whether the file on disk loaded whole, or needs no keeping before it is written over.
  bool FCargaIntegra = true;
  // Why the file on disk could not be read at the last load; empty when it could.
  QString FErrorLectura;
  std::unique_ptr<TXmlElement> FRoot;
};
