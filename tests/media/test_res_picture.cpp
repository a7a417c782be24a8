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

} // namespace
