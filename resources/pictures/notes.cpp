// The note pictures: a grand staff with one note head, in eight styles, and the empty staff.
// The empty staff and every note picture come from the same drawing of the staff, so a note
// picture laid over the empty staff matches it line for line.
#include <QLinearGradient>
#include <QPainterPath>
#include <QtMath>

#include <cmath>

#include "art.h"

namespace art {

namespace {

const QColor kLineColour(45, 45, 62);
const QColor kTrebleClefColour(28, 62, 165);
const QColor kBassClefColour(160, 32, 62);

double lineThickness(double sp) { return qMax(1.2, sp / 7.0); }

double headHalfWidth(Style style, double sp)
{
    switch (style) {
    case Style::Ronde:
        return 0.8 * sp;
    case Style::Blanche:
    case Style::Noire:
    case Style::Croche:
        return 0.62 * sp;
    default:
        return 0.7 * sp;  // the balls and faces
    }
}

// A glyph of the music font, scaled so that its outline fills the given height, with its
// top-left corner at topLeft.
void drawGlyph(QPainter& p, char32_t code, QPointF topLeft, double height, QColor colour)
{
    QPainterPath path;
    path.addText(0, 0, musicFont(100), QString::fromUcs4(&code, 1));
    const QRectF box = path.boundingRect();
    const double s = height / box.height();
    QTransform t;
    t.translate(topLeft.x(), topLeft.y());
    t.scale(s, s);
    t.translate(-box.left(), -box.top());
    p.fillPath(t.map(path), colour);
}

void drawBrace(QPainter& p, double right, double top, double bottom, double width, QColor colour)
{
    // The centre line of each half is a cubic from a tip to the middle point; the stroke is
    // thin at the ends and thick in the middle of each half.
    const double h = bottom - top;
    const double l = right - width;
    auto at = [&](double u, double v) { return QPointF(l + u * width, top + v * h); };
    auto bezier = [](QPointF a, QPointF b, QPointF c, QPointF d, double t) {
        const double m = 1 - t;
        return a * (m * m * m) + b * (3 * m * m * t) + c * (3 * m * t * t) + d * (t * t * t);
    };
    const double thick = width * 0.55;
    QPolygonF left, rightSide;
    for (int half = 0; half < 2; ++half) {
        const double sgn = half == 0 ? 1 : -1;  // the lower half mirrors the upper one
        auto pt = [&](double u, double v) { return at(u, 0.5 - sgn * (0.5 - v)); };
        const QPointF a = pt(0.95, 0), b = pt(0.2, 0.04), c = pt(0.75, 0.44), d = pt(0, 0.5);
        const int n = 40;
        for (int i = 0; i <= n; ++i) {
            const double t = half == 0 ? double(i) / n : 1.0 - double(i) / n;
            const QPointF q = bezier(a, b, c, d, t);
            const QPointF q2 = bezier(a, b, c, d, qMin(1.0, t + 0.01));
            const QPointF q1 = bezier(a, b, c, d, qMax(0.0, t - 0.01));
            QPointF tangent = q2 - q1;
            const double len = std::hypot(tangent.x(), tangent.y());
            const QPointF normal(-tangent.y() / len, tangent.x() / len);
            const double w = thick * std::pow(std::sin(M_PI * qBound(0.04, t, 0.96)), 0.9) / 2 + 0.3;
            left << q + normal * w;
            rightSide << q - normal * w;
        }
    }
    QPolygonF outline = left;
    for (auto it = rightSide.crbegin(); it != rightSide.crend(); ++it)
        outline << *it;
    QPainterPath path;
    path.addPolygon(outline);
    path.closeSubpath();
    path.setFillRule(Qt::WindingFill);
    p.fillPath(path, colour);
}

void drawSharp(QPainter& p, QPointF c, double sp, QColor colour)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    const double vw = qMax(1.0, 0.1 * sp);
    p.drawRect(QRectF(c.x() - 0.24 * sp - vw / 2, c.y() - 1.25 * sp, vw, 2.6 * sp));
    p.drawRect(QRectF(c.x() + 0.24 * sp - vw / 2, c.y() - 1.4 * sp, vw, 2.6 * sp));
    for (double dy : {-0.42 * sp, 0.42 * sp}) {
        QPainterPath bar;
        const double rise = 0.14 * sp, half = 0.13 * sp, w = 0.5 * sp;
        bar.moveTo(c.x() - w, c.y() + dy + rise - half);
        bar.lineTo(c.x() + w, c.y() + dy - rise - half);
        bar.lineTo(c.x() + w, c.y() + dy - rise + half);
        bar.lineTo(c.x() - w, c.y() + dy + rise + half);
        bar.closeSubpath();
        p.drawPath(bar);
    }
    p.restore();
}

void drawFlat(QPainter& p, QPointF c, double sp, QColor colour)
{
    p.save();
    const double x0 = c.x() - 0.32 * sp;
    const double vw = qMax(1.2, 0.13 * sp);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawRect(QRectF(x0 - vw / 2, c.y() - 2.0 * sp, vw, 2.6 * sp));
    QPainterPath bowl;
    bowl.moveTo(x0, c.y() + 0.6 * sp);
    bowl.cubicTo(x0 + 1.25 * sp, c.y() - 0.05 * sp, x0 + 0.95 * sp, c.y() - 0.9 * sp, x0, c.y() - 0.32 * sp);
    bowl.lineTo(x0, c.y() - 0.08 * sp);
    bowl.cubicTo(x0 + 0.55 * sp, c.y() - 0.55 * sp, x0 + 0.7 * sp, c.y() - 0.02 * sp, x0, c.y() + 0.38 * sp);
    bowl.closeSubpath();
    p.drawPath(bowl);
    p.restore();
}

void drawSmiley(QPainter& p, const QRectF& r, bool sad)
{
    const double d = r.width();
    const QPointF c = r.center();
    fillLitDisc(p, r, QColor(255, 242, 130), QColor(255, 208, 30), QColor(235, 160, 0));
    outlineDisc(p, r, QColor(120, 70, 0), qMax(0.9, d / 16));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 25, 10));
    for (double sx : {-1.0, 1.0})
        p.drawEllipse(QPointF(c.x() + sx * d * 0.19, c.y() - d * 0.12), d * 0.07, d * 0.1);
    QPen mouth(QColor(60, 30, 10), qMax(1.0, d / 11), Qt::SolidLine, Qt::RoundCap);
    p.setPen(mouth);
    p.setBrush(Qt::NoBrush);
    if (!sad) {
        const QRectF arc(c.x() - d * 0.27, c.y() - d * 0.2, d * 0.54, d * 0.5);
        p.drawArc(arc, 200 * 16, 140 * 16);
    } else {
        const QRectF arc(c.x() - d * 0.24, c.y() + d * 0.14, d * 0.48, d * 0.42);
        p.drawArc(arc, 25 * 16, 130 * 16);
        // a tear under the left eye
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(70, 150, 255));
        QPainterPath tear;
        const QPointF t(c.x() - d * 0.22, c.y() + d * 0.02);
        tear.moveTo(t);
        tear.cubicTo(t + QPointF(-d * 0.09, d * 0.12), t + QPointF(d * 0.09, d * 0.12), t);
        p.drawPath(tear);
    }
}

void drawFootball(QPainter& p, const QRectF& r)
{
    const double d = r.width();
    const QPointF c = r.center();
    fillLitDisc(p, r, Qt::white, QColor(240, 240, 240), QColor(190, 190, 195));
    p.save();
    QPainterPath clip;
    clip.addEllipse(r);
    p.setClipPath(clip);
    auto pentagon = [&](QPointF at, double rad, double turn) {
        QPolygonF poly;
        for (int i = 0; i < 5; ++i) {
            const double a = qDegreesToRadians(turn - 90 + i * 72.0);
            poly << at + QPointF(rad * qCos(a), rad * qSin(a));
        }
        return poly;
    };
    const QColor black(25, 25, 30);
    p.setBrush(black);
    const QPolygonF middle = pentagon(c, d * 0.2, 0);
    p.drawPolygon(middle);
    p.setPen(QPen(black, qMax(0.8, d / 22)));
    for (int i = 0; i < 5; ++i) {
        const double a = qDegreesToRadians(-90 + i * 72.0);
        const QPointF out = c + QPointF(d * 0.44 * qCos(a), d * 0.44 * qSin(a));
        p.drawLine(middle[i], out);
        p.setPen(Qt::NoPen);
        p.drawPolygon(pentagon(c + QPointF(d * 0.56 * qCos(a), d * 0.56 * qSin(a)), d * 0.17, 36 + i * 72.0));
        p.setPen(QPen(black, qMax(0.8, d / 22)));
    }
    p.restore();
    outlineDisc(p, r, QColor(60, 60, 70), qMax(0.9, d / 18));
}

void drawBasketball(QPainter& p, const QRectF& r)
{
    const double d = r.width();
    const QPointF c = r.center();
    fillLitDisc(p, r, QColor(255, 178, 90), QColor(236, 112, 20), QColor(170, 70, 10));
    p.save();
    QPainterPath clip;
    clip.addEllipse(r);
    p.setClipPath(clip);
    p.setPen(QPen(QColor(40, 20, 10), qMax(0.9, d / 16)));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(c.x(), r.top()), QPointF(c.x(), r.bottom()));
    p.drawLine(QPointF(r.left(), c.y()), QPointF(r.right(), c.y()));
    p.drawEllipse(QPointF(r.left() - d * 0.18, c.y()), d * 0.42, d * 0.6);
    p.drawEllipse(QPointF(r.right() + d * 0.18, c.y()), d * 0.42, d * 0.6);
    p.restore();
    outlineDisc(p, r, QColor(90, 40, 5), qMax(0.9, d / 18));
}

void drawBubble(QPainter& p, const QRectF& r)
{
    const double d = r.width();
    const QPointF c = r.center();
    fillLitDisc(p, r, QColor(200, 255, 200, 235), QColor(70, 200, 90, 235), QColor(20, 130, 50, 245));
    outlineDisc(p, r, QColor(10, 95, 35), qMax(0.9, d / 18));
    p.setPen(QPen(QColor(255, 255, 255, 220), qMax(1.0, d / 11), Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(r.adjusted(d * 0.2, d * 0.2, -d * 0.2, -d * 0.2), 100 * 16, 70 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 230));
    p.drawEllipse(QPointF(c.x() + d * 0.2, c.y() + d * 0.22), d * 0.05, d * 0.05);
}

} // namespace

void drawHead(QPainter& p, Style style, QPointF c, double sp, bool sad, QColor colour)
{
    p.save();
    p.setPen(Qt::NoPen);
    const double d = 1.4 * sp;
    const QRectF ball(c.x() - d / 2, c.y() - d / 2, d, d);
    switch (style) {
    case Style::Ronde: {
        QPainterPath path;
        path.setFillRule(Qt::OddEvenFill);
        path.addEllipse(c, 0.8 * sp, 0.53 * sp);
        QPainterPath hole;
        hole.addEllipse(QPointF(0, 0), 0.26 * sp, 0.45 * sp);
        QTransform t;
        t.translate(c.x(), c.y());
        t.rotate(-40);
        path.addPath(t.map(hole));
        p.fillPath(path, colour);
        break;
    }
    case Style::Blanche:
    case Style::Noire:
    case Style::Croche: {
        QTransform t;
        t.translate(c.x(), c.y());
        t.rotate(-22);
        QPainterPath head;
        head.addEllipse(QPointF(0, 0), 0.64 * sp, 0.45 * sp);
        QPainterPath path = t.map(head);
        if (style == Style::Blanche) {
            QPainterPath hole;
            hole.addEllipse(QPointF(0, 0), 0.5 * sp, 0.2 * sp);
            QTransform th;
            th.translate(c.x(), c.y());
            th.rotate(-30);
            path.setFillRule(Qt::OddEvenFill);
            path.addPath(th.map(hole));
        }
        p.fillPath(path, colour);
        break;
    }
    case Style::Bulle:
        drawBubble(p, ball);
        break;
    case Style::Smiley:
        drawSmiley(p, ball, sad);
        break;
    case Style::Foot:
        drawFootball(p, ball);
        break;
    case Style::Basket:
        drawBasketball(p, ball);
        break;
    }
    p.restore();
}

void drawStem(QPainter& p, Style style, QPointF head, double sp, bool up, QColor colour,
              double lengthInSpaces)
{
    if (style != Style::Blanche && style != Style::Noire && style != Style::Croche)
        return;
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    const double w = qMax(1.2, 0.11 * sp);
    const double half = headHalfWidth(style, sp) * 0.93;
    const double x = up ? head.x() + half - w : head.x() - half;
    const double y0 = head.y() + (up ? -0.18 * sp : 0.18 * sp);
    const double y1 = head.y() + (up ? -lengthInSpaces : lengthInSpaces) * sp;
    p.drawRect(QRectF(x, qMin(y0, y1), w, qAbs(y1 - y0)));
    if (style == Style::Croche) {
        // the flag hangs from the stem's end towards the right
        const double dir = up ? 1.0 : -1.0;  // grows down from an upper end, up from a lower one
        const double fx = x + (up ? w : 0.0);
        QPainterPath flag;
        flag.moveTo(fx, y1);
        flag.cubicTo(fx + 0.15 * sp, y1 + dir * 0.9 * sp, fx + 1.25 * sp, y1 + dir * 1.3 * sp,
                     fx + 0.75 * sp, y1 + dir * 2.6 * sp);
        flag.cubicTo(fx + 0.95 * sp, y1 + dir * 1.7 * sp, fx + 0.4 * sp, y1 + dir * 1.35 * sp,
                     fx, y1 + dir * 1.15 * sp);
        flag.closeSubpath();
        p.drawPath(flag);
    }
    p.restore();
}

void drawSystem(QPainter& p, const staff::System& sys)
{
    const double sp = sys.lineSpacing;
    const double t = lineThickness(sp);
    p.save();
    p.setPen(Qt::NoPen);
    for (double top : {sys.trebleTop, sys.bassTop()})
        for (int i = 0; i < 5; ++i)
            p.fillRect(QRectF(sys.left, top + i * sp - t / 2, sys.right - sys.left, t), kLineColour);
    // the system's bar lines, left and right
    p.fillRect(QRectF(sys.left, sys.trebleTop - t / 2, t, sys.bassBottom() - sys.trebleTop + t), kLineColour);
    p.fillRect(QRectF(sys.right - t, sys.trebleTop - t / 2, t, sys.bassBottom() - sys.trebleTop + t), kLineColour);
    drawBrace(p, sys.left - 0.25 * sp, sys.trebleTop - 0.1 * sp, sys.bassBottom() + 0.1 * sp, 0.85 * sp, kLineColour);
    // Treble clef: its curl round the G line; bass clef: its dots round the F line.
    drawGlyph(p, U'\U0001D11E', QPointF(sys.left + 0.35 * sp, sys.trebleTop - 1.7 * sp), 7.45 * sp, kTrebleClefColour);
    drawGlyph(p, U'\U0001D122', QPointF(sys.left + 0.45 * sp, sys.bassTop() - 0.05 * sp), 3.2 * sp, kBassClefColour);
    p.restore();
}

void drawNote(QPainter& p, const staff::System& sys, Style style, staff::Staff st, int step,
              int alter, double x, bool sad, QColor headColour)
{
    const double sp = sys.lineSpacing;
    const double y = staff::rowOfStep(sys, st, step);
    const double half = headHalfWidth(style, sp);
    const double t = lineThickness(sp);
    for (int ls : staff::ledgerSteps(st, step)) {
        const double ly = staff::rowOfStep(sys, st, ls);
        p.fillRect(QRectF(x - half - 0.38 * sp, ly - t / 2, 2 * (half + 0.38 * sp), t), kLineColour);
    }
    const QPointF accidental(x - half - 0.85 * sp, y);
    if (alter > 0)
        drawSharp(p, accidental, sp, headColour);
    else if (alter < 0)
        drawFlat(p, accidental, sp, headColour);
    drawStem(p, style, QPointF(x, y), sp, staff::stemUp(st, step), headColour);
    drawHead(p, style, QPointF(x, y), sp, sad, headColour);
}

QImage notePicture(Style style, const QString& name)
{
    QImage img = newImage(staff::kPictureWidth, staff::kPictureHeight, Qt::white);
    QPainter p(&img);
    prepare(p);
    drawSystem(p, staff::kPictureSystem);
    if (!name.isEmpty()) {
        const auto n = staff::parseNoteName(name.toStdString());
        if (n)
            drawNote(p, staff::kPictureSystem, style, staff::staffOf(*n), n->step(), n->alter,
                     staff::kHeadX, n->sad);
    }
    return img;
}

void addNotePictures(Jobs& jobs)
{
    const struct {
        const char* type;
        Style style;
    } styles[] = {
        {"RONDE", Style::Ronde}, {"BLANCHE", Style::Blanche}, {"NOIRE", Style::Noire},
        {"CROCHE", Style::Croche}, {"BULLE", Style::Bulle}, {"SMILEY", Style::Smiley},
        {"FOOT", Style::Foot}, {"BASKET", Style::Basket},
    };
    for (const auto& s : styles) {
        for (const std::string& n : staff::noteNames()) {
            QStringList names{QString::fromStdString(n)};
            if (s.style == Style::Smiley)
                names << QString::fromStdString(n) + QStringLiteral("_2");
            for (const QString& name : names) {
                const Style style = s.style;
                jobs.push_back({QStringLiteral("res/%1/%2.png").arg(QLatin1String(s.type), name),
                                [style, name] { return notePicture(style, name); }});
            }
        }
    }
    jobs.push_back({QStringLiteral("res/DIVERS/PORTEE.png"), [] { return notePicture(Style::Ronde, {}); }});
}

} // namespace art
