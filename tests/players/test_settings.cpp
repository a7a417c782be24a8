// The per-player settings: game duration, note appearance, sound-effect switches, each loaded
// from the current player's record into its dialog and stored back.
#include "players_fixture.h"

#include "games/staff_keyboard/form_pp.h"
#include "media/form_bruitage.h"
#include "platform/vb.h"
#include "players/form_bulles.h"
#include "players/form_options.h"
#include "players/module2.h"

#include <set>

using platform::form;
using platform::loaded;
using players::Form_bulles;
using players::Form_nouveau_joueur;
using players::Form_options;

namespace {

class SettingsTest : public players_test::PlayersTest {
protected:
    void SetUp() override
    {
        PlayersTest::SetUp();
        player_ = addPlayer("Anna");
        becomeCurrent(player_);
    }
    Form_nouveau_joueur& record() { return form<Form_nouveau_joueur>(); }
    QString stored(const char* column) { return rowOf(player_).value(QString::fromLatin1(column)); }
    // A value written into the record and stored, as an earlier session left it.
    void storedBefore(const char* column, const QString& value)
    {
        platform::PlayerRow row = rowOf(player_);
        row.setValue(QString::fromLatin1(column), value);
        platform::PlayerStore store;
        ASSERT_TRUE(store.open(dbPath()));
        ASSERT_TRUE(store.update(player_, row));
        becomeCurrent(player_);
    }

    platform::PlayerBookmark player_ = 0;
};

// ------------------------------------------------------------------------------ duration

int selectedOption()
{
    int selected = 0;
    for (int k = 1; k <= 16; ++k) {
        if (form<Form_options>().option(k).value()) {
            EXPECT_EQ(selected, 0) << "one button only";
            selected = k;
        }
    }
    return selected;
}

TEST_F(SettingsTest, EachStoredDurationLoadsItsButtonAndSeconds)
{
    const char* seconds[] = {"30", "45", "60", "90", "120", "150", "180", "210",
                             "240", "300", "360", "420", "480", "540", "600", "900"};
    for (int k = 1; k <= 16; ++k) {
        record().Label_duree.setCaption(platform::str(k));
        players::charger_duree();
        EXPECT_EQ(selectedOption(), k);
        EXPECT_EQ(form<Form_options>().Text_temps.text(), seconds[k - 1]) << k;
    }
}

TEST_F(SettingsTest, ADurationThatIsNotExactlyOneOfTheSixteenChangesNothing)
{
    for (const char* duree : {"", "0", "17", "05", " 5", "5 ", "5.0", "abc"}) {
        SCOPED_TRACE(duree);
        platform::unload<Form_options>();
        record().Label_duree.setCaption(duree);
        players::charger_duree();
        EXPECT_EQ(selectedOption(), 3) << "a fresh dialog: one minute";
        EXPECT_EQ(form<Form_options>().Text_temps.text(), "60");
        form<Form_options>().Option10.setValue(true);
        players::charger_duree();
        EXPECT_EQ(selectedOption(), 10) << "the earlier choice stays";
        EXPECT_EQ(form<Form_options>().Text_temps.text(), "300");
    }
}

TEST_F(SettingsTest, ClosingTheDurationDialogStoresTheChoiceAndKeepsTheGame)
{
    Form_options& options = form<Form_options>();
    options.Label_jeu.setCaption("pp2");
    options.Show();
    options.Option5.setValue(true);
    EXPECT_EQ(options.Text_temps.text(), "120") << "in force before the dialog closes";
    options.Label_retour.userClick();
    EXPECT_FALSE(options.isVisible());
    EXPECT_EQ(stored("duree"), "5");
    EXPECT_EQ(options.Text_temps.text(), "120");
    EXPECT_EQ(options.Label_jeu.caption(), "pp2");

    storedBefore("duree", "8");
    options.Label_retour.userClick();
    EXPECT_EQ(stored("duree"), "5") << "closing without a change stores the shown choice";
}

// ---------------------------------------------------------------------------- appearance

// Styles by apparence_note: 1 ronde, 2 smiley, 3 blanche, 4 noire, 5 croche, 6 bulle, 7 foot,
// 8 basket.
enum { ronde = 1, smiley, blanche, noire, croche, bulle, foot, basket };

std::set<int> chosenStyles()
{
    std::set<int> chosen;
    for (int a = 1; a <= 8; ++a) {
        if (form<Form_bulles>().style_choisi(a))
            chosen.insert(a);
    }
    return chosen;
}

const std::vector<std::set<int>> kCodes = {
    {ronde}, {smiley}, {blanche}, {noire}, {croche}, {bulle}, {foot}, {basket},
    {ronde, blanche}, {ronde, noire}, {ronde, croche}, {blanche, noire}, {blanche, croche},
    {noire, croche}, {ronde, blanche, noire}, {ronde, blanche, croche}, {ronde, noire, croche},
    {blanche, noire, croche}, {ronde, blanche, noire, croche},
};

TEST_F(SettingsTest, EachAppearanceCodeLoadsItsStylesAndIsStoredBack)
{
    for (int code = 1; code <= 19; ++code) {
        SCOPED_TRACE(code);
        platform::unload<Form_bulles>();
        storedBefore("imgnotes", platform::str(code));
        players::charger_apparence_notes();
        EXPECT_EQ(chosenStyles(), kCodes[code - 1]);
        storedBefore("imgnotes", "1");
        form<Form_bulles>().Label_fermer.userClick();
        EXPECT_EQ(stored("imgnotes"), platform::str(code));
        EXPECT_EQ(record().Label_imgnotes.caption(), platform::str(code));
    }
}

TEST_F(SettingsTest, ClicksChooseOneFunStyleOrClassicStylesAndTheCloseFallsBackToBulle)
{
    struct Case {
        std::vector<int> clicks;
        std::set<int> chosen;
        const char* stored;
    };
    const Case cases[] = {
        {{ronde, noire}, {ronde, noire}, "10"},
        {{ronde, blanche, noire, croche}, {ronde, blanche, noire, croche}, "19"},
        {{smiley}, {smiley}, "2"},
        {{ronde, blanche, foot}, {foot}, "7"},
        {{ronde, blanche, foot, croche}, {croche}, "5"},
        {{bulle, smiley}, {smiley}, "2"},
        {{smiley, smiley}, {}, "6"},
        {{noire, noire}, {}, "6"},
        {{blanche, croche, blanche}, {croche}, "5"},
        {{}, {}, "6"},
    };
    for (const Case& c : cases) {
        platform::unload<Form_bulles>();
        Form_bulles& dialog = form<Form_bulles>();
        dialog.Show();
        for (int style : c.clicks)
            dialog.image_style(style).userClick();
        EXPECT_EQ(chosenStyles(), c.chosen) << c.stored;
        dialog.Label_fermer.userClick();
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(stored("imgnotes"), c.stored);
        if (c.chosen.empty()) {
            EXPECT_EQ(chosenStyles(), std::set<int>{bulle});
        }
    }
}

TEST_F(SettingsTest, AStoredCodeIsAddedToTheChoiceAlreadyShown)
{
    form<Form_bulles>().Image_ronde.userClick();
    record().Label_imgnotes.setCaption("12");
    players::charger_apparence_notes();
    EXPECT_EQ(chosenStyles(), (std::set<int>{ronde, blanche, noire}));
    form<Form_bulles>().Label_fermer.userClick();
    EXPECT_EQ(stored("imgnotes"), "15");
}

TEST_F(SettingsTest, AnImgnotesThatIsNoCodeChoosesNothing)
{
    for (const char* imgnotes : {"0", "20", "6.5", "7.5", "-1", "", "abc", "bulle"}) {
        SCOPED_TRACE(imgnotes);
        platform::unload<Form_bulles>();
        storedBefore("imgnotes", imgnotes);
        players::charger_apparence_notes();
        EXPECT_TRUE(chosenStyles().empty());
        form<Form_bulles>().Label_fermer.userClick();
        EXPECT_EQ(stored("imgnotes"), "6");
    }
}

TEST_F(SettingsTest, TheCloseAppliesTheChoiceToTheGameScreenThatOpenedItIfStillLoaded)
{
    using games::staff_keyboard::Form_pp;
    storedBefore("imgnotes", "2");
    Form_pp& game = form<Form_pp>();
    EXPECT_EQ(form<Form_bulles>().Label_form.caption(), "pp") << "the game screen names itself";
    EXPECT_EQ(chosenStyles(), std::set<int>{smiley}) << "and adds the stored appearance";
    form<Form_bulles>().Image_foot.userClick();
    form<Form_bulles>().Label_fermer.userClick();
    EXPECT_EQ(game.nb_note.caption(), "7");

    platform::unload(game);
    for (const char* opener : {"pp", "pn", "Label1"}) {
        form<Form_bulles>().Label_form.setCaption(opener);
        form<Form_bulles>().Image_basket.userClick();
        form<Form_bulles>().Label_fermer.userClick();
        EXPECT_EQ(loaded<Form_pp>(), nullptr) << opener << ": a closed game screen stays closed";
        EXPECT_EQ(form<Form_bulles>().Label_form.caption(), opener);
    }
}

// ----------------------------------------------------------------------------- effects

TEST_F(SettingsTest, OnlyAnExactOneSwitchesAnEffectOn)
{
    struct Case {
        std::array<const char*, 8> sons;
        std::array<int, 8> boxes;
    };
    const Case cases[] = {
        {{"1", "0", "1", "0", "1", "0", "1", "0"}, {1, 0, 1, 0, 1, 0, 1, 0}},
        {{"1", "1", "1", "1", "1", "1", "1", "1"}, {1, 1, 1, 1, 1, 1, 1, 1}},
        {{"", " 1", "1 ", "01", "1.0", "2", "0", "1"}, {0, 0, 0, 0, 0, 0, 0, 1}},
    };
    media::Form_bruitage& bruitage = form<media::Form_bruitage>();
    platform::CheckBox* boxes[] = {&bruitage.Check1, &bruitage.Check2, &bruitage.Check3, &bruitage.Check4,
                                   &bruitage.Check5, &bruitage.Check6, &bruitage.Check7, &bruitage.Check8};
    for (const Case& c : cases) {
        for (platform::CheckBox* box : boxes)
            box->setValue(2);
        for (int k = 1; k <= 8; ++k)
            record().Label_sons(k).setCaption(c.sons[k - 1]);
        players::charger_bruitages();
        for (int k = 1; k <= 8; ++k)
            EXPECT_EQ(boxes[k - 1]->value(), c.boxes[k - 1]) << k << " '" << c.sons[k - 1] << "'";
    }
}

TEST_F(SettingsTest, EachBoxIsStoredAsOneOrZeroAndTheGreyStateAsZero)
{
    media::Form_bruitage& bruitage = form<media::Form_bruitage>();
    platform::CheckBox* boxes[] = {&bruitage.Check1, &bruitage.Check2, &bruitage.Check3, &bruitage.Check4,
                                   &bruitage.Check5, &bruitage.Check6, &bruitage.Check7, &bruitage.Check8};
    const int values[] = {1, 0, 2, 1, 0, 2, 0, 1};
    const char* expected[] = {"1", "0", "0", "1", "0", "0", "0", "1"};
    for (int k = 0; k < 8; ++k)
        boxes[k]->setValue(values[k]);
    players::enregistrer_bruitages();
    for (int k = 1; k <= 8; ++k) {
        EXPECT_EQ(record().Label_sons(k).caption(), expected[k - 1]) << k;
        EXPECT_EQ(stored(qPrintable(QStringLiteral("sons%1").arg(k))), expected[k - 1]) << k;
    }
}

// ------------------------------------------------------------------------- one store

TEST_F(SettingsTest, OneStoreWritesEveryLabelOfTheRecordInOneRow)
{
    const auto other = addPlayer("Bob");
    record().Label_pp.setCaption("4");
    record().Label_nn2.setCaption("4");
    record().Label_duree.setCaption("16");
    record().Command_UpdateRecord.setValue(true);
    EXPECT_EQ(stored("pp"), "4");
    EXPECT_EQ(stored("nn2"), "4");
    EXPECT_EQ(stored("duree"), "16");
    EXPECT_EQ(stored("Nom"), "Anna");
    EXPECT_EQ(rowOf(other), [&] {
        platform::PlayerRow row = platform::newPlayerRow();
        row.setValue(u"Nom", "Bob");
        return row;
    }());
    EXPECT_TRUE(screens.messages.isEmpty());
}

} // namespace
