#include "platform/fbclient/FbBlob.h"

#include <iberror.h>

#include "platform/fbclient/FbError.h"

namespace {

// The largest piece that one call writes.
constexpr int SegmentSize = 32768;
// The largest piece that one call reads.
constexpr qsizetype MaxReadSize = 65535;

}  // namespace

QByteArray ReadBlob(TFbTransactionHandle& ATransaction, ISC_QUAD AId) {
  TFbAttachment& attachment = ATransaction.Attachment();
  const TFbClientApi& api = attachment.Library().Api();
  isc_blob_handle blob = 0;
  ISC_STATUS_ARRAY status;
  if (api.isc_open_blob2(status, attachment.Handle(), ATransaction.Handle(), &blob, &AId, 0, nullptr))
    attachment.Raise(status);
  // Closes the blob after a failure, which is the one to report.
  const auto abandon = [&] {
    ISC_STATUS_ARRAY ignored;
    api.isc_close_blob(ignored, &blob);
  };
  // The length of the content as it arrives (in the attachment's character set, for a text blob), so
  // that it is read into one buffer of its size and never asked for past its end: the library reports
  // the end by throwing inside itself, which costs more than the rest of a short blob's reading.
  const char item = isc_info_blob_total_length;
  char reply[16];
  if (api.isc_blob_info(status, &blob, 1, &item, sizeof reply, reply)) {
    abandon();
    attachment.Raise(status);
  }
  if (reply[0] != isc_info_blob_total_length) {
    abandon();
    throw EFbError(QStringLiteral("El servidor no informó la longitud del blob."));
  }
  QByteArray content(FbReplyInteger(reply + 3, FbReplyInteger(reply + 1, 2)), Qt::Uninitialized);
  qsizetype position = 0;
  while (position < content.size()) {
    unsigned short read = 0;
    const auto wanted = static_cast<unsigned short>(qMin(MaxReadSize, content.size() - position));
    const ISC_STATUS result = api.isc_get_segment(status, &blob, &read, wanted, content.data() + position);
    position += read;
    if (result == isc_segstr_eof) break;
    // isc_segment: the segment goes on beyond the piece read.
    if (result != 0 && result != isc_segment) {
      abandon();
      attachment.Raise(status);
    }
  }
  content.truncate(position);
  if (api.isc_close_blob(status, &blob)) attachment.Raise(status);
  return content;
}

ISC_QUAD CreateBlob(TFbTransactionHandle& ATransaction, const QByteArray& AData) {
  TFbAttachment& attachment = ATransaction.Attachment();
  const TFbClientApi& api = attachment.Library().Api();
  isc_blob_handle blob = 0;
  ISC_QUAD id{};
  ISC_STATUS_ARRAY status;
  if (api.isc_create_blob2(status, attachment.Handle(), ATransaction.Handle(), &blob, &id, 0, nullptr))
    attachment.Raise(status);
  for (qsizetype position = 0; position < AData.size(); position += SegmentSize) {
    const auto length = static_cast<unsigned short>(qMin<qsizetype>(SegmentSize, AData.size() - position));
    if (api.isc_put_segment(status, &blob, length, AData.constData() + position)) {
      ISC_STATUS_ARRAY ignored;
      api.isc_cancel_blob(ignored, &blob);
      attachment.Raise(status);
    }
  }
  if (api.isc_close_blob(status, &blob)) attachment.Raise(status);
  return id;
}
