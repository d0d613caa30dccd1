#pragma once

class ImportService;
class ScopedTransaction;

// Paces one import run on the GUI thread, the only one the program has: it
// announces the run, tells every kRecordsBetweenEvents records how far it has
// come and lets the event loop run for at most kEventMilliseconds without
// user input, so that the progress dialog repaints and timers and network
// replies are served while the import's transaction is open. It also keeps
// watch that the transaction is still open before each record: SQLite may
// have ended it after an error, even one of another part of the program
// while the event loop ran, and nothing may then be written outside it.
class ImportProgress
{
public:
    static constexpr int kRecordsBetweenEvents = 100;
    static constexpr int kEventMilliseconds = 5;

    // Emits importStarted(total).
    ImportProgress(ImportService* service, int total);

    // Watches `transaction` from now on.
    void watch(const ScopedTransaction* transaction) { m_transaction = transaction; }

    // Call before each record is handled; false when the transaction has
    // ended and the run must stop at once.
    [[nodiscard]] bool next();
    // Emits the last importProgress(total, total), once.
    void finish();

private:
    ImportService* m_service;
    int m_total;
    int m_current = 0;
    bool m_finished = false;
    const ScopedTransaction* m_transaction = nullptr;
};
