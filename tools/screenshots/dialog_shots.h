#pragma once
// Scripted states of the level-choice screens and the effects dialog, for the screenshot tool.

namespace platform {
class Form;
}

namespace shots {

// Loads and shows the level-choice screen of game 1 .. 6 ("pp", "pp2", "pp3", "pn", "nn",
// "nn2") as a player sees it after passing the first levels: levels up to 4 unlocked, level 3
// selected, a name filled in.
platform::Form& prepareLevelChoiceScreenshot(int game);

// The dialog as the player sees it with effects 1, 3, 4 and 8 switched on, shown modeless for a
// picture of it (the sound output is not needed).
platform::Form& prepareBruitageScreenshot();

} // namespace shots
