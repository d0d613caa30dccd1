#pragma once

#include <QProgressDialog>

// The progress of work that cannot be stopped half-way and runs on the GUI
// thread, letting the event loop in now and then (a backup, a restore, an
// import). It has no Cancel button, and neither Escape nor the title bar
// closes it: closed early, it would let the windows be used while the work's
// database transaction is still open. It shows a busy bar until
// setProgress() gives a total, and appears only once the work has run for
// the minimum duration.
class WorkProgressDialog : public QProgressDialog
{
    Q_OBJECT

public:
    WorkProgressDialog(const QString& label, Qt::WindowModality modality, int minimumDurationMs, QWidget* parent);
    ~WorkProgressDialog() override;

    void setProgress(int done, int total);

    // Call when the work has ended, before the dialog goes. The work lets the
    // event loop run without user input, which waits meanwhile; let in now,
    // while the modal dialog still stands, a click or key meant for a window
    // it blocks goes nowhere, rather than acting once the dialog is gone.
    void finish();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
};
