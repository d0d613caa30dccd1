#pragma once

#include <QStatusBar>

class QLabel;

// The main window's status bar: passing messages on the left and, on the
// right, how many recurring transactions are due and the state of the sync.
class StatusBar : public QStatusBar
{
    Q_OBJECT

public:
    explicit StatusBar(QWidget* parent = nullptr);

    // Hidden while nothing is due.
    void setDueCount(int count);
    QString dueText() const;

    // Hidden while empty: signed out, nothing is synced.
    void setSyncText(const QString& text);
    QString syncText() const;

private:
    QLabel* m_dueLabel;
    QLabel* m_syncLabel;
};
