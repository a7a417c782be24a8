#pragma once
// The picture generator: every picture the program carries is drawn here with QPainter.
//
// Each picture is a Job: its resource path (also its file path under the output folder; the
// extension picks the format: .png, or .jpg at quality 90) and the function that draws it.
// A few jobs carry a small text file instead (the pointer's hot spot).

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <functional>
#include <utility>
#include <vector>

#include "staff_geometry.h"

namespace art {

struct Job {
    Job(QString a, std::function<QImage()> d) : alias(std::move(a)), draw(std::move(d)) {}
    Job(QString a, QByteArray t) : alias(std::move(a)), text(std::move(t)) {}
    QString alias;
    std::function<QImage()> draw;
    QByteArray text;  // written as it is instead of a picture when draw is empty
};
using Jobs = std::vector<Job>;

// The families of pictures, each in its own file.
void addNotePictures(Jobs& jobs);   // notes.cpp: the eight note styles and the empty staff
void addBackgrounds(Jobs& jobs);    // backgrounds.cpp: the seven screen backgrounds
void addStorePictures(Jobs& jobs);  // store.cpp: the picture store's key, metronome, envelope pictures
void addLevelPictures(Jobs& jobs);  // levels.cpp: the 92 level pictures
void addMenuPictures(Jobs& jobs);   // menu.cpp: main menu, flags, loudspeaker, pointer, icon, dialogs

// ---- fonts (common.cpp) ----
// Loads the music font; false (with a reason) when a font the pictures need is missing.
bool loadFonts(QString* error);
QFont sansFont(double pixelSize, bool bold = true, bool italic = false);
QFont serifFont(double pixelSize, bool bold = true);
QFont musicFont(double pixelSize);

// ---- canvas helpers (common.cpp) ----
QImage newImage(int width, int height, QColor fill = Qt::transparent);
void prepare(QPainter& p);  // antialiasing and smooth scaling
// Text centred on a point, in a font and colour, optionally with an outline around the glyphs.
void drawTextCentred(QPainter& p, QPointF centre, const QString& text, const QFont& font,
                     QColor fill, QColor outline = Qt::transparent, double outlineWidth = 0);
// A disc lit from the upper left, shaded from a light spot through mid to dark at its rim.
void fillLitDisc(QPainter& p, const QRectF& r, QColor light, QColor mid, QColor dark);
// A circle just inside the rectangle.
void outlineDisc(QPainter& p, const QRectF& r, QColor colour, double width);
// A shaded ball (light from the upper left) filling the rectangle.
void drawBall(QPainter& p, const QRectF& r, QColor base);
// A faint scatter of eighth notes over a rectangle (backgrounds, panels).
void scatterNotes(QPainter& p, const QRectF& r, QColor colour, int count, quint32 seed,
                  double minSize, double maxSize);
// A small eighth-note symbol (head at the origin, stem up), for decoration.
void drawEighthSymbol(QPainter& p, QPointF head, double size, QColor colour);

// ---- colours (common.cpp) ----
// The light background colour of a screen background name ("bleu", "jaune_clair", ...).
QColor tintOf(const QString& name);
// The colour code of the note names: do/sol orange, re/fa/la green, mi/si blue, altered red.
QColor nameColour(int letter, int alter);

// ---- note pictures (notes.cpp) ----
enum class Style { Ronde, Blanche, Noire, Croche, Bulle, Smiley, Foot, Basket };
// The staff lines, brace and clefs of one grand staff.
void drawSystem(QPainter& p, const staff::System& sys);
// One note on a system at column x: ledger lines, accidental, head, stem, flag.
void drawNote(QPainter& p, const staff::System& sys, Style style, staff::Staff st, int step,
              int alter, double x, bool sad = false, QColor headColour = QColor(20, 20, 28));
// A head alone (or the whole object of the picture styles), centred, for samples.
void drawHead(QPainter& p, Style style, QPointF centre, double lineSpacing, bool sad,
              QColor colour);
void drawStem(QPainter& p, Style style, QPointF head, double lineSpacing, bool up, QColor colour,
              double lengthInSpaces = 3.5);
// A whole note picture (empty staff when name is empty).
QImage notePicture(Style style, const QString& name);

// ---- picture store and keys (store.cpp, keyboard.cpp) ----
// A picture of the store by widget name (Image_orange, Image_do_us, Metronome_droite_pn ...);
// a null image for Image_rien and for unknown names. Drawn once, then shared.
QImage storePicture(const QString& widget);
// The empty-circle marker the level pictures of the hint-free games show, white or black key.
QImage ringPicture(bool blackKey);
// The cartoon metronome in a rectangle; swing -1 leans the rod left, +1 right, 0 upright.
void drawMetronome(QPainter& p, const QRectF& r, double swing);

// Keys 1..40 of the on-screen piano.
bool isBlackKey(int key);
// Draws keys firstKey..lastKey (white keys at both ends) into area, as the game screen
// shows them; hint(key) gives the picture on the key (null: plain). Keys outside [usedFrom,
// usedTo] are greyed a little.
void drawKeyboard(QPainter& p, const QRectF& area, int firstKey, int lastKey,
                  const std::function<QImage(int)>& hint, int usedFrom = 1, int usedTo = 40);

// ---- key hints per game and level (levels.cpp) ----
// The picture a game puts on a key at a level: a store widget name, "Image_rien" for a key
// that is blanked, or an empty text for a key the level does not touch.
QString markerOfKey(int level, int key);                          // "pp" colour markers
QString nameOfKey(const QString& language, int level, int key);   // "pp2": francais/anglais/espagnol
QString nnMarkerOfKey(int level, int key);                        // "nn" colour markers

} // namespace art
