#pragma once

// The export file of the details windows: its name remembered per user, its choice with the save dialog,
// and its writing.

#include <QFile>
#include <QSaveFile>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

class TForm;
class TSaveDialog;

// The file in use of one details window. A file written here replaces the one of its name only once it has
// been written whole: it is written to a temporary file beside it and renamed over it when closed, with the
// old file's owner, group and permissions (as far as the process may give them). Texts are
// written in ISO-8859-1, each line ended by CR LF; a character that it lacks is written as "?".
class TArchivoDetallesQov {
 public:
  // Opens an existing file to read it (closing one left open). Raises Exception "No es posible encontrar el
  // archivo." when there is none, and one with the system's reason when it cannot be read.
  void Open(const QString& FileName);
  // Starts writing the file (closing one left open). Raises Exception "Error al tratar de crear: " and the name
  // when it cannot.
  void CreaArch(const QString& FileName);
  // Writes the text and CR LF. Raises EFileError when the write fails.
  void WriteLine(const QString& s);
  // Closes the open file, if any. A file being written replaces the old one, or with Eliminar is dropped and
  // the old one stays; raises EFileError when it cannot take the old one's place. A file open to read is
  // deleted with Eliminar (a failure is ignored).
  void Close(bool Eliminar);
  bool Abierto() const { return FLectura || FEscritura; }
  const QString& FileName() const { return FFileName; }

  // The remembered name; false, with an empty name, when none is remembered.
  static bool LoadFileName(QString& FileName);
  static void SaveFileNameTipo(const QString& lFileName);
  // The path up to and including its last separator; empty without one.
  static QString StripOffPath(const QString& Value);
  // The chosen name with ".txt" added unless it already holds ".txt" anywhere, in that case.
  static QString ConExtension(const QString& ANombre);

  // The save of a details window (AForma): the dialog offers the remembered name (or "Rechazos"); an existing
  // file is replaced only when the operator says so (No asks again); then AEscribir writes the content and
  // the name is remembered. False when the dialog was cancelled: nothing is written or remembered and the
  // window's modal result is reset. A failure leaves the old file as it was and reaches the caller.
  bool Guardar(TForm& AForma, TSaveDialog& ADialogo, const std::function<void()>& AEscribir);

 private:
  struct TDueno {
    uint Usuario;
    uint Grupo;
    uint Modo;
  };

  // Raises Exception with the system's reason when the existing file cannot be read and written.
  static void ComprobarReemplazable(const QString& ANombre);

  std::unique_ptr<QFile> FLectura;
  std::unique_ptr<QSaveFile> FEscritura;
  // The file that FEscritura replaces, when there is one.
  std::optional<TDueno> FReemplazado;
  QString FFileName;
};
