#pragma once
// Start of the program: the application object, fonts, embedded resources.

class QApplication;

namespace platform {

// Sets up what every screen relies on (font substitutes, resources, the program's icon).
// The program ends when no screen is loaded, not when the last window closes.
void initApplication(QApplication& app);

} // namespace platform
