#include "controls/dialogs/ArchivoDetallesQov.h"

#include <QFileInfo>
#include <QStringEncoder>

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
  if (!archivo->open(QIODevice::ReadOnly)) throw Exception(QStringLiteral("No es posible encontrar el archivo."));
  FLectura = std::move(archivo);
  FFileName = FileName;
}

void TArchivoDetallesQov::CreaArch(const QString& FileName) {
  Close(true);
  auto archivo = std::make_unique<QSaveFile>(FileName);
  if (!archivo->open(QIODevice::WriteOnly)) throw Exception(QStringLiteral("Error al tratar de crear: ") + FileName);
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
  if (!archivo->commit())
    throw EFileError(
        QStringLiteral("No se puede escribir el archivo \"%1\". %2").arg(FFileName, archivo->errorString()));
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
      // The old file must be readable; it is replaced only once the new one is whole.
      Open(nombre);
      Close(false);
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
