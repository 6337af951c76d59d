#pragma once

namespace parvela::db {

// Held for the life of a thread other than the user-interface thread that
// issues statements: the client library keeps per-thread state.
class DatabaseThread {
public:
    DatabaseThread();
    ~DatabaseThread();
    DatabaseThread(const DatabaseThread&) = delete;
    DatabaseThread& operator=(const DatabaseThread&) = delete;
};

} // namespace parvela::db
