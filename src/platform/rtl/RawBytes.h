#pragma once

// Plain values read from and written to bytes that need not be aligned for them.

#include <cstring>

template <typename T>
T ReadRaw(const char* AData) {
  T value;
  std::memcpy(&value, AData, sizeof value);
  return value;
}

// Writes the value's bytes; true, so that a writer that may refuse a value can end with it.
template <typename T>
bool WriteRaw(char* AData, const T& AValue) {
  std::memcpy(AData, &AValue, sizeof AValue);
  return true;
}
