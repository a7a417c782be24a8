#include "support/test_support.h"

#include "platform/forms.h"
#include "platform/midi/fake_midi_input.h"
#include "platform/timer.h"
#include "platform/vb.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>

#include <csignal>
#include <sys/resource.h>

namespace testing_support {

namespace {
LogCapture* g_capture = nullptr;
QtMessageHandler g_previousHandler = nullptr;
} // namespace

LogCapture::LogCapture()
{
    g_capture = this;
    g_previousHandler = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& text) {
        if (type == QtWarningMsg && g_capture)
            g_capture->lines << text;
        else if (g_previousHandler)
            g_previousHandler(type, context, text);
    });
}

LogCapture::~LogCapture()
{
    qInstallMessageHandler(g_previousHandler);
    g_capture = nullptr;
}

FileSizeLimit::FileSizeLimit(long long bytes)
{
    rlimit limit{};
    if (::getrlimit(RLIMIT_FSIZE, &limit) != 0)
        return;
    previousSoft_ = static_cast<long long>(limit.rlim_cur);
    previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    limit.rlim_cur = static_cast<rlim_t>(bytes);
    ok_ = ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
}

FileSizeLimit::~FileSizeLimit()
{
    rlimit limit{};
    if (ok_ && ::getrlimit(RLIMIT_FSIZE, &limit) == 0) {
        limit.rlim_cur = static_cast<rlim_t>(previousSoft_);
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    std::signal(SIGXFSZ, previousHandler_ == SIG_ERR ? SIG_DFL : previousHandler_);
}

ScreenTest::ScreenTest()
{
    platform::TestClock::install();
    platform::setDisplaySizeOverride(QSize(1024, 768));
    platform::setMsgBoxHook([this](const QString& text, int, const QString&) {
        messages << text;
        runMessageBoxLoop();
        return 1;
    });
    platform::setProgramEndHook([this] { ++programEnds; });
    midi = platform::FakeMidiInput::installFactory();
}

ScreenTest::~ScreenTest()
{
    platform::setModalHook(nullptr);
    unloadAll();
    processEvents();
    platform::setMsgBoxHook(nullptr);
    platform::setProgramEndHook(nullptr);
    platform::setMidiInputFactory(nullptr);
    platform::setDisplaySizeOverride(std::nullopt);
    platform::setRandomSource(nullptr);
    platform::TestClock::uninstall();
}

void processEvents()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
}

void runMessageBoxLoop()
{
    QEventLoop loop;
    QTimer::singleShot(0, &loop, &QEventLoop::quit);
    loop.exec();
}

void advance(qint64 ms) { platform::TestClock::advance(ms); }

void unloadAll()
{
    for (int guard = 0; guard < 100; ++guard) {
        auto forms = platform::loadedForms();
        if (forms.empty())
            break;
        platform::unload(*forms.back());
    }
}

} // namespace testing_support
