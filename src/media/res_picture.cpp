#include "media/res_picture.h"

#include "platform/resources.h"
#include "platform/vb.h"

#include <QImageReader>

#include <algorithm>
#include <cstring>

namespace media {

using platform::VbError;

ResPicture::ResPicture() = default;

ResPicture::~ResPicture() { closeOwnModule(); }

namespace {

[[noreturn]] void notFound(int code)
{
    throw VbError(kErrResource, QStringLiteral("The resource was not found. GetLastError: %1").arg(code));
}

} // namespace

void ResPicture::closeOwnModule()
{
    if (!fileName_.isEmpty() && handle_)
        platform::ResourceModule::close(platform::ResourceModule::fromHandle(handle_));
    if (!fileName_.isEmpty())
        handle_ = 0;
}

void ResPicture::setFileName(const QString& name)
{
    closeOwnModule();
    fileName_ = name;
    handle_ = 0;
    int code = 0;
    platform::ResourceModule* module = platform::ResourceModule::open(name, &code);
    if (!module) {
        throw VbError(kErrCannotOpen, QStringLiteral("Cannot open %1. GetLastError returns: %2")
                                          .arg(name)
                                          .arg(code));
    }
    handle_ = module->handle();
}

void ResPicture::setHInstance(quintptr handle)
{
    closeOwnModule();
    handle_ = handle;
    fileName_.clear();
}

const platform::ResourceModule& ResPicture::module() const
{
    if (handle_ == 0)
        return *platform::ResourceModule::embedded();
    const platform::ResourceModule* module = platform::ResourceModule::fromHandle(handle_);
    if (!module)
        notFound(6);  // not a handle of an open module
    return *module;
}

QString ResPicture::find(const QVariant& resType, const QVariant& id) const
{
    const auto path = module().find(resType, id);
    if (!path)
        notFound(1814);
    return *path;
}

void ResPicture::frame(const QVariant& resType, const QVariant& id)
{
    const platform::ResourceModule& module = this->module();
    const QString path = find(resType, id);
    const QByteArray bytes = module.bytes(path);
    if (bytes.isEmpty())
        throw VbError(kErrResource, QStringLiteral("The resource cannot be loaded. GetLastError: 1812"));
    const quint32 n = static_cast<quint32>(bytes.size());
    buffer_ = QByteArray(static_cast<int>(n) + 9, '\0');
    buffer_[0] = 0x6C;
    buffer_[1] = 0x74;
    for (int i = 0; i < 4; ++i)
        buffer_[4 + i] = static_cast<char>((n >> (8 * i)) & 0xFF);
    std::memcpy(buffer_.data() + 8, bytes.constData(), n);
    position_ = 0;
    path_ = module.cacheKey(path);
}

qint64 ResPicture::Read(char* data, qint64 cb)
{
    const qint64 length = streamLength();
    if (position_ > length)
        return -1;
    cb = std::max<qint64>(0, std::min(cb, length - position_));
    if (cb > 0)
        std::memcpy(data, buffer_.constData() + position_, static_cast<size_t>(cb));
    position_ += cb;
    return cb;
}

qint64 ResPicture::Seek(qint64 move, int origin)
{
    const qint64 length = streamLength();
    qint64 target = position_;
    switch (origin) {
    case 0: target = move; break;
    case 1: target = position_ + move; break;
    case 2: target = length + move; break;
    default: break;
    }
    position_ = std::clamp<qint64>(target, 0, length);
    return position_;
}

bool ResPicture::seek(qint64 pos)
{
    QIODevice::seek(pos);
    Seek(pos + 8, 0);
    return position_ == pos + 8;
}

qint64 ResPicture::readData(char* data, qint64 maxSize) { return Read(data, maxSize); }

QPixmap ResPicture::LoadResPicture(const QVariant& resType, const QVariant& id)
{
    // A picture decoded before is taken as it is: the resource is neither read nor framed.
    path_ = module().cacheKey(find(resType, id));
    if (auto cached = platform::cachedPicture(path_))
        return *cached;
    frame(resType, id);
    // The picture reader reads the stream from this object, behind the 8-byte header.
    QImage image;
    char header[8];
    if (Read(header, 8) == 8 && header[0] == 0x6C && header[1] == 0x74) {
        open(QIODevice::ReadOnly);
        QImageReader reader(this);
        image = reader.read();
        close();
    }
    buffer_.clear();
    position_ = 0;
    if (image.isNull())
        throw VbError(kErrInvalidPicture, QStringLiteral("Invalid picture"));
    const QPixmap picture = QPixmap::fromImage(std::move(image));
    platform::cachePicture(path_, picture);
    return picture;
}

QPixmap loadResourcePicture(const QString& type, const QString& name)
{
    ResPicture loader;
    loader.setFileName(platform::programFile());
    return loader.LoadResPicture(type, name);
}

} // namespace media
