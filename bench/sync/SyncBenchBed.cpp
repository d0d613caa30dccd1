#include "bench/sync/SyncBenchBed.h"

#include "tests/support/FakeSyncService.h"
#include "tests/support/TestTokens.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

namespace {

constexpr int kProbeIntervalMs = 10;

} // namespace

SyncBenchBed::SyncBenchBed()
{
    if (!database.open(dir.filePath(QStringLiteral("ledgerine.db"))))
        return;
    m_serviceContext.moveToThread(&m_serviceThread);
    m_serviceThread.start();
    QUrl url;
    QMetaObject::invokeMethod(
        &m_serviceContext,
        [this, &url] {
            m_service = new FakeSyncService;
            if (m_service->start())
                url = m_service->baseUrl();
        },
        Qt::BlockingQueuedConnection);
    if (url.isEmpty())
        return;

    m_tokens = std::make_unique<TandAccount::TokenManager>(std::make_unique<MemoryTokenStore>(&m_storedTokens));
    m_tokens->setTokens(tokenExpiringIn(3600, QStringLiteral("bench")), QStringLiteral("refresh"));
    m_api = std::make_unique<TandAccount::ApiClient>(m_tokens.get());
    m_api->setBaseUrl(url);
    m_engine = std::make_unique<SyncEngine>(m_api.get(), &accounts, &transactions, &categories, &recurring,
                                            &reconciliations, &splitLines, &preferences);
    m_ready = true;
}

SyncBenchBed::~SyncBenchBed()
{
    m_engine.reset();
    m_api.reset();
    QMetaObject::invokeMethod(&m_serviceContext, [this] { delete m_service; }, Qt::BlockingQueuedConnection);
    m_serviceThread.quit();
    m_serviceThread.wait();
}

void SyncBenchBed::onService(const std::function<void(FakeSyncService&)>& work)
{
    QMetaObject::invokeMethod(&m_serviceContext, [this, &work] { work(*m_service); }, Qt::BlockingQueuedConnection);
}

SyncBenchBed::PassFigures SyncBenchBed::runPass()
{
    PassFigures figures;
    QElapsedTimer sinceTick;
    QTimer probe;
    probe.setTimerType(Qt::PreciseTimer);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        figures.longestStallMs = std::max(figures.longestStallMs, sinceTick.restart() - kProbeIntervalMs);
    });
    QEventLoop loop;
    QObject::connect(m_engine.get(), &SyncEngine::syncCompleted, &loop, [&] {
        figures.completed = true;
        loop.quit();
    });
    QObject::connect(m_engine.get(), &SyncEngine::syncFailed, &loop, &QEventLoop::quit);

    sinceTick.start();
    probe.start(kProbeIntervalMs);
    QTimer::singleShot(0, m_engine.get(), &SyncEngine::syncNow);
    loop.exec();
    return figures;
}
