#pragma once

// The kinds of a session's main transaction.
enum TqovTransactionType {
  trntpSnapShot,         // snapshot isolation
  trntpReadCommitted,    // read committed
  trntpReadCommittedRV,  // read committed with record versions
};
