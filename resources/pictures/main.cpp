// tv_gen_pictures: draws every picture the program carries.
//
//   tv_gen_pictures <outdir>
//       draws all pictures under <outdir> and writes <outdir>/pictures.qrc, whose aliases are
//       the resource paths the program opens (res/<TYPE>/<NAME>.<ext>, design/<Form>/<widget>.<ext>)
//   tv_gen_pictures --contact-sheets <picturesdir> <outdir>
//       reads the pictures drawn before and writes one overview sheet per resource folder
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSaveFile>
#include <QSet>
#include <QTextStream>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

#include "art.h"
#include "contact_sheets.h"

namespace {

bool savePicture(const QImage& img, const QString& path)
{
    if (path.endsWith(QLatin1String(".jpg"))) {
        // JPEG has no transparency: flatten onto white
        QImage flat(img.size(), QImage::Format_RGB32);
        flat.fill(Qt::white);
        QPainter p(&flat);
        p.drawImage(0, 0, img);
        p.end();
        return flat.save(path, "JPG", 90);
    }
    return img.save(path, "PNG", 40);
}

QString xmlEscaped(const QString& s)
{
    return s.toHtmlEscaped();
}

int drawAll(const QString& outDir)
{
    QElapsedTimer clock;
    clock.start();
    QString error;
    if (!art::loadFonts(&error)) {
        std::fprintf(stderr, "tv_gen_pictures: %s\n", qPrintable(error));
        return 1;
    }
    art::Jobs jobs;
    art::addNotePictures(jobs);
    art::addBackgrounds(jobs);
    art::addStorePictures(jobs);
    art::addLevelPictures(jobs);
    art::addMenuPictures(jobs);

    QSet<QString> seen;
    QSet<QString> dirs;
    for (const art::Job& job : jobs) {
        if (seen.contains(job.alias)) {
            std::fprintf(stderr, "tv_gen_pictures: %s is drawn twice\n", qPrintable(job.alias));
            return 1;
        }
        seen.insert(job.alias);
        dirs.insert(QFileInfo(job.alias).path());
    }
    QDir out(outDir);
    for (const QString& d : dirs) {
        if (!out.mkpath(d)) {
            std::fprintf(stderr, "tv_gen_pictures: cannot create %s/%s\n", qPrintable(outDir), qPrintable(d));
            return 1;
        }
    }

    std::atomic<size_t> next{0};
    std::mutex failMutex;
    QStringList failures;
    auto worker = [&] {
        for (size_t i = next++; i < jobs.size(); i = next++) {
            const art::Job& job = jobs[i];
            QString why;
            if (!job.draw) {
                QFile f(out.filePath(job.alias));
                if (!f.open(QIODevice::WriteOnly) || f.write(job.text) != job.text.size())
                    why = QStringLiteral("could not be written");
            } else {
                const QImage img = job.draw();
                if (img.isNull())
                    why = QStringLiteral("drew nothing");
                else if (!savePicture(img, out.filePath(job.alias)))
                    why = QStringLiteral("could not be written");
            }
            if (!why.isEmpty()) {
                std::lock_guard<std::mutex> lock(failMutex);
                failures << job.alias + QLatin1Char(' ') + why;
            }
        }
    };
    const unsigned n = std::clamp(std::thread::hardware_concurrency(), 2u, 16u);
    std::vector<std::thread> threads;
    for (unsigned i = 0; i < n; ++i)
        threads.emplace_back(worker);
    for (std::thread& t : threads)
        t.join();
    if (!failures.isEmpty()) {
        for (const QString& f : failures)
            std::fprintf(stderr, "tv_gen_pictures: %s\n", qPrintable(f));
        return 1;
    }

    QStringList aliases(seen.begin(), seen.end());
    aliases.sort();
    QSaveFile qrc(out.filePath(QStringLiteral("pictures.qrc")));
    if (!qrc.open(QIODevice::WriteOnly | QIODevice::Text)) {
        std::fprintf(stderr, "tv_gen_pictures: cannot write pictures.qrc\n");
        return 1;
    }
    QTextStream ts(&qrc);
    ts << "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/\">\n";
    for (const QString& a : aliases)
        ts << "  <file alias=\"" << xmlEscaped(a) << "\">" << xmlEscaped(a) << "</file>\n";
    ts << "</qresource>\n</RCC>\n";
    ts.flush();
    if (!qrc.commit()) {
        std::fprintf(stderr, "tv_gen_pictures: cannot write pictures.qrc\n");
        return 1;
    }
    std::printf("tv_gen_pictures: %d pictures in %.1f s (%u threads)\n", int(aliases.size()),
                clock.elapsed() / 1000.0, n);
    return 0;
}

// Build logs stay quiet about the runtime folder a headless build machine does not set.
void quietMessages(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (text.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR")))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(text));
    if (type == QtFatalMsg)
        std::abort();
}

} // namespace

int main(int argc, char** argv)
{
    qInstallMessageHandler(quietMessages);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 4 && args[1] == QLatin1String("--contact-sheets")) {
        QString error;
        if (!art::loadFonts(&error)) {
            std::fprintf(stderr, "tv_gen_pictures: %s\n", qPrintable(error));
            return 1;
        }
        return art::writeContactSheets(args[2], args[3]);
    }
    if (args.size() != 2) {
        std::fprintf(stderr,
                     "usage: tv_gen_pictures <outdir>\n"
                     "       tv_gen_pictures --contact-sheets <picturesdir> <outdir>\n");
        return 2;
    }
    return drawAll(args[1]);
}
