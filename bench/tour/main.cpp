// The memory of a long session with every picture: a scripted tour opens every screen, draws
// every level picture and every note picture of the eight styles the way the screens do, goes
// back to the main menu, then reports the process's resident memory and the time a recently used
// picture takes to load again. Run by `make bench`, in a process of its own so that nothing else
// measured there counts. The note player is the real one, with the SoundFont the program uses
// (given as the first argument), on SDL's dummy output.
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>

#include "games/staff_keyboard/form_pp.h"
#include "level_choice/games.h"
#include "level_choice/level_choice_screen.h"
#include "media/form_bruitage.h"
#include "media/form_image.h"
#include "media/res_picture.h"
#include "platform/application.h"
#include "platform/forms.h"
#include "platform/resources.h"
#include "platform/timer.h"
#include "platform/vb.h"
#include "players/form_bulles.h"
#include "players/form_joueurs.h"
#include "players/form_nouveau_joueur.h"
#include "players/form_options.h"
#include "players/form_password.h"
#include "screenshots/player_shots.h"
#include "shell/form_piano.h"
#include "shell/form_propos.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr double kResidentBudgetMb = 120;
constexpr double kRepeatedLoadBudgetMs = 0.2;

double residentMb(const char* field = "VmRSS:")
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(int(qstrlen(field))).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return -1;
}

void settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

const char* const kStyles[] = {"ronde", "smiley", "blanche", "noire", "croche", "bulle", "foot", "basket"};

int tour(const QString& soundFont)
{
    // The player screen, a player logged in, the main menu (which starts the note player on the
    // piano.sgt of the current folder).
    shots::prepareJoueursScreenshot();
    QFile::link(soundFont, QStringLiteral("piano.sgt"));
    auto& players = platform::form<players::Form_joueurs>();
    players.Text_password_test.setText(QString());
    players.DBCombo1.pick(1);
    players.Label_jouer.click();
    settle();
    int pictures = 0;

    // The settings dialogs and the about box, shown and closed.
    for (platform::Form* dialog : std::initializer_list<platform::Form*>{
             &platform::form<players::Form_options>(), &platform::form<players::Form_bulles>(),
             &platform::form<media::Form_bruitage>(), &platform::form<shell::Form_propos>(),
             &platform::form<players::Form_password>()}) {
        dialog->Show();
        settle();
        dialog->Hide();
    }
    platform::form<players::Form_nouveau_joueur>();

    // Every level-choice screen, and every level picture drawn on one of them.
    for (level_choice::Game game : level_choice::kGames) {
        level_choice::LevelChoiceScreen& screen = level_choice::levelChoiceScreen(game);
        screen.Show();
        settle();
    }
    auto& levels = level_choice::levelChoiceScreen(level_choice::Game::pp);
    for (const auto& [type, name] : platform::ResourceModule::embedded()->entries()) {
        if (type != QLatin1String("NIVEAUX"))
            continue;
        levels.Image_niveau.setPicture(media::loadResourcePicture(QStringLiteral("niveaux"), name));
        ++pictures;
        settle();
    }
    for (level_choice::Game game : level_choice::kGames)
        platform::unload(level_choice::levelChoiceScreen(game));

    // The game screen, and every note picture of every style drawn on its staff.
    auto& pp = platform::form<games::staff_keyboard::Form_pp>();
    pp.Show();
    settle();
    for (const char* style : kStyles) {
        for (const auto& [type, name] : platform::ResourceModule::embedded()->entries()) {
            if (type.compare(QLatin1String(style), Qt::CaseInsensitive) != 0)
                continue;
            (name.endsWith(QLatin1String("_2")) ? pp.Picture_note2 : pp.Picture_note)
                .setPicture(media::loadResourcePicture(QLatin1String(style), name));
            ++pictures;
            settle();
        }
    }
    // Back to the menu, as "Retour" leaves it.
    platform::unload(pp);
    settle();
    return pictures;
}

// The median time of loading a picture used a moment ago, in milliseconds.
double repeatedLoadMs()
{
    media::loadResourcePicture(QStringLiteral("bulle"), QStringLiteral("13_fa"));
    std::vector<double> times;
    for (int i = 0; i < 2001; ++i) {
        QElapsedTimer clock;
        clock.start();
        const QPixmap p = media::loadResourcePicture(QStringLiteral("bulle"), QStringLiteral("13_fa"));
        times.push_back(clock.nsecsElapsed() / 1e6);
    }
    std::nth_element(times.begin(), times.begin() + times.size() / 2, times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("SDL_AUDIODRIVER", "dummy");
    QApplication app(argc, argv);
    platform::initApplication(app);
    const QString soundFont = argc > 1 ? QString::fromLocal8Bit(argv[1])
                                       : QStringLiteral("/usr/share/sounds/sf2/FluidR3_GM.sf2");
    platform::TestClock::install();
    platform::setProgramEndHook([] {});
    platform::setMsgBoxHook([](const QString& text, int, const QString&) {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
        return 1;
    });
    platform::setDisplaySizeOverride(QSize(1024, 768));

    const double atStart = residentMb();
    int pictures = 0;
    platform::dispatch([&] { pictures = tour(soundFont); });
    settle();
    const double afterTour = residentMb();
    const double anonymous = residentMb("RssAnon:");
    const double fileBacked = residentMb("RssFile:");
    const double repeated = repeatedLoadMs();
    std::printf("Memory tour (note player on %s): %d pictures drawn on every screen; resident memory %.1f MB at start, "
                "%.1f MB after the tour (budget %.0f MB: %.1f MB the program's own, %.1f MB pages of its files); "
                "picture cache %.1f of %.1f MB\n",
                qPrintable(soundFont), pictures, atStart, afterTour, kResidentBudgetMb, anonymous, fileBacked, platform::pictureCacheBytes() / 1048576.0,
                platform::pictureCacheLimit() / 1048576.0);
    std::printf("Repeated load of a recently used picture: %.4f ms median (budget %.1f ms)\n", repeated,
                kRepeatedLoadBudgetMs);
    const bool within = afterTour <= kResidentBudgetMb && repeated < kRepeatedLoadBudgetMs;
    std::printf("%s\n", within ? "Both within budget." : "OVER BUDGET.");
    return within ? 0 : 1;
}
