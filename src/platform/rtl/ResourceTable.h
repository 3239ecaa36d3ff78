#pragma once

// The table of named resources that a module carries; the program and every resource library lay theirs out so.

#include <cstddef>

// One resource: its name, its type and its bytes.
struct TResourceEntry {
  const char* Name;
  const char* Type;
  const char* Data;
  std::size_t Size;
};

// Every resource of one module.
struct TResourceTable {
  const TResourceEntry* Entries;
  std::size_t Count;
};

// The name under which a resource library exports its table, a TResourceTable with C linkage.
#define QOV_RESOURCE_TABLE_SYMBOL "QovResourceTable"
