#include "level_choice/name_keyboard_choice.h"

#include "games/common/launch.h"
#include "games/name_keyboard/form_nn.h"
#include "games/name_keyboard/module_nn.h"
#include "media/res_picture.h"
#include "platform/vb.h"
#include "players/form_options.h"
#include "players/module2.h"

namespace level_choice {

using games::name_keyboard::Form_nn;

NameKeyboardChoice::NameKeyboardChoice(const QString& formName, const GameLevels& game, const QString& gameNumber)
    : PlayersLevelChoice(formName, game), gameNumber_(gameNumber)
{
    Frame1.place(720, 3240, 7860, 855);
    Frame2.place(8640, 3240, 2625, 855);
    Label_score.place(120, 240, 2355, 495);
    setEntries({TV_LEVEL_ENTRIES_4(TV_LEVEL_ENTRY_ADDRESS, )}, Label_score);
    const double lefts[] = {120, 2040, 3960, 5880};
    for (int level = 1; level <= levelCount(); ++level)
        levelEntry(level).place(lefts[level - 1], 240, level == 2 ? 1875 : 1845, 495);
}

void NameKeyboardChoice::launch(int level)
{
    // Every launch starts on a freshly loaded game screen: no input mode, player layout or
    // key hints of an earlier launch survive, and none is left half-built.
    games::common::lancer_ecran_neuf<Form_nn>([this, level] { handOver(level); });
}

void NameKeyboardChoice::handOver(int level)
{
    // The first touch loads the game screen; its load runs before the level lands.
    Form_nn& nn = platform::form<Form_nn>();
    nn.Label_niveau.setCaption(platform::str(level));
    markScoredRun(nn.save_score);
    platform::form<players::Form_options>().Label_jeu.setCaption(game().code);
    nn.Metronome_stop.setPicture(storedMetronome(game().colour));
    nn.setPicture(media::loadResourcePicture(QStringLiteral("fond"), game().colour));
    nn.Label_choix_jeu.setCaption(gameNumber_);
    nn.Show();
    handOverPlayers(nn, &games::name_keyboard::bloquer_souris_touches_nn);
    games::name_keyboard::colorer_touches_niveau_nn();
}

} // namespace level_choice
