// The 40-key piano as the game screens lay it out, with the key pictures on it.
#include <QLinearGradient>

#include "art.h"

namespace art {

namespace {

struct KeyPlace {
    int left;   // twips from the piano's left edge
    int width;  // twips
};

// Left edge and width of keys 1..40 (index 0 unused), as the game screens place them.
const KeyPlace kKeys[41] = {
    {0, 0},
    {0, 520}, {270, 375}, {520, 520}, {840, 375}, {1040, 525}, {1380, 375}, {1560, 520}, {2080, 520},
    {2340, 375}, {2600, 520}, {2940, 375}, {3120, 520}, {3640, 520}, {3900, 375}, {4160, 520}, {4470, 375},
    {4680, 520}, {5040, 375}, {5190, 520}, {5715, 520}, {6000, 375}, {6240, 520}, {6600, 375}, {6760, 520},
    {7280, 520}, {7560, 375}, {7800, 520}, {8130, 375}, {8320, 520}, {8700, 375}, {8840, 520}, {9360, 520},
    {9660, 375}, {9880, 520}, {10200, 375}, {10400, 520}, {10920, 520}, {11190, 375}, {11440, 555}, {11730, 375},
};
constexpr int kWhiteHeight = 3615;
constexpr int kBlackHeight = 2295;
constexpr double kTwipsPerPixel = 15;

// Draws a key picture on its key as the game screen places it (centred on a key of its full
// height), at the scale the key is drawn. On a key drawn shorter than that, the picture keeps
// its place above the key's bottom edge.
void drawHint(QPainter& p, const QRectF& key, int keyHeightTwips, const QImage& hint, double scale)
{
    if (hint.isNull())
        return;
    const QSizeF size(hint.width() * scale, hint.height() * scale);
    const double bottomMargin = (keyHeightTwips / kTwipsPerPixel - hint.height()) / 2 * scale;
    const QRectF where(key.center().x() - size.width() / 2, key.bottom() - bottomMargin - size.height(),
                       size.width(), size.height());
    p.save();
    p.setClipRect(key, Qt::IntersectClip);
    p.drawImage(where, hint);
    p.restore();
}

} // namespace

bool isBlackKey(int key)
{
    const int place = (key - 1) % 12;  // 0 = fa
    return place == 1 || place == 3 || place == 5 || place == 8 || place == 10;
}

void drawKeyboard(QPainter& p, const QRectF& area, int firstKey, int lastKey,
                  const std::function<QImage(int)>& hint, int usedFrom, int usedTo)
{
    const double x0 = kKeys[firstKey].left;
    const double x1 = kKeys[lastKey].left + kKeys[lastKey].width;
    const double sx = area.width() / (x1 - x0);
    const double sy = area.height() / kWhiteHeight;
    const double pictureScale = sx * kTwipsPerPixel;
    auto rectOf = [&](int key) {
        const double h = isBlackKey(key) ? kBlackHeight : kWhiteHeight;
        return QRectF(area.left() + (kKeys[key].left - x0) * sx, area.top(), kKeys[key].width * sx, h * sy);
    };
    p.save();
    p.setClipRect(area, Qt::IntersectClip);
    p.fillRect(area, QColor(20, 20, 24));
    const int from = qMax(1, firstKey - 1), to = qMin(40, lastKey + 1);
    for (int key = from; key <= to; ++key) {
        if (isBlackKey(key))
            continue;
        const QRectF r = rectOf(key).adjusted(0.5, 0, -0.5, -0.5);
        const bool used = key >= usedFrom && key <= usedTo;
        QLinearGradient g(r.topLeft(), r.bottomLeft());
        g.setColorAt(0, used ? QColor(246, 246, 248) : QColor(214, 214, 220));
        g.setColorAt(0.12, used ? Qt::white : QColor(226, 226, 232));
        g.setColorAt(1, used ? QColor(250, 250, 250) : QColor(222, 222, 228));
        p.setPen(QPen(QColor(110, 110, 120), 1));
        p.setBrush(g);
        p.drawRoundedRect(r, 1.5, 1.5);
        drawHint(p, r, kWhiteHeight, hint(key), pictureScale);
    }
    for (int key = from; key <= to; ++key) {
        if (!isBlackKey(key))
            continue;
        const QRectF r = rectOf(key);
        QLinearGradient g(r.topLeft(), r.topRight());
        g.setColorAt(0, QColor(48, 48, 54));
        g.setColorAt(0.5, QColor(12, 12, 14));
        g.setColorAt(1, QColor(30, 30, 34));
        p.setPen(QPen(QColor(0, 0, 0), 1));
        p.setBrush(g);
        p.drawRoundedRect(r.adjusted(0, -2, 0, 0), 1.5, 1.5);
        drawHint(p, r, kBlackHeight, hint(key), pictureScale);
    }
    p.restore();
}

} // namespace art
