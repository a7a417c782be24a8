// The pictures of the screens' own design: the main menu (title, game pictures, still
// metronome, envelope), the language flags, the sound dialog's loudspeaker, the pointing-hand
// pointer, the program icon, the note-appearance samples, the score screen's background and
// the still metronomes of the level-choice screens and of the staff-to-name game.
#include <QLinearGradient>
#include <QPainterPath>
#include <QtMath>

#include "art.h"

namespace art {

namespace {

constexpr int kGameW = 232, kGameH = 175;  // a game picture of the main menu

// ---------- the small views of the game screens ----------

// The frame every small view shares: the game's background, a row of buttons, the score and
// time bars.
void drawMiniScreen(QPainter& p, const QString& background, double barsY)
{
    const QColor base = tintOf(background);
    p.fillRect(QRectF(0, 0, kGameW, kGameH), base);
    scatterNotes(p, QRectF(0, 0, kGameW, kGameH), base.darker(106), 18, 7, 8, 14);
    p.setPen(QPen(QColor(150, 150, 165), 0.8));
    p.setBrush(Qt::white);
    for (int i = 0; i < 6; ++i)
        p.drawRoundedRect(QRectF(4 + i * 38, 3, 34, 9), 2.5, 2.5);
    // score bar and time bar: red tracks, light-yellow fill
    for (int i = 0; i < 2; ++i) {
        const QRectF track(6, barsY + i * 6, kGameW - 12, 3.5);
        p.fillRect(track, QColor(230, 30, 30));
        p.fillRect(QRectF(track.left(), track.top(), track.width() * (i == 0 ? 0.62 : 0.35), track.height()),
                   QColor(255, 255, 192));
    }
}

// A grand staff with one note in a small white card.
void drawMiniStaff(QPainter& p, const QRectF& card, Style style, const QString& note)
{
    p.save();
    p.setPen(QPen(QColor(140, 140, 160), 0.8));
    p.setBrush(Qt::white);
    p.drawRoundedRect(card, 4, 4);
    staff::System sys;
    sys.lineSpacing = card.height() / 14;  // two staves, their gap and a space above and below
    sys.gap = 4 * sys.lineSpacing;
    sys.left = card.left() + 2 * sys.lineSpacing;
    sys.right = card.right() - sys.lineSpacing;
    sys.trebleTop = card.top() + 1.2 * sys.lineSpacing;
    drawSystem(p, sys);
    if (const auto n = staff::parseNoteName(note.toStdString()))
        drawNote(p, sys, style, staff::staffOf(*n), n->step(), n->alter, (sys.left + sys.right) / 2 + 8);
    p.restore();
}

void drawMiniPiano(QPainter& p, const std::function<QImage(int)>& hint)
{
    drawKeyboard(p, QRectF(0, 110, kGameW, kGameH - 110), 13, 29, hint);
}

void drawFrame(QPainter& p)
{
    p.setPen(QPen(QColor(40, 60, 120), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1, 1, kGameW - 2, kGameH - 2));
}

// Staff to keyboard: the note on the staff above the piano with the game's key hints.
QImage staffToKeyboard(const QString& background, Style style, const QString& note,
                       const std::function<QImage(int)>& hint)
{
    QImage img = newImage(kGameW, kGameH, Qt::white);
    QPainter p(&img);
    prepare(p);
    drawMiniScreen(p, background, 98);
    drawMiniStaff(p, QRectF(46, 15, 132, 80), style, note);
    drawMetronome(p, QRectF(188, 26, 26, 39), 1);
    drawMiniPiano(p, hint);
    drawFrame(p);
    return img;
}

// Name to keyboard: a big note name (coloured or red) above the piano.
QImage nameToKeyboard(const QString& background, const QString& name, QColor colour,
                      const std::function<QImage(int)>& hint)
{
    QImage img = newImage(kGameW, kGameH, Qt::white);
    QPainter p(&img);
    prepare(p);
    drawMiniScreen(p, background, 98);
    drawTextCentred(p, QPointF(110, 56), name, serifFont(46), colour, Qt::white, 2);
    drawMetronome(p, QRectF(188, 26, 26, 39), -1);
    drawMiniPiano(p, hint);
    drawFrame(p);
    return img;
}

// Staff to name: the staff in the middle, the ring of name buttons around it.
QImage staffToName(const QStringList& names)
{
    QImage img = newImage(kGameW, kGameH, Qt::white);
    QPainter p(&img);
    prepare(p);
    drawMiniScreen(p, QStringLiteral("pn"), 160);
    drawMiniStaff(p, QRectF(74, 44, 88, 86), Style::Noire, QStringLiteral("24_MI"));
    // the seven naturals clockwise from the top left, as the buttons stand on the screen
    const QPointF places[7] = {{62, 36}, {118, 28}, {174, 36}, {186, 100}, {162, 146}, {74, 146}, {52, 96}};
    for (int i = 0; i < 7; ++i)
        drawTextCentred(p, places[i], names[i], serifFont(17), i == 2 ? QColor(220, 0, 220) : QColor(20, 20, 20));
    drawMetronome(p, QRectF(200, 118, 22, 33), 0);
    drawFrame(p);
    return img;
}

QImage gamePicture(const QString& game, bool english)
{
    const QString lang = english ? QStringLiteral("anglais") : QStringLiteral("francais");
    if (game == QLatin1String("pp"))
        return staffToKeyboard(QStringLiteral("jaune_clair"), Style::Bulle, QStringLiteral("20_DO_S"),
                               [](int k) { return storePicture(markerOfKey(4, k)); });
    if (game == QLatin1String("pp2"))
        return staffToKeyboard(QStringLiteral("rouge_clair"), Style::Noire, QStringLiteral("22_RE"),
                               [lang](int k) { return storePicture(nameOfKey(lang, 4, k)); });
    if (game == QLatin1String("pp3"))
        return staffToKeyboard(QStringLiteral("bleu_turquoise"), Style::Ronde, QStringLiteral("17_LA"),
                               [](int) { return QImage(); });
    if (game == QLatin1String("nn"))
        return nameToKeyboard(QStringLiteral("vert_clair"), english ? QStringLiteral("G") : QStringLiteral("sol"),
                              nameColour(4, 0), [](int k) { return storePicture(nnMarkerOfKey(1, k)); });
    if (game == QLatin1String("nn2"))
        return nameToKeyboard(QStringLiteral("orange"), english ? QStringLiteral("D") : QStringLiteral("r\u00e9"),
                              QColor(230, 0, 0), [](int) { return QImage(); });
    const QStringList french{QStringLiteral("do"), QStringLiteral("r\u00e9"), QStringLiteral("mi"), QStringLiteral("fa"),
                             QStringLiteral("sol"), QStringLiteral("la"), QStringLiteral("si")};
    const QStringList letters{QStringLiteral("C"), QStringLiteral("D"), QStringLiteral("E"), QStringLiteral("F"),
                              QStringLiteral("G"), QStringLiteral("A"), QStringLiteral("B")};
    return staffToName(english ? letters : french);
}

// ---------- the main menu's title ----------

QImage title()
{
    QImage img = newImage(263, 71, tintOf(QStringLiteral("bleu")));
    QPainter p(&img);
    prepare(p);
    const QRectF banner(2, 3, 259, 65);
    QLinearGradient g(banner.topLeft(), banner.bottomLeft());
    g.setColorAt(0, QColor(255, 255, 255));
    g.setColorAt(1, QColor(255, 246, 200));
    p.setPen(QPen(QColor(60, 100, 200), 2.2));
    p.setBrush(g);
    p.drawRoundedRect(banner, 18, 18);
    const QString word = QStringLiteral("Tastevolo");
    const QColor colours[] = {QColor(230, 40, 50), QColor(250, 140, 0), QColor(230, 190, 0), QColor(40, 170, 60),
                              QColor(0, 160, 190), QColor(40, 90, 220), QColor(140, 60, 200), QColor(225, 60, 150),
                              QColor(230, 40, 50)};
    const QFont f = sansFont(41);
    const QFontMetricsF fm(f);
    double x = banner.center().x() - fm.horizontalAdvance(word) / 2 + 7;
    for (int i = 0; i < word.size(); ++i) {
        const QString ch = word.mid(i, 1);
        const double w = fm.horizontalAdvance(ch);
        const double bob = (i % 2 == 0) ? -2 : 2;
        QPainterPath path;
        path.addText(x, 52 + bob, f, ch);
        p.save();
        p.translate(1.8, 2.2);
        p.fillPath(path, QColor(20, 30, 80, 90));
        p.restore();
        p.strokePath(path, QPen(QColor(25, 30, 70), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.fillPath(path, colours[i]);
        x += w;
    }
    drawEighthSymbol(p, QPointF(13, 47), 15, QColor(60, 100, 200));
    return img;
}

// ---------- flags ----------

QImage flag(const QString& language)
{
    QImage img = newImage(36, 25, Qt::white);
    QPainter p(&img);
    prepare(p);
    const QRectF r(0, 0, 36, 25);
    if (language == QLatin1String("francais")) {
        p.fillRect(QRectF(0, 0, 12, 25), QColor(0, 38, 150));
        p.fillRect(QRectF(12, 0, 12, 25), Qt::white);
        p.fillRect(QRectF(24, 0, 12, 25), QColor(232, 36, 52));
    } else if (language == QLatin1String("espagnol")) {
        p.fillRect(QRectF(0, 0, 36, 25), QColor(198, 11, 30));
        p.fillRect(QRectF(0, 6.25, 36, 12.5), QColor(255, 196, 0));
    } else {
        const QColor blue(1, 33, 105), red(200, 16, 46);
        p.fillRect(r, blue);
        p.setClipRect(r);
        p.setPen(QPen(Qt::white, 5));
        p.drawLine(r.topLeft(), r.bottomRight());
        p.drawLine(r.bottomLeft(), r.topRight());
        p.setPen(QPen(red, 1.6));
        // the red diagonals, offset from the white ones
        p.drawLine(QPointF(0, -0.9), QPointF(18, 11.6));
        p.drawLine(QPointF(18, 13.4), QPointF(36, 25.9));
        p.drawLine(QPointF(-0.9, 25), QPointF(17.1, 12.5));
        p.drawLine(QPointF(18.9, 12.5), QPointF(36.9, 0));
        p.fillRect(QRectF(14, 0, 8, 25), Qt::white);
        p.fillRect(QRectF(0, 8.5, 36, 8), Qt::white);
        p.fillRect(QRectF(15.5, 0, 5, 25), red);
        p.fillRect(QRectF(0, 10, 36, 5), red);
        p.setClipping(false);
    }
    p.setPen(QPen(QColor(90, 90, 100), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
    return img;
}

// ---------- the sound dialog's loudspeaker ----------

QImage loudspeaker()
{
    QImage img = newImage(34, 20);
    QPainter p(&img);
    prepare(p);
    const QColor ink(30, 40, 90);
    QPainterPath body;
    body.addRect(QRectF(2.5, 6.5, 5, 7));
    QPainterPath cone;
    cone.moveTo(7.5, 6.5);
    cone.lineTo(14, 1.5);
    cone.lineTo(14, 18.5);
    cone.lineTo(7.5, 13.5);
    cone.closeSubpath();
    p.setPen(QPen(ink, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(70, 110, 220));
    p.drawPath(body.united(cone));
    p.setPen(QPen(QColor(255, 130, 0), 2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (double rad : {5.0, 10.0, 15.0})
        p.drawArc(QRectF(14 - rad, 10 - rad, 2 * rad, 2 * rad), -45 * 16, 90 * 16);
    return img;
}

// ---------- the pointing hand ----------

constexpr int kHotSpotX = 11, kHotSpotY = 6;  // the tip of the pointing finger

QImage hand()
{
    QImage img = newImage(32, 32);
    QPainter p(&img);
    prepare(p);
    // the finger's tip is at (11, 6): its outline runs along row 5
    QPainterPath shape;
    shape.setFillRule(Qt::WindingFill);  // the parts overlap: their union is the hand
    shape.addRoundedRect(QRectF(8.2, 4.7, 6.2, 16), 3.1, 3.1);     // the pointing finger
    shape.addRoundedRect(QRectF(8.2, 12.4, 18.8, 15.1), 4.5, 4.5); // the palm and the folded fingers
    QPainterPath thumb;
    thumb.moveTo(9.5, 18.2);
    thumb.cubicTo(6.5, 15.2, 2.8, 15.6, 3.4, 18.4);
    thumb.cubicTo(4.0, 21.0, 6.8, 23.6, 9.5, 26.0);
    thumb.closeSubpath();
    shape = shape.united(thumb).simplified();
    p.setPen(QPen(Qt::black, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPath(shape);
    p.setPen(QPen(Qt::black, 1.0, Qt::SolidLine, Qt::RoundCap));
    for (double x : {14.4, 18.6, 22.8})
        p.drawLine(QPointF(x, 12.8), QPointF(x, 16.4));
    // the sleeve's cuff
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(QColor(40, 110, 220));
    p.drawRoundedRect(QRectF(9.6, 26.6, 16.4, 4.6), 1.2, 1.2);
    return img;
}

// ---------- the program icon ----------

QImage icon()
{
    QImage img = newImage(32, 32);
    QPainter p(&img);
    prepare(p);
    QLinearGradient g(0, 0, 0, 32);
    g.setColorAt(0, QColor(90, 160, 255));
    g.setColorAt(1, QColor(40, 80, 210));
    p.setPen(QPen(QColor(20, 40, 120), 1));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(0.5, 0.5, 31, 31), 7, 7);
    // three keys at the bottom
    p.setPen(QPen(QColor(30, 30, 50), 0.8));
    p.setBrush(Qt::white);
    for (int i = 0; i < 4; ++i)
        p.drawRect(QRectF(3.5 + i * 6.3, 21, 6.3, 8.5));
    p.setBrush(QColor(20, 20, 25));
    for (int i = 0; i < 3; ++i)
        p.drawRect(QRectF(8 + i * 6.3, 21, 3.4, 4.8));
    drawEighthSymbol(p, QPointF(13, 15), 13, QColor(255, 215, 40));
    return img;
}

// ---------- the note-appearance dialog's samples ----------

QImage styleSample(Style style)
{
    QImage img = newImage(50, 50, Qt::white);
    QPainter p(&img);
    prepare(p);
    const QColor ink(20, 20, 28);
    switch (style) {
    case Style::Ronde:
        drawHead(p, style, QPointF(25, 25), 22, false, ink);
        break;
    case Style::Blanche:
    case Style::Noire:
    case Style::Croche:
        drawStem(p, style, QPointF(21, 39), 14, true, ink, 2.4);
        drawHead(p, style, QPointF(21, 39), 14, false, ink);
        break;
    default:
        drawHead(p, style, QPointF(25, 25), 30, false, ink);
        break;
    }
    return img;
}

// ---------- the score screen's background ----------

QImage scoreBackground()
{
    QImage img = newImage(329, 281, Qt::white);
    QPainter p(&img);
    prepare(p);
    QLinearGradient g(0, 0, 0, 281);
    g.setColorAt(0, QColor(255, 250, 220));
    g.setColorAt(1, QColor(255, 232, 205));
    p.fillRect(img.rect(), g);
    scatterNotes(p, QRectF(0, 0, 329, 281), QColor(240, 200, 150), 16, 5, 12, 20);
    // gold stars
    const QPointF stars[] = {{22, 24}, {306, 26}, {40, 258}, {292, 256}, {164, 270}};
    for (const QPointF& c : stars) {
        QPolygonF star;
        for (int i = 0; i < 10; ++i) {
            const double r = i % 2 == 0 ? 10 : 4.2;
            const double a = qDegreesToRadians(-90 + i * 36.0);
            star << c + QPointF(r * qCos(a), r * qSin(a));
        }
        p.setPen(QPen(QColor(200, 130, 0), 1));
        p.setBrush(QColor(255, 205, 40));
        p.drawPolygon(star);
    }
    return img;
}

QImage stillMetronome(int w, int h)
{
    QImage img = newImage(w, h);
    QPainter p(&img);
    prepare(p);
    drawMetronome(p, QRectF(0, 0, w, h), 0);
    return img;
}

} // namespace

void addMenuPictures(Jobs& jobs)
{
    const QString piano = QStringLiteral("design/Form_piano/");
    jobs.push_back({piano + QStringLiteral("Image1.jpg"), title});
    jobs.push_back({piano + QStringLiteral("Metronome_stop.png"), [] { return stillMetronome(50, 75); }});
    jobs.push_back({piano + QStringLiteral("enveloppe.png"), [] { return storePicture(QStringLiteral("enveloppenoir")); }});
    for (const char* g : {"pp", "pp2", "pp3", "pn", "nn", "nn2"}) {
        const QString game = QLatin1String(g);
        jobs.push_back({piano + QStringLiteral("Image_%1.jpg").arg(game), [game] { return gamePicture(game, false); }});
    }
    for (const char* g : {"pp2", "pn", "nn", "nn2"}) {
        const QString game = QLatin1String(g);
        jobs.push_back({piano + QStringLiteral("Image_%1us.jpg").arg(game), [game] { return gamePicture(game, true); }});
    }
    const struct {
        const char* widget;
        const char* language;
    } flags[] = {{"Image_francais", "francais"}, {"Image_anglais", "anglais"}, {"Image_espagnol", "espagnol"}};
    for (const auto& f : flags) {
        const QString language = QLatin1String(f.language);
        jobs.push_back({QStringLiteral("design/Form_joueurs/%1.png").arg(QLatin1String(f.widget)),
                        [language] { return flag(language); }});
    }
    jobs.push_back({QStringLiteral("design/Form_bruitage/Label_son.png"), loudspeaker});
    jobs.push_back({QStringLiteral("design/cursor/hand.png"), hand});
    jobs.push_back({QStringLiteral("design/cursor/hand.txt"),
                    QStringLiteral("%1 %2\n").arg(kHotSpotX).arg(kHotSpotY).toLatin1()});
    jobs.push_back({QStringLiteral("res/ICON/30001.png"), icon});
    const struct {
        const char* widget;
        Style style;
    } samples[] = {{"Image_ronde", Style::Ronde}, {"Image_smiley", Style::Smiley}, {"Image_blanche", Style::Blanche},
                   {"Image_noire", Style::Noire}, {"Image_croche", Style::Croche}, {"Image_bulle", Style::Bulle},
                   {"Image_foot", Style::Foot}, {"Image_basket", Style::Basket}};
    for (const auto& s : samples) {
        const Style style = s.style;
        jobs.push_back({QStringLiteral("design/Form_bulles/%1.png").arg(QLatin1String(s.widget)),
                        [style] { return styleSample(style); }});
    }
    jobs.push_back({QStringLiteral("design/Form_score/Image_fond.jpg"), scoreBackground});
    jobs.push_back({QStringLiteral("design/Form_pn/Metronome_stop.png"), [] { return stillMetronome(53, 80); }});
    for (const char* g : {"pp", "pp2", "pp3", "pn", "nn", "nn2"})
        jobs.push_back({QStringLiteral("design/Form_choix_%1/Metronome_stop.png").arg(QLatin1String(g)),
                        [] { return stillMetronome(50, 75); }});
}

} // namespace art
