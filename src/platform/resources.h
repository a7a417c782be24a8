#pragma once
// The resources carried inside the program file.
//
// The build embeds two Qt resource trees:
//   :/res/<TYPE>/<NAME>.<ext>          the catalogue (note pictures, backgrounds, level pictures,
//                                      the empty staff, sound effects, the icon), types and names
//                                      in upper case
//   :/design/<Form_name>/<widget>.<ext> pictures that belong to a screen's design (the picture
//                                      store, the menu's pictures, the flags, cursors ...)
// A catalogue lookup ignores case, and a name that reads as a whole number is an integer
// identifier ("101", "0101" and 101 are the same name).

#include <QByteArray>
#include <QPixmap>
#include <QString>
#include <QVariant>

#include <optional>

namespace platform {

// Registers the blobs linked into the program (defined by the tastevolo_resources library).
void registerEmbeddedResources();
void markEmbeddedResourcesRegistered();
bool embeddedResourcesRegistered();

// The program's folder and its program file ("<folder>/tastevolo").
QString programFolder();
QString programFile();
// Tests and the screenshot tool put the files the program writes beside itself (the score
// files) into a folder of their own; nullopt restores the real folder.
void setProgramFolderOverride(std::optional<QString> folder);

// A resource module: the embedded catalogue, or a resource file opened by name (a binary .rcc).
class ResourceModule {
public:
    // The program's own catalogue.
    static ResourceModule* embedded();
    // Opens a resource file; nullptr when it cannot be opened (errorCode then says why).
    static ResourceModule* open(const QString& path, int* errorCode);
    static void close(ResourceModule* module);

    // Finds a resource by type and name; the arguments may be numbers or texts.
    // Returns the resource path (":/..."), or nothing.
    std::optional<QString> find(const QVariant& type, const QVariant& name) const;
    QByteArray bytes(const QString& path) const;
    // A name for a resource that stays the same across openings of the same file.
    QString cacheKey(const QString& path) const { return file_ + '|' + path.mid(root_.size()); }

    // Every (type, name) the module holds, as stored (upper case).
    QList<QPair<QString, QString>> entries() const;

    // The handle under which the program gives the module out; never 0, never reused.
    quintptr handle() const { return handle_; }
    // The open module with that handle; nullptr for any value the program did not give out, or
    // gave out for a module closed since.
    static ResourceModule* fromHandle(quintptr handle);

    // How many resources have been read (bytes()) since the program started.
    static quint64 readCount();

private:
    explicit ResourceModule(const QString& root);
    void index();
    QString root_;  // ":/res" or ":/<mapped root>/res"
    QString file_;
    quintptr handle_ = 0;
    QHash<QString, QString> byKey_;  // "type\nname" (folded) -> path
    QList<QPair<QString, QString>> entries_;
};

// Folds a resource type or name for lookup: upper case, whole numbers in canonical decimal.
QString foldResourceKey(const QVariant& value);

// A picture of a screen's design (":/design/<form>/<widget>.*"); null when there is none.
QPixmap designPicture(const QString& form, const QString& widget);

// Decoded pictures, by resource path, kept for reuse in a cache bounded in bytes: when a new
// picture would pass the limit, the pictures used longest ago are forgotten (a screen that shows
// one keeps its own copy). A picture larger than the whole limit is not kept.
std::optional<QPixmap> cachedPicture(const QString& path);
void cachePicture(const QString& path, const QPixmap& picture);
// Forgets every decoded picture (for measuring a first load).
void clearPictureCache();
// The bytes the cache holds now, and its limit.
qsizetype pictureCacheBytes();
qsizetype pictureCacheLimit();
// Sets the limit (the pictures used longest ago go at once if the cache holds more).
void setPictureCacheLimit(qsizetype bytes);
constexpr qsizetype kDefaultPictureCacheLimit = 16 * 1024 * 1024;

} // namespace platform
