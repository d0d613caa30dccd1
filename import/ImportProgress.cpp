#include "import/ImportProgress.h"

#include "import/ImportService.h"

#include <QCoreApplication>
#include <QEventLoop>

ImportProgress::ImportProgress(ImportService* service, int total)
    : m_service(service)
    , m_total(total)
{
    Q_EMIT m_service->importStarted(m_total);
}

void ImportProgress::next()
{
    if (++m_current % kRecordsBetweenEvents != 0)
        return;
    Q_EMIT m_service->importProgress(m_current, m_total);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, kEventMilliseconds);
}

void ImportProgress::finish()
{
    if (m_finished)
        return;
    m_finished = true;
    Q_EMIT m_service->importProgress(m_total, m_total);
}
