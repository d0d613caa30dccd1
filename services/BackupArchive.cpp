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

bool BackupArchive::open(const QByteArray& zip)
{
    m_rows.clear();
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
    const QList<ZipReader::Entry>& entries = m_zip.entries();
    if (entries.size() > kMaxEntries)
        return fail(tr("Invalid backup: too many entries"));

    QStringList folders;
    for (const BackupTable* table : BackupTable::all())
        folders << table->folder();

    std::optional<ZipReader::Entry> manifest;
    qint64 total = 0;
    for (const ZipReader::Entry& entry : entries) {
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
        if (isFolder)
            continue;
        if (entry.size > kMaxEntrySize)
            return fail(tr("Invalid backup: %1 is too large").arg(name));
        total += entry.size;
        if (total > kMaxTotalSize)
            return fail(tr("Invalid backup: the contents are too large"));
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
    return true;
}

bool BackupArchive::fail(const QString& error)
{
    m_error = error;
    m_rows.clear();
    qWarning().noquote() << "Backup archive refused:" << error;
    return false;
}
