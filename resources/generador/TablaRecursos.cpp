#include "TablaRecursos.h"

#include <QBuffer>
#include <QFile>
#include <stdexcept>

namespace {

// The bytes as string-literal lines; every byte that is not a plain character is an octal escape of three
// digits, so no escape runs into the character after it.
QByteArray Literal(const QByteArray& ADatos) {
  QByteArray texto = "    \"";
  int columna = 0;
  for (const char caracter : ADatos) {
    const auto byte = static_cast<unsigned char>(caracter);
    if (byte >= 0x20 && byte < 0x7F && byte != '"' && byte != '\\' && byte != '?') {
      texto += caracter;
      ++columna;
    } else {
      texto += '\\';
      texto += QByteArray::number(byte, 8).rightJustified(3, '0');
      columna += 4;
    }
    if (columna >= 100) {
      texto += "\"\n    \"";
      columna = 0;
    }
  }
  return texto + "\"";
}

}  // namespace

QByteArray Png(const QImage& AImagen) {
  QByteArray datos;
  QBuffer buffer(&datos);
  buffer.open(QIODevice::WriteOnly);
  if (!AImagen.save(&buffer, "PNG")) throw std::runtime_error("No se pudo codificar una imagen PNG");
  return datos;
}

void EscribirTablaRecursos(const QString& ARuta, const QList<RecursoGenerado>& ARecursos, TipoModulo ATipo) {
  QByteArray fuente = "// Written by generador_recursos from the artwork's sources: not to be edited.\n\n";
  fuente += ATipo == TipoModulo::Libreria ? "#include \"platform/rtl/ResourceTable.h\"\n"
                                          : "#include \"platform/rtl/ResourceModule.h\"\n";
  fuente += "\nnamespace {\n\n";
  QByteArray entradas;
  for (qsizetype i = 0; i < ARecursos.size(); ++i) {
    const RecursoGenerado& recurso = ARecursos[i];
    // The compiler need accept no longer literal.
    if (recurso.Datos.size() > 65000)
      throw std::runtime_error("El recurso " + recurso.Nombre.toStdString() + " es demasiado grande");
    const QByteArray variable = "r" + QByteArray::number(i);
    fuente += "const char " + variable + "[] =\n" + Literal(recurso.Datos) + ";\n";
    entradas += "    {\"" + recurso.Nombre.toLatin1() + "\", \"" + recurso.Tipo.toLatin1() + "\", " + variable +
                ", sizeof " + variable + " - 1},\n";
  }
  fuente += "\nconst TResourceEntry Entradas[] = {\n" + entradas + "};\n\n";
  if (ATipo == TipoModulo::Libreria) {
    fuente +=
        "}  // namespace\n\nextern \"C\" const TResourceTable QovResourceTable{Entradas, sizeof Entradas / "
        "sizeof *Entradas};\n";
  } else {
    fuente +=
        "struct Registro {\n  Registro() { RegisterProgramResources({Entradas, sizeof Entradas / sizeof "
        "*Entradas}); }\n} registro;\n\n}  // namespace\n";
  }
  QFile archivo(ARuta);
  if (!archivo.open(QIODevice::WriteOnly) || archivo.write(fuente) != fuente.size())
    throw std::runtime_error("No se pudo escribir " + ARuta.toStdString());
}
