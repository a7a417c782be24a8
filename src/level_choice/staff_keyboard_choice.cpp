#include "level_choice/staff_keyboard_choice.h"

#include "games/common/launch.h"
#include "games/staff_keyboard/form_pp.h"
#include "games/staff_keyboard/module_pp.h"
#include "media/form_image.h"
#include "media/res_picture.h"
#include "platform/vb.h"
#include "players/form_bulles.h"
#include "players/form_options.h"
#include "players/module2.h"

namespace level_choice {

namespace {

using games::staff_keyboard::Form_pp;

} // namespace

StaffKeyboardChoice::StaffKeyboardChoice(const QString& formName, const GameLevels& game,
                                         const StaffLaunch& staff)
    : PlayersLevelChoice(formName, game), staff_(staff)
{
    Frame1.place(720, 3240, 8220, 855);
    Frame2.place(9000, 3240, 2260, 855);
    Label_score.place(120, 240, 1990, 495);
    setEntries({TV_LEVEL_ENTRIES_14(TV_LEVEL_ENTRY_ADDRESS, )}, Label_score);
    for (int level = 1; level <= levelCount(); ++level)
        levelEntry(level).place(120 + 572 * (level - 1), 240, 525, 495);
}

void StaffKeyboardChoice::launch(int level)
{
    // Every launch starts on a freshly loaded game screen: no input mode, player layout, key
    // pictures or level of an earlier launch survives, and none is left half-built.
    games::common::lancer_ecran_neuf<Form_pp>([this, level] { handOver(level); });
}

void StaffKeyboardChoice::handOver(int level)
{
    // The first touch loads the game screen; its load runs before the level lands.
    Form_pp& pp = platform::form<Form_pp>();
    pp.Label_niveau.setCaption(platform::str(level));
    markScoredRun(pp.save_score);
    platform::form<players::Form_options>().Label_jeu.setCaption(game().code);
    pp.setPicture(media::loadResourcePicture(QStringLiteral("fond"), game().colour));
    if (staff_.forcesBubble) {
        players::Form_bulles& bulles = platform::form<players::Form_bulles>();
        for (platform::Image* style : {&bulles.Image_ronde, &bulles.Image_blanche, &bulles.Image_noire,
                                       &bulles.Image_croche, &bulles.Image_bulle, &bulles.Image_smiley,
                                       &bulles.Image_foot, &bulles.Image_basket})
            style->setBorderStyle(style == &bulles.Image_bulle ? 1 : 0);
        players::enregistrer_apparence_notes();
        games::staff_keyboard::choisir_apparence_note_pp();
        pp.Label_apparence.setEnabled(false);
    }
    pp.Metronome_stop.setPicture(storedMetronome(game().colour));
    pp.Show();
    pp.Label_choix_jeu.setCaption(staff_.gameNumber);
    handOverPlayers(pp, &games::staff_keyboard::bloquer_souris_touches_pp);
    games::staff_keyboard::colorer_touches_niveau_pp();
}

} // namespace level_choice
