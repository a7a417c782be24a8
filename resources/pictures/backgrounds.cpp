// The screen backgrounds: 800 x 600, each a light, calm colour with a faint scatter of notes,
// so that the texts and pictures laid on them read well.
#include "art.h"

namespace art {

namespace {

QImage background(const QString& name, quint32 seed)
{
    const QColor base = tintOf(name);
    QImage img = newImage(800, 600, base);
    QPainter p(&img);
    prepare(p);
    QColor faint = base.darker(107);
    scatterNotes(p, QRectF(-30, -20, 860, 640), faint, 48, seed, 20, 32);
    return img;
}

} // namespace

void addBackgrounds(Jobs& jobs)
{
    const char* const names[] = {"bleu", "bleu_turquoise", "jaune_clair", "orange", "pn", "rouge_clair", "vert_clair"};
    quint32 seed = 11;
    for (const char* n : names) {
        const QString name = QLatin1String(n);
        const quint32 s = seed++;
        jobs.push_back({QStringLiteral("res/FOND/%1.jpg").arg(name.toUpper()), [name, s] { return background(name, s); }});
    }
}

} // namespace art
