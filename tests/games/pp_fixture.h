#pragma once
// Shared by the tests of the staff game screens: a temporary folder as the current directory
// (player database, language file), the test clock, recording sound engines, a log of the note
// player's and the effect player's buttons, and a scripted random source.

#include "games/common/piano_keys.h"
#include "games/common/round.h"
#include "games/staff_keyboard/form_pp.h"
#include "games/staff_name/form_pn.h"
#include "media/form_bruitage.h"
#include "media/form_instrument.h"
#include "platform/audio/effect_player.h"
#include "platform/audio/note_synth.h"
#include "platform/vb.h"
#include "players/form_bulles.h"
#include "players/form_nouveau_joueur.h"
#include "players/form_options.h"
#include "support/test_support.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>
#include <ostream>
#include <vector>

namespace pp_test {

using games::staff_keyboard::Form_pp;
using platform::str;

// Random numbers handed out in order; 0 once the script is used up.
class ScriptedRandom {
public:
    void install()
    {
        platform::setRandomSource([this] {
            ++draws;
            if (script.empty())
                return 0.0;
            const double x = script.front();
            script.pop_front();
            return x;
        });
    }
    std::deque<double> script;
    int draws = 0;
};

// Every press of a note player button and of the effect player's two actions, in order:
// "C5_MD", "C5_MU", "pp 20" / "pn 20" (the note to find, with its game's Label_note), "faux",
// "stop".
class SoundLog {
public:
    void attach()
    {
        for (int k = 1; k <= games::common::kKeyCount; ++k) {
            wrap(games::common::noteOnButton(k), games::common::noteButtonStem(k) + QStringLiteral("_MD"));
            wrap(games::common::noteOffButton(k), games::common::noteButtonStem(k) + QStringLiteral("_MU"));
        }
        auto& instrument = platform::form<media::Form_instrument>();
        auto previous = instrument.Command_pp.onClick;
        instrument.Command_pp.onClick = [this, previous] {
            entries << QStringLiteral("pp ") + platform::form<Form_pp>().Label_note.caption();
            if (previous)
                previous();
        };
        auto previousPn = instrument.Command_pn.onClick;
        instrument.Command_pn.onClick = [this, previousPn] {
            entries << QStringLiteral("pn ") + platform::form<games::staff_name::Form_pn>().Label_note.caption();
            if (previousPn)
                previousPn();
        };
        auto& effects = platform::form<media::Form_bruitage>();
        wrap(effects.Command_faux, QStringLiteral("faux"));
        wrap(effects.Command_stop, QStringLiteral("stop"));
    }
    QStringList take()
    {
        QStringList out = entries;
        entries.clear();
        return out;
    }
    QStringList entries;

private:
    void wrap(platform::CommandButton& button, const QString& name)
    {
        auto previous = button.onClick;
        button.onClick = [this, name, previous] {
            entries << name;
            if (previous)
                previous();
        };
    }
};

// One step of a round's timeline: what is done, then the state in one line and the sounds
// it should give.
struct Step {
    const char* what;
    std::function<void()> act;
    QString state;
    QStringList sounds;
};

// Runs the steps in order, comparing the state and the sounds after each.
inline void runSteps(const std::vector<Step>& steps, const std::function<QString()>& state, SoundLog& sounds)
{
    for (const Step& s : steps) {
        SCOPED_TRACE(s.what);
        s.act();
        EXPECT_EQ(state(), s.state);
        EXPECT_EQ(sounds.take(), s.sounds);
    }
}

// A step that lets the test clock run.
inline std::function<void()> wait(int ms)
{
    return [ms] { testing_support::advance(ms); };
}

// The round's state in one line, for the screens without a pause after a wrong answer: the
// countdown, seconds, score, bars, timers, pause, and the question on the screen (its text, and
// "(hidden)" while it is not shown).
inline QString roundState(const games::common::RoundWidgets& w, const char* question, const QString& text, bool shown)
{
    return QStringLiteral("debut=%1%2 temps=%3 score=%4 barS=%5 barT=%6 T1=%7 T2=%8 T4=%9 pause=%10 %11=%12%13")
        .arg(w.Label_debut.caption(), w.Label_debut.visible() ? QString() : QStringLiteral("(hidden)"),
             w.Label_temps.caption(), w.Label_score.caption(), str(w.Label_barre_score.width()),
             str(w.Label_barre_temps.width()))
        .arg(int(w.Timer1.enabled()))
        .arg(int(w.Timer2.enabled()))
        .arg(int(w.Timer4.enabled()))
        .arg(w.Label_timer2.caption(), QString::fromLatin1(question), text, shown ? QString() : QStringLiteral("(hidden)"));
}

// What every staff game screen's tests start from; the game screen is not loaded yet.
class GameScreenTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        oldDir_ = QDir::currentPath();
        QDir::setCurrent(dir_.path());
        QFile language(QStringLiteral("langue.tvo"));
        ASSERT_TRUE(language.open(QIODevice::WriteOnly));
        language.write("1\r\n");
        language.close();
        synthLog_ = platform::RecordingNoteSynth::installFactory();
        effectLog_ = platform::RecordingEffectPlayer::installFactory();
        random.install();
        sounds.attach();
    }

    void TearDown() override
    {
        testing_support::unloadAll();
        testing_support::processEvents();
        platform::setNoteSynthFactory(nullptr);
        platform::setEffectPlayerFactory(nullptr);
        QDir::setCurrent(oldDir_);
    }

    // A new player's row, saved: the record's stores then reach the file.
    static void newPlayerRow()
    {
        auto& record = platform::form<players::Form_nouveau_joueur>();
        record.Command1.click();
        record.Text_nom.setText(QStringLiteral("Zoé"));
        ASSERT_TRUE(record.Data1.save());
        // The new player logs in: only then does the record take stores.
        ASSERT_TRUE(record.Data1.moveTo(*record.Data1.bookmark()));
    }

    static void setDuration(const QString& seconds)
    {
        platform::form<players::Form_options>().Text_temps.setText(seconds);
    }

    // Ticks the one style (1 to 8) in the appearance dialog.
    static void chooseStyle(int style)
    {
        auto& b = platform::form<players::Form_bulles>();
        const std::array<platform::Image*, 8> images{&b.Image_ronde, &b.Image_smiley, &b.Image_blanche,
                                                     &b.Image_noire, &b.Image_croche, &b.Image_bulle,
                                                     &b.Image_foot,  &b.Image_basket};
        for (size_t i = 0; i < images.size(); ++i)
            images[i]->setBorderStyle(static_cast<int>(i) + 1 == style ? 1 : 0);
    }

    // Sound effects that fail to play (each failure shows its message box), with one switch on.
    static void failingEffects()
    {
        platform::unload<media::Form_bruitage>();
        platform::RecordingEffectPlayer::installFactory(QStringLiteral("no sound output"));
        platform::form<media::Form_bruitage>().Check1.setValue(1);
    }

    testing_support::ScreenTest screens;
    ScriptedRandom random;
    SoundLog sounds;

private:
    QTemporaryDir dir_;
    QString oldDir_;
    std::shared_ptr<platform::RecordingNoteSynth::Log> synthLog_;
    std::shared_ptr<platform::RecordingEffectPlayer::Log> effectLog_;
};

class PpScreen : public GameScreenTest {
protected:
    void SetUp() override
    {
        GameScreenTest::SetUp();
        pp().Label_niveau.setCaption(QStringLiteral("1"));
        pp().Label_choix_jeu.setCaption(QStringLiteral("1"));
        setDuration(QStringLiteral("60"));
        chooseStyle(6);
    }

    static Form_pp& pp() { return platform::form<Form_pp>(); }

    // "Jouer/Rejouer", then the three seconds of the countdown: the first note is shown.
    void startGame()
    {
        pp().Label_jouer.userClick();
        testing_support::advance(3000);
    }

    static void press(int key)
    {
        pp().touche(key).userMouseDown();
        pp().touche(key).userMouseUp();
    }

    static int noteKey() { return static_cast<int>(platform::val(pp().Label_note.caption())); }
    static int wrongKey() { return noteKey() == 1 ? 2 : 1; }

    // The round's state in one line.
    static QString state()
    {
        Form_pp& f = pp();
        return QStringLiteral("debut=%1%2 temps=%3 score=%4 barS=%5 barT=%6 T1=%7 T2=%8 T3=%9 T4=%10 pause=%11 note=%12%13")
            .arg(f.Label_debut.caption(), f.Label_debut.visible() ? QString() : QStringLiteral("(hidden)"),
                 f.Label_temps.caption(), f.Label_score.caption(), str(f.Label_barre_score.width()),
                 str(f.Label_barre_temps.width()))
            .arg(int(f.Timer1.enabled()))
            .arg(int(f.Timer2.enabled()))
            .arg(int(f.Timer3.enabled()))
            .arg(int(f.Timer4.enabled()))
            .arg(f.Label_timer2.caption(), f.Label_note.caption(),
                 f.Picture_note.visible() ? QString() : QStringLiteral("(hidden)"));
    }
};

} // namespace pp_test
