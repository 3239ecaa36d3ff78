#pragma once

// Types shared by the suite's sessions.

// The kinds of a session's main transaction.
enum TqovTransactionType {
  trntpSnapShot,         // snapshot isolation
  trntpReadCommitted,    // read committed
  trntpReadCommittedRV,  // read committed with record versions
};
