#pragma once

// Reading and writing Firebird blobs.

#include <ibase.h>

#include <QByteArray>

#include "platform/fbclient/FbTransactionHandle.h"

// The whole content of a blob, read in the transaction.
QByteArray ReadBlob(TFbTransactionHandle& ATransaction, ISC_QUAD AId);

// A new blob holding AData, written in the transaction; its id goes into a statement's parameter.
ISC_QUAD CreateBlob(TFbTransactionHandle& ATransaction, const QByteArray& AData);
