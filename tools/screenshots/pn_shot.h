#pragma once
// A scripted state of the staff-to-name game screen for the screenshots: launched from its
// level-choice screen at level 10 (all 21 names), in the quarter-note style, a note on the
// staff two seconds into the round after one right answer, the pointer over one name.  In
// French, English or Spanish ("francais", "anglais", "espagnol").  Needs the test clock.

#include <QString>

namespace platform {
class Form;
}

namespace shots {

platform::Form& preparePnScreenshot(const QString& language);

} // namespace shots
