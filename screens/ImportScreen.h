#pragma once

#include "import/CsvColumnMapping.h"
#include "import/ImportResult.h"
#include "import/QifScanResult.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <utility>
#include <optional>

class AccountEditor;
struct Account;
class AppState;
class CsvPreview;
class QCheckBox;
class QComboBox;
class QFormLayout;
class QGridLayout;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QifAccountMapping;
class QRadioButton;
class QStackedWidget;
class QTableWidget;

// The window in which the user imports transactions from files: one CSV
// file, whose columns are mapped to the transaction's fields with the help of
// a preview, into one account; or QIF files, each account they list mapped to
// an account of the ledger, a new one, or nothing. The import runs behind a
// progress dialog that keeps every window from being used meanwhile, and a
// summary of what it did (or why it failed) follows.
//
// The main window builds it once, without a parent, and calls refresh()
// before every showing.
class ImportScreen : public QWidget
{
    Q_OBJECT

public:
    explicit ImportScreen(AppState* appState, QWidget* parent = nullptr);
    ~ImportScreen() override;

    // An empty form with the accounts as they are now, proposing to import
    // a CSV file into the account the main window shows, when it shows one.
    void refresh(const QString& shownAccountId = QString());

    // The summary of a run as the window shows it: the counts of what was
    // done, or that it failed and why. `keptAccounts` names the accounts
    // made for a run that then failed, which stay in the ledger.
    static QString summaryText(const ImportResult& result, const QStringList& keptAccounts = {});

    // What "Browse..." does with the file or files its dialog gave: reads a
    // CSV file for its preview, or scans QIF files for their accounts. A file
    // that cannot be read is named in a message and the form stays as it was.
    void chooseCsvFile(const QString& path);
    void chooseQifFiles(const QStringList& paths);

    // The CSV mapping the column choices give.
    CsvColumnMapping csvMapping() const;

public Q_SLOTS:
    // "Browse...": the file dialog for the chosen format.
    void selectFile();
    // "Import": runs the import of what was chosen and shows its summary.
    void runImport();

Q_SIGNALS:
    // "Done" on the summary: the ledger holds what the import wrote.
    void importCompleted();

protected:
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A QIF source account and the choice made for it.
    struct QifMappingRow
    {
        QifSourceAccount source;
        QComboBox* combo;
    };

    QWidget* buildForm();
    QWidget* buildCsvSection();
    QWidget* buildQifSection();
    QWidget* buildSummary();

    void sizeToFont();
    // The width the column choices need in one column or two.
    int columnChoicesWidth(int columns) const;
    // The column choices two by two when there is room, else one under another.
    void arrangeColumnChoices(bool sideBySide);
    void resetForm();
    void onFormatChanged();
    // Forgets the chosen file or files and what was read from them.
    void clearChoice();
    // The file label names what is chosen for the format checked.
    void showChosenFiles();
    void setFileText(const QString& text, const QString& toolTip);
    void showPreview(const CsvPreview& preview);
    void buildQifMappingRows(const QList<QifSourceAccount>& sources);
    void removeQifMappingRows();
    // Lists the live accounts again in the target combo and in each QIF
    // row, keeping what was chosen while it is still there.
    void reloadAccounts();
    void fillQifCombo(const QifMappingRow& row, const QifAccountMapping& mapping);
    void updateImportButton();

    // The account a CSV file goes into; asks for a new one when the ledger
    // has none, and adds its name to `made`. Empty when the user gave none.
    QString csvTargetAccount(QStringList* made);
    // The account each QIF source account goes into (empty: skipped), with
    // the new ones stored first and given in `created`; none when they could
    // not be.
    std::optional<QHash<QString, QString>> qifAccountMap(QList<Account>* created);
    // The accounts a failed QIF import made stay; the same sources go into
    // them when the files are chosen again.
    void keepForRetry(const QHash<QString, QString>& accountMap, const QList<Account>& created);
    ImportResult runWithProgress(const std::function<ImportResult()>& run);

    AppState* m_appState;
    AccountEditor* m_accountEditor;
    QString m_csvFilePath;
    QStringList m_qifFilePaths;
    QList<QifMappingRow> m_qifMappingRows;
    // Source account name -> the account made for it by a QIF import that
    // then failed; forgotten once a QIF import succeeds.
    QHash<QString, QString> m_keptNewAccounts;
    // The column count of the CSV file previewed last; -1 when another file
    // was chosen since, so its first columns are mapped afresh.
    int m_lastColumnCount = -1;
    bool m_importing = false;
    QString m_fileText;

    QStackedWidget* m_pages = nullptr;
    QRadioButton* m_csvButton = nullptr;
    QRadioButton* m_qifButton = nullptr;
    QLabel* m_formatLabel = nullptr;
    QLabel* m_accountLabel = nullptr;
    QComboBox* m_accountCombo = nullptr;
    QLabel* m_fileLabel = nullptr;
    QPushButton* m_browseButton = nullptr;
    QWidget* m_csvSection = nullptr;
    QComboBox* m_dateColumnCombo = nullptr;
    QComboBox* m_payeeColumnCombo = nullptr;
    QComboBox* m_amountColumnCombo = nullptr;
    QComboBox* m_memoColumnCombo = nullptr;
    QComboBox* m_categoryColumnCombo = nullptr;
    QComboBox* m_dateFormatCombo = nullptr;
    QGridLayout* m_choiceGrid = nullptr;
    // Each label with the field it names, in reading order.
    QList<std::pair<QLabel*, QWidget*>> m_columnChoices;
    bool m_choicesSideBySide = false;
    QCheckBox* m_headerCheck = nullptr;
    QTableWidget* m_previewTable = nullptr;
    QLabel* m_previewCutLabel = nullptr;
    QLabel* m_previewColumnsCutLabel = nullptr;
    QWidget* m_qifSection = nullptr;
    QFormLayout* m_qifRowsLayout = nullptr;
    QPushButton* m_importButton = nullptr;
    QPlainTextEdit* m_summaryBox = nullptr;
    QPushButton* m_doneButton = nullptr;
};
