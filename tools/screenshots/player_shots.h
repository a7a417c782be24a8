#pragma once
// Scripted states of the player screens, for the screenshot tool. They work in a temporary
// folder of their own, which becomes the current directory (JOUEURS.MDB, langue.tvo).

namespace platform {
class Form;
}

namespace shots {

// The player screen with two players listed, the first picked and a password typed.
platform::Form& prepareJoueursScreenshot();
// The new-player dialog with a name, "Oui" chosen and a password typed.
platform::Form& prepareNouveauJoueurScreenshot();
// The game-duration dialog as a first game finds it (one minute).
platform::Form& prepareOptionsScreenshot();
// The note-appearance dialog with ronde and noire chosen.
platform::Form& prepareBullesScreenshot();
// The message screen saying the password is wrong.
platform::Form& preparePasswordScreenshot();

} // namespace shots
