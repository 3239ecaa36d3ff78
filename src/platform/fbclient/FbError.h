#pragma once

// Errors of the Firebird client library and their status vectors.

#include <ibase.h>

#include "platform/fbclient/FbClient.h"
#include "platform/rtl/Exception.h"

// An error of the Firebird client library or of the server behind it. ErrorNumber is the first error
// code of the status vector (0 when the platform itself refuses something before calling the library);
// SqlCode is the SQL code the library derives from the same vector.
class EFbError : public Exception {
 public:
  explicit EFbError(const QString& AMessage, int AErrorNumber = 0, int ASqlCode = 0);

  int ErrorNumber() const { return FErrorNumber; }
  int SqlCode() const { return FSqlCode; }

 private:
  int FErrorNumber;
  int FSqlCode;
};

// Raises the error that a failed call left in AStatus: its message is every line the library makes of
// the vector, joined with CR LF; texts inside it are in the attachment's encoding.
[[noreturn]] void RaiseFbError(const TFbClientLibrary& ALibrary, const ISC_STATUS* AStatus, TFbTextEncoding AEncoding);
