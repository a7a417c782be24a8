#pragma once
// Finding the user's web browser.

#include <QString>

namespace shell {

// The browser's program as the desktop names it: the first command of the BROWSER variable,
// else Debian's x-www-browser when it is installed, else "" (none).
QString lire_navigateur_defaut();

// The program path of a browser command: a leading double quote is dropped and the text is cut
// before the next one, so a quoted path followed by arguments gives the path alone; a command
// without quotes stays whole.
QString programOfCommand(const QString& command);

// The maker's web site, opened from the main menu.
inline const char* const kMakerWebSite = "https://www.tastevolo.example/";

} // namespace shell
