#pragma once

#include <QString>
#include <QWidget>

class AppState;
class QLabel;
class QTableWidget;

// The past reconciliations of one account, latest statement first, read
// when the account is set and whenever one is stored while it shows; an
// empty-state text when there are none.
class ReconciliationHistoryScreen : public QWidget
{
    Q_OBJECT

public:
    explicit ReconciliationHistoryScreen(AppState* appState, QWidget* parent = nullptr);
    ~ReconciliationHistoryScreen() override;

    void setAccount(const QString& accountId);
    QString accountId() const { return m_accountId; }

private:
    void reload();

    AppState* m_appState;
    QString m_accountId;
    QLabel* m_heading;
    QLabel* m_emptyLabel;
    QTableWidget* m_table;
};
