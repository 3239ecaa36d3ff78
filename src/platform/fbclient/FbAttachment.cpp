#include "platform/fbclient/FbAttachment.h"

#include <QFile>

#include "platform/fbclient/FbError.h"

namespace {

// Firebird's ids of the Unicode character sets.
constexpr short CharacterSetUnicodeFss = 3;
constexpr short CharacterSetUtf8 = 4;

struct TDpbParameter {
  const char* Name;
  char Item;
};

constexpr TDpbParameter DpbParameters[] = {
    {"user_name", isc_dpb_user_name}, {"password", isc_dpb_password},       {"sql_role_name", isc_dpb_sql_role_name},
    {"lc_ctype", isc_dpb_lc_ctype},   {"sql_dialect", isc_dpb_sql_dialect},
};

char DpbItem(const QString& AName) {
  for (const TDpbParameter& parameter : DpbParameters)
    if (AName.compare(QLatin1String(parameter.Name), Qt::CaseInsensitive) == 0) return parameter.Item;
  throw EFbError(QStringLiteral("Parámetro de conexión desconocido: '%1'.").arg(AName));
}

int DialectFrom(const QString& AValue) {
  bool ok = false;
  const int dialect = AValue.toInt(&ok);
  if (!ok || dialect < 1 || dialect > 3)
    throw EFbError(QStringLiteral("El dialecto SQL '%1' no es válido.").arg(AValue));
  return dialect;
}

void AddDpbValue(QByteArray& ADpb, char AItem, const QByteArray& AValue, const QString& AName) {
  if (AValue.size() > 255)
    throw EFbError(QStringLiteral("El valor del parámetro de conexión '%1' es demasiado largo.").arg(AName));
  ADpb.append(AItem).append(static_cast<char>(AValue.size())).append(AValue);
}

}  // namespace

TFbAttachment::~TFbAttachment() {
  // A destructor cannot report a failed detach; the handle goes with the object either way.
  if (IsAttached()) {
    ISC_STATUS_ARRAY status;
    FLibrary->Api().isc_detach_database(status, &FHandle);
  }
}

void TFbAttachment::Attach(TFbClientLibrary& ALibrary, const QString& ADatabaseName, const QStringList& AParamLines) {
  if (IsAttached()) throw EFbError(QStringLiteral("La conexión a la base de datos ya está abierta."));
  QString characterSet = QStringLiteral("NONE");
  int dialect = 3;
  QByteArray dpb(1, isc_dpb_version1);
  for (const QString& line : AParamLines) {
    if (line.trimmed().isEmpty()) continue;
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    const QString name = line.left(equals).trimmed();
    const QString value = equals < 0 ? QString() : line.mid(equals + 1);
    const char item = DpbItem(name);
    if (item == isc_dpb_sql_dialect) {
      dialect = DialectFrom(value.trimmed());
      dpb.append(item).append(char(4)).append(char(dialect)).append(3, char(0));
      continue;
    }
    if (item == isc_dpb_lc_ctype) characterSet = value.trimmed().toUpper();
    AddDpbValue(dpb, item, item == isc_dpb_lc_ctype ? characterSet.toUtf8() : value.toUtf8(), name);
  }
  FLibrary = &ALibrary;
  FCharacterSet = characterSet;
  FDialect = dialect;
  FEncoding = characterSet == QLatin1String("UTF8") || characterSet == QLatin1String("UNICODE_FSS")
                  ? TFbTextEncoding::Utf8
                  : TFbTextEncoding::Latin1;
  const QByteArray name = QFile::encodeName(ADatabaseName);
  ISC_STATUS_ARRAY status;
  if (FLibrary->Api().isc_attach_database(status, static_cast<short>(name.size()), name.constData(), &FHandle,
                                          static_cast<short>(dpb.size()), dpb.constData()))
    Raise(status);
}

TFbTextEncoding TFbAttachment::EncodingFor(short ACharacterSetId) const {
  if (FCharacterSet != QLatin1String("NONE")) return FEncoding;
  return ACharacterSetId == CharacterSetUnicodeFss || ACharacterSetId == CharacterSetUtf8 ? TFbTextEncoding::Utf8
                                                                                          : TFbTextEncoding::Latin1;
}

void TFbAttachment::Detach() {
  if (!IsAttached()) return;
  ISC_STATUS_ARRAY status;
  if (FLibrary->Api().isc_detach_database(status, &FHandle)) Raise(status);
}

void TFbAttachment::Raise(const ISC_STATUS* AStatus) const { RaiseFbError(*FLibrary, AStatus, FEncoding); }

void TFbAttachment::CheckAttached() const {
  if (!IsAttached()) throw EFbError(QStringLiteral("La conexión a la base de datos no está abierta."));
}

QByteArray TFbAttachment::DatabaseInfo(char AItem) {
  CheckAttached();
  // A reply that does not fit ends with isc_info_truncated; it is asked again with the largest buffer.
  for (const short size : {short(1024), short(32767)}) {
    QByteArray reply(size, char(0));
    ISC_STATUS_ARRAY status;
    if (FLibrary->Api().isc_database_info(status, &FHandle, 1, &AItem, size, reply.data())) Raise(status);
    qsizetype position = 0;
    while (position + 3 <= reply.size() && reply[position] != isc_info_end && reply[position] != isc_info_truncated)
      position += 3 + FbClusterLength(reply, position);
    if (position < reply.size() && reply[position] == isc_info_end) return reply.left(position);
  }
  throw EFbError(QStringLiteral("La respuesta de la base de datos al dato %1 es demasiado grande.").arg(int(AItem)));
}

int TFbAttachment::DatabaseInfoInteger(char AItem) {
  const QByteArray reply = DatabaseInfo(AItem);
  if (reply.size() < 3 || reply[0] != AItem)
    throw EFbError(QStringLiteral("La base de datos no dio el dato %1.").arg(int(AItem)));
  return static_cast<int>(FbReplyInteger(reply.constData() + 3, FbClusterLength(reply, 0)));
}

QString TFbAttachment::FirebirdVersion() {
  // The item, its length, the number of texts, then each text after its length byte.
  const QByteArray reply = DatabaseInfo(isc_info_firebird_version);
  if (reply.size() < 5 || reply[0] != isc_info_firebird_version || reply[3] == 0) return {};
  const int length = static_cast<quint8>(reply[4]);
  return DecodeText(reply.constData() + 5, qMin<qsizetype>(length, reply.size() - 5));
}

QStringList TFbAttachment::UserNames() {
  // One cluster per attachment: the item, its length, then the name after its own length byte.
  const QByteArray reply = DatabaseInfo(isc_info_user_names);
  QStringList names;
  for (qsizetype position = 0; position + 4 <= reply.size(); position += 3 + FbClusterLength(reply, position)) {
    if (reply[position] != isc_info_user_names) continue;
    const int length = qMin<int>(static_cast<quint8>(reply[position + 3]), FbClusterLength(reply, position) - 1);
    names << DecodeText(reply.constData() + position + 4, length);
  }
  return names;
}
