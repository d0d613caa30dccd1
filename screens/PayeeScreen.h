#pragma once

#include <QStringList>
#include <QWidget>

class AppState;
class PayeeService;
class QLineEdit;
class QPushButton;
class QSortFilterProxyModel;
class QStandardItemModel;
class QTreeView;

// Every payee of the live transactions with the number of them, filtered by
// a search text; the selected payees are renamed to a typed name or merged
// into one. Built once and kept; refresh() reads the payees anew.
class PayeeScreen : public QWidget
{
    Q_OBJECT

public:
    enum Column { PayeeColumn, CountColumn, ColumnCount };

    explicit PayeeScreen(AppState* appState, QWidget* parent = nullptr);
    ~PayeeScreen() override;

    void refresh();

protected:
    void changeEvent(QEvent* event) override;

Q_SIGNALS:
    // Transactions were rewritten behind the repositories, which raise no
    // signal for it: whatever shows payees reads them again.
    void payeesChanged();

public Q_SLOTS:
    void onRename();
    // Into the typed name, or else the first selected payee.
    void onMerge();

private:
    // As the list shows them, top to bottom.
    QStringList selectedPayees() const;
    // Until the user types a name of their own, the rename field shows the
    // first selected payee, or nothing.
    void followSelection();
    void updateButtons();
    // Room for a payee's name however large the font.
    void sizeRenameField();
    // Asks before payees become one; true for Yes.
    bool confirmMerge(const QStringList& joined, const QString& target);
    // The rename or merge is done: the field follows the selection again.
    void finish();

    AppState* m_appState;
    PayeeService* m_payees;
    QLineEdit* m_searchEdit;
    QTreeView* m_view;
    QStandardItemModel* m_model;
    QSortFilterProxyModel* m_proxy;
    QLineEdit* m_renameEdit;
    QPushButton* m_renameButton;
    QPushButton* m_mergeButton;
    // The rename field holds a name the user typed.
    bool m_renameTyped = false;
};
