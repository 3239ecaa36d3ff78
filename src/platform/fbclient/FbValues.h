#pragma once

// Conversion between the client library's message buffers and values.

#include <ibase.h>

#include <QByteArray>
#include <QString>
#include <QVariant>

#include "platform/fbclient/FbAttachment.h"
#include "platform/fbclient/FbTransactionHandle.h"

// What a column holds, as field types see it.
enum class TFbValueKind {
  String,         // VARCHAR
  FixedChar,      // CHAR
  SmallInt,       // SMALLINT with scale 0
  Integer,        // INTEGER with scale 0
  BigInt,         // BIGINT with scale 0
  ScaledNumeric,  // NUMERIC and DECIMAL with a scale below 0
  Float,
  Double,
  Date,
  Time,
  TimeStamp,
  Boolean,
  TextBlob,    // BLOB SUB_TYPE TEXT
  BinaryBlob,  // any other BLOB sub-type
  Null,        // an untyped parameter, such as that of "? IS NULL"
};

// The description of one input or output of a statement.
struct TFbColumn {
  QString Name;      // the alias, or the field name when there is none
  QString Field;     // the field's own name
  QString Relation;  // the table or view of the field; empty for an expression
  short SqlType;     // SQL_TEXT, SQL_VARYING..., without the nullable flag
  short SubType;     // the blob's sub-type; for texts, their character set
  short Scale;
  short Length;  // bytes of the value (for VARCHAR without its length word)
  bool Nullable;
  short CharacterSetId;      // of a text or text blob; OCTETS (1) texts are read as bytes
  TFbTextEncoding Encoding;  // how its texts travel
  TFbValueKind Kind;
  int Precision;  // for scaled numerics, the digits their storage holds (4, 9 or 18); 0 otherwise
  // Where an output lies in its statement's message: its data and its 16-bit NULL indicator.
  int Offset = 0;
  int NullOffset = 0;

  bool IsBlob() const { return Kind == TFbValueKind::TextBlob || Kind == TFbValueKind::BinaryBlob; }
};

// What the library describes of a value. Raises EFbError for a type the platform does not handle
// (arrays).
TFbColumn DescribeColumn(const XSQLVAR& AVar, const TFbAttachment& AAttachment);

// The value in the data of an output that is neither NULL nor a blob.
//
// CHAR and VARCHAR give QString in the column's encoding (CHAR keeps its trailing blanks; OCTETS give
// QByteArray), SMALLINT and INTEGER give int and BIGINT qlonglong when their scale is 0, scaled
// numerics, FLOAT and DOUBLE PRECISION give double, DATE QDate, TIME QTime, TIMESTAMP a QDateTime whose
// date() and time() are the stored ones (in UTC, so that no time zone moves them), BOOLEAN bool.
QVariant ReadValue(const TFbColumn& AColumn, const char* AData);

// The same value as the data-set framework writes it as text, made from the data without a QVariant:
// texts (without the trailing blanks of CHAR when ATrimFixedChar), integers, scaled numerics with every
// digit, reals in up to 15 significant digits, dates and times in the process's short formats, booleans
// "True" or "False". False, with AText untouched, for a value it does not write (OCTETS texts, blobs).
bool ReadText(const TFbColumn& AColumn, const char* AData, bool ATrimFixedChar, QString& AText);

// The content of the blob whose id is in the data of an output, read in the transaction: QString for a
// text blob, QByteArray for any other.
QVariant ReadBlobValue(const TFbColumn& AColumn, const char* AData, TFbTransactionHandle& ATransaction);

// Writes a value into the data of an output as ReadValue reads it, as near as its form allows: a number
// rounded to the column's scale, a text in the column's encoding. False when the value has no such form:
// a blob, a text longer than the column, a number beyond the column's range, an invalid date or time.
bool WriteValue(const TFbColumn& AColumn, char* AData, const QVariant& AValue);

// A parameter's value as the library takes it: the type, sub-type, scale and length to put in the
// descriptor, and the data.
struct TFbInput {
  bool Null;
  short SqlType;
  short SubType;
  short Scale;
  short Length;
  QByteArray Data;
};

// The input for the value of the parameter at AIndex (counted from 0). A null or invalid QVariant, or
// an invalid date or time, is NULL; QString, integers, double, QDate, QTime, QDateTime, bool and
// QByteArray are sent as they are, and the server converts them to the parameter's type; texts travel
// in the column's encoding, or the attachment's for a column that is no text. A blob parameter is a new
// blob, written in the transaction, with a QByteArray as it is or the text of any other value. Raises
// EFbError for a value that cannot be sent.
TFbInput InputFor(const TFbColumn& AColumn, int AIndex, const QVariant& AValue, TFbTransactionHandle& ATransaction);
