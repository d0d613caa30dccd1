// The import window given files no bank writes, as a user may pick by
// mistake or someone may hand over on purpose, each up to the size an import
// takes (ImportFile::kMaxBytes):
//
//   bankFile          a million rows of a bank's export, about 60 MB
//   longLine          one line of 99 MB, then a header and a row
//   longRows          200 rows of 250 KiB, each of 100 fields
//   openQuote         a quote opened in the second row and never closed,
//                     with 99 MB after it
//
// each chosen as the CSV file to preview; and QIF files whose accounts the
// window offers one row each, every row listing the ledger's accounts
// (qifRows/<source accounts>/<ledger accounts>).
//
//   build/bench/screens/bench_import_screen
//
// Targets: each preview shown in under 1 s, its peak resident size growing
// by less than twice the file's size (the file's bytes are read whole, so
// that the preview's encoding is the import's); the QIF rows in under 0.25 s
// for 200 source accounts over 200 ledger accounts and in under 1.5 s for
// 1,600 over 200. The window looks up no account by going through them all;
// what grows faster than the rows at the large end is Qt's own care of many
// sibling widgets (their tab order, painting and deletion).

#include "appstate/AppState.h"
#include "bench/support/BenchAppState.h"
#include "bench/support/BenchMain.h"
#include "bench/support/WindowBenchMain.h"
#include "screens/ImportScreen.h"
#include "storage/AccountRepository.h"
#include "storage/RecordId.h"
#include "storage/Timestamp.h"

#include <QCoreApplication>
#include <QComboBox>
#include <QFile>
#include <QTableWidget>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr qint64 kLargeBytes = 99LL * 1024 * 1024;

struct Window
{
    BenchAppState state;
    std::unique_ptr<ImportScreen> screen;

    explicit Window(int accounts)
    {
        for (int i = 0; i < accounts; ++i) {
            Account account;
            account.id = newRecordId();
            account.name = QStringLiteral("Account %1").arg(i);
            account.created_at = nowUtc();
            account.updated_at = account.created_at;
            if (!state.get()->accountRepository()->insert(account))
                qFatal("cannot add a benchmark account");
        }
        screen = std::make_unique<ImportScreen>(state.get());
        screen->resize(800, 600);
        screen->show();
    }

    QString write(const QString& name, const QByteArray& bytes) const
    {
        const QString path = state.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write the benchmark file");
        return path;
    }
};

QByteArray bankFile()
{
    QByteArray bytes = "Date,Description,Amount,Memo\r\n";
    for (int i = 0; bytes.size() < 60 * 1024 * 1024; ++i)
        bytes += "01/02/2024,\"STORE " + QByteArray::number(i % 700) + ", SPRINGFIELD\",\"$1,234.56\",Ref "
                 + QByteArray::number(i) + "\r\n";
    return bytes;
}

QByteArray longLine()
{
    return QByteArray(kLargeBytes, 'x') + "\nDate,Payee,Amount\n2024-01-02,Shop,-1.00\n";
}

QByteArray longRows()
{
    const QByteArray field(2500, 'y');
    QByteArray row;
    for (int column = 0; column < 100; ++column)
        row += field + ',';
    row += '\n';
    QByteArray bytes;
    for (int i = 0; i < 200; ++i)
        bytes += row;
    return bytes;
}

QByteArray openQuote()
{
    QByteArray bytes = "Date,Payee,Amount\n2024-01-02,\"Shop";
    bytes += QByteArray(kLargeBytes, 'z');
    return bytes;
}

void preview(benchmark::State& state, QByteArray (*make)())
{
    Window window(1);
    const QByteArray bytes = make();
    const QString path = window.write(QStringLiteral("preview.csv"), bytes);
    auto* table = window.screen->findChild<QTableWidget*>(QStringLiteral("previewTable"));
    MemoryGrowth growth;
    for (auto _ : state) {
        MemoryWatch watch;
        window.screen->refresh();
        window.screen->chooseCsvFile(path);
        // The rows painted as well.
        QCoreApplication::processEvents();
        growth = watch.growth();
    }
    if (table->rowCount() == 0)
        state.SkipWithError("nothing previewed");
    state.counters["rows"] = table->rowCount();
    reportMemoryGrowth(state, growth, double(bytes.size()) / (1024 * 1024));
}

void qifRows(benchmark::State& state)
{
    const int sources = int(state.range(0));
    Window window(int(state.range(1)));
    QByteArray bytes;
    for (int i = 0; i < sources; ++i)
        bytes += "!Account\nNAccount " + QByteArray::number(i * 2) + "\nTBank\n^\n!Type:Bank\nD01/02/2024\nT-1.00\n^\n";
    const QString path = window.write(QStringLiteral("accounts.qif"), bytes);
    for (auto _ : state) {
        window.screen->refresh();
        window.screen->chooseQifFiles({path});
        QCoreApplication::processEvents();
    }
    const qsizetype rows =
        window.screen->findChild<QWidget*>(QStringLiteral("qifSection"))->findChildren<QComboBox*>().size();
    if (rows != sources)
        state.SkipWithError("not a row for each source account");
    state.counters["rows"] = double(rows);
}

} // namespace

int main(int argc, char** argv)
{
    for (const auto& [name, make] : {std::pair{"preview/bankFile", &bankFile}, std::pair{"preview/longLine", &longLine},
                                     std::pair{"preview/longRows", &longRows},
                                     std::pair{"preview/openQuote", &openQuote}})
        benchmark::RegisterBenchmark(name, preview, make)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
    benchmark::RegisterBenchmark("qifRows", qifRows)
        ->Args({200, 200})
        ->Args({800, 200})
        ->Args({200, 800})
        ->Args({1600, 200})
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime()
        ->Iterations(3);
    return runWindowBenchmarks(argc, argv);
}
