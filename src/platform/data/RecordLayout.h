#pragma once

// How the values of a data set's records lie in their buffers.

#include <QVariant>
#include <QVector>

// Where one field lies in a record: its data, and a 16-bit indicator that says what the data holds.
struct TFieldSlot {
  int Offset;
  int NullOffset;
  // The data holds a reference that the data set resolves when the value is first read (a blob's id).
  bool Deferred;
};

// The indicator of a field: the value is inline in the data, there is none, or it is kept apart and
// the first four bytes of the data number it.
enum TFieldIndicator : qint16 { fiInline = 0, fiNull = -1, fiApart = 1 };

// The layout of a data set's records: where each field lies and how its value is written and read
// there. Every field's data has room for at least four bytes, so that any value can be kept apart.
class TRecordLayout {
 public:
  virtual ~TRecordLayout() = default;

  // Bytes of one record, a multiple of 8 so that records follow each other aligned.
  int RecordSize() const { return FRecordSize; }
  int FieldCount() const { return static_cast<int>(FSlots.size()); }
  const TFieldSlot& Slot(int AField) const { return FSlots[AField]; }

  // The value inline in a field's data (its indicator fiInline, and not a deferred reference).
  virtual QVariant Read(int AField, const char* AData) const = 0;
  // The text of that value, as the data set shows it (ValueText); a layout that knows its data's types
  // writes it from the data, without making the value first.
  virtual QString Text(int AField, const char* AData) const;
  // Writes the value into a field's data as well as its form allows; false when it has no such form
  // at all. The store keeps apart a value that does not read back the same.
  virtual bool Write(int AField, char* AData, const QVariant& AValue) const = 0;

 protected:
  // Gives the fields their places: explicitly, or one after the other (AddSlot, then Finish).
  void SetSlots(const QVector<TFieldSlot>& ASlots, int ARecordSize);
  // The next field's data of ASize bytes at an offset that is a multiple of AAlignment, then its
  // indicator.
  void AddSlot(int ASize, int AAlignment, bool ADeferred = false);
  void Finish();

 private:
  QVector<TFieldSlot> FSlots;
  int FRecordSize = 0;
};
