// Loading pictures from the resources of a program file.
#include <gtest/gtest.h>

#include "media/res_picture.h"
#include "platform/resources.h"
#include "platform/vb.h"

#include <QFile>

using media::ResPicture;
using platform::VbError;

namespace {

const QString kFixture = QStringLiteral(TV_TEST_BINARY_DIR "/fixtures/fixture.rcc");

quint32 errorNumber(const std::function<void()>& f, QString* text = nullptr)
{
    try {
        f();
    } catch (const VbError& e) {
        if (text)
            *text = e.description();
        return e.number();
    }
    return 0;
}

TEST(ResPicture, FindsTypeAndNameWithoutRegardToCase)
{
    ResPicture rp;
    rp.setFileName(kFixture);
    for (auto [type, name] : {std::pair{"fond", "bleu"}, {"FOND", "BLEU"}, {"Fond", "Bleu"}}) {
        const QPixmap p = rp.LoadResPicture(type, name);
        EXPECT_EQ(p.size(), QSize(4, 3)) << type << '/' << name;
    }
}

TEST(ResPicture, ANumericNameIsAnIntegerIdentifier)
{
    ResPicture rp;
    rp.setFileName(kFixture);
    for (const QVariant& id : {QVariant(101), QVariant("101"), QVariant("0101"), QVariant(" 101")})
        EXPECT_EQ(rp.LoadResPicture("niveaux", id).size(), QSize(5, 2)) << id.toString().toStdString();
}

TEST(ResPicture, ErrorsCarryTheirNumbersAndTexts)
{
    struct Case {
        const char* what;
        std::function<void(ResPicture&)> act;
        quint32 number;
        QString textStart;
    };
    const QString missing = QStringLiteral("/nonexistent/Tastevolo.exe");
    const std::vector<Case> cases = {
        {"missing file", [&](ResPicture& rp) { rp.setFileName(missing); }, media::kErrCannotOpen,
         "Cannot open " + missing + ". GetLastError returns: "},
        {"not a resource file", [](ResPicture& rp) { rp.setFileName(QStringLiteral(TV_TEST_SOURCE_DIR "/fixtures/fixture.qrc")); },
         media::kErrCannotOpen, "Cannot open "},
        {"missing resource", [](ResPicture& rp) { rp.setFileName(kFixture); rp.LoadResPicture("fond", "rouge"); },
         media::kErrResource, "The resource was not found. GetLastError: "},
        {"missing type", [](ResPicture& rp) { rp.setFileName(kFixture); rp.LoadResPicture("ronde", "01_fa"); },
         media::kErrResource, "The resource was not found. GetLastError: "},
        {"undecodable", [](ResPicture& rp) { rp.setFileName(kFixture); rp.LoadResPicture("divers", "broken"); },
         media::kErrInvalidPicture, "Invalid picture"},
    };
    for (const Case& c : cases) {
        ResPicture rp;
        QString text;
        EXPECT_EQ(errorNumber([&] { c.act(rp); }, &text), c.number) << c.what;
        EXPECT_TRUE(text.startsWith(c.textStart)) << c.what << ": " << text.toStdString();
    }
}

TEST(ResPicture, AFailedFileNameKeepsTheNameWithNoModule)
{
    ResPicture rp;
    errorNumber([&] { rp.setFileName("/nonexistent/x"); });
    EXPECT_EQ(rp.FileName(), "/nonexistent/x");
    EXPECT_EQ(rp.hInstance(), 0u);
}

TEST(ResPicture, HandlesFromOutsideAreNeverClosed)
{
    ResPicture owner;
    owner.setFileName(kFixture);
    {
        ResPicture borrower;
        borrower.setHInstance(owner.hInstance());
        EXPECT_TRUE(borrower.FileName().isEmpty());
        EXPECT_EQ(borrower.LoadResPicture("fond", "bleu").size(), QSize(4, 3));
    }
    // The borrower is gone; the owner's module still works.
    EXPECT_EQ(owner.LoadResPicture("niveaux", 101).size(), QSize(5, 2));
    // Setting hInstance closes the module the object opened and clears FileName.
    owner.setHInstance(0);
    EXPECT_TRUE(owner.FileName().isEmpty());
}

TEST(ResPicture, TheStreamIsFramedAndBounded)
{
    ResPicture rp;
    rp.setFileName(kFixture);
    rp.frame("fond", "bleu");
    QFile f(QStringLiteral(TV_TEST_SOURCE_DIR "/fixtures/fixture/bleu.png"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    const qint64 n = bytes.size();
    EXPECT_EQ(rp.streamLength(), n + 8);
    EXPECT_EQ(rp.Seek(0, 2), n + 8);
    EXPECT_EQ(rp.Seek(0, 0), 0);
    QByteArray all(static_cast<int>(n + 8), '\0');
    EXPECT_EQ(rp.Read(all.data(), n + 8), n + 8);
    EXPECT_EQ(all.left(4), QByteArray("\x6C\x74\x00\x00", 4));
    EXPECT_EQ(static_cast<quint8>(all[4]), n);
    EXPECT_EQ(all.mid(5, 3), QByteArray(3, '\0'));
    EXPECT_EQ(all.mid(8), bytes);
    char more[4];
    EXPECT_EQ(rp.Read(more, 4), 0) << "at the end a read gives 0 bytes";
    // Positions stay within the stream.
    EXPECT_EQ(rp.Seek(-100, 0), 0);
    EXPECT_EQ(rp.Seek(1000, 1), n + 8);
    EXPECT_EQ(rp.Seek(-4, 2), n + 4);
    EXPECT_EQ(rp.Seek(3, 7), n + 4) << "an unknown origin leaves the position";
    EXPECT_EQ(rp.Read(more, 100), 4) << "a read is cut at the end";
}

TEST(ResPicture, OneObjectLoadsASecondPictureAndRepeatsShareTheDecode)
{
    ResPicture rp;
    rp.setFileName(kFixture);
    const QPixmap first = rp.LoadResPicture("fond", "bleu");
    const QPixmap second = rp.LoadResPicture("niveaux", "101");
    EXPECT_EQ(second.size(), QSize(5, 2));
    EXPECT_EQ(rp.position(), 0);
    ResPicture other;
    other.setFileName(kFixture);
    EXPECT_EQ(other.LoadResPicture("fond", "bleu").cacheKey(), first.cacheKey());
}

// hInstance takes only what the program gave out: anything else finds no resource, and is never
// followed as an address.
TEST(ResPicture, AHandleTheProgramDidNotGiveOutFindsNoResource)
{
    quintptr closed = 0;
    {
        ResPicture owner;
        owner.setFileName(kFixture);
        closed = owner.hInstance();
        EXPECT_EQ(owner.LoadResPicture("fond", "bleu").size(), QSize(4, 3));
    }  // the module is closed with its owner
    int local = 0;
    const quintptr handles[] = {1, 0xdeadbeef, reinterpret_cast<quintptr>(&local), closed,
                                closed + 1, ~quintptr(0)};
    for (quintptr handle : handles) {
        ResPicture rp;
        rp.setHInstance(handle);
        EXPECT_EQ(rp.hInstance(), handle);
        QString text;
        EXPECT_EQ(errorNumber([&] { rp.LoadResPicture("fond", "bleu"); }, &text), media::kErrResource)
            << std::hex << handle;
        EXPECT_TRUE(text.startsWith("The resource was not found. GetLastError: ")) << text.toStdString();
    }
}

TEST(ResPicture, APictureFoundInTheCacheIsNotReadAgain)
{
    platform::clearPictureCache();
    ResPicture rp;
    rp.setFileName(kFixture);
    const quint64 before = platform::ResourceModule::readCount();
    const QPixmap first = rp.LoadResPicture("fond", "bleu");
    EXPECT_EQ(platform::ResourceModule::readCount(), before + 1);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(rp.LoadResPicture("FOND", "Bleu").cacheKey(), first.cacheKey());
    EXPECT_EQ(platform::ResourceModule::readCount(), before + 1);
    EXPECT_TRUE(rp.buffer().isEmpty());
}

// The decoded pictures kept stay within the limit in bytes: the least recently used go first.
TEST(PictureCache, StaysWithinItsLimitInBytes)
{
    struct RestoreLimit {
        ~RestoreLimit() { platform::setPictureCacheLimit(platform::kDefaultPictureCacheLimit); }
    } restore;
    platform::clearPictureCache();
    constexpr qsizetype background = 800 * 600 * 4;  // an 800 x 600 background, 32 bits a pixel
    platform::setPictureCacheLimit(3 * background);
    const char* const names[] = {"bleu", "bleu_turquoise", "jaune_clair", "orange", "pn", "rouge_clair", "vert_clair"};
    auto load = [](const char* name) {
        ResPicture rp;
        rp.setFileName(platform::programFile());
        return rp.LoadResPicture("fond", name);
    };
    for (const char* name : names) {
        EXPECT_EQ(load(name).size(), QSize(800, 600)) << name;
        EXPECT_LE(platform::pictureCacheBytes(), platform::pictureCacheLimit()) << name;
    }
    EXPECT_GE(platform::pictureCacheBytes(), 2 * background);
    // The last ones loaded are still there, the first ones are decoded again.
    quint64 reads = platform::ResourceModule::readCount();
    load("vert_clair");
    load("rouge_clair");
    EXPECT_EQ(platform::ResourceModule::readCount(), reads);
    load("bleu");
    EXPECT_EQ(platform::ResourceModule::readCount(), reads + 1);
}

} // namespace
