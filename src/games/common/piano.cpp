#include "games/common/piano.h"

#include "games/common/round.h"
#include "platform/controls.h"
#include "platform/vb.h"
#include "shell/looks.h"

namespace games::common {

double keyWidth(int key)
{
    if (isBlackKey(key))
        return kBlackKeyWidth;
    if (key == 5)
        return 525;
    if (key == 39)
        return 555;
    return 520;
}

void designPiano(const PianoKeys& keys, const PianoLefts& lefts)
{
    for (int k = 1; k <= kKeyCount; ++k) {
        platform::CommandButton& key = *keys[static_cast<size_t>(k - 1)];
        const bool black = isBlackKey(k);
        key.setStyle(1);
        key.setBackColor(black ? platform::colors::kBlack : platform::colors::kWhite);
        key.place(lefts[static_cast<size_t>(k - 1)], kKeyTop, keyWidth(k),
                  black ? kBlackKeyHeight : kWhiteKeyHeight);
        shell::useHandPointer(key);
    }
    for (int k = 1; k <= kKeyCount; ++k)
        if (isBlackKey(k))
            keys[static_cast<size_t>(k - 1)]->zOrder(0);
}

void bindPianoMouse(const PianoKeys& keys, std::function<bool()> mouseBlocked,
                    std::function<void(int)> press, std::function<void(int)> release)
{
    for (int k = 1; k <= kKeyCount; ++k) {
        platform::CommandButton& key = *keys[static_cast<size_t>(k - 1)];
        key.onMouseDown = [k, mouseBlocked, press](int, int, double, double) {
            if (!mouseBlocked())
                press(k);
        };
        key.onMouseUp = [k, release](int, int, double, double) { release(k); };
    }
}

void peindre_touches(const PianoKeys& keys, const std::function<std::optional<QString>(int key)>& imageOf)
{
    for (int k = 1; k <= kKeyCount; ++k) {
        const std::optional<QString> name = imageOf(k);
        if (!name)
            continue;
        const platform::Image* picture = image_du_magasin(*name);
        keys[static_cast<size_t>(k - 1)]->setPicture(picture ? picture->picture() : QPixmap());
    }
}

void blockPianoMouse(const PianoKeys& keys)
{
    for (platform::CommandButton* key : keys)
        key->setMousePointer(platform::kPointerNoDrop);
}

} // namespace games::common
