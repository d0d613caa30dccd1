#pragma once

#include "import/ImportDate.h"

#include <QString>
#include <QStringList>

#include <optional>

// The outcome of one import run, CSV or QIF, counted in records.
struct ImportResult
{
    int imported = 0;
    // Skipped because the target account held a transaction of the same match
    // key (as often as it held one: two equal rows of a file are both imported
    // into an account that holds one of them less).
    int duplicates = 0;
    // Skipped because the date, payee or amount was missing or unreadable.
    int unparseable = 0;
    // QIF: records of blocks that hold no transactions.
    int metadataSkipped = 0;
    // QIF: records of a source account mapped to no target account.
    int unmappedSkipped = 0;
    // QIF: transfers whose two sides were linked by the run, both written by
    // it or one of them stored before; a side that was not written links nothing.
    int transfersLinked = 0;
    // QIF: the part of transfersLinked whose other side was stored before.
    int retroactiveLinked = 0;
    // QIF: split records whose lines did not add up to the amount, written
    // with an uncategorized line for the difference.
    int splitRemaindersAdded = 0;
    // The order the run read numeric dates in (03/04/2024), as the file's
    // dates decided it; none when the CSV mapping gave a format or the
    // order changed no date.
    std::optional<DateOrder> guessedDateOrder;
    // Sentences for the user about what the counts alone do not tell (where a
    // quote left open swallowed the rest of a file, which record was not
    // imported and why), in file order.
    QStringList notes;
    // Notes about single records go into notes up to this many; a file of
    // thousands of such records would bury the summary.
    static constexpr int kMaxRecordNotes = 20;
    int recordNotes = 0;
    // The records noted beyond kMaxRecordNotes.
    int recordNotesLeftOut = 0;

    // Notes a record that was not imported, naming it, as said above.
    void noteRecord(const QString& note)
    {
        if (recordNotes == kMaxRecordNotes) {
            ++recordNotesLeftOut;
            return;
        }
        ++recordNotes;
        notes << note;
    }

    // Nothing of the run was kept: the file was refused or unreadable, a
    // record could not be stored, or a database error rolled everything back.
    // The counts then tell how far the run came, not what is stored.
    bool failed = false;
    // Why, in a sentence for the user; empty unless failed.
    QString failure;
};
