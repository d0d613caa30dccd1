#include "services/BackupArchive.h"

#include "services/BackupTable.h"
#include "storage/Timestamp.h"

#include <QJsonDocument>
#include <QJsonParseError>
#include <QJsonValue>
#include <QUrl>
#include <QtDebug>

namespace {

constexpr QLatin1String kJsonSuffix(".json");

} // namespace

QString BackupArchive::manifestName()
{
    return QStringLiteral("manifest.json");
}

QByteArray BackupArchive::manifest(const QDateTime& exportedAt, const QJsonObject& counts)
{
    const QJsonObject manifest{
        {QStringLiteral("version"), kVersion},
        {QStringLiteral("exported_at"), toIsoUtc(exportedAt)},
        {QStringLiteral("counts"), counts},
    };
    return QJsonDocument(manifest).toJson();
}

QString BackupArchive::rowEntryName(const QString& folder, const QString& id)
{
    return folder + u'/' + QString::fromLatin1(QUrl::toPercentEncoding(id, {}, ".")) + kJsonSuffix;
}

std::optional<QString> BackupArchive::Limits::add(const QString& name, qint64 size)
{
    if (++m_entries > kMaxEntries)
        return tr("too many entries");
    if (size > kMaxEntrySize)
        return tr("%1 is too large").arg(name);
    m_total += size;
    if (m_total > kMaxTotalSize)
        return tr("the contents are too large");
    return std::nullopt;
}

std::optional<qint64> BackupArchive::listedCount(const QString& folder) const
{
    const QJsonValue count = m_counts.value(folder);
    if (!count.isDouble())
        return std::nullopt;
    return count.toInteger();
}

bool BackupArchive::open(const QByteArray& zip)
{
    m_rows.clear();
    m_counts = {};
    m_error.clear();
    if (!m_zip.open(zip))
        return fail(tr("Failed to open ZIP archive"));
    return sortEntries();
}

std::optional<QJsonObject> BackupArchive::readObject(const ZipReader::Entry& entry, QString* problem) const
{
    const std::optional<QByteArray> contents = m_zip.read(entry);
    if (!contents) {
        *problem = tr("%1: damaged entry").arg(entry.name);
        return std::nullopt;
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(*contents, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        *problem = tr("%1: invalid JSON").arg(entry.name);
        return std::nullopt;
    }
    return document.object();
}

bool BackupArchive::sortEntries()
{
    QStringList folders;
    for (const BackupTable* table : BackupTable::all())
        folders << table->folder();

    std::optional<ZipReader::Entry> manifest;
    Limits limits;
    for (const ZipReader::Entry& entry : m_zip.entries()) {
        const QString& name = entry.name;
        const qsizetype slash = name.indexOf(u'/');
        const QString folder = name.left(slash);
        const QString file = name.mid(slash + 1);
        const bool isManifest = name == manifestName() && !manifest;
        const bool isFolder = slash > 0 && file.isEmpty() && folders.contains(folder);
        const bool isRow = slash > 0 && file.endsWith(kJsonSuffix) && !file.contains(u'/') && folders.contains(folder)
            && !name.contains(QLatin1String("..")) && !name.contains(u'\\');
        if (!isManifest && !isFolder && !isRow)
            return fail(tr("Invalid backup: unexpected entry %1").arg(name));
        // A folder entry is never read, whatever size it declares, but it
        // counts among the entries.
        if (const std::optional<QString> breach = limits.add(name, isFolder ? 0 : entry.size))
            return fail(tr("Invalid backup: %1").arg(*breach));
        if (isFolder)
            continue;
        if (isManifest)
            manifest = entry;
        else
            m_rows[folder] << entry;
    }
    if (!manifest)
        return fail(tr("Invalid backup: missing manifest.json"));
    return checkManifest(*manifest);
}

bool BackupArchive::checkManifest(const ZipReader::Entry& entry)
{
    QString problem;
    const std::optional<QJsonObject> manifest = readObject(entry, &problem);
    if (!manifest)
        return fail(problem);
    const QJsonValue version = manifest->value(QLatin1String("version"));
    if (!version.isDouble() || version.toDouble() != kVersion)
        return fail(tr("Unsupported backup version: %1").arg(version.toVariant().toString()));
    m_counts = manifest->value(QLatin1String("counts")).toObject();
    return true;
}

bool BackupArchive::fail(const QString& error)
{
    m_error = error;
    m_rows.clear();
    m_counts = {};
    qWarning().noquote() << "Backup archive refused:" << error;
    return false;
}
