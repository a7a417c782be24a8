// Every picture the program carries is embedded, decodes, and has its stated size and format.
#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QSet>
#include <QSize>
#include <QStringList>

#include <vector>

namespace {

// The note-picture names, key by key, as the resource catalogue lists them.
const char* const kCatalogueNoteNames =
    "01_FA; 02_FAD, 02_SOLB; 03_SOL; 04_LAB, 04_SOLD; 05_LA; 06_LAD, 06_SIB; 07_DOB, 07_SI; 08_DO, "
    "08_SID; 09_DOD, 09_REB; 10_RE; 11_MIB, 11_RED; 12_FAB, 12_MI; 13_FA, 13_MID; 14_FAD, 14_SOLB; "
    "15_SOL; 16_LAB, 16_SOLD; 17_LA; 18_LAD, 18_SIB; 19_DOB, 19_DOB_F, 19_SI; 20_DO_F, 20_DO_S, "
    "20_SID; 21_DOD, 21_DOD_S, 21_REB, 21_REB_F; 22_RE, 22_RE_F; 23_MIB, 23_RED; 24_FAB, 24_MI; "
    "25_FA, 25_MID; 26_FAD, 26_SOLB; 27_SOL; 28_LAB, 28_SOLD; 29_LA; 30_LAD, 30_SIB; 31_DOB, "
    "31_SI; 32_DO, 32_SID; 33_DOD, 33_REB; 34_RE; 35_MIB, 35_RED; 36_FAB, 36_MI; 37_FA, 37_MID; "
    "38_FAD, 38_SOLB; 39_SOL";

QStringList catalogueNoteNames()
{
    QStringList names;
    for (const QString& group : QString::fromLatin1(kCatalogueNoteNames).split(QLatin1Char(';')))
        for (const QString& name : group.split(QLatin1Char(',')))
            names << name.trimmed();
    return names;
}

struct Expected {
    QString path;     // resource path
    QByteArray format;  // "png" (a GIF picture of the original design) or "jpeg"
    QSize size;
    bool within = false;  // the size is an area the picture must fit in
};

QString twoDigits(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

std::vector<Expected> everyPicture()
{
    std::vector<Expected> out;
    auto add = [&out](const QString& path, QSize size, bool within = false) {
        out.push_back({path, path.endsWith(QLatin1String(".jpg")) ? QByteArray("jpeg") : QByteArray("png"), size, within});
    };
    // note pictures, the empty staff
    for (const char* type : {"RONDE", "BLANCHE", "NOIRE", "CROCHE", "BULLE", "SMILEY", "FOOT", "BASKET"}) {
        for (const QString& name : catalogueNoteNames()) {
            add(QStringLiteral(":/res/%1/%2.png").arg(QLatin1String(type), name), {248, 244});
            if (QLatin1String(type) == QLatin1String("SMILEY"))
                add(QStringLiteral(":/res/SMILEY/%1_2.png").arg(name), {248, 244});
        }
    }
    add(QStringLiteral(":/res/DIVERS/PORTEE.png"), {248, 244});
    // backgrounds
    for (const char* n : {"BLEU", "BLEU_TURQUOISE", "JAUNE_CLAIR", "ORANGE", "PN", "ROUGE_CLAIR", "VERT_CLAIR"})
        add(QStringLiteral(":/res/FOND/%1.jpg").arg(QLatin1String(n)), {800, 600});
    // level pictures
    for (int level = 1; level <= 14; ++level) {
        add(QStringLiteral(":/res/NIVEAUX/B%1.jpg").arg(twoDigits(level)), {700, 235});
        for (const char* lang : {"FR", "US", "ES"})
            add(QStringLiteral(":/res/NIVEAUX/%1%2.jpg").arg(QLatin1String(lang), twoDigits(level)), {700, 236});
        add(QStringLiteral(":/res/NIVEAUX/VIDE%1.jpg").arg(twoDigits(level)), {700, 237});
        add(QStringLiteral(":/res/NIVEAUX/PN%1.jpg").arg(twoDigits(level)), {519, 475});
    }
    for (int level = 1; level <= 4; ++level) {
        add(QStringLiteral(":/res/NIVEAUX/NN%1.jpg").arg(level), {700, 235});
        add(QStringLiteral(":/res/NIVEAUX/VIDEN%1.jpg").arg(level), {700, 237});
    }
    add(QStringLiteral(":/res/ICON/30001.png"), {32, 32});

    // the picture store (Image_rien has no picture)
    const QString store = QStringLiteral(":/design/Form_image/");
    for (const char* w : {"Image_orange", "Image_vert", "Image_bleu"})
        add(store + QLatin1String(w) + QStringLiteral(".png"), {32, 232});
    add(store + QStringLiteral("Image_pianon.png"), {17, 145});
    for (const char* w : {"do", "re", "mi", "fa", "sol", "la", "si", "sid", "mid", "fab", "dob", "re_es",
                          "do_us", "re_us", "mi_us", "fa_us", "sol_us", "la_us", "si_us", "sid_us", "mid_us",
                          "fab_us", "dob_us"})
        add(store + QStringLiteral("Image_") + QLatin1String(w) + QStringLiteral(".jpg"), {32, 232});
    for (const char* w : {"dod", "red", "fad", "sold", "lad", "red_es"})
        add(store + QStringLiteral("Image_") + QLatin1String(w) + QStringLiteral(".jpg"), {17, 145});
    for (const char* w : {"dod_us", "red_us", "fad_us", "sold_us", "lad_us"})
        add(store + QStringLiteral("Image_") + QLatin1String(w) + QStringLiteral(".png"), {17, 145});
    for (const char* c : {"jaune_clair", "rouge_clair", "bleu_turquoise", "pn", "vert_clair", "orange"})
        for (const char* side : {"droite", "gauche"})
            add(store + QStringLiteral("Metronome_%1_%2.jpg").arg(QLatin1String(side), QLatin1String(c)), {50, 75});
    add(store + QStringLiteral("enveloppe.png"), {53, 33});
    add(store + QStringLiteral("enveloppenoir.png"), {53, 33});

    // the main menu
    const QString menu = QStringLiteral(":/design/Form_piano/");
    add(menu + QStringLiteral("Image1.jpg"), {263, 71});
    add(menu + QStringLiteral("Metronome_stop.png"), {50, 75});
    add(menu + QStringLiteral("enveloppe.png"), {53, 33});
    for (const char* g : {"pp", "pp2", "pp3", "pn", "nn", "nn2", "pp2us", "nnus", "nn2us", "pnus"})
        add(menu + QStringLiteral("Image_%1.jpg").arg(QLatin1String(g)), {232, 175});

    // the other screens' own pictures
    for (const char* f : {"Image_francais", "Image_anglais", "Image_espagnol"})
        add(QStringLiteral(":/design/Form_joueurs/%1.png").arg(QLatin1String(f)), {36, 25});
    add(QStringLiteral(":/design/Form_bruitage/Label_son.png"), {89, 20}, true);
    add(QStringLiteral(":/design/cursor/hand.png"), {32, 32});
    for (const char* s : {"ronde", "smiley", "blanche", "noire", "croche", "bulle", "foot", "basket"})
        add(QStringLiteral(":/design/Form_bulles/Image_%1.png").arg(QLatin1String(s)), {50, 50});
    add(QStringLiteral(":/design/Form_score/Image_fond.jpg"), {329, 281});
    add(QStringLiteral(":/design/Form_pn/Metronome_stop.png"), {53, 80});
    for (const char* g : {"pp", "pp2", "pp3", "pn", "nn", "nn2"})
        add(QStringLiteral(":/design/Form_choix_%1/Metronome_stop.png").arg(QLatin1String(g)), {50, 75});
    return out;
}

} // namespace

TEST(ArtworkCatalogue, ListsSeventyTwoDistinctNoteNames)
{
    const QStringList names = catalogueNoteNames();
    EXPECT_EQ(names.size(), 72);
    EXPECT_EQ(QSet<QString>(names.begin(), names.end()).size(), 72);
}

TEST(ArtworkCatalogue, EveryPictureLoadsAtItsSize)
{
    const std::vector<Expected> all = everyPicture();
    ASSERT_EQ(all.size(), size_t(8 * 72 + 72 + 1 + 7 + 92 + 1 + 52 + 13 + 3 + 1 + 1 + 8 + 1 + 1 + 6));
    for (const Expected& e : all) {
        SCOPED_TRACE(e.path.toStdString());
        QImageReader reader(e.path);
        ASSERT_TRUE(reader.canRead()) << reader.errorString().toStdString();
        EXPECT_EQ(reader.format(), e.format);
        const QImage img = reader.read();
        ASSERT_FALSE(img.isNull()) << reader.errorString().toStdString();
        if (e.within) {
            EXPECT_LE(img.width(), e.size.width());
            EXPECT_LE(img.height(), e.size.height());
            EXPECT_GE(img.width(), 8);
            EXPECT_GE(img.height(), 8);
        } else {
            EXPECT_EQ(img.size(), e.size);
        }
    }
}

TEST(ArtworkCatalogue, HoldsNoPictureBesideTheListedOnes)
{
    QSet<QString> expected;
    for (const Expected& e : everyPicture())
        expected.insert(e.path);
    expected.insert(QStringLiteral(":/design/cursor/hand.txt"));
    int seen = 0;
    for (const QString& root : {QStringLiteral(":/res"), QStringLiteral(":/design")}) {
        QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            if (path.startsWith(QLatin1String(":/res/DMSEG/")))
                continue;  // the sound effects come from the sound recordings
            ++seen;
            EXPECT_TRUE(expected.contains(path)) << path.toStdString();
        }
    }
    EXPECT_EQ(seen, expected.size());
}

TEST(ArtworkCatalogue, BlankStorePictureHasNoFile)
{
    for (const char* ext : {"png", "jpg", "gif"})
        EXPECT_FALSE(QFile::exists(QStringLiteral(":/design/Form_image/Image_rien.") + QLatin1String(ext)));
}
