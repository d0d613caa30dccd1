#include "import/ImportProgress.h"

#include "import/ImportService.h"
#include "storage/ScopedTransaction.h"

#include <QCoreApplication>
#include <QEventLoop>

ImportProgress::ImportProgress(ImportService* service, int total)
    : m_service(service)
    , m_total(total)
{
    Q_EMIT m_service->importStarted(m_total);
}

bool ImportProgress::next()
{
    if (++m_current % kRecordsBetweenEvents == 0) {
        Q_EMIT m_service->importProgress(m_current, m_total);
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, kEventMilliseconds);
    }
    return !m_transaction || m_transaction->isOpen();
}

void ImportProgress::finish()
{
    if (m_finished)
        return;
    m_finished = true;
    Q_EMIT m_service->importProgress(m_total, m_total);
}
