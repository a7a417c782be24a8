#include "platform/resources.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QCache>
#include <QHash>
#include <QImageReader>
#include <QResource>

#include <algorithm>
#include <atomic>

namespace platform {

namespace {
bool g_registered = false;
quint64 g_reads = 0;

QCache<QString, QPixmap>& pictureCache()
{
    static QCache<QString, QPixmap> cache(kDefaultPictureCacheLimit);
    return cache;
}

// The modules open now, by the handle given out for each.
QHash<quintptr, ResourceModule*>& openModules()
{
    static QHash<quintptr, ResourceModule*> modules;
    return modules;
}

quintptr nextHandle()
{
    // Small numbers that are no address: a handle is only ever looked up, never followed.
    static quintptr last = 0x100;
    return last += 4;
}

qsizetype pictureBytes(const QPixmap& picture)
{
    return qsizetype(picture.width()) * picture.height() * std::max(1, picture.depth() / 8);
}
} // namespace

void markEmbeddedResourcesRegistered() { g_registered = true; }
bool embeddedResourcesRegistered() { return g_registered; }

namespace {
std::optional<QString>& programFolderOverride()
{
    static std::optional<QString> folder;
    return folder;
}
} // namespace

void setProgramFolderOverride(std::optional<QString> folder) { programFolderOverride() = std::move(folder); }

QString programFolder()
{
    if (programFolderOverride())
        return *programFolderOverride();
    const QString dir = QCoreApplication::applicationDirPath();
    return dir.isEmpty() ? QDir::currentPath() : dir;
}

QString programFile() { return programFolder() + QStringLiteral("/tastevolo"); }

QString foldResourceKey(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
        return QString::number(value.toLongLong());
    case QMetaType::Double:
    case QMetaType::Float:
        return QString::number(qRound64(value.toDouble()));
    default: break;
    }
    const QString text = value.toString().trimmed();
    bool ok = false;
    const qlonglong n = text.toLongLong(&ok, 10);
    if (ok && !text.isEmpty())
        return QString::number(n);
    return value.toString().toUpper();
}

ResourceModule::ResourceModule(const QString& root) : root_(root), handle_(nextHandle())
{
    index();
    openModules().insert(handle_, this);
}

ResourceModule* ResourceModule::fromHandle(quintptr handle)
{
    return openModules().value(handle, nullptr);
}

quint64 ResourceModule::readCount() { return g_reads; }

void ResourceModule::index()
{
    QDirIterator types(root_, QDir::Dirs | QDir::NoDotAndDotDot);
    while (types.hasNext()) {
        const QString typeDir = types.next();
        const QString type = QFileInfo(typeDir).fileName();
        QDirIterator names(typeDir, QDir::Files);
        while (names.hasNext()) {
            const QString path = names.next();
            const QString name = QFileInfo(path).completeBaseName();
            byKey_.insert(foldResourceKey(type) + '\n' + foldResourceKey(name), path);
            entries_.append({type, name});
        }
    }
}

ResourceModule* ResourceModule::embedded()
{
    static ResourceModule* module = nullptr;
    if (!module)
        module = new ResourceModule(QStringLiteral(":/res"));
    return module;
}

ResourceModule* ResourceModule::open(const QString& path, int* errorCode)
{
    const QFileInfo info(path);
    if (embeddedResourcesRegistered() &&
        info.absoluteFilePath() == QFileInfo(programFile()).absoluteFilePath())
        return embedded();
    if (!info.exists() || !info.isFile()) {
        if (errorCode)
            *errorCode = 2;  // file not found
        return nullptr;
    }
    // Qt lists a mapped resource file under its own root names too (":/res/..."), and may go on
    // listing them there after it is closed: the catalogue is indexed before any file is mapped.
    embedded();
    static std::atomic<int> counter{0};
    const QString mapRoot = QStringLiteral("/tvmodule%1").arg(++counter);
    if (!QResource::registerResource(info.absoluteFilePath(), mapRoot)) {
        if (errorCode)
            *errorCode = 193;  // not a resource file
        return nullptr;
    }
    auto* module = new ResourceModule(QStringLiteral(":") + mapRoot + QStringLiteral("/res"));
    module->file_ = info.absoluteFilePath();
    return module;
}

void ResourceModule::close(ResourceModule* module)
{
    if (!module || module == embedded())
        return;
    const QString mapRoot = module->root_.mid(1, module->root_.size() - 5);
    QResource::unregisterResource(module->file_, mapRoot);
    openModules().remove(module->handle_);
    delete module;
}

std::optional<QString> ResourceModule::find(const QVariant& type, const QVariant& name) const
{
    const auto it = byKey_.constFind(foldResourceKey(type) + '\n' + foldResourceKey(name));
    if (it == byKey_.constEnd())
        return std::nullopt;
    return *it;
}

QByteArray ResourceModule::bytes(const QString& path) const
{
    ++g_reads;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

QList<QPair<QString, QString>> ResourceModule::entries() const { return entries_; }

QPixmap designPicture(const QString& form, const QString& widget)
{
    const QString dir = QStringLiteral(":/design/") + form;
    for (const char* ext : {".png", ".jpg", ".gif"}) {
        const QString path = dir + '/' + widget + QLatin1String(ext);
        if (auto cached = cachedPicture(path))
            return *cached;
        if (QFile::exists(path)) {
            QPixmap picture(path);
            cachePicture(path, picture);
            return picture;
        }
    }
    return {};
}

std::optional<QPixmap> cachedPicture(const QString& path)
{
    if (const QPixmap* picture = pictureCache().object(path))
        return *picture;
    return std::nullopt;
}

void cachePicture(const QString& path, const QPixmap& picture)
{
    pictureCache().insert(path, new QPixmap(picture), pictureBytes(picture));
}

void clearPictureCache() { pictureCache().clear(); }

qsizetype pictureCacheBytes() { return pictureCache().totalCost(); }

qsizetype pictureCacheLimit() { return pictureCache().maxCost(); }

void setPictureCacheLimit(qsizetype bytes) { pictureCache().setMaxCost(bytes); }

} // namespace platform
