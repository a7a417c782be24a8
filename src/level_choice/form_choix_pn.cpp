#include "level_choice/form_choix_pn.h"

#include "games/common/launch.h"
#include "games/staff_name/form_pn.h"
#include "games/staff_name/module_pn.h"
#include "level_choice/games.h"
#include "media/form_traduction.h"
#include "platform/vb.h"
#include "players/form_options.h"
#include "players/module2.h"

namespace level_choice {

Form_choix_pn::Form_choix_pn() : LevelChoiceScreen(QStringLiteral("Form_choix_pn"), gameLevels(Game::pn))
{
    Shape1.place(360, 840, 3255, 7170);
    Label_niveau.place(600, 1200, 1650, 495);
    Label_niveau.setFont(QStringLiteral("MS Sans Serif"), 20.25, true);
    Label_niveau.setForeColor(0xFF0000);
    Label_niveau.setBackStyle(0);
    Label_niveau.setAlignment(2);
    setEntries({TV_LEVEL_ENTRIES_14(TV_LEVEL_ENTRY_ADDRESS, )}, Label_score);
    // Odd levels in the left column, even ones in the right, two levels a row.
    for (int level = 1; level <= levelCount(); ++level)
        levelEntry(level).place(level % 2 ? 600 : 2040, 2280 + 720 * ((level - 1) / 2), 1290, 495);
    Label_score.place(600, 7320, 2730, 495);
    Image_niveau.place(3960, 840, 7815, 7155);
    Metronome_stop.place(2640, 960, 750, 1125);
    Label_jouer.place(9960, 8520, 1935, 375);
}

void Form_choix_pn::loadTexts(const media::Form_traduction& texts)
{
    LevelChoiceScreen::loadTexts(texts);
    Label_niveau.setCaption(texts.niveau.caption());
}

void Form_choix_pn::launch(int level)
{
    using games::staff_name::Form_pn;
    // A screen still open from an earlier launch closes first: a lower level never keeps the
    // name buttons of a higher one.
    games::common::lancer_ecran_neuf<Form_pn>([this, level] {
        // The first touch loads the game screen; its load runs before the level lands.
        Form_pn& pn = platform::form<Form_pn>();
        pn.Label_niveau.setCaption(platform::str(level));
        markScoredRun(pn.save_score);
        pn.Show();
        platform::form<players::Form_options>().Label_jeu.setCaption(QStringLiteral("pn"));
        games::staff_name::afficher_boutons_notes_pn();
        players::charger_bruitages();
        players::charger_duree();
    });
}

} // namespace level_choice
