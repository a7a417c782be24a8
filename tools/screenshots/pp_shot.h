#pragma once
// A scripted state of the staff-to-keyboard game screen for the screenshots: game "pp", level
// 3, mouse play, one player, a note on the staff two seconds into the round and one right
// answer given.  Needs the test clock installed.

namespace platform {
class Form;
}

namespace shots {

platform::Form& preparePpScreenshot();

} // namespace shots
