#include "screenshots/pn_shot.h"

#include "games/staff_name/form_pn.h"
#include "level_choice/form_choix_pn.h"
#include "media/form_traduction.h"
#include "platform/timer.h"
#include "platform/vb.h"
#include "players/form_bulles.h"
#include "players/form_joueurs.h"

namespace shots {

using games::staff_name::Form_pn;

platform::Form& preparePnScreenshot(const QString& language)
{
    platform::form<players::Form_joueurs>().Label_langue.setCaption(language);
    platform::form<media::Form_traduction>().Command_langue.click();

    auto& choice = platform::form<level_choice::Form_choix_pn>();
    choice.levelEntry(10).setEnabled(true);
    choice.levelEntry(10).userClick();
    choice.Label_jouer.click();
    Form_pn& pn = platform::form<Form_pn>();
    auto& bulles = platform::form<players::Form_bulles>();
    for (platform::Image* style : {&bulles.Image_ronde, &bulles.Image_blanche, &bulles.Image_noire, &bulles.Image_croche,
                                   &bulles.Image_bulle, &bulles.Image_smiley, &bulles.Image_foot, &bulles.Image_basket})
        style->setBorderStyle(style == &bulles.Image_noire ? 1 : 0);

    // The same notes every time: the low C on the bass staff, then the D above middle C.
    platform::setRandomSource([] { return 0.02; });
    pn.Label_jouer.click();
    platform::TestClock::advance(3000);
    if (platform::Label* right = pn.bouton_du_nom(pn.Label_nom.caption()))
        right->userClick();
    platform::setRandomSource([] { return 0.6; });
    platform::TestClock::advance(2000);
    platform::setRandomSource(nullptr);
    pn.Command_fad.userMouseMove();
    return pn;
}

} // namespace shots
