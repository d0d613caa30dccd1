#pragma once

#include <QStatusBar>

class QLabel;

// The main window's status bar: passing messages on the left and, on the
// right, how many recurring transactions are due and the state of the sync.
// A message longer than the room beside them (a long translation, a large
// font, a narrow window) ends in an ellipsis instead of stopping mid-word,
// and the whole of it is the bar's tool tip while it is shown.
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
    // Records from the sync service this version cannot read yet, named
    // beside the sync state while there are any.
    void setRecordsNotReadable(int count);

    // The passing message as it is drawn in the room it has now.
    QString shownMessage() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Left of the labels on the right and of the size grip, as QStatusBar
    // places its message.
    QRect messageRect() const;
    void showSyncState();

    QLabel* m_dueLabel;
    QLabel* m_syncLabel;
    QString m_syncState;
    int m_recordsNotReadable = 0;
};
