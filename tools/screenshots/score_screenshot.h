#pragma once
// The high-score screen of "pp" with ten entries and the player's new one selected.

namespace platform {
class Form;
}

namespace screenshots {
platform::Form& prepareScoreScreenshot();
}
