#pragma once

// The records of a data set, held compactly.

#include <QVariant>
#include <QVector>
#include <cstdlib>
#include <memory>
#include <vector>

#include "platform/data/RecordLayout.h"

// The records of a data set, one buffer each in its layout's form, reached through an index of
// pointers: inserting or removing a record in the middle moves pointers, never records. Buffers come
// from blocks of memory, each as large as all before it up to 2 MB, and go back to a free list; a value
// is converted only when it is read. A value that has no form inline (a blob's content, a text longer
// than its field) is kept apart, in a list where the record numbers it.
class TRecordStore {
 public:
  explicit TRecordStore(std::shared_ptr<const TRecordLayout> ALayout);
  // A copy with buffers of its own.
  TRecordStore(const TRecordStore& AOther);
  TRecordStore& operator=(const TRecordStore&) = delete;
  ~TRecordStore();

  const std::shared_ptr<const TRecordLayout>& Layout() const { return FLayout; }
  int Count() const { return static_cast<int>(FRecords.size()); }

  // Appends a record that is a copy of ARecord's bytes, a buffer in the layout's form.
  void AppendCopy(const char* ARecord);
  // A record of these values (one for each field) at ARow; those from ARow on move one place on.
  void Insert(int ARow, const QVector<QVariant>& AValues);
  void Replace(int ARow, const QVector<QVariant>& AValues);
  void Remove(int ARow);
  void Clear();

  // The field's data holds a reference not yet resolved.
  bool Deferred(int ARow, int AField) const;
  const char* Data(int ARow, int AField) const { return FRecords[ARow] + FLayout->Slot(AField).Offset; }
  // Keeps the value that a deferred reference resolved to, in its place.
  void Resolve(int ARow, int AField, const QVariant& AValue) { SetField(FRecords[ARow], AField, AValue); }
  // The value of a field that is not deferred; NULL is a null QVariant.
  QVariant Value(int ARow, int AField) const;
  // Its text, as the data set shows it; empty for NULL.
  QString Text(int ARow, int AField) const;

 private:
  char* NewRecord();
  void Fill(char* ARecord, const QVector<QVariant>& AValues);
  void SetField(char* ARecord, int AField, const QVariant& AValue);
  // Gives back the field's value kept apart, if it has one.
  void Release(char* ARecord, int AField);
  void ReleaseRecord(char* ARecord);

  struct FreeBlock {
    void operator()(char* ABlock) const { std::free(ABlock); }
  };

  std::shared_ptr<const TRecordLayout> FLayout;
  std::vector<char*> FRecords;
  std::vector<std::unique_ptr<char, FreeBlock>> FBlocks;
  size_t FBlockBytes = 0;  // all the blocks'
  char* FNext = nullptr;   // where the next record of the last block goes
  char* FEnd = nullptr;    // the end of the last block
  char* FFree = nullptr;   // records given back, each holding the address of the next one
  std::vector<QVariant> FApart;
  std::vector<qint32> FFreeApart;
};
