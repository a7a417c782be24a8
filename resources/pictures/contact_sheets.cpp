// Overview sheets of the drawn pictures, one per resource folder, for looking them over.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QXmlStreamReader>

#include <cmath>
#include <cstdio>

#include "art.h"
#include "contact_sheets.h"

namespace art {

namespace {

void checkerboard(QPainter& p, const QRectF& r)
{
    p.save();
    p.setClipRect(r);
    const int s = 8;
    for (int y = int(r.top()); y < r.bottom(); y += s)
        for (int x = int(r.left()); x < r.right(); x += s)
            p.fillRect(QRect(x, y, s, s), ((x / s + y / s) % 2) ? QColor(214, 214, 220) : QColor(238, 238, 242));
    p.restore();
}

QImage sheet(const QString& title, const QStringList& names, const QList<QImage>& pictures)
{
    int maxW = 1, maxH = 1;
    for (const QImage& img : pictures) {
        maxW = qMax(maxW, img.width());
        maxH = qMax(maxH, img.height());
    }
    const double scale = qMin(1.0, qMin(260.0 / maxW, 240.0 / maxH));
    const int cellW = qMax(90, int(std::ceil(maxW * scale)) + 12);
    const int cellH = int(std::ceil(maxH * scale)) + 30;
    const int n = int(pictures.size());
    const int columns = qMax(1, qMin(n, 1900 / cellW));
    const int rows = (n + columns - 1) / columns;
    const int titleH = 36;
    QImage out = newImage(columns * cellW + 12, titleH + rows * cellH + 8, QColor(250, 250, 252));
    QPainter p(&out);
    prepare(p);
    p.setFont(sansFont(18));
    p.setPen(QColor(30, 30, 60));
    p.drawText(QRectF(10, 0, out.width() - 20, titleH), Qt::AlignVCenter | Qt::AlignLeft,
               QStringLiteral("%1  (%2)").arg(title).arg(n));
    p.setFont(sansFont(11, false));
    for (int i = 0; i < n; ++i) {
        const QImage& img = pictures[i];
        const QRectF cell(6 + (i % columns) * cellW, titleH + (i / columns) * cellH, cellW, cellH);
        const QSizeF size(img.width() * scale, img.height() * scale);
        const QRectF pic(cell.left() + (cellW - size.width()) / 2, cell.top() + 4, size.width(), size.height());
        checkerboard(p, pic);
        p.drawImage(pic, img);
        p.setPen(QColor(60, 60, 80));
        p.drawText(QRectF(cell.left(), pic.bottom() + 2, cellW, 20), Qt::AlignHCenter | Qt::AlignTop,
                   QStringLiteral("%1 %2x%3").arg(names[i]).arg(img.width()).arg(img.height()));
    }
    return out;
}

} // namespace

int writeContactSheets(const QString& picturesDir, const QString& outDir)
{
    QFile qrc(QDir(picturesDir).filePath(QStringLiteral("pictures.qrc")));
    if (!qrc.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "tv_gen_pictures: cannot read %s\n", qPrintable(qrc.fileName()));
        return 1;
    }
    QMap<QString, QStringList> groups;  // "res/RONDE" -> its files
    QXmlStreamReader xml(&qrc);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("file")) {
            const QString file = xml.readElementText();
            if (!file.endsWith(QLatin1String(".png")) && !file.endsWith(QLatin1String(".jpg")))
                continue;  // the pointer's hot spot and other small texts
            const QStringList parts = file.split(QLatin1Char('/'));
            groups[parts.mid(0, qMax(1, int(parts.size()) - 1)).join(QLatin1Char('/'))] << file;
        }
    }
    if (xml.hasError()) {
        std::fprintf(stderr, "tv_gen_pictures: %s: %s\n", qPrintable(qrc.fileName()), qPrintable(xml.errorString()));
        return 1;
    }
    if (!QDir().mkpath(outDir)) {
        std::fprintf(stderr, "tv_gen_pictures: cannot create %s\n", qPrintable(outDir));
        return 1;
    }
    for (auto it = groups.cbegin(); it != groups.cend(); ++it) {
        QStringList names;
        QList<QImage> pictures;
        for (const QString& file : it.value()) {
            QImage img(QDir(picturesDir).filePath(file));
            if (img.isNull()) {
                std::fprintf(stderr, "tv_gen_pictures: cannot read %s\n", qPrintable(file));
                return 1;
            }
            names << QFileInfo(file).completeBaseName();
            pictures << img;
        }
        QString name = it.key();
        name.replace(QLatin1Char('/'), QLatin1Char('_'));
        const QString path = QDir(outDir).filePath(name + QStringLiteral(".png"));
        if (!sheet(it.key(), names, pictures).save(path, "PNG", 40)) {
            std::fprintf(stderr, "tv_gen_pictures: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    std::printf("tv_gen_pictures: %d contact sheets in %s\n", int(groups.size()), qPrintable(outDir));
    return 0;
}

} // namespace art
