#include "games/common/piano_keys.h"

#include "media/form_instrument.h"
#include "platform/forms.h"

namespace games::common {

namespace {

struct KeyEntry {
    const char* widget;
    const char* stem;
    platform::CommandButton media::Form_instrument::*noteOn;
    platform::CommandButton media::Form_instrument::*noteOff;
};

#define TV_KEY_ENTRY(number, widget, note) \
    KeyEntry{#widget, #note, &media::Form_instrument::note##_MD, &media::Form_instrument::note##_MU},
const std::array<KeyEntry, kKeyCount> kKeys{{TV_PIANO_KEYS(TV_KEY_ENTRY)}};
#undef TV_KEY_ENTRY

// Note names by the key's place in its octave, counted from fa (key 1).
const std::array<const char*, 12> kNotes{"fa", "solb", "sol", "lab", "la", "sib",
                                         "si", "do",   "reb", "re",  "mib", "mi"};

const KeyEntry* entry(int key)
{
    if (key < 1 || key > kKeyCount)
        return nullptr;
    return &kKeys[static_cast<size_t>(key - 1)];
}

} // namespace

QString noteOfKey(int key)
{
    if (key < 1 || key > kKeyCount)
        return {};
    return QString::fromLatin1(kNotes[static_cast<size_t>((key - 1) % 12)]);
}

bool isBlackKey(int key)
{
    return noteOfKey(key).endsWith(QLatin1Char('b'));
}

QString keyWidgetName(int key)
{
    const KeyEntry* e = entry(key);
    return e ? QString::fromLatin1(e->widget) : QString();
}

QString noteButtonStem(int key)
{
    const KeyEntry* e = entry(key);
    return e ? QString::fromLatin1(e->stem) : QString();
}

platform::CommandButton& noteOnButton(int key)
{
    return platform::form<media::Form_instrument>().*(kKeys.at(static_cast<size_t>(key - 1)).noteOn);
}

platform::CommandButton& noteOffButton(int key)
{
    return platform::form<media::Form_instrument>().*(kKeys.at(static_cast<size_t>(key - 1)).noteOff);
}

void startKeyNote(int key)
{
    if (entry(key))
        noteOnButton(key).setValue(true);
}

void stopKeyNote(int key)
{
    if (entry(key))
        noteOffButton(key).setValue(true);
}

} // namespace games::common
