#include "controls/dialogs/ArchivoDetallesQov.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QFileInfo>
#include <QStringEncoder>
#include <cerrno>
#include <cstring>

#include "controls/dialogs/DialogosQov.h"
#include "controls/geometry/VariablesGlobales.h"
#include "core/settings/XmlRegistryQov.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/Form.h"

namespace {

QString LlaveNombre() {
  return QStringLiteral("\\Software\\Tarvolin\\") + NombreClaveConfig + QStringLiteral("\\DetalleRechazos");
}

const QString ValorNombre = QStringLiteral("FileName");

}  // namespace

void TArchivoDetallesQov::Open(const QString& FileName) {
  Close(false);
  auto archivo = std::make_unique<QFile>(FileName);
  if (!archivo->open(QIODevice::ReadOnly)) {
    if (!archivo->exists()) throw Exception(QStringLiteral("No es posible encontrar el archivo."));
    throw Exception(QStringLiteral("No es posible leer el archivo \"%1\". %2").arg(FileName, archivo->errorString()));
  }
  FLectura = std::move(archivo);
  FFileName = FileName;
}

void TArchivoDetallesQov::CreaArch(const QString& FileName) {
  Close(true);
  auto archivo = std::make_unique<QSaveFile>(FileName);
  if (!archivo->open(QIODevice::WriteOnly)) throw Exception(QStringLiteral("Error al tratar de crear: ") + FileName);
  struct stat datos {};
  FReemplazado.reset();
  if (stat(QFile::encodeName(FileName).constData(), &datos) == 0 && S_ISREG(datos.st_mode))
    FReemplazado = TDueno{datos.st_uid, datos.st_gid, datos.st_mode & 07777U};
  FEscritura = std::move(archivo);
  FFileName = FileName;
}

void TArchivoDetallesQov::WriteLine(const QString& s) {
  if (!FEscritura) throw EFileError(QStringLiteral("El archivo no está abierto para escribir."));
  QStringEncoder latin1(QStringEncoder::Latin1);
  QByteArray bytes = latin1.encode(s);
  bytes += "\r\n";
  if (FEscritura->write(bytes) != bytes.size())
    throw EFileError(
        QStringLiteral("No se puede escribir en el archivo \"%1\". %2").arg(FFileName, FEscritura->errorString()));
}

void TArchivoDetallesQov::Close(bool Eliminar) {
  if (FLectura) {
    FLectura->close();
    if (Eliminar) FLectura->remove();
    FLectura.reset();
  }
  if (!FEscritura) return;
  const std::unique_ptr<QSaveFile> archivo = std::move(FEscritura);
  if (Eliminar) return archivo->cancelWriting();
  if (FReemplazado) {
    // Only root may give a file away: for anyone else the new file stays theirs.
    if (fchown(archivo->handle(), FReemplazado->Usuario, FReemplazado->Grupo) != 0 && geteuid() == 0)
      throw EFileError(QStringLiteral("No se puede conservar el dueño del archivo \"%1\". %2")
                           .arg(FFileName, QString::fromLocal8Bit(std::strerror(errno))));
    fchmod(archivo->handle(), FReemplazado->Modo);
  }
  if (!archivo->commit())
    throw EFileError(
        QStringLiteral("No se puede escribir el archivo \"%1\". %2").arg(FFileName, archivo->errorString()));
}

void TArchivoDetallesQov::ComprobarReemplazable(const QString& ANombre) {
  QFile archivo(ANombre);
  if (!archivo.open(QIODevice::ReadWrite))
    throw Exception(
        QStringLiteral("No es posible reemplazar el archivo \"%1\". %2").arg(ANombre, archivo.errorString()));
}

bool TArchivoDetallesQov::LoadFileName(QString& FileName) {
  FileName.clear();
  TxmlRegistry ajustes;
  ajustes.SetRootKey(HKEY_CURRENT_USER);
  if (!ajustes.OpenKey(LlaveNombre(), false)) return false;
  const bool hay = ajustes.ValueExists(ValorNombre);
  if (hay) FileName = ajustes.ReadString(ValorNombre);
  ajustes.CloseKey();
  return hay;
}

void TArchivoDetallesQov::SaveFileNameTipo(const QString& lFileName) {
  TxmlRegistry ajustes;
  ajustes.SetRootKey(HKEY_CURRENT_USER);
  ajustes.OpenKey(LlaveNombre(), true);
  ajustes.WriteString(ValorNombre, lFileName);
  ajustes.CloseKey();
}

QString TArchivoDetallesQov::StripOffPath(const QString& Value) { return Value.left(Value.lastIndexOf('/') + 1); }

QString TArchivoDetallesQov::ConExtension(const QString& ANombre) {
  return ANombre.contains(QLatin1String(".txt")) ? ANombre : ANombre + QStringLiteral(".txt");
}

bool TArchivoDetallesQov::Guardar(TForm& AForma, TSaveDialog& ADialogo, const std::function<void()>& AEscribir) {
  QString nombre;
  for (;;) {
    QString recordado;
    if (LoadFileName(recordado)) {
      ADialogo.FileName = QFileInfo(recordado).completeBaseName();
      ADialogo.InitialDir = StripOffPath(recordado);
      ADialogo.FilterIndex = 0;
    } else {
      ADialogo.FileName = QStringLiteral("Rechazos");
    }
    if (!ADialogo.Execute()) {
      AForma.SetModalResult(mrNone);
      return false;
    }
    nombre = ConExtension(ADialogo.FileName);
    if (!QFileInfo::exists(nombre)) break;
    if (PreguntarSiNo(&AForma, nombre + QStringLiteral(" ya existe.\r¿Desea reemplazarlo?"), true) == mrYes) {
      // It is replaced only once the new one is whole.
      ComprobarReemplazable(nombre);
      break;
    }
  }
  CreaArch(nombre);
  try {
    AEscribir();
  } catch (...) {
    Close(true);
    throw;
  }
  // Remembered once the file has taken its place.
  Close(false);
  SaveFileNameTipo(nombre);
  return true;
}
