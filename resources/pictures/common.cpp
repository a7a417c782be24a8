// Fonts, colours and small drawing helpers shared by every family of pictures.
#include <QFontDatabase>
#include <QHash>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QtMath>

#include <cmath>

#include "art.h"

namespace art {

namespace {
QString g_musicFamily;
}

bool loadFonts(QString* error)
{
    const int id = QFontDatabase::addApplicationFont(
        QStringLiteral("/usr/share/fonts/truetype/freefont/FreeSerif.ttf"));
    const QStringList fams = id >= 0 ? QFontDatabase::applicationFontFamilies(id) : QStringList();
    if (fams.isEmpty()) {
        *error = QStringLiteral("FreeSerif (package fonts-freefont-ttf) could not be loaded");
        return false;
    }
    g_musicFamily = fams.first();
    for (const QString& family : {QStringLiteral("Liberation Sans"), QStringLiteral("Liberation Serif")}) {
        if (!QFontDatabase::families().contains(family)) {
            *error = family + QStringLiteral(" (package fonts-liberation) is not installed");
            return false;
        }
    }
    return true;
}

static QFont makeFont(const QString& family, double px, bool bold, bool italic)
{
    QFont f(family);
    f.setPixelSize(qMax(1, qRound(px)));
    f.setBold(bold);
    f.setItalic(italic);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

QFont sansFont(double px, bool bold, bool italic)
{
    return makeFont(QStringLiteral("Liberation Sans"), px, bold, italic);
}

QFont serifFont(double px, bool bold)
{
    return makeFont(QStringLiteral("Liberation Serif"), px, bold, false);
}

QFont musicFont(double px)
{
    return makeFont(g_musicFamily, px, false, false);
}

QImage newImage(int width, int height, QColor fill)
{
    QImage img(width, height, QImage::Format_ARGB32_Premultiplied);
    img.fill(fill);
    return img;
}

void prepare(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

void drawTextCentred(QPainter& p, QPointF centre, const QString& text, const QFont& font,
                     QColor fill, QColor outline, double outlineWidth)
{
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF box = path.boundingRect();
    path.translate(centre - box.center());
    p.save();
    if (outlineWidth > 0 && outline.alpha() > 0) {
        QPen pen(outline, outlineWidth * 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        p.strokePath(path, pen);
    }
    p.fillPath(path, fill);
    p.restore();
}

void fillLitDisc(QPainter& p, const QRectF& r, QColor light, QColor mid, QColor dark)
{
    const double d = r.width();
    const QPointF c = r.center();
    QRadialGradient g(c.x() - d * 0.15, c.y() - d * 0.18, d * 0.72);
    g.setColorAt(0.0, light);
    g.setColorAt(0.5, mid);
    g.setColorAt(1.0, dark);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(r);
    p.restore();
}

void outlineDisc(QPainter& p, const QRectF& r, QColor colour, double width)
{
    p.save();
    p.setPen(QPen(colour, width));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(r.adjusted(width / 2, width / 2, -width / 2, -width / 2));
    p.restore();
}

void drawBall(QPainter& p, const QRectF& r, QColor base)
{
    fillLitDisc(p, r, base.lighter(175), base, base.darker(165));
    outlineDisc(p, r, base.darker(210), qMax(0.8, r.width() / 24.0));
    // a small glint
    const double s = r.width() * 0.2;
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 190));
    p.drawEllipse(QRectF(r.left() + r.width() * 0.26, r.top() + r.height() * 0.2, s, s * 0.75));
    p.restore();
}

void drawEighthSymbol(QPainter& p, QPointF head, double size, QColor colour)
{
    p.save();
    p.translate(head);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.save();
    p.rotate(-20);
    p.drawEllipse(QRectF(-size * 0.32, -size * 0.22, size * 0.64, size * 0.44));
    p.restore();
    const double stemX = size * 0.27;
    p.drawRect(QRectF(stemX - size * 0.06, -size * 1.15, size * 0.12, size * 1.12));
    QPainterPath flag;
    flag.moveTo(stemX, -size * 1.15);
    flag.cubicTo(stemX + size * 0.1, -size * 0.85, stemX + size * 0.6, -size * 0.75, stemX + size * 0.42, -size * 0.3);
    flag.cubicTo(stemX + size * 0.45, -size * 0.65, stemX + size * 0.15, -size * 0.75, stemX, -size * 0.85);
    flag.closeSubpath();
    p.drawPath(flag);
    p.restore();
}

void scatterNotes(QPainter& p, const QRectF& r, QColor colour, int count, quint32 seed,
                  double minSize, double maxSize)
{
    // an even scatter: one note in each cell of a grid, placed at random inside its cell
    QRandomGenerator rng(seed);
    const int cols = qMax(1, qRound(std::sqrt(count * r.width() / r.height())));
    const int rows = qMax(1, (count + cols - 1) / cols);
    const double cw = r.width() / cols, ch = r.height() / rows;
    for (int row = 0; row < rows; ++row) {
        for (int col = 0; col < cols; ++col) {
            const double shift = (row % 2) * cw / 2;  // rows offset like bricks
            const QPointF at(r.left() + col * cw + shift + cw * (0.2 + 0.6 * rng.generateDouble()),
                             r.top() + row * ch + ch * (0.25 + 0.6 * rng.generateDouble()));
            const double size = minSize + rng.bounded(maxSize - minSize);
            p.save();
            p.translate(at);
            p.rotate(rng.bounded(40.0) - 20.0);
            drawEighthSymbol(p, QPointF(0, 0), size, colour);
            p.restore();
        }
    }
}

QColor tintOf(const QString& name)
{
    static const QHash<QString, QColor> tints{
        {QStringLiteral("bleu"), QColor(226, 237, 253)},
        {QStringLiteral("jaune_clair"), QColor(255, 255, 235)},
        {QStringLiteral("rouge_clair"), QColor(255, 237, 237)},
        {QStringLiteral("bleu_turquoise"), QColor(233, 254, 255)},
        {QStringLiteral("pn"), QColor(251, 246, 252)},
        {QStringLiteral("vert_clair"), QColor(238, 255, 237)},
        {QStringLiteral("orange"), QColor(255, 255, 227)},
    };
    return tints.value(name, QColor(255, 255, 255));
}

QColor nameColour(int letter, int alter)
{
    if (alter != 0)
        return QColor(230, 20, 20);
    switch (letter) {
    case 0:
    case 4:
        return QColor(255, 150, 0);    // do, sol: orange
    case 1:
    case 3:
    case 5:
        return QColor(0, 175, 40);     // re, fa, la: green
    default:
        return QColor(30, 90, 230);    // mi, si: blue
    }
}

} // namespace art
