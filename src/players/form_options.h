#pragma once
// The game-duration dialog. Its widgets are the settings in force: Text_temps holds the
// duration of every game in seconds, Label_jeu the code of the game in play. Closing it stores
// the choice in the current player's record and hides it.

#include "platform/controls.h"
#include "platform/forms.h"

#include <array>

namespace players {

// The 16 durations, in seconds, of Option1 .. Option16.
inline constexpr std::array<int, 16> kSecondesDuree{30,  45,  60,  90,  120, 150, 180, 210,
                                                    240, 300, 360, 420, 480, 540, 600, 900};

class Form_options : public platform::Form {
    Q_OBJECT
public:
    Form_options();
    void Form_Load() override;

    platform::Shape Shape1{this, QStringLiteral("Shape1")};
#define TV_OPTION(k) platform::OptionButton Option##k{this, QStringLiteral("Option" #k)};
    TV_OPTION(1) TV_OPTION(2) TV_OPTION(3) TV_OPTION(4) TV_OPTION(5) TV_OPTION(6) TV_OPTION(7)
    TV_OPTION(8) TV_OPTION(9) TV_OPTION(10) TV_OPTION(11) TV_OPTION(12) TV_OPTION(13)
    TV_OPTION(14) TV_OPTION(15) TV_OPTION(16)
#undef TV_OPTION
    platform::Label Label_temp10{this, QStringLiteral("Label_temp10")};
    platform::Label Label11{this, QStringLiteral("Label11")};
    platform::Label Label14{this, QStringLiteral("Label14")};
    platform::Label Label15{this, QStringLiteral("Label15")};
    platform::Label Label16{this, QStringLiteral("Label16")};
    platform::Label Label12{this, QStringLiteral("Label12")};
    platform::Label Label17{this, QStringLiteral("Label17")};
    platform::Label Label13{this, QStringLiteral("Label13")};
    platform::Label Label18{this, QStringLiteral("Label18")};
    platform::Label Label19{this, QStringLiteral("Label19")};
    platform::Label Label20{this, QStringLiteral("Label20")};
    platform::Label Label21{this, QStringLiteral("Label21")};
    platform::Label Label22{this, QStringLiteral("Label22")};
    platform::Label Label23{this, QStringLiteral("Label23")};
    platform::Label Label24{this, QStringLiteral("Label24")};
    platform::Label Label1{this, QStringLiteral("Label1")};
    platform::Label Label_retour{this, QStringLiteral("Label_retour")};
    platform::TextBox Text_temps{this, QStringLiteral("Text_temps")};
    platform::Label Label_jeu{this, QStringLiteral("Label_jeu")};

    // Option1 .. Option16 by number (1 to 16).
    platform::OptionButton& option(int k) { return *options_[k - 1]; }

private:
    void Option_Click(int k);
    void Label_retour_Click();

    std::array<platform::OptionButton*, 16> options_;
};

} // namespace players
