#pragma once
// What the player screens and settings dialogs do first when they load.

namespace platform {
class Form;
}

namespace players {

// Centres the screen on the display and paints the blue background of the program file.
void centrer_sur_fond_bleu(platform::Form& screen);

} // namespace players
