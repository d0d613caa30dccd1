#include "import/QifParser.h"

#include "import/DateOrderVotes.h"
#include "import/ImportFile.h"
#include "import/ImportTextDecoder.h"
#include "storage/Money.h"

#include <QSet>

#include <algorithm>
#include <array>

namespace {

// A text that some currency's amount reads, or that only its decimals keep
// from reading: the import, knowing the currency, refuses the record then and
// says why. Currencies have two decimals or, like the yen, none, which leaves
// the widest range of whole units.
bool isAmount(QStringView text)
{
    bool beyondDecimals = false;
    return readImportAmount(text, Currency::USD, &beyondDecimals).has_value() || beyondDecimals
        || readImportAmount(text, Currency::JPY).has_value();
}

// A line without the byte-order marks an editor may have left and without
// surrounding blanks.
QStringView cleanLine(QStringView line)
{
    while (!line.isEmpty() && (line.front() == QChar(0xFEFF) || line.front() == u'\r'))
        line = line.mid(1);
    return line.trimmed();
}

// Whether a line is longer than any record a bank writes.
bool isOverlong(QStringView line) { return line.size() > ImportFile::kMaxRecordChars; }

// Calls `handle` with each line of a file's bytes, split at CR, LF or CR LF
// and decoded a piece at a time: a line that runs across pieces is joined
// first, and a CR LF split between them ends one line. Of a line longer than
// ImportFile::kMaxRecordChars only enough is kept to tell (see isOverlong).
template<typename Handle>
void forEachLineOf(QByteArrayView bytes, Handle handle)
{
    ImportTextDecoder decoder(bytes);
    QString piece;
    QString carried;
    const auto carry = [&carried](QStringView part) -> QString& {
        return carried.append(part.first(qMin(part.size(), ImportFile::kMaxRecordChars + 1 - carried.size())));
    };
    bool afterCr = false;
    while (decoder.next(piece)) {
        qsizetype start = afterCr && piece.startsWith(u'\n') ? 1 : 0;
        afterCr = false;
        for (qsizetype i = start; i < piece.size(); ++i) {
            const QChar c = piece[i];
            if (c != u'\n' && c != u'\r')
                continue;
            const QStringView line = QStringView(piece).sliced(start, i - start);
            if (carried.isEmpty()) {
                handle(line);
            } else {
                handle(carry(line));
                carried.clear();
            }
            if (c == u'\r' && i + 1 == piece.size())
                afterCr = true;
            else if (c == u'\r' && piece[i + 1] == u'\n')
                ++i;
            start = i + 1;
        }
        carry(QStringView(piece).sliced(start));
    }
    handle(QStringView(carried));
}

// A D line votes on the order of the numeric dates (see DateOrderVotes).
void voteOnDateOrder(QStringView rawLine, DateOrderVotes& votes)
{
    if (isOverlong(rawLine))
        return;
    const QStringView line = cleanLine(rawLine);
    if (line.size() < 2 || line.front() != u'D')
        return;
    const QStringView date = line.mid(1);
    votes.add(parseQifDate(date, DateOrder::DayFirst), parseQifDate(date, DateOrder::MonthFirst));
}

// The first three numbers of a QIF date and the length of the first as
// written (four characters make it the year).
struct DateNumbers
{
    std::array<int, 3> value{};
    qsizetype firstLength = 0;
};

std::optional<DateNumbers> readDateNumbers(QStringView text)
{
    QString parted;
    parted.reserve(text.size());
    for (const QChar c : text) {
        if (c == u'-' || c == u'.' || c == u'\'')
            parted.append(u'/');
        else if (!c.isSpace())
            parted.append(c);
    }
    const QList<QStringView> parts = QStringView(parted).split(u'/', Qt::SkipEmptyParts);
    if (parts.size() < 3)
        return std::nullopt;
    DateNumbers numbers;
    for (int i = 0; i < 3; ++i) {
        const QStringView part = parts[i];
        const bool digits = std::all_of(part.begin(), part.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
        if (!digits || part.size() > 9)
            return std::nullopt;
        numbers.value[i] = part.toInt();
    }
    numbers.firstLength = parts[0].size();
    return numbers;
}

// The one pass over the lines of a file; see parseQif.
class QifReader
{
public:
    explicit QifReader(DateOrder order)
        : m_order(order)
    {
    }

    void read(QStringView rawLine)
    {
        ++m_lineNumber;
        if (isOverlong(rawLine)) {
            refuseLine();
            return;
        }
        const QStringView line = cleanLine(rawLine);
        if (line.isEmpty())
            return;
        const QChar code = line.front();
        if (code == u'!') {
            finishRecord();
            m_kind = qifHeaderKind(line);
            if (m_kind == QifBlockKind::Transactions)
                m_type = qifAccountType(line);
            return;
        }
        if (code == u'^') {
            finishRecord();
            return;
        }
        const QStringView value = line.mid(1).trimmed();
        switch (m_kind) {
        case QifBlockKind::Account:
            if (code == u'N')
                m_pendingAccount = value.toString();
            break;
        case QifBlockKind::CategoryList:
            m_hasContent = true;
            if (code == u'N')
                m_category.name = value.toString();
            else if (code == u'D')
                m_category.description = value.toString();
            else if (code == u'I')
                m_category.isIncome = true;
            else if (code == u'E')
                m_category.isIncome = false;
            break;
        case QifBlockKind::Skipped:
            m_hasContent = true;
            break;
        case QifBlockKind::Transactions:
        case QifBlockKind::Other:
            readTransactionField(code, value);
            break;
        }
    }

    QifParseResult finish()
    {
        finishRecord();
        return std::move(m_result);
    }

private:
    void readTransactionField(QChar code, QStringView value)
    {
        switch (code.unicode()) {
        case u'D':
            if (const QDate date = parseQifDate(value, m_order); date.isValid())
                m_transaction.date = date;
            break;
        case u'T':
        case u'U':
            if (isAmount(value))
                m_transaction.amountText = value.toString();
            break;
        case u'P':
            m_transaction.payee = value.toString();
            break;
        case u'M':
            m_transaction.memo = value.toString();
            break;
        case u'N':
            m_transaction.number = value.toString();
            break;
        case u'C':
            if (!value.isEmpty()) {
                const QChar mark = value.front().toLower();
                if (mark == u'x' || mark == u'*' || mark == u'c')
                    m_transaction.cleared = true;
                else if (mark == u'r')
                    m_transaction.cleared = m_transaction.reconciled = true;
            }
            break;
        case u'L': {
            QifCategoryOrTransfer target = splitCategoryOrTransfer(value);
            m_transaction.category = std::move(target.category);
            m_transaction.transferAccount = std::move(target.transferAccount);
            break;
        }
        case u'A':
            break;
        case u'Y':
            m_transaction.security = value.toString();
            break;
        case u'S': {
            finishSplit();
            QifCategoryOrTransfer target = splitCategoryOrTransfer(value);
            m_split.category = std::move(target.category);
            m_split.transferAccount = std::move(target.transferAccount);
            m_inSplit = true;
            break;
        }
        case u'E':
            if (m_inSplit)
                m_split.memo = value.toString();
            break;
        case u'$':
            // A split's amount is kept as written, readable or not: read as
            // 0, one the import cannot read would leave the split's lines
            // adding up to less than they say.
            if (m_inSplit)
                m_split.amountText = value.toString();
            else if (isAmount(value))
                m_transaction.amountText = value.toString();
            break;
        default:
            return; // an unknown code is no content
        }
        if (!std::exchange(m_hasContent, true))
            m_transaction.line = m_lineNumber;
    }

    // A line too long to be part of a transaction spoils its record, or,
    // in an account block, the account's.
    void refuseLine()
    {
        m_result.overlongLines.append(m_lineNumber);
        if (m_kind == QifBlockKind::Account)
            m_accountRefused = true;
        if (!std::exchange(m_hasContent, true))
            m_transaction.line = m_lineNumber;
        m_spoiled = true;
    }

    void finishSplit()
    {
        if (m_inSplit)
            m_transaction.splits.append(std::exchange(m_split, {}));
        m_inSplit = false;
    }

    void finishRecord()
    {
        finishSplit();
        switch (m_kind) {
        case QifBlockKind::Account:
            // The transactions under an account whose name was refused are
            // no other account's.
            if (std::exchange(m_accountRefused, false)) {
                m_account.clear();
                m_pendingAccount.clear();
                m_accountSpoiled = true;
            } else if (!m_pendingAccount.isEmpty()) {
                m_account = std::exchange(m_pendingAccount, {});
                m_accountListed = false;
                m_accountSpoiled = false;
            }
            break;
        case QifBlockKind::CategoryList:
            if (m_hasContent && !m_spoiled && !m_category.name.isEmpty())
                m_result.categories.append(m_category);
            m_category = {};
            break;
        case QifBlockKind::Skipped:
            if (m_hasContent)
                ++m_result.skippedRecords;
            break;
        case QifBlockKind::Transactions:
        case QifBlockKind::Other:
            if (m_hasContent)
                finishTransaction();
            break;
        }
        m_transaction = {};
        m_hasContent = false;
        m_spoiled = false;
    }

    void finishTransaction()
    {
        if (m_spoiled || m_accountSpoiled || !m_transaction.date.isValid() || m_transaction.amountText.isEmpty()) {
            ++m_result.incompleteRecords;
            return;
        }
        m_transaction.sourceAccount = m_account;
        m_result.transactions.append(std::move(m_transaction));
        if (m_account.isEmpty() || std::exchange(m_accountListed, true))
            return;
        const QString key = m_account.toLower();
        if (!m_seenAccounts.contains(key)) {
            m_seenAccounts.insert(key);
            m_result.accounts.append({m_account, m_type});
        }
    }

    DateOrder m_order;
    int m_lineNumber = 0;
    QifBlockKind m_kind = QifBlockKind::Other;
    QifAccountType m_type = QifAccountType::Bank;
    QString m_account;
    QString m_pendingAccount;
    // The current account's first transaction has been seen.
    bool m_accountListed = false;
    QifCategory m_category;
    QifTransaction m_transaction;
    QifSplit m_split;
    bool m_inSplit = false;
    bool m_hasContent = false;
    // The record holds a line too long to read.
    bool m_spoiled = false;
    // The account block being read holds such a line ...
    bool m_accountRefused = false;
    // ... and so the transactions of the account it named are unreadable.
    bool m_accountSpoiled = false;
    QifParseResult m_result;
    QSet<QString> m_seenAccounts;
};

} // namespace

QifParseResult parseQif(QByteArrayView bytes, DateOrder order)
{
    QifReader reader(order);
    forEachLineOf(bytes, [&reader](QStringView line) { reader.read(line); });
    return reader.finish();
}

QifBlockKind qifHeaderKind(QStringView line)
{
    line = line.trimmed();
    static const QString kType = QStringLiteral("!Type:");
    if (line.startsWith(kType, Qt::CaseInsensitive)) {
        const QString rest = line.mid(kType.size()).trimmed().toString().toLower();
        if (rest == u"cat")
            return QifBlockKind::CategoryList;
        static const QSet<QString> kSkipped{QStringLiteral("class"), QStringLiteral("memorized"),
                                            QStringLiteral("tag"), QStringLiteral("security"),
                                            QStringLiteral("prices")};
        return kSkipped.contains(rest) ? QifBlockKind::Skipped : QifBlockKind::Transactions;
    }
    if (line.startsWith(u"!Account", Qt::CaseInsensitive))
        return QifBlockKind::Account;
    if (line.startsWith(u"!Option", Qt::CaseInsensitive) || line.startsWith(u"!Clear", Qt::CaseInsensitive))
        return QifBlockKind::Skipped;
    return QifBlockKind::Other;
}

QifAccountType qifAccountType(QStringView line)
{
    line = line.trimmed();
    static const QString kType = QStringLiteral("!Type:");
    if (!line.startsWith(kType, Qt::CaseInsensitive))
        return QifAccountType::Bank;
    const QString rest = line.mid(kType.size()).trimmed().toString().toLower();
    if (rest == u"ccard")
        return QifAccountType::CreditCard;
    if (rest == u"invst")
        return QifAccountType::Investment;
    if (rest == u"cash")
        return QifAccountType::Cash;
    if (rest == u"oth a")
        return QifAccountType::OtherAsset;
    if (rest == u"oth l")
        return QifAccountType::OtherLiability;
    return QifAccountType::Bank;
}

std::optional<DateOrder> guessQifDateOrder(const QList<QByteArray>& files)
{
    DateOrderVotes votes;
    for (const QByteArray& bytes : files)
        forEachLineOf(bytes, [&votes](QStringView line) { voteOnDateOrder(line, votes); });
    return votes.decided();
}

QDate parseQifDate(QStringView text, DateOrder order)
{
    const std::optional<DateNumbers> numbers = readDateNumbers(text);
    if (!numbers)
        return {};
    const auto [a, b, c] = numbers->value;
    int year = c;
    int month = order == DateOrder::DayFirst ? b : a;
    int day = order == DateOrder::DayFirst ? a : b;
    if (numbers->firstLength == 4) {
        year = a;
        month = b;
        day = c;
    }
    year = expandTwoDigitYear(year);
    if (!isImportYear(year))
        return {};
    return QDate(year, month, day);
}

std::optional<qint64> parseQifAmount(QStringView text, Currency currency, bool* beyondDecimals)
{
    return readImportAmount(text, currency, beyondDecimals);
}

QifCategoryOrTransfer splitCategoryOrTransfer(QStringView text)
{
    text = text.trimmed();
    const qsizetype classMark = text.indexOf(u'/');
    if (classMark >= 0)
        text = text.left(classMark).trimmed();
    if (text.size() >= 2 && text.startsWith(u'[') && text.endsWith(u']'))
        return {QString(), text.mid(1, text.size() - 2).trimmed().toString()};
    return {text.toString(), QString()};
}
