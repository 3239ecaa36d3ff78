#include "platform/data/RecordLayout.h"

#include <QtGlobal>

#include "platform/data/DataSet.h"

namespace {

// Room for the number of a value kept apart.
constexpr int MinimumData = 4;
constexpr int IndicatorSize = 2;
constexpr int RecordAlignment = 8;

int AlignUp(int AValue, int AAlignment) { return (AValue + AAlignment - 1) / AAlignment * AAlignment; }

}  // namespace

void TRecordLayout::SetSlots(const QVector<TFieldSlot>& ASlots, int ARecordSize) {
  FSlots = ASlots;
  FRecordSize = ARecordSize;
}

void TRecordLayout::AddSlot(int ASize, int AAlignment, bool ADeferred) {
  const int offset = AlignUp(FRecordSize, AAlignment);
  const int nullOffset = AlignUp(offset + qMax(ASize, MinimumData), IndicatorSize);
  FSlots.append({offset, nullOffset, ADeferred});
  FRecordSize = nullOffset + IndicatorSize;
}

QString TRecordLayout::Text(int AField, const char* AData) const { return ValueText(Read(AField, AData)); }

void TRecordLayout::Finish() { FRecordSize = AlignUp(qMax(FRecordSize, RecordAlignment), RecordAlignment); }
