#pragma once
// Scripted states of the name-to-keyboard game screen for the screenshots, reached from the
// main menu through the level-choice screen, in Spanish with the longest name, "sol
// sostenido", on show a few seconds into the round after one right answer.

namespace platform {
class Form;
}

namespace shots {

// game: "nn" or "nn2"; two players play on the computer keyboard, one player with the mouse.
// Needs the test clock installed and a current player.
platform::Form& prepareNnScreenshot(const char* game, bool twoPlayers);

} // namespace shots
