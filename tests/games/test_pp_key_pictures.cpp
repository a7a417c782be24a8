// The hints painted on the keys per game, level and language: coloured markers ("pp"), note
// names ("pp2"), nothing ("pp3").
#include "games/staff_keyboard/levels.h"
#include "games/staff_keyboard/module_pp.h"
#include "media/form_image.h"
#include "players/form_joueurs.h"
#include "pp_fixture.h"

namespace pp_test {
namespace {

using games::staff_keyboard::colorer_touches_niveau_pp;
using games::staff_keyboard::image_de_touche;

// "key:picture" for every key 1 to 40 that the level paints, the picture without "Image_".
QString painted(const char* game, const char* language, const char* level)
{
    QStringList out;
    for (int k = 1; k <= 40; ++k)
        if (const auto name = image_de_touche(QString::fromLatin1(game), QString::fromLatin1(language),
                                              QString::fromLatin1(level), k))
            out << QStringLiteral("%1:%2").arg(k).arg(name->mid(6));
    return out.join(QLatin1Char(' '));
}

// The hints of a whole range, from a twelve-key pattern starting at fa (key 1).
QString pattern(int first, int last, const QStringList& byPlace)
{
    QStringList out;
    for (int k = first; k <= last; ++k)
        out << QStringLiteral("%1:%2").arg(k).arg(byPlace[(k - 1) % 12]);
    return out.join(QLatin1Char(' '));
}

TEST(PpKeyPictures, PicturesPerGameLanguageAndLevel)
{
    struct Row { const char* game; const char* language; const char* level; QString keys; };
    const std::vector<Row> rows{
        {"1", "", "1", "19:bleu 20:orange 22:vert"},
        {"1", "francais", "2", "17:vert 19:bleu 20:orange 22:vert 24:bleu"},
        {"1", "", "5", "12:bleu 13:vert 15:orange 17:vert 19:bleu 20:orange 22:vert 24:bleu 25:vert 27:orange 29:vert"},
        {"2", "francais", "5", "12:mi 13:fa 15:sol 17:la 19:si 20:do 22:re 24:mi 25:fa 27:sol 29:la"},
        {"2", "espagnol", "5", "12:mi 13:fa 15:sol 17:la 19:si 20:do 22:re_es 24:mi 25:fa 27:sol 29:la"},
        {"2", "anglais", "5",
         "12:mi_us 13:fa_us 15:sol_us 17:la_us 19:si_us 20:do_us 22:re_us 24:mi_us 25:fa_us 27:sol_us 29:la_us 31:si_us"},
        {"1", "", "7", "8:orange 10:vert 12:bleu 13:vert 15:orange 17:vert 19:bleu 20:orange 22:vert 24:bleu 25:vert "
                       "27:orange 29:vert 31:bleu 32:orange"},
        {"1", "", "8", "8:rien 9:pianon 10:rien 11:pianon 12:rien 13:vert 14:pianon 15:rien 16:pianon 17:rien 18:pianon "
                       "19:rien 20:orange 21:pianon 22:rien 23:pianon 24:rien 25:vert 26:pianon 27:rien 28:pianon 29:rien "
                       "30:pianon 31:rien 32:orange"},
        {"2", "francais", "8", "8:rien 9:dod 10:rien 11:red 12:rien 13:mid 14:fad 15:rien 16:sold 17:rien 18:lad 19:rien "
                               "20:sid 21:dod 22:rien 23:red 24:rien 25:mid 26:fad 27:rien 28:sold 29:rien 30:lad 31:rien "
                               "32:sid"},
        {"1", "", "9", pattern(8, 32, {"rien", "pianon", "rien", "pianon", "rien", "pianon", "bleu", "rien", "pianon",
                                       "rien", "pianon", "bleu"})},
        {"2", "francais", "9", pattern(8, 32, {"rien", "fad", "rien", "sold", "rien", "lad", "dob", "rien", "dod", "rien",
                                               "red", "fab"})},
        {"2", "espagnol", "10", "8:sid 9:dod 10:re_es 11:red_es 12:fab 13:mid 14:fad 15:sol 16:sold 17:la 18:lad 19:dob "
                                "20:sid 21:dod 22:re_es 23:red_es 24:fab 25:mid 26:fad 27:sol 28:sold 29:la 30:lad "
                                "31:dob 32:sid"},
        {"2", "anglais", "11", pattern(7, 34, {"mid_us", "fad_us", "sol_us", "sold_us", "la_us", "lad_us", "dob_us",
                                               "sid_us", "dod_us", "re_us", "red_us", "fab_us"})},
        {"1", "", "14", pattern(1, 39, {"vert", "pianon", "orange", "pianon", "vert", "pianon", "bleu", "orange",
                                        "pianon", "vert", "pianon", "bleu"})},
        {"3", "francais", "5", ""},
        {"3", "anglais", "14", ""},
        {"2", "allemand", "5", ""},
        {"2", "", "5", ""},
        {"1", "", "15", ""},
        {"1", "", "0", ""},
        {"1", "", "01", ""},
        {"1", "", " 5", ""},
        {"1", "", "", ""},
        {"", "", "5", ""},
    };
    for (const Row& r : rows)
        EXPECT_EQ(painted(r.game, r.language, r.level), r.keys) << r.game << '/' << r.language << '/' << r.level;
}

class PpKeyPaint : public PpScreen {
protected:
    static void apply(const char* game, const char* language, const char* level)
    {
        pp().Label_choix_jeu.setCaption(QString::fromLatin1(game));
        pp().Label_niveau.setCaption(QString::fromLatin1(level));
        platform::form<players::Form_joueurs>().Label_langue.setCaption(QString::fromLatin1(language));
        colorer_touches_niveau_pp();
    }
    static qint64 key(int k) { return pp().touche(k).picture().cacheKey(); }
    static qint64 store(platform::Image& image) { return image.picture().cacheKey(); }
    static media::Form_image& images() { return platform::form<media::Form_image>(); }
};

TEST_F(PpKeyPaint, WorkedExamplesOnTheScreen)
{
    for (int k = 1; k <= 40; ++k)
        EXPECT_TRUE(pp().touche(k).picture().isNull()) << "a fresh screen shows plain keys: " << k;

    apply("2", "anglais", "5");
    EXPECT_EQ(key(31), store(images().Image_si_us));
    EXPECT_EQ(key(20), store(images().Image_do_us));

    apply("1", "", "7");
    EXPECT_EQ(key(8), store(images().Image_orange));
    apply("1", "", "8");
    EXPECT_TRUE(pp().touche(8).picture().isNull()) << "key 8 is blanked at level 8";
    EXPECT_EQ(key(20), store(images().Image_orange));
    EXPECT_EQ(key(32), store(images().Image_orange));

    // Level 10 covers keys 8 to 32; keys 34 and 35 get their Spanish names from level 12 on.
    apply("2", "espagnol", "10");
    for (int k : {10, 22})
        EXPECT_EQ(key(k), store(images().Image_re_es)) << k;
    for (int k : {11, 23})
        EXPECT_EQ(key(k), store(images().Image_red_es)) << k;
    EXPECT_EQ(key(9), store(images().Image_dod));
    EXPECT_TRUE(pp().touche(34).picture().isNull());
    EXPECT_TRUE(pp().touche(35).picture().isNull());
    apply("2", "espagnol", "12");
    EXPECT_EQ(key(34), store(images().Image_re_es));
    EXPECT_EQ(key(35), store(images().Image_red_es));
}

TEST_F(PpKeyPaint, HintsAccumulateAndKey40IsNeverTouched)
{
    apply("1", "", "14");
    const qint64 key1 = key(1);
    EXPECT_EQ(key1, store(images().Image_vert));
    EXPECT_TRUE(pp().touche(40).picture().isNull());
    pp().touche(40).setPicture(images().Image_pianon.picture());

    apply("1", "", "8");  // a smaller range leaves the keys outside it as they are
    EXPECT_EQ(key(1), key1);
    apply("2", "francais", "1");
    EXPECT_EQ(key(20), store(images().Image_do));
    EXPECT_EQ(key(1), key1);

    QList<qint64> before;
    for (int k = 1; k <= 40; ++k)
        before << key(k);
    for (const auto& [game, language, level] : {std::tuple{"3", "francais", "14"}, {"3", "anglais", "5"},
                                                {"2", "allemand", "8"}, {"1", "", "15"}}) {
        apply(game, language, level);
        QList<qint64> after;
        for (int k = 1; k <= 40; ++k)
            after << key(k);
        EXPECT_EQ(after, before) << game << '/' << language << '/' << level;
    }
    EXPECT_EQ(key(40), store(images().Image_pianon));
}

TEST_F(PpKeyPaint, SuivantRepaintsForTheNextLevel)
{
    apply("1", "", "3");
    startGame();
    pp().Label_score.setCaption(QStringLiteral("190"));
    press(noteKey());
    pp().Label_suite.userClick();
    EXPECT_EQ(pp().Label_niveau.caption(), "4");
    EXPECT_EQ(key(13), store(images().Image_vert));
    EXPECT_EQ(key(27), store(images().Image_orange));
}

} // namespace
} // namespace pp_test
