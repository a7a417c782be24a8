#pragma once
// A scripted state of the high-score screen for the screenshots: the table of "pp" with ten
// entries, a long name among them, and the player's new entry selected.  Its score files go to
// a folder of its own.

namespace platform {
class Form;
}

namespace shots {

platform::Form& prepareScoreScreenshot();

} // namespace shots
