// The picture store's pictures: key markers, note names on keys (French, Spanish, English),
// the swinging metronomes of the game screens and the main menu's order envelope.
#include <QHash>
#include <QLinearGradient>
#include <QMutex>
#include <QPainterPath>

#include "art.h"

namespace art {

namespace {

constexpr int kWhiteW = 32, kWhiteH = 232;  // a white key's picture
constexpr int kBlackW = 17, kBlackH = 145;  // a black key's picture

const QColor kNameRed(214, 16, 24);
const QColor kNameRedOnBlack(255, 92, 92);
const QColor kBlackKey(6, 6, 8);
const QColor kBlackKeyGreen(10, 38, 20);  // "near-black green" behind the turned French names

// The white-key ball: 23 pixels across, centred, its bottom 4 pixels above the picture's bottom.
const QRectF kWhiteBall((kWhiteW - 23) / 2.0, kWhiteH - 4 - 23, 23, 23);
// The black-key ball: 17 pixels across at the bottom.
const QRectF kBlackBall(0, kBlackH - 3 - 17, 17, 17);

QImage whiteKeyBall(QColor colour)
{
    QImage img = newImage(kWhiteW, kWhiteH, Qt::white);
    QPainter p(&img);
    prepare(p);
    drawBall(p, kWhiteBall, colour);
    return img;
}

QImage blackKeyBall(QColor colour)
{
    QImage img = newImage(kBlackW, kBlackH, kBlackKey);
    QPainter p(&img);
    prepare(p);
    drawBall(p, kBlackBall, colour);
    return img;
}

// A white key with its natural name at the bottom and, when given, the other name of the
// same key above a short dash.
QImage whiteKeyName(const QString& other, const QString& natural, double px)
{
    QImage img = newImage(kWhiteW, kWhiteH, Qt::white);
    QPainter p(&img);
    prepare(p);
    const QFont f = sansFont(px);
    drawTextCentred(p, QPointF(kWhiteW / 2.0, kWhiteH - 17), natural, f, kNameRed);
    if (!other.isEmpty()) {
        p.fillRect(QRectF(kWhiteW / 2.0 - 5, kWhiteH - 36, 10, 2), kNameRed);
        drawTextCentred(p, QPointF(kWhiteW / 2.0, kWhiteH - 55), other, f, kNameRed);
    }
    return img;
}

// A black key with "sharp - flat" in one line turned a quarter turn clockwise, in its lower half.
QImage blackKeyTurnedName(const QString& text)
{
    QImage img = newImage(kBlackW, kBlackH, kBlackKeyGreen);
    QPainter p(&img);
    prepare(p);
    p.translate(kBlackW / 2.0, kBlackH * 0.71);
    p.rotate(90);
    drawTextCentred(p, QPointF(0, 0), text, sansFont(10.5), kNameRedOnBlack);
    return img;
}

// A black key with the sharp name, a dash and the flat name on three lines in its lower part.
QImage blackKeyStackedNames(const QString& sharp, const QString& flat)
{
    QImage img = newImage(kBlackW, kBlackH, kBlackKey);
    QPainter p(&img);
    prepare(p);
    const QFont f = sansFont(10.5);
    drawTextCentred(p, QPointF(kBlackW / 2.0, kBlackH - 40), sharp, f, kNameRedOnBlack);
    p.fillRect(QRectF(kBlackW / 2.0 - 3, kBlackH - 29, 6, 1.6), kNameRedOnBlack);
    drawTextCentred(p, QPointF(kBlackW / 2.0, kBlackH - 17), flat, f, kNameRedOnBlack);
    return img;
}

void drawEnvelope(QPainter& p, const QRectF& r)
{
    p.save();
    const QPen outline(QColor(20, 20, 20), 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    const QRectF e = r.adjusted(0.7, 0.7, -0.7, -0.7);
    p.setPen(outline);
    p.setBrush(QColor(255, 244, 170));
    p.drawRect(e);
    // the lower folds, lighter
    p.setPen(QPen(QColor(150, 130, 60), 1.0));
    p.drawLine(e.bottomLeft(), QPointF(e.center().x() - e.width() * 0.12, e.center().y() + e.height() * 0.05));
    p.drawLine(e.bottomRight(), QPointF(e.center().x() + e.width() * 0.12, e.center().y() + e.height() * 0.05));
    // the flap
    QPainterPath flap;
    flap.moveTo(e.topLeft());
    flap.lineTo(e.center().x(), e.top() + e.height() * 0.6);
    flap.lineTo(e.topRight());
    p.setPen(outline);
    p.setBrush(QColor(255, 232, 130));
    p.drawPath(flap);
    // a small red heart sealing the flap
    const QPointF h(e.center().x(), e.top() + e.height() * 0.58);
    QPainterPath heart;
    heart.moveTo(h + QPointF(0, 3.2));
    heart.cubicTo(h + QPointF(-5, -0.5), h + QPointF(-2.2, -4.2), h + QPointF(0, -1.6));
    heart.cubicTo(h + QPointF(2.2, -4.2), h + QPointF(5, -0.5), h + QPointF(0, 3.2));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(225, 30, 50));
    p.drawPath(heart);
    p.restore();
}

QImage envelope(bool raised)
{
    QImage img = newImage(53, 33);
    QPainter p(&img);
    prepare(p);
    if (raised) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 30, 40, 200));
        p.drawRect(QRectF(3, 3, 50, 30));
        drawEnvelope(p, QRectF(0, 0, 50, 30));
    } else {
        drawEnvelope(p, QRectF(3, 3, 50, 30));
    }
    return img;
}

QImage metronomePicture(const QString& colour, double swing)
{
    QImage img = newImage(50, 75, tintOf(colour));
    QPainter p(&img);
    prepare(p);
    drawMetronome(p, QRectF(0, 0, 50, 75), swing);
    return img;
}

struct NameEntry {
    const char* widget;
    const char* other;    // enharmonic name above the dash (white keys), flat name (black keys)
    const char* natural;  // natural name (white keys), sharp name or whole line (black keys)
    enum Kind { White, BlackTurned, BlackStacked } kind;
    double px;
};

// Every name picture of the store.
const NameEntry kNames[] = {
    {"Image_do", "", "do", NameEntry::White, 15},
    {"Image_re", "", "r\u00e9", NameEntry::White, 15},
    {"Image_mi", "", "mi", NameEntry::White, 15},
    {"Image_fa", "", "fa", NameEntry::White, 15},
    {"Image_sol", "", "sol", NameEntry::White, 15},
    {"Image_la", "", "la", NameEntry::White, 15},
    {"Image_si", "", "si", NameEntry::White, 15},
    {"Image_sid", "si#", "do", NameEntry::White, 15},
    {"Image_mid", "mi#", "fa", NameEntry::White, 15},
    {"Image_fab", "fab", "mi", NameEntry::White, 15},
    {"Image_dob", "dob", "si", NameEntry::White, 15},
    {"Image_dod", "", "do# - r\u00e9b", NameEntry::BlackTurned, 0},
    {"Image_red", "", "r\u00e9# - mib", NameEntry::BlackTurned, 0},
    {"Image_fad", "", "fa# - solb", NameEntry::BlackTurned, 0},
    {"Image_sold", "", "sol# - lab", NameEntry::BlackTurned, 0},
    {"Image_lad", "", "la# - sib", NameEntry::BlackTurned, 0},
    {"Image_re_es", "", "re", NameEntry::White, 15},
    {"Image_red_es", "", "re# - mib", NameEntry::BlackTurned, 0},
    {"Image_do_us", "", "C", NameEntry::White, 18},
    {"Image_re_us", "", "D", NameEntry::White, 18},
    {"Image_mi_us", "", "E", NameEntry::White, 18},
    {"Image_fa_us", "", "F", NameEntry::White, 18},
    {"Image_sol_us", "", "G", NameEntry::White, 18},
    {"Image_la_us", "", "A", NameEntry::White, 18},
    {"Image_si_us", "", "B", NameEntry::White, 18},
    {"Image_sid_us", "B#", "C", NameEntry::White, 18},
    {"Image_mid_us", "E#", "F", NameEntry::White, 18},
    {"Image_fab_us", "Fb", "E", NameEntry::White, 18},
    {"Image_dob_us", "Cb", "B", NameEntry::White, 18},
    {"Image_dod_us", "Db", "C#", NameEntry::BlackStacked, 0},
    {"Image_red_us", "Eb", "D#", NameEntry::BlackStacked, 0},
    {"Image_fad_us", "Gb", "F#", NameEntry::BlackStacked, 0},
    {"Image_sold_us", "Ab", "G#", NameEntry::BlackStacked, 0},
    {"Image_lad_us", "Bb", "A#", NameEntry::BlackStacked, 0},
};

const char* const kMetronomeColours[] = {"jaune_clair", "rouge_clair", "bleu_turquoise", "pn", "vert_clair", "orange"};

QImage drawStorePicture(const QString& widget)
{
    if (widget == QLatin1String("Image_orange"))
        return whiteKeyBall(QColor(255, 168, 0));
    if (widget == QLatin1String("Image_vert"))
        return whiteKeyBall(QColor(40, 186, 60));
    if (widget == QLatin1String("Image_bleu"))
        return whiteKeyBall(QColor(40, 105, 228));
    if (widget == QLatin1String("Image_pianon"))
        return blackKeyBall(QColor(246, 58, 108));
    if (widget == QLatin1String("enveloppe"))
        return envelope(false);
    if (widget == QLatin1String("enveloppenoir"))
        return envelope(true);
    for (const NameEntry& e : kNames) {
        if (widget != QLatin1String(e.widget))
            continue;
        switch (e.kind) {
        case NameEntry::White:
            return whiteKeyName(QString::fromUtf8(e.other), QString::fromUtf8(e.natural), e.px);
        case NameEntry::BlackTurned:
            return blackKeyTurnedName(QString::fromUtf8(e.natural));
        case NameEntry::BlackStacked:
            return blackKeyStackedNames(QString::fromUtf8(e.natural), QString::fromUtf8(e.other));
        }
    }
    for (const char* c : kMetronomeColours) {
        const QString colour = QLatin1String(c);
        if (widget == QStringLiteral("Metronome_droite_") + colour)
            return metronomePicture(colour, 1);
        if (widget == QStringLiteral("Metronome_gauche_") + colour)
            return metronomePicture(colour, -1);
    }
    return {};
}

} // namespace

QImage storePicture(const QString& widget)
{
    static QMutex mutex;
    static QHash<QString, QImage> cache;
    {
        QMutexLocker lock(&mutex);
        const auto it = cache.constFind(widget);
        if (it != cache.constEnd())
            return *it;
    }
    const QImage img = drawStorePicture(widget);
    QMutexLocker lock(&mutex);
    cache.insert(widget, img);
    return img;
}

QImage ringPicture(bool blackKey)
{
    QImage img = blackKey ? newImage(kBlackW, kBlackH, kBlackKey) : newImage(kWhiteW, kWhiteH, Qt::white);
    QPainter p(&img);
    prepare(p);
    p.setBrush(Qt::NoBrush);
    if (blackKey) {
        p.setPen(QPen(QColor(235, 235, 245), 2.2));
        p.drawEllipse(kBlackBall.adjusted(1.6, 1.6, -1.6, -1.6));
    } else {
        p.setPen(QPen(QColor(70, 80, 120), 2.6));
        p.drawEllipse(kWhiteBall.adjusted(1.4, 1.4, -1.4, -1.4));
    }
    return img;
}

void drawMetronome(QPainter& p, const QRectF& r, double swing)
{
    // Drawn on a 50 x 75 design, scaled to the rectangle.
    p.save();
    p.translate(r.topLeft());
    p.scale(r.width() / 50.0, r.height() / 75.0);
    const QColor ink(35, 40, 75);
    const QPen outline(ink, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    // the blue side
    QPolygonF side;
    side << QPointF(29, 6) << QPointF(34, 8) << QPointF(45.5, 64) << QPointF(40, 64);
    p.setPen(outline);
    p.setBrush(QColor(48, 110, 215));
    p.drawPolygon(side);
    // the white front, its top rounded
    QPainterPath front;
    front.moveTo(6, 64);
    front.lineTo(17, 8);
    front.quadTo(23, 2.5, 29, 6);
    front.lineTo(40, 64);
    front.closeSubpath();
    QLinearGradient g(0, 0, 40, 0);
    g.setColorAt(0, QColor(255, 255, 255));
    g.setColorAt(1, QColor(228, 236, 250));
    p.setBrush(g);
    p.drawPath(front);
    // the base
    p.setBrush(QColor(36, 80, 170));
    p.drawRoundedRect(QRectF(3, 62.5, 44, 9), 2.5, 2.5);
    // the face
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 150, 170, 200));
    p.drawEllipse(QPointF(14.5, 43), 2.6, 1.8);
    p.drawEllipse(QPointF(31.5, 43), 2.6, 1.8);
    p.setBrush(ink);
    p.drawEllipse(QPointF(18.5, 36), 1.6, 2.3);
    p.drawEllipse(QPointF(27.5, 36), 1.6, 2.3);
    p.setPen(QPen(ink, 1.4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(17, 37, 12, 9), 200 * 16, 140 * 16);
    // the pendulum crossing the face
    p.translate(23, 58);
    p.rotate(swing * 17.0);
    p.setPen(QPen(QColor(70, 70, 85), 2.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0, 0), QPointF(0, -49));
    p.setPen(QPen(ink, 1.0));
    p.setBrush(QColor(255, 120, 30));
    p.drawRoundedRect(QRectF(-4.5, -39, 9, 7), 1.5, 1.5);
    p.setBrush(ink);
    p.drawEllipse(QPointF(0, 0), 2.2, 2.2);
    p.restore();
}

void addStorePictures(Jobs& jobs)
{
    QStringList png{QStringLiteral("Image_orange"), QStringLiteral("Image_vert"), QStringLiteral("Image_bleu"),
                    QStringLiteral("Image_pianon"), QStringLiteral("enveloppe"), QStringLiteral("enveloppenoir")};
    QStringList jpg;
    for (const NameEntry& e : kNames)
        (e.kind == NameEntry::BlackStacked ? png : jpg) << QLatin1String(e.widget);
    for (const char* c : kMetronomeColours)
        jpg << QStringLiteral("Metronome_droite_") + QLatin1String(c) << QStringLiteral("Metronome_gauche_") + QLatin1String(c);
    for (const QString& w : png)
        jobs.push_back({QStringLiteral("design/Form_image/%1.png").arg(w), [w] { return storePicture(w); }});
    for (const QString& w : jpg)
        jobs.push_back({QStringLiteral("design/Form_image/%1.jpg").arg(w), [w] { return storePicture(w); }});
}

} // namespace art
