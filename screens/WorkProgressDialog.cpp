#include "screens/WorkProgressDialog.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>

#include <algorithm>

WorkProgressDialog::WorkProgressDialog(const QString& label, Qt::WindowModality modality, int minimumDurationMs,
                                       QWidget* parent)
    : QProgressDialog(label, QString(), 0, 0, parent)
{
    setWindowModality(modality);
    setCancelButton(nullptr);
    setMinimumDuration(minimumDurationMs);
    // The last step (done == total) would otherwise hide the dialog before
    // the work has returned.
    setAutoReset(false);
    setAutoClose(false);
    setValue(0);
}

WorkProgressDialog::~WorkProgressDialog() = default;

void WorkProgressDialog::setProgress(int done, int total)
{
    if (total <= 0)
        return;
    setMaximum(total);
    setValue(std::clamp(done, 0, total));
}

void WorkProgressDialog::finish()
{
    if (isVisible())
        QCoreApplication::processEvents();
}

void WorkProgressDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QProgressDialog::keyPressEvent(event);
}

void WorkProgressDialog::closeEvent(QCloseEvent* event) { event->ignore(); }
