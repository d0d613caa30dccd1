#pragma once

#include <QObject>

class QCompleter;

// Tab in a field whose completion list is open takes the highlighted
// completion, or the only one, as Return would, and then moves on as Tab
// does. Without one to take, Tab leaves the typed text as it is.
class TabCompleter : public QObject
{
    Q_OBJECT

public:
    // Lives as long as the completer; the completer's popup must exist.
    static void install(QCompleter* completer);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit TabCompleter(QCompleter* completer);

    QCompleter* m_completer;
};
