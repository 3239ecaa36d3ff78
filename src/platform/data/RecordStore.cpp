#include "platform/data/RecordStore.h"

#include <QDateTime>
#include <cstring>

namespace {

// The bytes of records handed out from one block.
constexpr int BlockBytes = 64 * 1024;

qint16 Indicator(const char* ARecord, const TFieldSlot& ASlot) {
  qint16 indicator;
  std::memcpy(&indicator, ARecord + ASlot.NullOffset, sizeof indicator);
  return indicator;
}

void SetIndicator(char* ARecord, const TFieldSlot& ASlot, qint16 AIndicator) {
  std::memcpy(ARecord + ASlot.NullOffset, &AIndicator, sizeof AIndicator);
}

qint32 NumberApart(const char* ARecord, const TFieldSlot& ASlot) {
  qint32 number;
  std::memcpy(&number, ARecord + ASlot.Offset, sizeof number);
  return number;
}

// The value read back is the one written: of the same type and equal; a date and time by its date and
// time of day, which is all that the data sets keep of it.
bool SameValue(const QVariant& AStored, const QVariant& AGiven) {
  if (AStored.metaType() != AGiven.metaType()) return false;
  if (AGiven.typeId() == QMetaType::QDateTime) {
    const QDateTime stored = AStored.toDateTime();
    const QDateTime given = AGiven.toDateTime();
    return stored.date() == given.date() && stored.time() == given.time();
  }
  return AStored == AGiven;
}

}  // namespace

TRecordStore::TRecordStore(std::shared_ptr<const TRecordLayout> ALayout)
    : FLayout(std::move(ALayout)), FPerBlock(qMax(1, BlockBytes / FLayout->RecordSize())) {}

TRecordStore::TRecordStore(const TRecordStore& AOther)
    : FLayout(AOther.FLayout), FPerBlock(AOther.FPerBlock), FApart(AOther.FApart), FFreeApart(AOther.FFreeApart) {
  FRecords.reserve(AOther.FRecords.size());
  for (const char* record : AOther.FRecords) AppendCopy(record);
}

TRecordStore::~TRecordStore() = default;

char* TRecordStore::NewRecord() {
  if (FFree) {
    char* record = FFree;
    std::memcpy(&FFree, record, sizeof FFree);
    return record;
  }
  if (FUnusedInBlock == 0) {
    FBlocks.emplace_back(new char[static_cast<size_t>(FPerBlock) * FLayout->RecordSize()]);
    FUnusedInBlock = FPerBlock;
  }
  return FBlocks.back().get() + static_cast<size_t>(FPerBlock - FUnusedInBlock--) * FLayout->RecordSize();
}

void TRecordStore::ReleaseRecord(char* ARecord) {
  for (int i = 0; i < FLayout->FieldCount(); ++i) Release(ARecord, i);
  std::memcpy(ARecord, &FFree, sizeof FFree);
  FFree = ARecord;
}

void TRecordStore::AppendCopy(const char* ARecord) {
  char* record = NewRecord();
  std::memcpy(record, ARecord, FLayout->RecordSize());
  FRecords.push_back(record);
}

void TRecordStore::Insert(int ARow, const QVector<QVariant>& AValues) {
  char* record = NewRecord();
  std::memset(record, 0, FLayout->RecordSize());
  Fill(record, AValues);
  FRecords.insert(FRecords.begin() + ARow, record);
}

void TRecordStore::Replace(int ARow, const QVector<QVariant>& AValues) { Fill(FRecords[ARow], AValues); }

void TRecordStore::Remove(int ARow) {
  ReleaseRecord(FRecords[ARow]);
  FRecords.erase(FRecords.begin() + ARow);
}

void TRecordStore::Clear() {
  FRecords.clear();
  FBlocks.clear();
  FUnusedInBlock = 0;
  FFree = nullptr;
  FApart.clear();
  FFreeApart.clear();
}

void TRecordStore::Fill(char* ARecord, const QVector<QVariant>& AValues) {
  for (int i = 0; i < FLayout->FieldCount(); ++i) SetField(ARecord, i, AValues.value(i));
}

void TRecordStore::SetField(char* ARecord, int AField, const QVariant& AValue) {
  Release(ARecord, AField);
  const TFieldSlot& slot = FLayout->Slot(AField);
  char* data = ARecord + slot.Offset;
  if (AValue.isNull()) {
    SetIndicator(ARecord, slot, fiNull);
    return;
  }
  if (FLayout->Write(AField, data, AValue) && SameValue(FLayout->Read(AField, data), AValue)) {
    SetIndicator(ARecord, slot, fiInline);
    return;
  }
  qint32 number;
  if (FFreeApart.empty()) {
    number = static_cast<qint32>(FApart.size());
    FApart.push_back(AValue);
  } else {
    number = FFreeApart.back();
    FFreeApart.pop_back();
    FApart[number] = AValue;
  }
  std::memcpy(data, &number, sizeof number);
  SetIndicator(ARecord, slot, fiApart);
}

void TRecordStore::Release(char* ARecord, int AField) {
  const TFieldSlot& slot = FLayout->Slot(AField);
  if (Indicator(ARecord, slot) != fiApart) return;
  const qint32 number = NumberApart(ARecord, slot);
  FApart[number] = QVariant();
  FFreeApart.push_back(number);
  SetIndicator(ARecord, slot, fiNull);
}

bool TRecordStore::Deferred(int ARow, int AField) const {
  const TFieldSlot& slot = FLayout->Slot(AField);
  return slot.Deferred && Indicator(FRecords[ARow], slot) == fiInline;
}

QVariant TRecordStore::Value(int ARow, int AField) const {
  const char* record = FRecords[ARow];
  const TFieldSlot& slot = FLayout->Slot(AField);
  switch (Indicator(record, slot)) {
    case fiNull:
      return {};
    case fiApart:
      return FApart[NumberApart(record, slot)];
    default:
      return FLayout->Read(AField, record + slot.Offset);
  }
}
