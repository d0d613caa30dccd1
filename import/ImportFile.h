#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <optional>

// Reads the file a user chose to import.
class ImportFile
{
    Q_DECLARE_TR_FUNCTIONS(ImportFile)

public:
    // Far beyond any bank's statement; a larger file is refused unread
    // rather than taken whole into memory.
    static constexpr qint64 kMaxBytes = 100LL * 1024 * 1024;
    // No bank writes a record this long (a CSV row, a QIF line, separators
    // and line breaks counted): a longer one is no transaction, and its text
    // is not kept.
    static constexpr qsizetype kMaxRecordChars = 256 * 1024;

    // The file's bytes. None, with a log line and in `failure` the reason for
    // the user, when the file cannot be read, is no regular file, is larger
    // than kMaxBytes (measured before reading) or changes while it is read.
    static std::optional<QByteArray> readBytes(const QString& path, QString* failure = nullptr);
};
