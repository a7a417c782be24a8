#include "screenshots/nn_shot.h"

#include "games/name_keyboard/form_nn.h"
#include "level_choice/games.h"
#include "level_choice/name_keyboard_choice.h"
#include "media/form_traduction.h"
#include "platform/timer.h"
#include "platform/vb.h"
#include "players/form_joueurs.h"
#include "players/form_options.h"

namespace shots {

platform::Form& prepareNnScreenshot(const char* game, bool twoPlayers)
{
    using games::name_keyboard::Form_nn;
    platform::form<players::Form_joueurs>().Label_langue.setCaption(QStringLiteral("espagnol"));
    platform::form<media::Form_traduction>().Command_langue.click();

    auto& choice = dynamic_cast<level_choice::NameKeyboardChoice&>(
        *level_choice::levelChoiceScreen(QString::fromLatin1(game)));
    choice.Show();
    for (int level = 2; level <= 4; ++level)
        choice.levelEntry(level).setEnabled(true);
    choice.Text_nom1.setText(QStringLiteral("Lucas"));
    if (twoPlayers) {
        choice.Option2.userClick();
        choice.Text_nom2.setText(QStringLiteral("Inés"));
    }
    // Level 2 asks the sharps; two players play every name at level 4.
    const int level = twoPlayers ? 4 : 2;
    choice.levelEntry(level).userClick();
    choice.Label_jouer.userClick();

    Form_nn& nn = platform::form<Form_nn>();
    platform::form<players::Form_options>().Text_temps.setText(QStringLiteral("60"));
    // Draw 5 of 7 at level 2, draw 12 of 21 at level 4: sol sostenido (G sharp).
    platform::setRandomSource([level] { return level == 2 ? 0.6 : 0.55; });
    nn.Label_jouer.click();
    platform::TestClock::advance(3000);
    nn.Label_reponse_joueur.setCaption(QStringLiteral("2"));
    nn.enfoncer_touche(16);
    nn.relacher_touche(16);
    platform::TestClock::advance(4000);
    platform::setRandomSource(nullptr);
    return nn;
}

} // namespace shots
