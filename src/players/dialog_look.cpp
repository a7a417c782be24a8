#include "players/dialog_look.h"

#include "media/res_picture.h"
#include "platform/forms.h"
#include "platform/resources.h"

namespace players {

void centrer_sur_fond_bleu(platform::Form& screen)
{
    screen.centre();
    media::ResPicture rp;
    rp.setFileName(platform::programFile());
    screen.setPicture(rp.LoadResPicture("fond", "bleu"));
}

} // namespace players
