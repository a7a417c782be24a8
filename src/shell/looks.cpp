#include "shell/looks.h"

#include "platform/controls.h"
#include "platform/resources.h"
#include "platform/vb.h"

#include <QFile>
#include <QFontMetricsF>

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

void ajuster_a_la_largeur(platform::Label& label)
{
    const double inner = label.widget()->width() - 6;
    double points = label.fontSize();
    while (points > 8 && QFontMetricsF(label.widget()->font()).horizontalAdvance(label.caption()) > inner) {
        points -= 0.75;
        label.setFont(QStringLiteral("Times New Roman"), points, label.fontBold());
    }
}

void makePictureButton(platform::Image& image)
{
    useHandPointer(image);
    image.onMouseDown = [&image](int, int, double, double) { image.setAppearance(1); };
    image.onMouseUp = [&image](int, int, double, double) { image.setAppearance(0); };
}

} // namespace shell
