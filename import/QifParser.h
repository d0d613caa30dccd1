#pragma once

#include "import/ImportDate.h"
#include "import/QifParseResult.h"
#include "storage/Enums.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

// Reading of Quicken Interchange Format files. Pure functions: nothing is
// written and nothing is kept between calls. No file is refused as a whole;
// what cannot be read is counted in the result.

// The kind of block a header line ("!...") opens. Text before any header is
// read like a transaction block.
enum class QifBlockKind { Transactions = 0, Skipped = 1, Account = 2, CategoryList = 3, Other = 4 };

// The transactions, categories and accounts of one file, from its bytes
// decoded a piece at a time (see ImportTextDecoder), so that a large file is
// never held as text whole. Numeric dates are read in `order`: guess it once
// over every file of one import (guessQifDateOrder), so that the files of
// one export are read alike and the two sides of a transfer keep one date.
QifParseResult parseQif(QByteArrayView bytes, DateOrder order);

// The kind of block the header line opens (compared without case).
QifBlockKind qifHeaderKind(QStringView line);

// The block type a "!Type:" line names; Bank for anything else.
QifAccountType qifAccountType(QStringView line);

// The order the D lines of the files vote for (see DateOrderVotes): a date
// that is a real day in one order only, such as 25/12/2023, votes for it.
// Month first when none voted but a date depends on the order; none when
// no date does.
std::optional<DateOrder> guessQifDateOrder(const QList<QByteArray>& files);

// A QIF date: three numbers parted by '/', '-', '.' or an apostrophe, blanks
// ignored ("12/25'99", "1/ 2' 5"); year first when the first has four
// characters, else in `order`. Two-digit years follow the common pivot (see
// expandTwoDigitYear). Invalid for anything else, for a day that does not
// exist and outside the import's years (see isImportYear).
QDate parseQifDate(QStringView text, DateOrder order);

// The amount of a T, U or $ value in the currency's minor units, read as
// every import reads amounts (readImportAmount): none when unreadable, beyond
// the bound or of more decimals than the currency has (`beyondDecimals` then
// says so), never 0.
std::optional<qint64> parseQifAmount(QStringView text, Currency currency, bool* beyondDecimals = nullptr);

// An L or S value: a category, or an account in square brackets. A class
// after '/' is dropped.
struct QifCategoryOrTransfer
{
    QString category;
    QString transferAccount;
};
QifCategoryOrTransfer splitCategoryOrTransfer(QStringView text);
