#pragma once

class ImportService;

// Paces one import run on the GUI thread, the only one the program has: it
// announces the run, tells every kRecordsBetweenEvents records how far it has
// come and lets the event loop run for at most kEventMilliseconds without
// user input, so that the progress dialog repaints and timers and network
// replies are served while the import's transaction is open.
class ImportProgress
{
public:
    static constexpr int kRecordsBetweenEvents = 100;
    static constexpr int kEventMilliseconds = 5;

    // Emits importStarted(total).
    ImportProgress(ImportService* service, int total);

    // Call before each record is handled.
    void next();
    // Emits the last importProgress(total, total), once.
    void finish();

private:
    ImportService* m_service;
    int m_total;
    int m_current = 0;
    bool m_finished = false;
};
