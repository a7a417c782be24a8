#pragma once
// Loads a picture from the resources of a program file.
//
//   ResPicture rp;
//   rp.setFileName(platform::programFile());
//   label.setPicture(rp.LoadResPicture("fond", "bleu"));
//
// The resource's bytes are framed as a picture stream ("lt\0\0", the size, the bytes, a spare
// zero) and the picture is read from this object itself, a read-only stream.  Decoded pictures
// are kept in a bounded cache (platform::cachedPicture): loading one found there reads nothing.
//
// hInstance is a handle the program gave out for an open module (0: the program's own
// resources); any other value finds no resource.

#include <QIODevice>

#include <algorithm>
#include <QPixmap>
#include <QString>
#include <QVariant>

namespace platform {
class ResourceModule;
}

namespace media {

constexpr quint32 kErrCannotOpen = 0x80040000;
constexpr quint32 kErrResource = 0x80040001;
constexpr quint32 kErrInvalidPicture = 481;

class ResPicture : public QIODevice {
    Q_OBJECT
public:
    ResPicture();
    ~ResPicture() override;

    QString FileName() const { return fileName_; }
    // Opens the named file as a resource module; the program's own file gives the embedded
    // catalogue.  Raises kErrCannotOpen when it cannot.
    void setFileName(const QString& name);

    quintptr hInstance() const { return handle_; }
    // Takes a module from outside; this object will never close it.
    void setHInstance(quintptr handle);

    // Resource type first, name second; each a number or a text.
    QPixmap LoadResPicture(const QVariant& resType, const QVariant& id);

    // The picture stream, as the picture reader sees it.
    // Fills the stream with the framed bytes of a resource (raises as LoadResPicture does).
    void frame(const QVariant& resType, const QVariant& id);
    const QByteArray& buffer() const { return buffer_; }
    qint64 streamLength() const { return buffer_.isEmpty() ? 0 : buffer_.size() - 1; }
    qint64 position() const { return position_; }
    // Reads up to cb bytes at the position; returns the count read, -1 when the position lies
    // past the end.
    qint64 Read(char* data, qint64 cb);
    // Moves the position (origin 0 start, 1 current, 2 end), kept within 0 .. length.
    qint64 Seek(qint64 move, int origin);

    // QIODevice: the picture reader's view of the stream, behind its 8-byte header.
    bool isSequential() const override { return false; }
    qint64 size() const override { return std::max<qint64>(0, streamLength() - 8); }
    bool seek(qint64 pos) override;

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    void closeOwnModule();
    // The module hInstance names; raises "The resource was not found" for a handle that names none.
    const platform::ResourceModule& module() const;
    // The resource's path in the module; raises when there is none.
    QString find(const QVariant& resType, const QVariant& id) const;
    quintptr handle_ = 0;
    QString fileName_;
    QByteArray buffer_;
    qint64 position_ = 0;
    QString path_;
};

// A picture of the program file's resources, loaded by a picture loader of its own (raises as
// LoadResPicture does).
QPixmap loadResourcePicture(const QString& type, const QString& name);

} // namespace media
