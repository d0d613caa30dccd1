#pragma once

#include <QStatusBar>

class QLabel;

// The main window's status bar: passing messages on the left and, on the
// right, how many recurring transactions are due.
class StatusBar : public QStatusBar
{
    Q_OBJECT

public:
    explicit StatusBar(QWidget* parent = nullptr);

    // Hidden while nothing is due.
    void setDueCount(int count);
    QString dueText() const;

private:
    QLabel* m_dueLabel;
};
