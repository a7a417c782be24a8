#include "screenshots/pp_shot.h"

#include "games/staff_keyboard/form_pp.h"
#include "games/staff_keyboard/module_pp.h"
#include "media/form_image.h"
#include "media/res_picture.h"
#include "platform/timer.h"
#include "platform/vb.h"
#include "players/form_bulles.h"
#include "players/form_options.h"

namespace shots {

using namespace games::staff_keyboard;

platform::Form& preparePpScreenshot()
{
    Form_pp& pp = platform::form<Form_pp>();
    pp.Label_niveau.setCaption(QStringLiteral("3"));
    platform::form<players::Form_options>().Label_jeu.setCaption(QStringLiteral("pp"));
    platform::form<players::Form_options>().Text_temps.setText(QStringLiteral("60"));
    pp.setPicture(media::loadResourcePicture(QStringLiteral("fond"), QStringLiteral("jaune_clair")));
    auto& bulles = platform::form<players::Form_bulles>();
    // "pp" plays with bubbles.
    for (platform::Image* style : {&bulles.Image_ronde, &bulles.Image_blanche, &bulles.Image_noire, &bulles.Image_croche,
                                   &bulles.Image_bulle, &bulles.Image_smiley, &bulles.Image_foot, &bulles.Image_basket})
        style->setBorderStyle(style == &bulles.Image_bulle ? 1 : 0);
    pp.Label_apparence.setEnabled(false);
    pp.Metronome_stop.setPicture(platform::form<media::Form_image>().Metronome_droite_jaune_clair.picture());
    pp.Show();
    pp.Label_choix_jeu.setCaption(QStringLiteral("1"));
    colorer_touches_niveau_pp();

    // The same notes every time: middle C on the bass staff, then the A above it.
    platform::setRandomSource([] { return 0.5; });
    pp.Label_jouer.click();
    platform::TestClock::advance(3000);
    pp.enfoncer_touche(pp.Label_note.caption().toInt());
    pp.relacher_touche(pp.Label_note.caption().toInt());
    platform::setRandomSource([] { return 0.2; });
    platform::TestClock::advance(2000);
    platform::setRandomSource(nullptr);
    return pp;
}

} // namespace shots
