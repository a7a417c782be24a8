#include "shell/looks.h"

#include "platform/controls.h"
#include "platform/resources.h"
#include "platform/vb.h"

#include <QFile>
#include <QFontMetrics>

namespace shell {

void useHandPointer(platform::Control& control)
{
    const QPixmap hand = platform::designPicture(QStringLiteral("cursor"), QStringLiteral("hand"));
    if (hand.isNull()) {
        control.widget()->setCursor(Qt::PointingHandCursor);
        return;
    }
    QPoint hotSpot(0, 0);
    QFile spot(QStringLiteral(":/design/cursor/hand.txt"));
    if (spot.open(QIODevice::ReadOnly)) {
        const QStringList xy = QString::fromLatin1(spot.readAll()).simplified().split(' ');
        if (xy.size() == 2)
            hotSpot = QPoint(xy[0].toInt(), xy[1].toInt());
    }
    control.setMouseIcon(hand, hotSpot);
    control.setMousePointer(platform::kPointerCustom);
}

void makeTextButton(platform::Label& label)
{
    label.setFont(QStringLiteral("Times New Roman"), 12, true);
    label.setAlignment(2);
    label.setBackColor(platform::colors::kWindowBackground);
    label.setForeColor(platform::colors::kWindowText);
    label.setAppearance(0);
    useHandPointer(label);
    label.onMouseDown = [&label](int, int, double, double) {
        label.setAppearance(1);
        label.setBackColor(platform::colors::kWindowBackground);
    };
    label.onMouseUp = [&label](int, int, double, double) { label.setAppearance(0); };
}

void fitOnOneLine(platform::Label& label, const QString& family, double points, bool bold)
{
    constexpr double kSmallest = 8;
    // Room for the caption inside a border or the raised look of a pressed button.
    const int room = platform::twipsToPixels(label.width()) - 4;
    label.setFont(family, points, bold);
    while (points > kSmallest &&
           QFontMetrics(label.widget()->font()).horizontalAdvance(label.caption()) > room) {
        points -= 0.5;
        label.setFont(family, points, bold);
    }
}

void makePictureButton(platform::Image& image)
{
    useHandPointer(image);
    image.onMouseDown = [&image](int, int, double, double) { image.setAppearance(1); };
    image.onMouseUp = [&image](int, int, double, double) { image.setAppearance(0); };
}

} // namespace shell
