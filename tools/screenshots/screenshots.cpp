#include "screenshots/screenshots.h"

#include "platform/forms.h"
#include "platform/timer.h"
#include "platform/vb.h"
#include "screenshots/nn_shot.h"
#include "screenshots/pn_shot.h"
#include "screenshots/pp_shot.h"
#include "screenshots/dialog_shots.h"
#include "games/staff_keyboard/form_pp.h"
#include "level_choice/form_choix_pp.h"
#include "platform/audio/effect_player.h"
#include "platform/audio/note_synth.h"
#include "platform/midi/fake_midi_input.h"
#include "players/form_joueurs.h"
#include "screenshots/player_shots.h"
#include "screenshots/score_shot.h"
#include "shell/form_piano.h"
#include "shell/form_propos.h"
#include "shell/form_resolution.h"

#include <QDir>
#include <QTemporaryDir>

#include <QCoreApplication>
#include <QPixmap>
#include <QTextStream>

#include <functional>
#include <vector>

namespace screenshots {

namespace {
struct Shot {
    const char* file;
    std::function<platform::Form&()> prepare;
};

void settle()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

void unloadAll()
{
    for (int guard = 0; guard < 100 && !platform::loadedForms().empty(); ++guard)
        platform::unload(*platform::loadedForms().back());
    settle();
}
} // namespace

int writeAll(const QString& outDir)
{
    platform::TestClock::install();
    // Pictures only: no sound output is needed.
    platform::RecordingNoteSynth::installFactory();
    platform::setEffectPlayerFactory([] { return std::make_unique<platform::RecordingEffectPlayer>(); });
    // MIDI devices of a typical machine with a keyboard plugged in; the sequencer is not asked.
    platform::FakeMidiInput::installFactory({QStringLiteral("Midi Through Port-0"),
                                            QStringLiteral("Clavier USB MIDI 1"), QString()});
    platform::setProgramEndHook([] {});
    platform::setMsgBoxHook([](const QString& text, int, const QString&) {
        QTextStream(stderr) << "message: " << text << '\n';
        return 1;
    });
    // A display wider than the screens, so that the menu keeps its own size.
    platform::setDisplaySizeOverride(QSize(1024, 768));
    QTemporaryDir work;
    QDir::setCurrent(work.path());
    auto menu = []() -> platform::Form& {
        shots::prepareJoueursScreenshot();
        auto& p = platform::form<players::Form_joueurs>();
        p.Text_password_test.setText(QString());
        p.DBCombo1.pick(1);
        p.Label_jouer.click();
        return platform::form<shell::Form_piano>();
    };
    const std::vector<Shot> shots = {
        {"Form_resolution_narrow.png", [] {
             platform::setDisplaySizeOverride(QSize(640, 480));
             return std::ref<platform::Form>(platform::form<shell::Form_resolution>());
         }},
        {"Form_joueurs.png", [] { return std::ref(shots::prepareJoueursScreenshot()); }},
        {"Form_nouveau_joueur.png", [] { return std::ref(shots::prepareNouveauJoueurScreenshot()); }},
        {"Form_password.png", [] { return std::ref(shots::preparePasswordScreenshot()); }},
        {"Form_options.png", [] { return std::ref(shots::prepareOptionsScreenshot()); }},
        {"Form_bulles.png", [] { return std::ref(shots::prepareBullesScreenshot()); }},
        {"Form_piano.png", menu},
        {"Form_propos.png", [menu]() -> platform::Form& {
             menu();
             auto& about = platform::form<shell::Form_propos>();
             about.Command2.click();
             about.Show();
             return about;
         }},
        {"Form_choix_pp.png", [] { return std::ref(shots::prepareLevelChoiceScreenshot(1)); }},
        {"Form_choix_pp2.png", [] { return std::ref(shots::prepareLevelChoiceScreenshot(2)); }},
        {"Form_choix_pp3.png", [] { return std::ref(shots::prepareLevelChoiceScreenshot(3)); }},
        {"Form_choix_pn.png", [] { return std::ref(shots::prepareLevelChoiceScreenshot(4)); }},
        {"Form_choix_nn.png", [] { return std::ref(shots::prepareLevelChoiceScreenshot(5)); }},
        {"Form_choix_nn2.png", [] { return std::ref(shots::prepareLevelChoiceScreenshot(6)); }},
        {"Form_bruitage.png", [] { return std::ref<platform::Form>(shots::prepareBruitageScreenshot()); }},
        {"Form_pp_mid_round.png", [] { return std::ref(shots::preparePpScreenshot()); }},
        {"Form_pn_mid_round.png", [] { return std::ref(shots::preparePnScreenshot(QStringLiteral("francais"))); }},
        {"Form_pn_mid_round_en.png", [] { return std::ref(shots::preparePnScreenshot(QStringLiteral("anglais"))); }},
        {"Form_pn_mid_round_es.png", [] { return std::ref(shots::preparePnScreenshot(QStringLiteral("espagnol"))); }},
        {"Form_nn_nn_one_player.png", [menu]() -> platform::Form& { menu(); return shots::prepareNnScreenshot("nn", false); }},
        {"Form_nn_nn_two_players.png", [menu]() -> platform::Form& { menu(); return shots::prepareNnScreenshot("nn", true); }},
        {"Form_nn_nn2_one_player.png", [menu]() -> platform::Form& { menu(); return shots::prepareNnScreenshot("nn2", false); }},
        {"Form_nn_nn2_two_players.png", [menu]() -> platform::Form& { menu(); return shots::prepareNnScreenshot("nn2", true); }},
        {"Form_pp_midi_port.png", []() -> platform::Form& {
             // "pp" launched with the MIDI instrument chosen: the prompt, the ports and "Ok".
             auto& choice = static_cast<level_choice::Form_choix_pp&>(shots::prepareLevelChoiceScreenshot(1));
             choice.Option5.click();
             choice.Option5.setValue(true);
             choice.Label_jouer.click();
             auto& pp = platform::form<games::staff_keyboard::Form_pp>();
             pp.List1.setListIndex(1);
             return pp;
         }},
        {"Form_score.png", [] { return std::ref(shots::prepareScoreScreenshot()); }},
    };
    QTextStream out(stdout);
    int failures = 0;
    for (const Shot& shot : shots) {
        platform::dispatch([&] {
            platform::Form& f = shot.prepare();
            settle();
            const QString path = outDir + '/' + QLatin1String(shot.file);
            if (!f.grab().save(path))
                ++failures;
            out << path << Qt::endl;
        });
        unloadAll();
        platform::setDisplaySizeOverride(QSize(1024, 768));
        QDir::setCurrent(work.path());
    }
    return failures == 0 ? 0 : 1;
}

} // namespace screenshots
