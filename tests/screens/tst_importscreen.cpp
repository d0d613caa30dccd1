#include "tests/register/RegisterTestData.h"

#include "appstate/AppState.h"
#include "import/ImportFile.h"
#include "import/ImportService.h"
#include "register/SmartAmountField.h"
#include "screens/AccountFormDialog.h"
#include "screens/CsvPreview.h"
#include "screens/ImportScreen.h"
#include "screens/QifAccountMapping.h"
#include "screens/WorkProgressDialog.h"
#include "storage/AccountRepository.h"
#include "storage/RecordId.h"
#include "storage/Timestamp.h"
#include "storage/TransactionRepository.h"
#include "tests/support/ModalWatcher.h"
#include "tests/support/TestDataDir.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFile>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTranslator>
#include <QtTest>

#include <memory>

namespace {

struct ComboEntry
{
    QString text;
    QString value;
};

QList<ComboEntry> entries(const QComboBox* combo)
{
    QList<ComboEntry> result;
    for (int i = 0; i < combo->count(); ++i)
        result.append({combo->itemText(i), combo->itemData(i).toString()});
    return result;
}

// A run that went through, with these counts.
ImportResult counted(std::initializer_list<std::pair<int ImportResult::*, int>> counts,
                     std::optional<DateOrder> order = std::nullopt)
{
    ImportResult result;
    for (const auto& [member, n] : counts)
        result.*member = n;
    result.guessedDateOrder = order;
    return result;
}

// Answers Yes to a question, noting its title in `title`; false for any
// other window.
bool sayYesToQuestion(QWidget* modal, QString* title = nullptr)
{
    auto* box = qobject_cast<QMessageBox*>(modal);
    if (!box)
        return false;
    if (title)
        *title = box->windowTitle();
    box->button(QMessageBox::Yes)->click();
    return true;
}

void nameAccount(AccountFormDialog* form, const QString& name)
{
    for (auto* edit : form->findChildren<QLineEdit*>()) {
        if (edit->placeholderText() == QStringLiteral("Account name"))
            edit->setText(name);
    }
}

QWidget* nextTabStop(QWidget* from)
{
    QWidget* next = from->nextInFocusChain();
    while (next != from && !(next->focusPolicy() & Qt::TabFocus))
        next = next->nextInFocusChain();
    return next;
}

} // namespace

class TestImportScreen : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void summaryCountsWhatWasDoneInPluralForms();
    void failedImportSaysWhyAndNeverSuccess();
    void summaryTellsWhatTheCountsDoNot();
    void previewDecodesLikeTheImportAndShowsTheFirstRows();
    void columnChoicesFollowTheFirstRowAndKeepTheMapping();
    void previewKeepsToWhatABankWrites();
    void previewShowsQuotedFieldsAsTheImportStoresThem();
    void qifRowsOfferAccountsNewAccountsAndSkip();
    void newAccountsTakeTheNamesTheRowsOffer();
    void failedQifImportKeepsItsNewAccountsForTheRetry();
    void qifMappingFindsAccountsByIdAndName();
    void stagedQifImportLinksTheTransferThroughTheWindow_data();
    void stagedQifImportLinksTheTransferThroughTheWindow();
    void choicesFollowAccountChanges();
    void csvImportRunsThroughTheWindow();
    void importWithoutAnAccountCreatesOneWithItsOpeningBalance_data();
    void importWithoutAnAccountCreatesOneWithItsOpeningBalance();
    void failedCsvImportSaysTheAccountItMadeStays();
    void progressKeepsEveryWindowFromInput();
    void keyboardRunsTheForm();

private:
    QString writeFile(const QString& name, const QByteArray& bytes) const { return m_dir->writeFile(name, bytes); }
    Account addAccount(const QString& name) { return registertest::addAccount(*m_state, name); }
    ImportScreen* screen();
    QComboBox* combo(const char* name);
    QList<QComboBox*> qifCombos();
    QStringList qifLabels();
    // The message with which the window refuses the CSV file, OK pressed;
    // empty when it takes the file.
    QString refusalOfCsvFile(const QString& path);

    QTranslator m_plurals;
    std::unique_ptr<TestDataDir> m_dir;
    std::unique_ptr<AppState> m_state;
    std::unique_ptr<ImportScreen> m_screen;
};

void TestImportScreen::initTestCase()
{
    // The catalogue that ships holds the English plural forms.
    QVERIFY(m_plurals.load(QStringLiteral(":/i18n/ledgerine_en.qm")));
    QCoreApplication::installTranslator(&m_plurals);
}

void TestImportScreen::init()
{
    m_dir = std::make_unique<TestDataDir>();
    m_state = std::make_unique<AppState>();
    QVERIFY(m_state->initialize());
}

void TestImportScreen::cleanup()
{
    m_screen.reset();
    m_state.reset();
    m_dir.reset();
}

ImportScreen* TestImportScreen::screen()
{
    if (!m_screen) {
        m_screen = std::make_unique<ImportScreen>(m_state.get());
        m_screen->refresh();
    }
    return m_screen.get();
}

QComboBox* TestImportScreen::combo(const char* name)
{
    return screen()->findChild<QComboBox*>(QString::fromLatin1(name));
}

QList<QComboBox*> TestImportScreen::qifCombos()
{
    const auto* rows = screen()->findChild<QFormLayout*>(QStringLiteral("qifMapRowsLayout"));
    QList<QComboBox*> combos;
    for (int row = 0; row < rows->rowCount(); ++row)
        combos << qobject_cast<QComboBox*>(rows->itemAt(row, QFormLayout::FieldRole)->widget());
    return combos;
}

QStringList TestImportScreen::qifLabels()
{
    const auto* rows = screen()->findChild<QFormLayout*>(QStringLiteral("qifMapRowsLayout"));
    QStringList labels;
    for (int row = 0; row < rows->rowCount(); ++row)
        labels << qobject_cast<QLabel*>(rows->itemAt(row, QFormLayout::LabelRole)->widget())->text();
    return labels;
}

void TestImportScreen::summaryCountsWhatWasDoneInPluralForms()
{
    struct Count
    {
        const char* name;
        int ImportResult::*member;
    };
    const Count counts[] = {
        {"imported", &ImportResult::imported},
        {"transfers linked", &ImportResult::transfersLinked},
        {"linked to earlier imports", &ImportResult::retroactiveLinked},
        {"split remainders", &ImportResult::splitRemaindersAdded},
        {"duplicates", &ImportResult::duplicates},
        {"unparseable", &ImportResult::unparseable},
        {"metadata", &ImportResult::metadataSkipped},
        {"unmapped", &ImportResult::unmappedSkipped},
        {"records noted beyond the notes shown", &ImportResult::recordNotesLeftOut},
    };
    // Links to earlier imports are told as a part of the links.
    ImportResult base;
    base.imported = 7;
    base.transfersLinked = 5;
    const QStringList baseLines = ImportScreen::summaryText(base).split(u'\n');
    // The lines a summary has that the base's has not.
    const auto linesFor = [&](int ImportResult::*member, int n) {
        ImportResult result = base;
        result.*member = n;
        QStringList lines = ImportScreen::summaryText(result).split(u'\n');
        for (const QString& line : baseLines)
            lines.removeOne(line);
        return lines;
    };

    QSet<QString> seen;
    for (const Count& count : counts) {
        const QStringList one = linesFor(count.member, 1);
        const QStringList two = linesFor(count.member, 2);
        QVERIFY2(one.size() == 1 && two.size() == 1, count.name);
        QVERIFY2(one.first().contains(u'1') && two.first().contains(u'2'), count.name);
        // One form for one, another for more.
        QVERIFY2(QString(one.first()).replace(u'1', u'#') != QString(two.first()).replace(u'2', u'#'), count.name);
        QVERIFY2(!seen.contains(one.first()), count.name);
        seen.insert(one.first());
        // A count of 0 says nothing, save that nothing was imported.
        if (count.member == &ImportResult::imported)
            QCOMPARE(linesFor(count.member, 0).size(), 1);
        else if (count.member != &ImportResult::transfersLinked)
            QVERIFY2(linesFor(count.member, 0).isEmpty(), count.name);
    }

    // Without links, rows linked to earlier imports are told of neither.
    ImportResult unlinked;
    unlinked.imported = 2;
    unlinked.retroactiveLinked = 2;
    QCOMPARE(ImportScreen::summaryText(unlinked), ImportScreen::summaryText(counted({{&ImportResult::imported, 2}})));
}

void TestImportScreen::failedImportSaysWhyAndNeverSuccess()
{
    ImportResult result;
    result.imported = 40;
    result.failed = true;
    result.failure = QStringLiteral("The import could not be stored: disk I/O error");
    const QStringList lines = ImportScreen::summaryText(result).split(u'\n');
    QVERIFY(lines.contains(result.failure));
    // Neither success nor the counts of a run that kept nothing.
    QVERIFY(lines.first() != ImportScreen::summaryText(counted({{&ImportResult::imported, 40}})).split(u'\n').first());
    QVERIFY(!lines.join(u'\n').contains(QStringLiteral("40")));

    // Accounts made for it stay, and the summary names them, one line each,
    // under a line that counts them.
    const QStringList oneKept = ImportScreen::summaryText(result, {QStringLiteral("my bank")}).split(u'\n');
    const QStringList twoKept =
        ImportScreen::summaryText(result, {QStringLiteral("my bank"), QStringLiteral("Visa")}).split(u'\n');
    QCOMPARE(oneKept.size(), lines.size() + 3);
    QCOMPARE(oneKept.mid(0, lines.size()), lines);
    QCOMPARE(oneKept.last(), QStringLiteral("  my bank"));
    QCOMPARE(twoKept.mid(twoKept.size() - 2), QStringList({"  my bank", "  Visa"}));
    QVERIFY(twoKept.at(twoKept.size() - 3).contains(u'2'));
    QVERIFY(QString(twoKept.at(twoKept.size() - 3)).remove(u'2') != oneKept.at(oneKept.size() - 2));

    // Through the window: the file went away between preview and import.
    addAccount(QStringLiteral("Checking"));
    const QString path = writeFile(QStringLiteral("gone.csv"), "Date,Payee,Amount\n2024-01-02,Shop,-5.00\n");
    screen()->chooseCsvFile(path);
    QVERIFY(QFile::remove(path));
    QSignalSpy completed(screen(), &ImportScreen::importCompleted);
    screen()->runImport();
    const QString summary = screen()->findChild<QPlainTextEdit*>(QStringLiteral("summaryBox"))->toPlainText();
    QVERIFY2(summary.startsWith(lines.first()), qPrintable(summary));
    QVERIFY2(summary.contains(QStringLiteral("could not be opened")), qPrintable(summary));
    QVERIFY(completed.isEmpty());
}

void TestImportScreen::summaryTellsWhatTheCountsDoNot()
{
    // The order the dates were read in, each its own line, and none when
    // the file did not tell.
    ImportResult result;
    result.imported = 3;
    const QStringList plain = ImportScreen::summaryText(result).split(u'\n');
    result.guessedDateOrder = DateOrder::DayFirst;
    const QStringList dayFirst = ImportScreen::summaryText(result).split(u'\n');
    result.guessedDateOrder = DateOrder::MonthFirst;
    const QStringList monthFirst = ImportScreen::summaryText(result).split(u'\n');
    QCOMPARE(dayFirst.size(), plain.size() + 1);
    QCOMPARE(monthFirst.size(), plain.size() + 1);
    QVERIFY(dayFirst.last() != monthFirst.last());

    // Notes follow every count, in their order, as written.
    result.duplicates = 1;
    result.notes << QStringLiteral("A quote opened on line 4 is never closed.") << QStringLiteral("Second note.");
    const QStringList noted = ImportScreen::summaryText(result).split(u'\n');
    QCOMPARE(noted.mid(noted.size() - 3), QStringList({monthFirst.last(), result.notes[0], result.notes[1]}));

    // Through the window: the file's dates decided the order, and a split
    // whose lines fell short was made whole.
    addAccount(QStringLiteral("Checking"));
    screen()->chooseQifFiles({writeFile(QStringLiteral("split.qif"),
                                        "!Account\nNChecking\nTBank\n^\n!Type:Bank\n"
                                        "D25/01/2024\nT-100.00\nPGrocer\nSFood\n$-60.00\n^\n")});
    screen()->runImport();
    const QString summary = screen()->findChild<QPlainTextEdit*>(QStringLiteral("summaryBox"))->toPlainText();
    QCOMPARE(summary, ImportScreen::summaryText(counted({{&ImportResult::imported, 1},
                                                         {&ImportResult::splitRemaindersAdded, 1}},
                                                        DateOrder::DayFirst)));
}

QString TestImportScreen::refusalOfCsvFile(const QString& path)
{
    QString shown;
    ModalWatcher watcher([&shown](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box);
        shown = box->text();
        box->button(QMessageBox::Ok)->click();
    });
    screen()->chooseCsvFile(path);
    return shown;
}

void TestImportScreen::previewDecodesLikeTheImportAndShowsTheFirstRows()
{
    // Windows-1252, as older bank software writes it: é is one byte.
    QByteArray bytes = "Date,Description,Amount,Memo\n";
    bytes += "2024-01-02,Caf\xe9 Central,-4.50,\"two\nlines\"\n";
    bytes += "2024-01-03,Short row\n";
    bytes += "2024-01-04,Long row,-1.00,memo,extra\n";
    for (int i = 0; i < 300; ++i)
        bytes += "2024-02-01,Shop " + QByteArray::number(i) + ",-1.00,\n";
    screen()->chooseCsvFile(writeFile(QStringLiteral("bank.csv"), bytes));

    auto* table = screen()->findChild<QTableWidget*>(QStringLiteral("previewTable"));
    QCOMPARE(table->rowCount(), CsvPreview::kMaxRows);
    QCOMPARE(table->columnCount(), 4);
    QCOMPARE(table->item(1, 1)->text(), QStringLiteral("Café Central"));
    QCOMPARE(table->item(1, 3)->text(), QStringLiteral("two\nlines"));
    // A short row leaves its cells empty, a long one is cut to the first row's columns.
    QVERIFY(!table->item(2, 2));
    QCOMPARE(table->item(3, 3)->text(), QStringLiteral("memo"));
    QCOMPARE(table->horizontalHeaderItem(3)->text(), QStringLiteral("Col 3"));
    auto* cut = screen()->findChild<QLabel*>(QStringLiteral("previewCutLabel"));
    QVERIFY(!cut->isHidden());
    QCOMPARE(cut->text(), QStringLiteral("Showing the first 200 rows of the file."));

    // UTF-16 with its byte-order mark, as spreadsheet programs save it.
    const QString utf16 = QStringLiteral("Date,Payee,Amount\n2024-01-02,Zoë,-1.00\n");
    QByteArray utf16Bytes("\xff\xfe", 2);
    utf16Bytes += QByteArray(reinterpret_cast<const char*>(utf16.utf16()), utf16.size() * 2);
    screen()->chooseCsvFile(writeFile(QStringLiteral("unicode.csv"), utf16Bytes));
    QCOMPARE(table->item(1, 1)->text(), QStringLiteral("Zoë"));
    QVERIFY(cut->isHidden());

    // A quoted field's line breaks do not cost the preview its last rows.
    QByteArray quoted = "A,B\n";
    for (int i = 0; i < CsvPreview::kMaxRows; ++i)
        quoted += "x,\"1\n2\n3\"\n";
    const CsvPreview preview(quoted);
    QCOMPARE(preview.rows().size(), CsvPreview::kMaxRows);
    QVERIFY(preview.isCut());
    QCOMPARE(preview.rows().last(), QStringList({"x", "1\n2\n3"}));
    QVERIFY(!CsvPreview(QByteArrayView("a,b\nc,d\n")).isCut());

    // A file that holds no row is refused with a word, and the form keeps
    // what it had.
    QVERIFY(refusalOfCsvFile(writeFile(QStringLiteral("empty.csv"), "\n\n")).contains(QStringLiteral("no rows")));
    QCOMPARE(table->rowCount(), 2);
    QCOMPARE(screen()->findChild<QLabel*>(QStringLiteral("fileLabel"))->toolTip(),
             QDir::toNativeSeparators(m_dir->filePath(QStringLiteral("unicode.csv"))));
}

void TestImportScreen::previewKeepsToWhatABankWrites()
{
    auto* table = screen()->findChild<QTableWidget*>(QStringLiteral("previewTable"));
    auto* columnsCut = screen()->findChild<QLabel*>(QStringLiteral("previewColumnsCutLabel"));

    // A first row of thousands of fields: the first columns are shown and
    // offered, and the window says there are more.
    QByteArray wide;
    for (int i = 0; i < 5000; ++i)
        wide += "F" + QByteArray::number(i) + ",";
    screen()->chooseCsvFile(writeFile(QStringLiteral("wide.csv"), wide + "\n2024-01-02,Shop,-1.00\n"));
    QCOMPARE(table->columnCount(), CsvPreview::kMaxColumns);
    QCOMPARE(table->rowCount(), 2);
    QCOMPARE(combo("amountColumnCombo")->count(), CsvPreview::kMaxColumns);
    QCOMPARE(combo("memoColumnCombo")->count(), CsvPreview::kMaxColumns + 1);
    QCOMPARE(combo("dateColumnCombo")->itemData(CsvPreview::kMaxColumns - 1).toInt(), CsvPreview::kMaxColumns - 1);
    QVERIFY(!columnsCut->isHidden());

    // A row longer than any bank writes is split no further than the
    // import splits it: it shows empty, and the columns come from the next.
    const QByteArray commas(2 * ImportFile::kMaxRecordChars, ',');
    screen()->chooseCsvFile(writeFile(QStringLiteral("long.csv"), commas + "\nDate,Payee,Amount\n2024-01-02,Shop,-1.00\n"));
    QCOMPARE(table->rowCount(), 3);
    QCOMPARE(table->columnCount(), 3);
    QCOMPARE(combo("dateColumnCombo")->itemText(2), QStringLiteral("Col 2: Amount"));
    QVERIFY(!table->item(0, 0));
    QCOMPARE(table->item(2, 1)->text(), QStringLiteral("Shop"));
    QVERIFY(columnsCut->isHidden());

    // A field of a hundred thousand characters fills its cell with its start.
    const QByteArray longField(100'000, 'x');
    screen()->chooseCsvFile(writeFile(QStringLiteral("field.csv"), "Date,Payee,Amount\n2024-01-02," + longField + ",-1\n"));
    QCOMPARE(table->item(1, 1)->text(), QString(CsvPreview::kMaxFieldChars, u'x'));
    QCOMPARE(table->item(1, 2)->text(), QStringLiteral("-1"));

    // A quote never closed holds the rest of the file, thousands of lines,
    // in one row, as the import reads it: the preview stops there.
    QByteArray open = "Date,Payee,Amount\n2024-01-02,\"Shop\n";
    for (int i = 0; i < 5000; ++i)
        open += "2024-01-03,Shop,-1.00\n";
    const CsvPreview openPreview(open);
    QCOMPARE(openPreview.rows().size(), 2);
    QVERIFY(!openPreview.isCut());
    QCOMPARE(openPreview.rows().last().last().size(), CsvPreview::kMaxFieldChars);

    // A file of nothing else holds no row to import.
    QVERIFY(refusalOfCsvFile(writeFile(QStringLiteral("commas.csv"), commas)).contains(QStringLiteral("no rows")));
    QCOMPARE(table->columnCount(), 3);
}

void TestImportScreen::previewShowsQuotedFieldsAsTheImportStoresThem()
{
    const Account account = addAccount(QStringLiteral("Checking"));
    const QString path = writeFile(QStringLiteral("quoted.csv"),
                                   "Date,Payee,Amount,Memo\r\n"
                                   "2024-01-02,\"Smith, John\",\"-1,204.50\",\"first line\r\nsecond, line\"\r\n"
                                   "2024-01-03,  \"The \"\"Best\"\" Shop\"  ,-1.00,\"\"\r\n"
                                   "2024-01-04,\"a\nb\",-2.00,12\" pizza\r\n");
    screen()->chooseCsvFile(path);
    auto* table = screen()->findChild<QTableWidget*>(QStringLiteral("previewTable"));
    QCOMPARE(table->rowCount(), 4);
    QCOMPARE(table->columnCount(), 4);
    // Each row is numbered by the line it starts on, as the summary names it.
    QStringList lines;
    for (int row = 0; row < table->rowCount(); ++row)
        lines << table->model()->headerData(row, Qt::Vertical).toString();
    QCOMPARE(lines, QStringList({"1", "2", "4", "5"}));
    QList<QStringList> shown;
    for (int row = 1; row < table->rowCount(); ++row) {
        QStringList fields;
        for (int column = 0; column < table->columnCount(); ++column)
            fields << (table->item(row, column) ? table->item(row, column)->text() : QString());
        shown << fields;
    }
    QCOMPARE(shown, QList<QStringList>({{"2024-01-02", "Smith, John", "-1,204.50", "first line\r\nsecond, line"},
                                        {"2024-01-03", "The \"Best\" Shop", "-1.00", ""},
                                        {"2024-01-04", "a\nb", "-2.00", "12\" pizza"}}));

    // What the preview shows is what the import stores.
    combo("accountCombo")->setCurrentIndex(combo("accountCombo")->findData(account.id));
    combo("memoColumnCombo")->setCurrentIndex(combo("memoColumnCombo")->findData(3));
    screen()->runImport();
    QList<QStringList> stored;
    for (const Transaction& row : m_state->transactionRepository()->listByAccount(account.id))
        stored << QStringList({row.date.toString(Qt::ISODate), row.payee, QString::number(row.amount), row.memo});
    std::sort(stored.begin(), stored.end());
    QCOMPARE(stored, QList<QStringList>({{shown[0][0], shown[0][1], "-120450", shown[0][3]},
                                         {shown[1][0], shown[1][1], "-100", shown[1][3]},
                                         {shown[2][0], shown[2][1], "-200", shown[2][3]}}));
}

void TestImportScreen::columnChoicesFollowTheFirstRowAndKeepTheMapping()
{
    const QString first = writeFile(QStringLiteral("first.csv"),
                                    "Date,Description,Amount,A field longer than twenty characters\n");
    screen()->chooseCsvFile(first);
    QCOMPARE(entries(combo("dateColumnCombo")).size(), 4);
    QCOMPARE(combo("dateColumnCombo")->itemText(3), QStringLiteral("Col 3: A field longer than "));
    QCOMPARE(combo("memoColumnCombo")->itemText(0), QStringLiteral("(none)"));
    QCOMPARE(combo("memoColumnCombo")->itemData(0).toInt(), -1);
    QCOMPARE(combo("memoColumnCombo")->itemText(2), QStringLiteral("Col 1: Description"));
    QCOMPARE(combo("dateColumnCombo")->currentIndex(), 0);
    QCOMPARE(combo("payeeColumnCombo")->currentIndex(), 1);
    QCOMPARE(combo("amountColumnCombo")->currentIndex(), 2);

    // The user's whole mapping stays when the same file is chosen again ...
    combo("payeeColumnCombo")->setCurrentIndex(3);
    combo("memoColumnCombo")->setCurrentIndex(2);
    combo("categoryColumnCombo")->setCurrentIndex(4);
    screen()->chooseCsvFile(first);
    QCOMPARE(combo("payeeColumnCombo")->currentIndex(), 3);
    CsvColumnMapping mapping = screen()->csvMapping();
    QCOMPARE(mapping.payeeColumn, 3);
    QCOMPARE(mapping.memoColumn, 1);
    QCOMPARE(mapping.categoryColumn, 3);

    // ... and so do the file and its preview across a look at QIF and back.
    auto* importButton = screen()->findChild<QPushButton*>(QStringLiteral("importButton"));
    screen()->findChild<QRadioButton*>(QStringLiteral("qifButton"))->setChecked(true);
    QVERIFY(!importButton->isEnabled());
    screen()->findChild<QRadioButton*>(QStringLiteral("csvButton"))->setChecked(true);
    QVERIFY(importButton->isEnabled());
    QCOMPARE(screen()->findChild<QLabel*>(QStringLiteral("fileLabel"))->toolTip(), QDir::toNativeSeparators(first));
    QCOMPARE(screen()->findChild<QTableWidget*>(QStringLiteral("previewTable"))->rowCount(), 1);
    mapping = screen()->csvMapping();
    QCOMPARE(mapping.payeeColumn, 3);
    QCOMPARE(mapping.memoColumn, 1);
    QCOMPARE(mapping.categoryColumn, 3);

    // ... but not for another file, even of as many columns: memo and
    // category would name whatever it holds there.
    screen()->chooseCsvFile(writeFile(QStringLiteral("same width.csv"), "Posted,Amount,Payee,Balance\n"));
    mapping = screen()->csvMapping();
    QCOMPARE(mapping.dateColumn, 0);
    QCOMPARE(mapping.payeeColumn, 1);
    QCOMPARE(mapping.amountColumn, 2);
    QCOMPARE(mapping.memoColumn, -1);
    QCOMPARE(mapping.categoryColumn, -1);

    // A file of two columns keeps the places it still has; elsewhere the
    // first column is taken.
    combo("memoColumnCombo")->setCurrentIndex(2);
    combo("payeeColumnCombo")->setCurrentIndex(3);
    screen()->chooseCsvFile(writeFile(QStringLiteral("two.csv"), "Date,Amount\n"));
    QCOMPARE(combo("dateColumnCombo")->currentIndex(), 0);
    QCOMPARE(combo("payeeColumnCombo")->currentIndex(), 0);
    QCOMPARE(combo("memoColumnCombo")->currentIndex(), 0);

    // Another file of three columns or more maps its first three afresh.
    screen()->chooseCsvFile(writeFile(QStringLiteral("other.csv"), "Amount,Date,Payee,Memo\n"));
    QCOMPARE(combo("payeeColumnCombo")->currentIndex(), 1);
    QCOMPARE(combo("amountColumnCombo")->currentIndex(), 2);
    combo("dateFormatCombo")->setCurrentIndex(combo("dateFormatCombo")->findText(QStringLiteral("dd/MM/yyyy")));
    screen()->findChild<QCheckBox*>(QStringLiteral("headerCheck"))->setChecked(false);
    mapping = screen()->csvMapping();
    QCOMPARE(mapping.dateFormat, QStringLiteral("dd/MM/yyyy"));
    QVERIFY(!mapping.hasHeader);
}

void TestImportScreen::qifRowsOfferAccountsNewAccountsAndSkip()
{
    const Account checking = addAccount(QStringLiteral("checking"));
    const Account visa = addAccount(QStringLiteral("Visa"));
    const QString exported = writeFile(QStringLiteral("export.qif"),
                                       "!Account\nNChecking\nTBank\n^\n!Type:Bank\nD01/02/2024\nT-5.00\nPShop\n^\n"
                                       "!Account\nNHoliday Savings\nTBank\n^\n!Type:Bank\nD01/02/2024\nT5.00\n^\n");
    const QString headerless = writeFile(QStringLiteral("my bank.qif"), "!Type:Bank\nD01/03/2024\nT-1.00\n^\n");
    const QString cards = writeFile(QStringLiteral("cards.qif"),
                                    "!Account\nNVISA\nTCCard\n^\n!Type:CCard\nD01/02/2024\nT-9.00\n^\n"
                                    "!Account\nNholiday savings\nTBank\n^\n!Type:Bank\nD01/04/2024\nT1.00\n^\n");
    screen()->chooseQifFiles({exported, headerless, cards});

    QVERIFY(!screen()->findChild<QWidget*>(QStringLiteral("qifSection"))->isHidden());
    QCOMPARE(screen()->findChild<QLabel*>(QStringLiteral("fileLabel"))->text(), QStringLiteral("3 files selected"));
    // One row for each account ignoring case, in the order the files list them.
    QCOMPARE(qifLabels(), QStringList({"Checking", "Holiday Savings", "my bank.qif (no account header)", "VISA"}));
    const QList<QComboBox*> combos = qifCombos();
    QCOMPARE(combos.size(), 4);

    const QList<ComboEntry> first = entries(combos[0]);
    QCOMPARE(first.size(), 4);
    QCOMPARE(first[0].text, QStringLiteral("— Create new account \"Checking\" —"));
    QCOMPARE(first[0].value, QifAccountMapping::kCreate);
    QCOMPARE(first[1].text, QStringLiteral("— Skip these transactions —"));
    QCOMPARE(first[1].value, QifAccountMapping::kSkip);
    QCOMPARE(first[2].value, checking.id);
    QCOMPARE(first[3].value, visa.id);

    // An account of the same name, ignoring case, is taken; the rest are new.
    QCOMPARE(combos[0]->currentData().toString(), checking.id);
    QCOMPARE(combos[1]->currentData().toString(), QifAccountMapping::kCreate);
    QCOMPARE(combos[3]->currentData().toString(), visa.id);
    // A file that names no account names the account it makes after itself
    // and is never matched to one by name.
    QCOMPARE(combos[2]->itemText(0), QStringLiteral("— Create new account \"my bank\" —"));
    QCOMPARE(combos[2]->currentData().toString(), QifAccountMapping::kCreate);

    // Tab reaches the rows in order, and Import after them.
    for (int row = 0; row + 1 < combos.size(); ++row)
        QCOMPARE(nextTabStop(combos[row]), combos[row + 1]);
    QCOMPARE(nextTabStop(combos.last()), screen()->findChild<QPushButton*>(QStringLiteral("importButton")));

    // Choosing CSV drops the QIF choice: it could not be imported as CSV.
    screen()->findChild<QRadioButton*>(QStringLiteral("csvButton"))->setChecked(true);
    QVERIFY(qifCombos().isEmpty());
    QCOMPARE(screen()->findChild<QLabel*>(QStringLiteral("fileLabel"))->text(), QStringLiteral("No file selected"));
    QVERIFY(!screen()->findChild<QPushButton*>(QStringLiteral("importButton"))->isEnabled());
}

void TestImportScreen::newAccountsTakeTheNamesTheRowsOffer()
{
    const auto headerless = [](const QString& path) {
        return QifSourceAccount{path, QStringLiteral("x (no account header)"), true, AccountType::Checking};
    };
    QCOMPARE(QifAccountMapping::newAccountName(headerless(QStringLiteral("/home/me/my bank.qif"))),
             QStringLiteral("my bank"));
    QCOMPARE(QifAccountMapping::newAccountName(headerless(QStringLiteral("/tmp/statement.2024.QIF"))),
             QStringLiteral("statement.2024"));
    QCOMPARE(QifAccountMapping::newAccountName(headerless(QStringLiteral("/tmp/.qif"))), QStringLiteral(".qif"));
    const QifSourceAccount card{QStringLiteral("Visa"), QStringLiteral("Visa"), false, AccountType::CreditCard};
    const Account account = QifAccountMapping::newAccount(card);
    QCOMPARE(account.name, QStringLiteral("Visa"));
    QCOMPARE(account.account_type, AccountType::CreditCard);
    QCOMPARE(account.currency, Currency::USD);
    QCOMPARE(account.starting_balance, 0);
    QVERIFY(!account.id.isEmpty() && account.created_at.isValid());
    QVERIFY(QifAccountMapping::newAccount(card).id != account.id);

    // Through the window: the new accounts are made, the skipped account's
    // records are counted, and every row lands where it was mapped.
    const Account existing = addAccount(QStringLiteral("Savings"));
    const QString headered = writeFile(QStringLiteral("two.qif"),
                                       "!Account\nNSavings\nTBank\n^\n!Type:Bank\nD01/02/2024\nT5.00\nPIn\n^\n"
                                       "!Account\nNCash box\nTCash\n^\n!Type:Cash\nD01/02/2024\nT-2.00\nPOut\n^\n"
                                       "D01/03/2024\nT-3.00\nPOut again\n^\n");
    const QString bare = writeFile(QStringLiteral("my bank.qif"), "!Type:Bank\nD01/03/2024\nT-1.00\nPBare\n^\n");
    screen()->chooseQifFiles({headered, bare});
    const QList<QComboBox*> combos = qifCombos();
    QCOMPARE(combos.size(), 3);
    combos[1]->setCurrentIndex(combos[1]->findData(QifAccountMapping::kSkip));
    QSignalSpy completed(screen(), &ImportScreen::importCompleted);
    screen()->runImport();

    const QString summary = screen()->findChild<QPlainTextEdit*>(QStringLiteral("summaryBox"))->toPlainText();
    QCOMPARE(summary,
             ImportScreen::summaryText(counted({{&ImportResult::imported, 2}, {&ImportResult::unmappedSkipped, 2}},
                                               DateOrder::MonthFirst)));
    QCOMPARE(m_state->transactionRepository()->listByAccount(existing.id).size(), 1);
    const QList<Account> accounts = m_state->accountRepository()->listActive();
    QCOMPARE(accounts.size(), 2);
    const Account made = accounts[0].id == existing.id ? accounts[1] : accounts[0];
    QCOMPARE(made.name, QStringLiteral("my bank"));
    QCOMPARE(m_state->transactionRepository()->listByAccount(made.id).first().payee, QStringLiteral("Bare"));

    screen()->findChild<QPushButton*>(QStringLiteral("doneButton"))->click();
    QCOMPARE(completed.size(), 1);
    QCOMPARE(screen()->findChild<QStackedWidget*>()->currentIndex(), 0);
    QVERIFY(qifCombos().isEmpty());
}

void TestImportScreen::failedQifImportKeepsItsNewAccountsForTheRetry()
{
    const QByteArray cashBytes = "!Account\nNCash box\nTCash\n^\n!Type:Cash\nD01/02/2024\nT-2.00\nPOut\n^\n";
    const QByteArray bareBytes = "!Type:Bank\nD01/03/2024\nT-1.00\nPBare\n^\n";
    const QString cash = writeFile(QStringLiteral("cash.qif"), cashBytes);
    const QString bare = writeFile(QStringLiteral("my bank.qif"), bareBytes);
    screen()->chooseQifFiles({cash, bare});
    QCOMPARE(qifCombos().size(), 2);
    // A file goes away between choosing and importing: the accounts were
    // made, the import is not.
    QVERIFY(QFile::remove(bare));
    screen()->runImport();

    const auto summaryBox = [this] { return screen()->findChild<QPlainTextEdit*>(QStringLiteral("summaryBox")); };
    const QString summary = summaryBox()->toPlainText();
    ImportResult failed;
    failed.failed = true;
    failed.failure = summary.split(u'\n').value(2);
    QVERIFY2(failed.failure.contains(QStringLiteral("my bank.qif")), qPrintable(summary));
    QCOMPARE(summary, ImportScreen::summaryText(failed, {QStringLiteral("Cash box"), QStringLiteral("my bank")}));
    const QList<Account> made = m_state->accountRepository()->listActive();
    QCOMPARE(made.size(), 2);
    const auto idOf = [&made](const QString& name) {
        const auto found = std::find_if(made.cbegin(), made.cend(), [&](const Account& a) { return a.name == name; });
        return found == made.cend() ? QString() : found->id;
    };

    // The same files again: their rows go into the accounts made, and the
    // import makes no more.
    screen()->findChild<QPushButton*>(QStringLiteral("doneButton"))->click();
    writeFile(QStringLiteral("my bank.qif"), bareBytes);
    screen()->refresh();
    screen()->chooseQifFiles({cash, bare});
    const QList<QComboBox*> combos = qifCombos();
    QCOMPARE(combos.size(), 2);
    QCOMPARE(combos[0]->currentData().toString(), idOf(QStringLiteral("Cash box")));
    QCOMPARE(combos[1]->currentData().toString(), idOf(QStringLiteral("my bank")));
    screen()->runImport();
    QCOMPARE(summaryBox()->toPlainText(), ImportScreen::summaryText(counted({{&ImportResult::imported, 2}}, DateOrder::MonthFirst)));
    QCOMPARE(m_state->accountRepository()->listActive().size(), 2);
    QCOMPARE(m_state->transactionRepository()->listByAccount(idOf(QStringLiteral("my bank"))).size(), 1);
    QCOMPARE(m_state->transactionRepository()->listByAccount(idOf(QStringLiteral("Cash box"))).size(), 1);

    // An account made before that is gone by now gives way to the usual choice.
    const QifSourceAccount source{bare, QStringLiteral("my bank.qif (no account header)"), true, AccountType::Checking};
    const int madeAt = made[0].name == QStringLiteral("my bank") ? 0 : 1;
    const QifAccountMapping mapping(made);
    QCOMPARE(mapping.preselected(source, made[madeAt].id), madeAt + 2);
    QCOMPARE(mapping.preselected(source, QStringLiteral("gone")), 0);
}

void TestImportScreen::qifMappingFindsAccountsByIdAndName()
{
    const auto account = [](const QString& id, const QString& name) {
        Account made;
        made.id = id;
        made.name = name;
        return made;
    };
    // Names match ignoring case, the first of equal names wins.
    const QifAccountMapping mapping({account(QStringLiteral("a"), QStringLiteral("Ärger")),
                                     account(QStringLiteral("b"), QStringLiteral("Savings")),
                                     account(QStringLiteral("c"), QStringLiteral("SAVINGS"))});
    const auto named = [](const QString& name) {
        return QifSourceAccount{name, name, false, AccountType::Checking};
    };
    QCOMPARE(mapping.preselected(named(QStringLiteral("savings"))), 3);
    QCOMPARE(mapping.preselected(named(QStringLiteral("äRGER"))), 2);
    QCOMPARE(mapping.preselected(named(QStringLiteral("Saving"))), 0);
    QCOMPARE(mapping.preselected(named(QStringLiteral("Saving")), QStringLiteral("c")), 4);
    // Each value's index is its place among the choices.
    const QList<QifAccountMapping::Choice> choices = mapping.choices(named(QStringLiteral("x")));
    QCOMPARE(choices.size(), 5);
    for (int i = 0; i < choices.size(); ++i)
        QCOMPARE(mapping.indexOf(choices[i].value), i);
    QCOMPARE(mapping.indexOf(QStringLiteral("gone")), -1);
}

void TestImportScreen::stagedQifImportLinksTheTransferThroughTheWindow_data()
{
    QTest::addColumn<bool>("checkingSkipped");
    QTest::newRow("the savings file alone") << false;
    QTest::newRow("both files, the checking account skipped") << true;
}

void TestImportScreen::stagedQifImportLinksTheTransferThroughTheWindow()
{
    QFETCH(bool, checkingSkipped);
    // Two files of one export, imported one after the other.
    const QString checkingFile = writeFile(QStringLiteral("checking.qif"),
                                           "!Account\nNChecking\nTBank\n^\n!Type:Bank\n"
                                           "D01/02/2024\nT-50.00\nPTo savings\nL[Savings]\n^\n");
    const QString savingsFile = writeFile(QStringLiteral("savings.qif"),
                                          "!Account\nNSavings\nTBank\n^\n!Type:Bank\n"
                                          "D01/02/2024\nT50.00\nPFrom checking\nL[Checking]\n^\n");
    const auto summary = [this] {
        return screen()->findChild<QPlainTextEdit*>(QStringLiteral("summaryBox"))->toPlainText();
    };
    const auto onlyRowOf = [this](const QString& name) -> std::optional<Transaction> {
        for (const Account& account : m_state->accountRepository()->listActive()) {
            const QList<Transaction> rows = m_state->transactionRepository()->listByAccount(account.id);
            if (account.name == name && rows.size() == 1)
                return rows.first();
        }
        return std::nullopt;
    };

    // The checking account's file first, into the account the window makes
    // for it: its transfer waits with a hint.
    screen()->chooseQifFiles({checkingFile});
    QCOMPARE(qifLabels(), QStringList{QStringLiteral("Checking")});
    QCOMPARE(qifCombos().first()->currentData().toString(), QifAccountMapping::kCreate);
    screen()->runImport();
    QCOMPARE(summary(), ImportScreen::summaryText(counted({{&ImportResult::imported, 1}}, DateOrder::MonthFirst)));
    screen()->findChild<QPushButton*>(QStringLiteral("doneButton"))->click();
    const std::optional<Transaction> waiting = onlyRowOf(QStringLiteral("Checking"));
    QVERIFY(waiting);
    QCOMPARE(waiting->memo, QStringLiteral("[\u2192 Savings]"));

    // Later the savings file, whose transfer names "[Checking]": no source
    // account of that file, so the window offers no row for it.
    screen()->refresh();
    screen()->chooseQifFiles(checkingSkipped ? QStringList{checkingFile, savingsFile} : QStringList{savingsFile});
    QCOMPARE(qifLabels(), checkingSkipped ? QStringList({"Checking", "Savings"}) : QStringList{"Savings"});
    if (checkingSkipped)
        qifCombos().first()->setCurrentIndex(qifCombos().first()->findData(QifAccountMapping::kSkip));
    screen()->runImport();
    const std::optional<Transaction> checkingSide = onlyRowOf(QStringLiteral("Checking"));
    const std::optional<Transaction> savingsSide = onlyRowOf(QStringLiteral("Savings"));
    QVERIFY(checkingSide && savingsSide);

    if (checkingSkipped) {
        // The user said to leave that account alone: nothing links to it.
        QCOMPARE(summary(), ImportScreen::summaryText(
                                counted({{&ImportResult::imported, 1}, {&ImportResult::unmappedSkipped, 1}},
                                        DateOrder::MonthFirst)));
        QVERIFY(!checkingSide->isTransfer() && !savingsSide->isTransfer());
        QCOMPARE(checkingSide->memo, QStringLiteral("[\u2192 Savings]"));
        QCOMPARE(savingsSide->memo, QStringLiteral("[\u2192 Checking]"));
        return;
    }
    // The one account of the ledger of that name takes the other side.
    QCOMPARE(summary(), ImportScreen::summaryText(counted({{&ImportResult::imported, 1},
                                                           {&ImportResult::transfersLinked, 1},
                                                           {&ImportResult::retroactiveLinked, 1}},
                                                          DateOrder::MonthFirst)));
    QCOMPARE(checkingSide->transfer_link_id, savingsSide->id);
    QCOMPARE(savingsSide->transfer_link_id, checkingSide->id);
    QCOMPARE(checkingSide->memo, QString());
    QCOMPARE(savingsSide->memo, QString());
}

void TestImportScreen::choicesFollowAccountChanges()
{
    const Account checking = addAccount(QStringLiteral("Checking"));
    const Account savings = addAccount(QStringLiteral("Savings"));
    const QString file = writeFile(QStringLiteral("export.qif"),
                                   "!Account\nNSavings\nTBank\n^\n!Type:Bank\nD01/02/2024\nT5.00\n^\n"
                                   "!Account\nNBrokerage\nTInvst\n^\n!Type:Invst\nD01/02/2024\nT5.00\n^\n");
    QComboBox* target = combo("accountCombo");
    target->setCurrentIndex(target->findData(savings.id));
    screen()->chooseQifFiles({file});
    QList<QComboBox*> combos = qifCombos();
    QCOMPARE(combos[0]->currentData().toString(), savings.id);
    combos[1]->setCurrentIndex(combos[1]->findData(checking.id));

    // A new account is offered everywhere; what was chosen stays chosen.
    const Account brokerage = addAccount(QStringLiteral("Brokerage"));
    QCOMPARE(target->count(), 3);
    QCOMPARE(target->currentData().toString(), savings.id);
    QCOMPARE(combos[0]->count(), 5);
    QCOMPARE(combos[0]->currentData().toString(), savings.id);
    QCOMPARE(combos[1]->currentData().toString(), checking.id);

    // A chosen account that goes gives way to what would be chosen afresh:
    // the account of the same name, else a new one.
    QVERIFY(m_state->accountRepository()->softDelete(checking.id, nowUtc()));
    QCOMPARE(combos[1]->currentData().toString(), brokerage.id);
    QVERIFY(m_state->accountRepository()->softDelete(savings.id, nowUtc()));
    QCOMPARE(combos[0]->currentData().toString(), QifAccountMapping::kCreate);
    QCOMPARE(target->count(), 1);
    QCOMPARE(target->currentData().toString(), brokerage.id);
}

void TestImportScreen::csvImportRunsThroughTheWindow()
{
    const Account checking = addAccount(QStringLiteral("Checking"));
    const Account savings = addAccount(QStringLiteral("Savings"));
    const QString path = writeFile(QStringLiteral("statement.csv"),
                                   "Posted,Payee,Amount,Note\n"
                                   "02/01/2024,Caf\xe9,-4.50,coffee\n"
                                   "02/01/2024,Caf\xe9,-4.50,coffee\n"
                                   "not a date,Nobody,1.00,\n"
                                   "03/01/2024,Employer,\"1,200.00\",pay\n");
    screen()->chooseCsvFile(path);
    combo("accountCombo")->setCurrentIndex(combo("accountCombo")->findData(savings.id));
    combo("memoColumnCombo")->setCurrentIndex(combo("memoColumnCombo")->findData(3));
    combo("dateFormatCombo")->setCurrentIndex(combo("dateFormatCombo")->findText(QStringLiteral("dd/MM/yyyy")));
    auto* importButton = screen()->findChild<QPushButton*>(QStringLiteral("importButton"));
    QVERIFY(importButton->isEnabled());
    QSignalSpy completed(screen(), &ImportScreen::importCompleted);
    importButton->click();

    QCOMPARE(screen()->findChild<QStackedWidget*>()->currentIndex(), 1);
    // The row the chosen date format does not read is named by its line.
    const QString summary = screen()->findChild<QPlainTextEdit*>(QStringLiteral("summaryBox"))->toPlainText();
    QVERIFY2(summary.startsWith(ImportScreen::summaryText(
                 counted({{&ImportResult::imported, 3}, {&ImportResult::unparseable, 1}}))),
             qPrintable(summary));
    QVERIFY2(summary.split(u'\n').last().startsWith(QStringLiteral("Line 4:")), qPrintable(summary));
    QVERIFY(m_state->transactionRepository()->listByAccount(checking.id).isEmpty());
    const QList<Transaction> rows = m_state->transactionRepository()->listByAccount(savings.id);
    QCOMPARE(rows.size(), 3);
    QStringList seen;
    for (const Transaction& row : rows)
        seen << QStringList({row.date.toString(Qt::ISODate), row.payee, QString::number(row.amount), row.memo})
                    .join(u'|');
    seen.sort();
    QCOMPARE(seen, QStringList({"2024-01-02|Café|-450|coffee", "2024-01-02|Café|-450|coffee",
                                "2024-01-03|Employer|120000|pay"}));
    QVERIFY(completed.isEmpty());

    // Done announces it once and leaves an empty form for next time.
    screen()->show();
    screen()->findChild<QPushButton*>(QStringLiteral("doneButton"))->click();
    QCOMPARE(completed.size(), 1);
    QVERIFY(!screen()->isVisible());
    QCOMPARE(screen()->findChild<QStackedWidget*>()->currentIndex(), 0);
    QCOMPARE(screen()->findChild<QLabel*>(QStringLiteral("fileLabel"))->text(), QStringLiteral("No file selected"));
    QCOMPARE(screen()->findChild<QTableWidget*>(QStringLiteral("previewTable"))->rowCount(), 0);
    QVERIFY(!importButton->isEnabled());
}

void TestImportScreen::importWithoutAnAccountCreatesOneWithItsOpeningBalance_data()
{
    QTest::addColumn<qint64>("startingBalance");
    QTest::newRow("opening balance") << qint64(2500);
    QTest::newRow("no opening balance") << qint64(0);
}

void TestImportScreen::importWithoutAnAccountCreatesOneWithItsOpeningBalance()
{
    QFETCH(qint64, startingBalance);
    screen()->chooseCsvFile(writeFile(QStringLiteral("first.csv"), "Date,Payee,Amount\n2024-03-05,Shop,-5.00\n"));

    const QDate asOf(2024, 3, 1);
    QString question;
    ModalWatcher watcher([&](QWidget* modal) {
        if (sayYesToQuestion(modal, &question))
            return;
        auto* form = qobject_cast<AccountFormDialog*>(modal);
        QVERIFY(form);
        nameAccount(form, QStringLiteral("First Bank"));
        form->findChild<SmartAmountField*>()->setMinorUnits(startingBalance);
        form->findChild<QDateEdit*>()->setDate(asOf);
        form->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    screen()->runImport();
    QCOMPARE(question, QStringLiteral("No target account"));
    QCOMPARE(watcher.handledCount(), 2);

    const QList<Account> accounts = m_state->accountRepository()->listActive();
    QCOMPARE(accounts.size(), 1);
    const Account& made = accounts.first();
    QCOMPARE(made.name, QStringLiteral("First Bank"));
    QCOMPARE(made.starting_balance, 0);
    QCOMPARE(combo("accountCombo")->currentData().toString(), made.id);

    QList<Transaction> rows = m_state->transactionRepository()->listByAccount(made.id);
    const auto opening = std::find_if(rows.cbegin(), rows.cend(), [](const Transaction& row) {
        return row.payee == QStringLiteral("Opening Balance");
    });
    QCOMPARE(rows.size(), startingBalance != 0 ? 2 : 1);
    if (startingBalance != 0) {
        QVERIFY(opening != rows.cend());
        QCOMPARE(opening->amount, startingBalance);
        QCOMPARE(opening->date, asOf);
        QVERIFY(opening->cleared && opening->reconciled);
        QCOMPARE(opening->version, 1);
        QCOMPARE(opening->sync_status, SyncStatus::Pending);
    } else {
        QVERIFY(opening == rows.cend());
    }
    QCOMPARE(screen()->findChild<QPlainTextEdit*>(QStringLiteral("summaryBox"))->toPlainText(),
             ImportScreen::summaryText(counted({{&ImportResult::imported, 1}})));
}

void TestImportScreen::failedCsvImportSaysTheAccountItMadeStays()
{
    const QString path = writeFile(QStringLiteral("gone.csv"), "Date,Payee,Amount\n2024-03-05,Shop,-5.00\n");
    screen()->chooseCsvFile(path);
    // The file goes away while the user makes the account.
    ModalWatcher watcher([&](QWidget* modal) {
        if (sayYesToQuestion(modal))
            return;
        auto* form = qobject_cast<AccountFormDialog*>(modal);
        QVERIFY(form);
        nameAccount(form, QStringLiteral("First Bank"));
        QVERIFY(QFile::remove(path));
        form->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    screen()->runImport();
    QCOMPARE(watcher.handledCount(), 2);

    const QList<Account> accounts = m_state->accountRepository()->listActive();
    QCOMPARE(accounts.size(), 1);
    const QString summary = screen()->findChild<QPlainTextEdit*>(QStringLiteral("summaryBox"))->toPlainText();
    ImportResult failed;
    failed.failed = true;
    failed.failure = summary.split(u'\n').value(2);
    QVERIFY2(failed.failure.contains(QStringLiteral("could not be opened")), qPrintable(summary));
    QCOMPARE(summary, ImportScreen::summaryText(failed, {QStringLiteral("First Bank")}));
    QCOMPARE(combo("accountCombo")->currentData().toString(), accounts.first().id);
}

void TestImportScreen::progressKeepsEveryWindowFromInput()
{
    const Account account = addAccount(QStringLiteral("Checking"));
    QByteArray bytes = "Date,Payee,Amount\n";
    for (int i = 0; i < 250; ++i)
        bytes += "2024-01-02,Shop " + QByteArray::number(i) + ",-1.00\n";
    screen()->chooseCsvFile(writeFile(QStringLiteral("long.csv"), bytes));

    QList<int> modalities;
    QList<int> maxima;
    bool stayedOpen = true;
    connect(m_state->importService(), &ImportService::importProgress, screen(), [&] {
        auto* progress = screen()->findChild<WorkProgressDialog*>();
        QVERIFY(progress);
        modalities << progress->windowModality();
        maxima << progress->maximum();
        QVERIFY(progress->findChildren<QPushButton*>().isEmpty());
        // Shown, it blocks every window; neither Escape nor the title bar
        // ends it while the import's transaction is open.
        progress->show();
        QCOMPARE(QApplication::activeModalWidget(), progress);
        QTest::keyClick(progress, Qt::Key_Escape);
        progress->close();
        stayedOpen = stayedOpen && progress->isVisible();
    });
    screen()->runImport();

    // However often it reports, the import counts against all 250 rows.
    QVERIFY(!maxima.isEmpty());
    QCOMPARE(modalities, QList<int>(maxima.size(), Qt::ApplicationModal));
    QCOMPARE(maxima, QList<int>(maxima.size(), 250));
    QVERIFY(stayedOpen);
    QCOMPARE(m_state->transactionRepository()->listByAccount(account.id).size(), 250);
    // It goes with the run, and the summary follows.
    QVERIFY(!screen()->findChild<WorkProgressDialog*>());
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(screen()->findChild<QStackedWidget*>()->currentIndex(), 1);
}

void TestImportScreen::keyboardRunsTheForm()
{
    const Account account = addAccount(QStringLiteral("Checking"));
    screen()->chooseCsvFile(writeFile(QStringLiteral("keys.csv"), "Date,Payee,Amount\n2024-01-02,Shop,-5.00\n"));
    screen()->show();
    QVERIFY(QTest::qWaitForWindowActive(screen()));

    // Return on a focused button presses that button: Browse... opens its
    // dialog, and nothing is imported.
    QList<QFileDialog*> dialogs;
    {
        ModalWatcher watcher([&dialogs](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            QVERIFY(dialog);
            dialogs << dialog;
            dialog->reject();
        });
        auto* browse = screen()->findChild<QPushButton*>(QStringLiteral("browseButton"));
        browse->setFocus();
        QTest::keyClick(browse, Qt::Key_Return);
        QTRY_COMPARE(dialogs.size(), 1);
    }
    QCOMPARE(screen()->findChild<QStackedWidget*>()->currentIndex(), 0);
    QVERIFY(m_state->transactionRepository()->listByAccount(account.id).isEmpty());

    // Return in a choice runs the import, as a dialog's default button would.
    QComboBox* date = combo("dateColumnCombo");
    date->setFocus();
    QTest::keyClick(date, Qt::Key_Return);
    QTRY_COMPARE(screen()->findChild<QStackedWidget*>()->currentIndex(), 1);
    // On the summary Return is Done.
    QSignalSpy completed(screen(), &ImportScreen::importCompleted);
    QTest::keyClick(screen()->findChild<QPlainTextEdit*>(QStringLiteral("summaryBox")), Qt::Key_Return);
    QTRY_COMPARE(completed.size(), 1);

    // Escape closes the window.
    screen()->refresh();
    screen()->show();
    QVERIFY(QTest::qWaitForWindowActive(screen()));
    QTest::keyClick(combo("accountCombo"), Qt::Key_Escape);
    QVERIFY(!screen()->isVisible());
}

QTEST_MAIN(TestImportScreen)
#include "tst_importscreen.moc"
