// Every text a player sees is whole: in each of the three languages, every shown label of the
// menu, the player screens, the settings dialogs, the high scores, the level-choice screens and the game screens
// (one player, two players, the MIDI prompt) holds its caption, wrapped as it is painted,
// without a cut line.

#include "road_fixture.h"

#include "games/name_keyboard/form_nn.h"
#include "games/staff_keyboard/form_pp.h"
#include "games/staff_name/form_pn.h"
#include "level_choice/games.h"
#include "level_choice/players_level_choice.h"
#include "media/form_bruitage.h"
#include "players/form_bulles.h"
#include "players/form_options.h"
#include "players/form_password.h"
#include "players/form_score.h"
#include "shell/form_propos.h"

#include <QFontMetrics>

namespace road_test {
namespace {

using platform::form;

// The lines of a label that do not fit, as "name: caption" (the label paints its caption
// inside a 2-pixel inset when it has a border or a raised look).
QStringList cutTexts(platform::Form& screen)
{
    QStringList cut;
    for (platform::Label* label : screen.findChildren<platform::Label*>()) {
        if (label->caption().isEmpty() || !label->isVisibleTo(&screen))
            continue;
        // Design holders parked outside the client area are never seen.
        if (!screen.rect().intersects(QRect(label->mapTo(&screen, QPoint(0, 0)), label->size())))
            continue;
        const int inset = (label->borderStyle() == 1 || label->appearance() == 1) ? 2 : 0;
        const QRect room = label->rect().adjusted(inset, inset, -inset, -inset);
        int flags = Qt::AlignTop | Qt::TextWordWrap;
        flags |= label->alignment() == 2 ? Qt::AlignHCenter : label->alignment() == 1 ? Qt::AlignRight : Qt::AlignLeft;
        const QFontMetrics metrics(label->font());
        const QRect needed = metrics.boundingRect(room, flags, label->caption());
        // The ink of the last line must be inside: its top, the ascent, and the lowest
        // descender of the caption (a line's leading below may be cut unseen).
        const int lines = qMax(1, qRound(double(needed.height()) / metrics.lineSpacing()));
        const int inkBottom = (lines - 1) * metrics.lineSpacing() + metrics.ascent() +
                              qMax(0, metrics.tightBoundingRect(label->caption()).bottom());
        if (inkBottom > room.height() || needed.width() > room.width())
            cut << QStringLiteral("%1.%2: \"%3\" needs %4x%5, has %6x%7")
                       .arg(screen.objectName(), label->name(), label->caption())
                       .arg(needed.width()).arg(inkBottom).arg(room.width()).arg(room.height());
    }
    return cut;
}

class CaptionsFit : public RoadTest, public ::testing::WithParamInterface<int> {
protected:
    // The menu in the language reached by that many clicks on the flag.
    void toTheMenuIn(int flagClicks)
    {
        toTheMenu(QStringLiteral("Zoé"));
        form<shell::Form_piano>().Label_changer_utilisateur.userClick();
        auto& players = form<players::Form_joueurs>();
        for (int i = 0; i < flagClicks; ++i)
            players.Image_langue.userClick();
        players.Label_jouer.userClick();
        ASSERT_NE(platform::loaded<shell::Form_piano>(), nullptr) << messages();
    }

    void expectWhole(platform::Form& screen, const char* when)
    {
        testing_support::processEvents();
        const QStringList cut = cutTexts(screen);
        EXPECT_TRUE(cut.isEmpty()) << when << ": " << cut.join(QStringLiteral("; ")).toStdString();
    }
};

TEST_P(CaptionsFit, EveryShownTextIsWhole)
{
    toTheMenuIn(GetParam());
    expectWhole(form<shell::Form_piano>(), "menu");
    expectWhole(form<players::Form_joueurs>(), "players");
    expectWhole(form<players::Form_nouveau_joueur>(), "new player");
    expectWhole(form<players::Form_options>(), "duration");
    expectWhole(form<players::Form_bulles>(), "note appearance");
    expectWhole(form<media::Form_bruitage>(), "effects");
    expectWhole(form<shell::Form_propos>(), "about");
    expectWhole(form<players::Form_score>(), "high scores");

    for (level_choice::Game game : level_choice::kGames) {
        level_choice::LevelChoiceScreen& choice = level_choice::levelChoiceScreen(game);
        choice.Show();
        const std::string code = choice.game().code.toStdString();
        expectWhole(choice, code.c_str());
        // A launch gives a fresh game screen.
        const auto gameScreen = [game]() -> platform::Form* {
            switch (game) {
            case level_choice::Game::nn:
            case level_choice::Game::nn2: return platform::loaded<games::name_keyboard::Form_nn>();
            case level_choice::Game::pn: return platform::loaded<games::staff_name::Form_pn>();
            default: return platform::loaded<games::staff_keyboard::Form_pp>();
            }
        };
        choice.Label_jouer.userClick();
        ASSERT_NE(gameScreen(), nullptr) << code;
        expectWhole(*gameScreen(), (code + " one player").c_str());
        auto* players = dynamic_cast<level_choice::PlayersLevelChoice*>(&choice);
        if (!players) {
            platform::unload(*gameScreen());
            platform::unload(choice);
            continue;  // the staff-to-name game has one player and the mouse only
        }
        // The prompt for the MIDI device, over the button row.
        players->Option5.userClick();
        choice.Label_jouer.userClick();
        ASSERT_NE(gameScreen(), nullptr) << code;
        expectWhole(*gameScreen(), (code + " MIDI").c_str());
        players->Option3.userClick();

        players->Option2.userClick();
        players->Text_nom1.setText(QStringLiteral("Zoé"));
        players->Text_nom2.setText(QStringLiteral("Léo"));
        expectWhole(choice, (code + " two players").c_str());
        choice.Label_jouer.userClick();
        ASSERT_NE(gameScreen(), nullptr) << code;
        expectWhole(*gameScreen(), (code + " game, two players").c_str());
        platform::unload(*gameScreen());
        platform::unload(choice);
    }
}

std::string languageName(const ::testing::TestParamInfo<int>& info)
{
    static const char* const names[] = {"francais", "anglais", "espagnol"};
    return names[info.param];
}

INSTANTIATE_TEST_SUITE_P(Languages, CaptionsFit, ::testing::Values(0, 1, 2), languageName);

} // namespace
} // namespace road_test
