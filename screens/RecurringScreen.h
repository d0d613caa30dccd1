#pragma once

#include "storage/RecurringTransaction.h"

#include <QPoint>
#include <QWidget>

#include <optional>

class AppState;
class QLabel;
class QPushButton;
class QTableView;
class RecurringActions;
class RecurringModel;

// The recurring items of every account in a sortable table, with how many
// are due. Due items are confirmed one at a time, all at once or a week
// ahead; an item is entered early, skipped, edited (double click, Return or
// the context menu) and deleted (Delete), and new ones are made here. Every
// action goes through RecurringActions on the item the user chose; the list
// reads itself again after each.
class RecurringScreen : public QWidget
{
    Q_OBJECT

public:
    explicit RecurringScreen(AppState* appState, QWidget* parent = nullptr);
    ~RecurringScreen() override;

    // Reads the items and the due count again; the selected item stays
    // selected.
    void refresh();

Q_SIGNALS:
    // Transactions were entered from here: registers and balances are stale.
    void transactionsChanged();

public Q_SLOTS:
    void onContextMenu(const QPoint& pos);
    void showNewForm();
    void showEditForm(int row);
    void confirmSelected();
    void enterEarlySelected();
    void skipSelected();
    void deleteSelected();
    void confirmAllDue();
    void enterNextWeek();

private:
    std::optional<RecurringTransaction> selectedItem() const;
    void selectItem(const QString& id);
    // Each acts on the item as the user chose it.
    void edit(const RecurringTransaction& item);
    void confirm(const RecurringTransaction& item);
    void enterEarly(const RecurringTransaction& item);
    void skip(const RecurringTransaction& item);
    void remove(const RecurringTransaction& item);
    void afterPosting(int posted);
    void applyThemeColors();

    AppState* m_appState;
    RecurringActions* m_actions;
    RecurringModel* m_model;
    QTableView* m_view;
    QLabel* m_dueLabel;
    QPushButton* m_confirmAllButton;
    QPushButton* m_nextWeekButton;
    QPushButton* m_newButton;
};
