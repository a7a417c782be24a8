#pragma once
// The sound effects: the modal dialog in which the player chooses which of the eight
// wrong-answer effects may play and listens to each, and the games' player of those effects.
//
//   Check1 .. Check8   the switches of effects 1 to 8 ("ah", "aie", "buzzer", "cri", "ou",
//                      "pouet", "prof", "rire"); value 1 is on, anything else off
//   Command_faux       plays one of the enabled effects at random (nothing when none is on)
//   Command_stop       silences the effect played last
//   Command_test       plays the effect whose index (0 to 7) is in Label_test_bruitages
//
// The effects are read from the program file's resources at every play. When the sound output
// cannot be opened the player says so at load, and again at every effect it is asked to play;
// the dialog and its switches go on working.

#include "platform/controls.h"
#include "platform/forms.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <memory>

namespace platform {
class EffectPlayer;
}

namespace media {

// The resource names (type "DMSEG") of the effects, by index 0 to 7.
inline constexpr std::array<const char*, 8> kNomsBruitages{"ah",    "aie",   "buzzer", "cri",
                                                           "ou",    "pouet", "prof",   "rire"};
// The gain of every effect, in decibels.
inline constexpr double kVolumeBruitagesDb = -10;

class Form_bruitage : public platform::Form {
    Q_OBJECT
public:
    Form_bruitage();
    ~Form_bruitage() override;
    void Form_Load() override;
    void Form_Unload() override;

    platform::Shape Shape1{this, QStringLiteral("Shape1")};
    platform::CheckBox Check1{this, QStringLiteral("Check1")};
    platform::CheckBox Check2{this, QStringLiteral("Check2")};
    platform::CheckBox Check3{this, QStringLiteral("Check3")};
    platform::CheckBox Check4{this, QStringLiteral("Check4")};
    platform::CheckBox Check5{this, QStringLiteral("Check5")};
    platform::CheckBox Check6{this, QStringLiteral("Check6")};
    platform::CheckBox Check7{this, QStringLiteral("Check7")};
    platform::CheckBox Check8{this, QStringLiteral("Check8")};
    // The test pictures: a click plays the effect of the same number.
    platform::Image Label_son1{this, QStringLiteral("Label_son1")};
    platform::Image Label_son2{this, QStringLiteral("Label_son2")};
    platform::Image Label_son3{this, QStringLiteral("Label_son3")};
    platform::Image Label_son4{this, QStringLiteral("Label_son4")};
    platform::Image Label_son5{this, QStringLiteral("Label_son5")};
    platform::Image Label_son6{this, QStringLiteral("Label_son6")};
    platform::Image Label_son7{this, QStringLiteral("Label_son7")};
    platform::Image Label_son8{this, QStringLiteral("Label_son8")};
    platform::Label Label_fermer_bruitages{this, QStringLiteral("Label_fermer_bruitages")};

    // Actions and a holder, outside the visible area.
    platform::CommandButton Command_faux{this, QStringLiteral("Command_faux")};
    platform::CommandButton Command_stop{this, QStringLiteral("Command_stop")};
    platform::CommandButton Command_test{this, QStringLiteral("Command_test")};
    platform::Label Label_test_bruitages{this, QStringLiteral("Label_test_bruitages")};

    // Check1 .. Check8 and Label_son1 .. Label_son8 by effect number (1 to 8).
    platform::CheckBox& Check(int k) { return *switches_.at(static_cast<std::size_t>(k - 1)); }
    platform::Image& Label_son(int k) { return *pictures_.at(static_cast<std::size_t>(k - 1)); }

    // Whether the sound output is open (false after a failed set-up).
    bool lecteurPret() const { return lecteurPret_; }
    // The effect loaded last (a PCM WAVE), which Command_stop silences; empty before the first.
    const QByteArray& segment_bruitage() const { return segment_bruitage_; }

private:
    void Command_faux_Click();
    void Command_stop_Click();
    void Command_test_Click();
    void Label_son_Click(int k);
    void Label_fermer_bruitages_Click();

    // Reads effect `index` (0 to 7) from the program file into segment_bruitage; false, with the
    // message shown, when it cannot be read.
    bool charger_bruitage(int index);
    // Plays segment_bruitage at the effects' gain; a failure shows the message.
    void jouer_segment();
    void signaler_echec();

    std::array<platform::CheckBox*, 8> switches_;
    std::array<platform::Image*, 8> pictures_;
    std::unique_ptr<platform::EffectPlayer> performance_musique_;
    QByteArray segment_bruitage_;
    bool lecteurPret_ = false;
};

} // namespace media
