#include "core/dataaccess/ParametrosCapturaQov.h"

#include <QFile>
#include <QSaveFile>
#include <QSet>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QStringList>

#include "platform/rtl/Exception.h"

namespace {

const QString PrefijoPrecedencia = QStringLiteral("@Pre:");

// What a line break becomes inside an entry.
const QString SaltoEscapado = QChar(0x1E) + QStringLiteral("qov") + QChar(0x1F);

QString Escapar(QString ATexto) {
  return ATexto.replace(QStringLiteral("\r\n"), SaltoEscapado)
      .replace(QLatin1Char('\r'), SaltoEscapado)
      .replace(QLatin1Char('\n'), SaltoEscapado);
}

QString Desescapar(QString ATexto) { return ATexto.replace(SaltoEscapado, QStringLiteral("\r\n")); }

// The lines of a text split at CR LF, CR or LF; a final line break adds no empty line.
QStringList Lineas(QString ATexto) {
  QStringList lineas = ATexto.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
                           .replace(QLatin1Char('\r'), QLatin1Char('\n'))
                           .split(QLatin1Char('\n'));
  if (lineas.constLast().isEmpty()) lineas.removeLast();
  return lineas;
}

}  // namespace

TqovParametrosCaptura::~TqovParametrosCaptura() { Clear(true); }

qsizetype TqovParametrosCaptura::IndiceDe(const QString& AParamName) const {
  const QString nombre = Escapar(AParamName);
  const Qt::CaseSensitivity sensibilidad = FCaseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive;
  for (qsizetype i = 0; i < FLista.size(); ++i) {
    const qsizetype igual = FLista[i].Texto.indexOf(QLatin1Char('='));
    if (igual >= 0 && QStringView(FLista[i].Texto).left(igual).compare(nombre, sensibilidad) == 0) return i;
  }
  return -1;
}

void TqovParametrosCaptura::SetEntrada(const QString& AParamName, const QString& AParamValue) {
  const qsizetype i = IndiceDe(AParamName);
  if (i < 0) {
    FLista.append({Escapar(AParamName) + QLatin1Char('=') + Escapar(AParamValue)});
    return;
  }
  QString& texto = FLista[i].Texto;
  texto = texto.left(texto.indexOf(QLatin1Char('=')) + 1) + Escapar(AParamValue);
}

void TqovParametrosCaptura::ValidarIndice(int Index) const {
  if (Index < 0 || Index >= FLista.size())
    throw Exception(QStringLiteral("Error en TqovParametrosCaptura. Indice fuera de rango."));
}

void TqovParametrosCaptura::SetParamValue(const QString& AParamName, const QString& AParamValue,
                                          const QString& APrecedencia) {
  SetEntrada(AParamName, AParamValue);
  if (!APrecedencia.isEmpty()) SetParamPrecedencia(AParamName, APrecedencia);
}

void TqovParametrosCaptura::SetParamPrecedencia(const QString& AParamName, const QString& APrecedencia) {
  if (IndiceDe(AParamName) < 0)
    throw Exception(QStringLiteral("Error en TqovParametrosCaptura.SetParamPrecedencia, el parámetro ") + AParamName +
                    QStringLiteral(" no existe."));
  if (APrecedencia.isEmpty() || (APrecedencia[0] != QLatin1Char('P') && APrecedencia[0] != QLatin1Char('U')))
    throw Exception(
        QStringLiteral("Error en TqovParametrosCaptura.SetParamPrecedencia, la precedencia es incorrecta."));
  SetEntrada(PrefijoPrecedencia + AParamName, APrecedencia);
}

void TqovParametrosCaptura::SetParamObject(const QString& AParamName, QObject* AObjeto) {
  if (IndiceDe(AParamName) < 0) SetEntrada(AParamName, QString());
  FLista[IndiceDe(AParamName)].Objeto = AObjeto;
}

QString TqovParametrosCaptura::GetParamName(int Index) const {
  ValidarIndice(Index);
  const QString& texto = FLista[Index].Texto;
  const qsizetype igual = texto.indexOf(QLatin1Char('='));
  return igual < 0 ? QString() : texto.left(igual);
}

QString TqovParametrosCaptura::GetParamValue(const QString& AParamName) const {
  const qsizetype i = IndiceDe(AParamName);
  if (i < 0) return {};
  const QString& texto = FLista[i].Texto;
  return Desescapar(texto.mid(texto.indexOf(QLatin1Char('=')) + 1));
}

QString TqovParametrosCaptura::GetParamValue(int Index) const { return GetParamValue(GetParamName(Index)); }

QString TqovParametrosCaptura::GetParamPrecedencia(const QString& AParamName) const {
  if (AParamName.startsWith(PrefijoPrecedencia)) return GetParamValue(AParamName);
  const QString precedencia = GetParamValue(PrefijoPrecedencia + AParamName);
  return precedencia.isEmpty() ? PrecedenciaDefault : precedencia;
}

QString TqovParametrosCaptura::GetParamPrecedencia(int Index) const { return GetParamPrecedencia(GetParamName(Index)); }

QObject* TqovParametrosCaptura::GetParamObject(const QString& AParamName) const {
  const qsizetype i = IndiceDe(AParamName);
  return i < 0 ? nullptr : FLista[i].Objeto.data();
}

QObject* TqovParametrosCaptura::GetParamObject(int Index) const {
  ValidarIndice(Index);
  return FLista[Index].Objeto.data();
}

bool TqovParametrosCaptura::ParamExists(const QString& AParamName) const { return IndiceDe(AParamName) >= 0; }

void TqovParametrosCaptura::DeleteParam(const QString& AParamName) {
  const qsizetype i = IndiceDe(AParamName);
  if (i >= 0) FLista.removeAt(i);
}

void TqovParametrosCaptura::Clear(bool LiberarObjetos) {
  if (LiberarObjetos) {
    // An object attached to several entries is freed once.
    QSet<QObject*> objetos;
    for (const TEntrada& entrada : std::as_const(FLista))
      if (entrada.Objeto) objetos.insert(entrada.Objeto.data());
    qDeleteAll(objetos);
  }
  FLista.clear();
}

QString TqovParametrosCaptura::CalcParamDefault(const QString& AParamName, const QString& UltimoValorCapturado) const {
  const QString valor = GetParamValue(AParamName);
  if (valor.toUpper() == QStringLiteral("@NULL")) return {};
  if (GetParamPrecedencia(AParamName) == QStringLiteral("P")) return valor.isEmpty() ? UltimoValorCapturado : valor;
  return UltimoValorCapturado.isEmpty() ? valor : UltimoValorCapturado;
}

bool TqovParametrosCaptura::SaveToFile(const QString& AFileName, QString& AMsgError) const {
  if (FLista.isEmpty()) {
    AMsgError =
        QStringLiteral("No fue posible guardar el archivo, debido a que la lista de parámetros se encuentra vacía");
    return false;
  }
  QStringEncoder codificador(FCodificacion, QStringConverter::Flag::WriteBom);
  const QByteArray datos = codificador(ParamsText());
  QSaveFile archivo(AFileName);
  if (!archivo.open(QIODevice::WriteOnly) || archivo.write(datos) != datos.size() || !archivo.commit())
    throw EFileError(
        QStringLiteral("No se puede escribir el archivo \"%1\". %2").arg(AFileName, archivo.errorString()));
  return true;
}

bool TqovParametrosCaptura::LoadFromFile(const QString& AFileName) {
  QFile archivo(AFileName);
  if (!archivo.open(QIODevice::ReadOnly))
    throw EFileError(QStringLiteral("No se puede abrir el archivo \"%1\". %2").arg(AFileName, archivo.errorString()));
  const QByteArray datos = archivo.readAll();
  if (archivo.error() != QFileDevice::NoError)
    throw EFileError(QStringLiteral("No se puede leer el archivo \"%1\". %2").arg(AFileName, archivo.errorString()));
  // Only a byte-order mark names another encoding; the decoder leaves the mark out of the text.
  FCodificacion = QStringConverter::encodingForData(datos).value_or(QStringConverter::Latin1);
  QStringDecoder decodificador(FCodificacion);
  Clear(false);
  for (const QString& linea : Lineas(decodificador(datos))) FLista.append({linea});
  return true;
}

QString TqovParametrosCaptura::ParamsText() const {
  QString texto;
  for (const TEntrada& entrada : FLista) texto += entrada.Texto + QStringLiteral("\r\n");
  return texto;
}

void TqovParametrosCaptura::SetParamsText(const QString& AValor) {
  Clear(true);
  for (const QString& linea : Lineas(AValor)) FLista.append({linea});
}
