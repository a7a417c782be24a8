#pragma once
// The widgets of the screens, with positions and sizes in twips and the properties and events
// the screens use.  Every event handler runs through platform::dispatch.

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QRadioButton>
#include <QWidget>

#include <functional>

namespace platform {

class Form;

// The mouse button as the handlers number it: 1 left, 2 right, 4 middle.
int vbButton(Qt::MouseButton button);
// The buttons held down during a move, added up the same way.
int vbButtons(Qt::MouseButtons buttons);

// Mouse pointers: 0 default, 1 arrow, 11 hourglass, 12 no drop, 99 custom (setMouseIcon).
enum MousePointerCode { kPointerDefault = 0, kPointerArrow = 1, kPointerNoDrop = 12, kPointerCustom = 99 };

// Names that Control and the Qt widget classes share: the screens mean Control's.
#define TV_CONTROL_NAMES                                                                           \
public:                                                                                            \
    using Control::setVisible;                                                                     \
    using Control::setFont;                                                                        \
    using Control::setEnabled;                                                                     \
    using Control::width;                                                                          \
    using Control::height;                                                                         \
    using Control::click;                                                                          \
    using Control::setFocus;                                                                       \
                                                                                                   \
private:

// What every widget shares.  Attach one to a concrete QWidget through ControlBase<T>.
class Control {
public:
    Control(Form* form, QWidget* self, const QString& name);
    virtual ~Control() = default;

    const QString& name() const { return name_; }
    Form* parentForm() const { return form_; }
    QWidget* widget() const { return self_; }

    double left() const { return left_; }
    double top() const { return top_; }
    double width() const { return width_; }
    double height() const { return height_; }
    void setLeft(double twips);
    void setTop(double twips);
    void setWidth(double twips);
    void setHeight(double twips);
    void place(double left, double top, double width, double height);

    bool visible() const;
    void setVisible(bool on);
    bool enabled() const;
    void setEnabled(bool on);

    quint32 backColor() const { return backColor_; }
    void setBackColor(quint32 c);
    quint32 foreColor() const { return foreColor_; }
    void setForeColor(quint32 c);
    int appearance() const { return appearance_; }
    void setAppearance(int a);
    int borderStyle() const { return borderStyle_; }
    void setBorderStyle(int b);

    // Font by name, size in points and weight; "Times New Roman", "Arial" and "MS Sans Serif"
    // map to the Liberation fonts.
    void setFont(const QString& family, double points, bool bold = false, bool italic = false);
    double fontSize() const { return fontPoints_; }
    bool fontBold() const { return fontBold_; }

    int mousePointer() const { return pointer_; }
    void setMousePointer(int code);
    void setMouseIcon(const QPixmap& icon, QPoint hotSpot);

    // 0 brings to front, 1 sends to back.
    void zOrder(int position = 0);

    // Events.
    std::function<void()> onClick;
    std::function<void()> onDblClick;
    std::function<void(int button, int shift, double x, double y)> onMouseDown;
    std::function<void(int button, int shift, double x, double y)> onMouseUp;
    std::function<void(int button, int shift, double x, double y)> onMouseMove;
    std::function<void(int& keyCode, int shift)> onKeyDown;
    std::function<void(int& keyCode, int shift)> onKeyUp;

    // A named action: runs the click handler at once, on the caller's thread.
    void click();
    // Gives the widget the keyboard: at once when its screen is the active one, else as soon as
    // the screen becomes active.
    void setFocus();

    // What a user's mouse does (also used by tests): a disabled or hidden widget takes nothing.
    // The release always goes to the widget that took the press.
    void userMouseDown(int button = 1, double x = 0, double y = 0, int shift = 0);
    void userMouseUp(int button = 1, double x = 0, double y = 0, int shift = 0);
    void userClick(int button = 1);
    // The pointer moving over the widget (button: the buttons held down, 0 for none).
    void userMouseMove(int button = 0, double x = 0, double y = 0, int shift = 0);
    bool takesInput() const;

protected:
    void applyGeometry();
    virtual void styleChanged();
    // Passes a Qt mouse press or release to the widget's own handler.
    void reportMouse(QMouseEvent* e, bool down);
    // Colours of a Qt widget: a text widget's base and text, or a button's background.
    void applyPalette(bool textWidget);
    // What a user's click does once the button is released over the widget.
    virtual void activate() { click(); }
    // Hooks for the concrete widgets' Qt event handlers.
    bool handleMousePress(QMouseEvent* e);
    bool handleMouseRelease(QMouseEvent* e);
    bool handleMouseMove(QMouseEvent* e);
    bool handleDoubleClick(QMouseEvent* e);
    void paintFrame(QPainter& p, const QRect& r) const;
    bool pressed_ = false;

    Form* form_;
    QWidget* self_;
    QString name_;
    double left_ = 0, top_ = 0, width_ = 1200, height_ = 375;
    quint32 backColor_ = 0x8000000F;
    quint32 foreColor_ = 0x80000012;
    int appearance_ = 1;
    int borderStyle_ = 0;
    double fontPoints_ = 8.25;
    bool fontBold_ = false;
    int pointer_ = 0;
    QPixmap mouseIcon_;
    QPoint hotSpot_;
};

// A painted widget: labels, images, picture boxes, buttons, frames, shapes.
class PaintedControl : public QWidget, public Control {
    Q_OBJECT
    TV_CONTROL_NAMES
public:
    PaintedControl(Form* form, const QString& name, QWidget* container);

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void styleChanged() override { update(); }
};

class Label : public PaintedControl {
    Q_OBJECT
public:
    Label(Form* form, const QString& name, QWidget* container = nullptr);
    QString caption() const { return caption_; }
    void setCaption(const QString& text);
    int alignment() const { return alignment_; }
    void setAlignment(int a);  // 0 left, 1 right, 2 centre
    int backStyle() const { return backStyle_; }
    void setBackStyle(int s);  // 0 transparent, 1 opaque
    void setWordWrap(bool on) { wordWrap_ = on; update(); }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QString caption_;
    int alignment_ = 0;
    int backStyle_ = 1;
    bool wordWrap_ = true;
};

// A picture without background; it takes the size of its picture unless stretched.
class Image : public PaintedControl {
    Q_OBJECT
public:
    Image(Form* form, const QString& name, QWidget* container = nullptr);
    QPixmap picture() const { return picture_; }
    void setPicture(const QPixmap& picture);
    bool stretch() const { return stretch_; }
    void setStretch(bool on);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QPixmap picture_;
    bool stretch_ = false;
};

// A box with a background colour and a picture at its top left corner.
class PictureBox : public PaintedControl {
    Q_OBJECT
public:
    PictureBox(Form* form, const QString& name, QWidget* container = nullptr);
    QPixmap picture() const { return picture_; }
    void setPicture(const QPixmap& picture);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QPixmap picture_;
};

// A push button; style 1 (graphical) shows its background colour and picture.
class CommandButton : public PaintedControl {
    Q_OBJECT
public:
    CommandButton(Form* form, const QString& name, QWidget* container = nullptr);
    QString caption() const { return caption_; }
    void setCaption(const QString& text) { caption_ = text; update(); }
    int style() const { return style_; }
    void setStyle(int s) { style_ = s; update(); }
    QPixmap picture() const { return picture_; }
    void setPicture(const QPixmap& picture) { picture_ = picture; update(); }
    // Setting the value to true runs the click handler (a named action).
    void setValue(bool v) { if (v) click(); }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QString caption_;
    int style_ = 0;
    QPixmap picture_;
};

class Frame : public PaintedControl {
    Q_OBJECT
public:
    Frame(Form* form, const QString& name, QWidget* container = nullptr);
    QString caption() const { return caption_; }
    void setCaption(const QString& text) { caption_ = text; update(); }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QString caption_;
};

// Rectangles and ovals: shape 0 rectangle, 1 square, 2 oval, 3 circle, 4 rounded rectangle.
class Shape : public PaintedControl {
    Q_OBJECT
public:
    Shape(Form* form, const QString& name, QWidget* container = nullptr);
    void setShape(int s) { shape_ = s; update(); }
    void setBorderColor(quint32 c) { borderColor_ = c; update(); }
    void setBorderWidth(int w) { borderWidth_ = w; update(); }
    void setFillStyle(int s) { fillStyle_ = s; update(); }  // 0 solid, 1 transparent
    void setFillColor(quint32 c) { fillColor_ = c; update(); }
    void setBackStyle(int s) { backStyle_ = s; update(); }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    int shape_ = 0;
    quint32 borderColor_ = 0;
    int borderWidth_ = 1;
    int fillStyle_ = 1;
    quint32 fillColor_ = 0;
    int backStyle_ = 0;
};

// A one-line text box.  Its change event fires for every change of its text, from the user or
// from code; postText delivers text from any thread.
class TextBox : public QLineEdit, public Control {
    Q_OBJECT
    TV_CONTROL_NAMES
public:
    TextBox(Form* form, const QString& name, QWidget* container = nullptr);
    QString text() const { return QLineEdit::text(); }
    void setText(const QString& t);
    void setPasswordChar(const QString& c);
    void setLocked(bool on) { setReadOnly(on); }

    std::function<void()> onChange;

    // Thread-safe: queued to the user-interface thread in arrival order; each message sets the
    // text and fires the change event, also when it equals the text before.  Never waits.
    void postText(const QString& t);

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void styleChanged() override;

private:
    Q_INVOKABLE void receivePosted(const QString& t);
    bool settingFromCode_ = false;
};

// Value 0 unchecked, 1 checked, 2 grey.  Click fires when the value changes.
class CheckBox : public QCheckBox, public Control {
    Q_OBJECT
    TV_CONTROL_NAMES
public:
    CheckBox(Form* form, const QString& name, QWidget* container = nullptr);
    int value() const;
    void setValue(int v);
    void setCaption(const QString& t) { setText(t); }

protected:
    void activate() override { nextCheckState(); }
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void nextCheckState() override;
    void styleChanged() override;
};

// Option buttons of the same container (screen or frame) form one group.  Selecting one from
// code fires its click when it was not selected.
class OptionButton : public QRadioButton, public Control {
    Q_OBJECT
    TV_CONTROL_NAMES
public:
    OptionButton(Form* form, const QString& name, QWidget* container = nullptr);
    bool value() const { return isChecked(); }
    void setValue(bool v);
    void setCaption(const QString& t) { setText(t); }

protected:
    void activate() override
    {
        setChecked(true);
        click();
    }
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void styleChanged() override;
};

class ListBox : public QListWidget, public Control {
    Q_OBJECT
    TV_CONTROL_NAMES
public:
    ListBox(Form* form, const QString& name, QWidget* container = nullptr);
    void addItem(const QString& t) { QListWidget::addItem(t); }
    void clear() { QListWidget::clear(); }
    int listCount() const { return count(); }
    QString list(int i) const;
    int listIndex() const { return currentRow(); }
    void setListIndex(int i);
    QString text() const;
    // Replaces the text of row i (0 .. listCount - 1).
    void setList(int i, const QString& t);

    // Columns of a table: the text after a row's first TAB is drawn right-aligned against
    // rightTab (twips from the list's left edge), the text before it is cut short with "..."
    // where it would reach that column.  0 (the default) draws rows as they are.
    void setRightTab(double twips);
    double rightTab() const { return rightTab_; }
    // Every row this high (twips); 0 (the default): the height the font asks for.
    void setRowHeight(double twips);
    double rowHeight() const { return rowHeight_; }

protected:
    void styleChanged() override;

private:
    double rightTab_ = 0;
    double rowHeight_ = 0;
};

// style 0: a drop-down combo that takes typed text; style 2: a drop-down list only.
class ComboBox : public QComboBox, public Control {
    Q_OBJECT
    TV_CONTROL_NAMES
public:
    ComboBox(Form* form, const QString& name, QWidget* container = nullptr);
    void setStyle(int s);
    void addItem(const QString& t, const QVariant& data = QVariant()) { QComboBox::addItem(t, data); }
    void clear() { QComboBox::clear(); }
    int listCount() const { return count(); }
    QString list(int i) const { return itemText(i); }
    QVariant itemDataAt(int i) const { return itemData(i); }
    int listIndex() const { return currentIndex(); }
    // Picks an entry as the user does (fires the click event); -1 picks none.
    void pick(int i);
    void setListIndex(int i);
    QString text() const;
    void setText(const QString& t);

    std::function<void()> onChange;

protected:
    void styleChanged() override;

private:
    bool settingFromCode_ = false;
};

} // namespace platform
