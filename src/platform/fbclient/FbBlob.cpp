#include "platform/fbclient/FbBlob.h"

#include <iberror.h>

namespace {

// The largest piece that one call moves.
constexpr int SegmentSize = 32768;

}  // namespace

QByteArray ReadBlob(TFbTransactionHandle& ATransaction, ISC_QUAD AId) {
  TFbAttachment& attachment = ATransaction.Attachment();
  const TFbClientApi& api = attachment.Library().Api();
  isc_blob_handle blob = 0;
  ISC_STATUS_ARRAY status;
  if (api.isc_open_blob2(status, attachment.Handle(), ATransaction.Handle(), &blob, &AId, 0, nullptr))
    attachment.Raise(status);
  QByteArray content;
  char segment[SegmentSize];
  for (;;) {
    unsigned short read = 0;
    const ISC_STATUS result = api.isc_get_segment(status, &blob, &read, SegmentSize, segment);
    // isc_segment: the segment goes on beyond the buffer.
    if (result != 0 && result != isc_segment && result != isc_segstr_eof) {
      ISC_STATUS_ARRAY ignored;
      api.isc_close_blob(ignored, &blob);
      attachment.Raise(status);
    }
    content.append(segment, read);
    if (result == isc_segstr_eof) break;
  }
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
