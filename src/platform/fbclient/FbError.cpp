#include "platform/fbclient/FbError.h"

#include <QStringList>

EFbError::EFbError(const QString& AMessage, int AErrorNumber, int ASqlCode)
    : Exception(AMessage), FErrorNumber(AErrorNumber), FSqlCode(ASqlCode) {}

void RaiseFbError(const TFbClientLibrary& ALibrary, const ISC_STATUS* AStatus, TFbTextEncoding AEncoding) {
  QStringList lines;
  char line[1024];
  const ISC_STATUS* next = AStatus;
  while (ALibrary.Api().fb_interpret(line, sizeof line, &next) > 0) lines << DecodeFbText(line, -1, AEncoding);
  throw EFbError(lines.join(QStringLiteral("\r\n")), static_cast<int>(AStatus[1]),
                 static_cast<int>(ALibrary.Api().isc_sqlcode(AStatus)));
}
