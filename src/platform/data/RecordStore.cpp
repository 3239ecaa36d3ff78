#include "platform/data/RecordStore.h"

#include <sys/mman.h>

#include <QDateTime>
#include <cstring>
#include <new>

#include "platform/data/DataSet.h"
#include "platform/rtl/RawBytes.h"

namespace {

// The first block of records, and the largest: a huge page, so that a large data set costs the system
// one page fault, and one translation, for every 2 MB of rows instead of 512.
constexpr size_t FirstBlock = 4096;
constexpr size_t HugePage = 2 * 1024 * 1024;

qint16 Indicator(const char* ARecord, const TFieldSlot& ASlot) { return ReadRaw<qint16>(ARecord + ASlot.NullOffset); }

void SetIndicator(char* ARecord, const TFieldSlot& ASlot, qint16 AIndicator) {
  WriteRaw(ARecord + ASlot.NullOffset, AIndicator);
}

qint32 NumberApart(const char* ARecord, const TFieldSlot& ASlot) { return ReadRaw<qint32>(ARecord + ASlot.Offset); }

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

TRecordStore::TRecordStore(std::shared_ptr<const TRecordLayout> ALayout) : FLayout(std::move(ALayout)) {}

TRecordStore::TRecordStore(const TRecordStore& AOther)
    : FLayout(AOther.FLayout), FApart(AOther.FApart), FFreeApart(AOther.FFreeApart) {
  FRecords.reserve(AOther.FRecords.size());
  for (const char* record : AOther.FRecords) AppendCopy(record);
}

TRecordStore::~TRecordStore() = default;

char* TRecordStore::NewRecord() {
  if (FFree) {
    char* record = FFree;
    FFree = ReadRaw<char*>(record);
    return record;
  }
  const size_t size = FLayout->RecordSize();
  if (static_cast<size_t>(FEnd - FNext) < size) {
    const size_t bytes = qBound(qMax(FirstBlock, size), FBlockBytes, HugePage);
    char* block;
    if (bytes == HugePage) {
      block = static_cast<char*>(std::aligned_alloc(HugePage, HugePage));
      // Only a hint: without huge pages the block is made of ordinary ones.
      if (block) madvise(block, HugePage, MADV_HUGEPAGE);
    } else {
      block = static_cast<char*>(std::malloc(bytes));
    }
    if (!block) throw std::bad_alloc();
    FBlocks.emplace_back(block);
    FBlockBytes += bytes;
    FNext = block;
    FEnd = block + bytes;
  }
  char* record = FNext;
  FNext += size;
  return record;
}

void TRecordStore::ReleaseRecord(char* ARecord) {
  for (int i = 0; i < FLayout->FieldCount(); ++i) Release(ARecord, i);
  WriteRaw(ARecord, FFree);
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
  FBlockBytes = 0;
  FNext = FEnd = FFree = nullptr;
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
  WriteRaw(data, number);
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

QString TRecordStore::Text(int ARow, int AField) const {
  const char* record = FRecords[ARow];
  const TFieldSlot& slot = FLayout->Slot(AField);
  if (Indicator(record, slot) != fiInline) return ValueText(Value(ARow, AField));
  return FLayout->Text(AField, record + slot.Offset);
}
