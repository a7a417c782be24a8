#include "platform/controls.h"

#include "platform/forms.h"
#include "platform/vb.h"

#include <QApplication>
#include <QMetaObject>
#include <QMouseEvent>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOptionButton>
#include <QStyledItemDelegate>

namespace platform {

int vbButton(Qt::MouseButton b)
{
    switch (b) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    default: return 1;
    }
}

int vbButtons(Qt::MouseButtons buttons)
{
    int b = 0;
    if (buttons & Qt::LeftButton) b |= 1;
    if (buttons & Qt::RightButton) b |= 2;
    if (buttons & Qt::MiddleButton) b |= 4;
    return b;
}

namespace {
int vbShift(Qt::KeyboardModifiers m)
{
    int s = 0;
    if (m & Qt::ShiftModifier) s |= 1;
    if (m & Qt::ControlModifier) s |= 2;
    if (m & Qt::AltModifier) s |= 4;
    return s;
}
QString familyFor(const QString& family)
{
    const QString f = family.toLower();
    if (f == "times new roman") return QStringLiteral("Liberation Serif");
    if (f == "arial" || f == "ms sans serif" || f == "tahoma" || f == "verdana")
        return QStringLiteral("Liberation Sans");
    if (f == "courier new") return QStringLiteral("Liberation Mono");
    return family;
}
QWidget* parentFor(Form* form, QWidget* container) { return container ? container : form; }
} // namespace

// ---------------------------------------------------------------------------------- Control

Control::Control(Form* form, QWidget* self, const QString& name) : form_(form), self_(self), name_(name)
{
    self_->setObjectName(name);
}

void Control::applyGeometry()
{
    // Sizes are kept in twips as given; pixels are rounded only here.
    const int l = twipsToPixels(left_);
    const int t = twipsToPixels(top_);
    const int r = twipsToPixels(left_ + width_);
    const int b = twipsToPixels(top_ + height_);
    self_->setGeometry(l, t, std::max(0, r - l), std::max(0, b - t));
}

void Control::setLeft(double twips) { left_ = twips; applyGeometry(); }
void Control::setTop(double twips) { top_ = twips; applyGeometry(); }
void Control::setWidth(double twips) { width_ = std::max(0.0, twips); applyGeometry(); }
void Control::setHeight(double twips) { height_ = std::max(0.0, twips); applyGeometry(); }
void Control::place(double left, double top, double width, double height)
{
    left_ = left;
    top_ = top;
    width_ = std::max(0.0, width);
    height_ = std::max(0.0, height);
    applyGeometry();
}

bool Control::visible() const { return !self_->isHidden(); }
void Control::setVisible(bool on) { self_->setVisible(on); }
bool Control::enabled() const { return self_->isEnabled(); }
void Control::setEnabled(bool on)
{
    self_->setEnabled(on);
    styleChanged();
}

void Control::setBackColor(quint32 c) { backColor_ = c; styleChanged(); }
void Control::setForeColor(quint32 c) { foreColor_ = c; styleChanged(); }
void Control::setAppearance(int a) { appearance_ = a; styleChanged(); }
void Control::setBorderStyle(int b) { borderStyle_ = b; styleChanged(); }

void Control::setFont(const QString& family, double points, bool bold, bool italic)
{
    QFont f(familyFor(family));
    // Points at 96 dots an inch, as the screens were laid out.
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(points * 96.0 / 72.0))));
    f.setBold(bold);
    f.setItalic(italic);
    fontPoints_ = points;
    fontBold_ = bold;
    self_->setFont(f);
    styleChanged();
}

void Control::setMousePointer(int code)
{
    pointer_ = code;
    switch (code) {
    case kPointerArrow: self_->setCursor(Qt::ArrowCursor); break;
    case 11: self_->setCursor(Qt::WaitCursor); break;
    case kPointerNoDrop: self_->setCursor(Qt::ForbiddenCursor); break;
    case kPointerCustom:
        if (!mouseIcon_.isNull())
            self_->setCursor(QCursor(mouseIcon_, hotSpot_.x(), hotSpot_.y()));
        break;
    default: self_->unsetCursor(); break;
    }
}

void Control::setMouseIcon(const QPixmap& icon, QPoint hotSpot)
{
    mouseIcon_ = icon;
    hotSpot_ = hotSpot;
    if (pointer_ == kPointerCustom)
        setMousePointer(kPointerCustom);
}

void Control::zOrder(int position)
{
    if (position == 0)
        self_->raise();
    else
        self_->lower();
}

void Control::click()
{
    if (onClick)
        dispatch(onClick);
}

void Control::setFocus() { self_->setFocus(Qt::OtherFocusReason); }

bool Control::takesInput() const
{
    if (!form_ || !form_->isLoaded())
        return false;
    return self_->isEnabled() && self_->isVisibleTo(form_);
}

void Control::userMouseDown(int button, double x, double y, int shift)
{
    if (!takesInput())
        return;
    pressed_ = true;
    styleChanged();
    if (onMouseDown)
        dispatch([&] { onMouseDown(button, shift, x, y); });
}

void Control::userMouseUp(int button, double x, double y, int shift)
{
    // The release belongs to the widget that took the press, wherever the pointer is.
    if (!pressed_)
        return;
    pressed_ = false;
    styleChanged();
    if (!form_ || !form_->isLoaded())
        return;
    if (onMouseUp)
        dispatch([&] { onMouseUp(button, shift, x, y); });
}

void Control::userClick(int button)
{
    if (!takesInput())
        return;
    userMouseDown(button, width_ / 2, height_ / 2);
    const bool still = takesInput();
    userMouseUp(button, width_ / 2, height_ / 2);
    if (still && takesInput() && button == 1)
        activate();
}

void Control::styleChanged() {}

void Control::reportMouse(QMouseEvent* e, bool down)
{
    const auto& handler = down ? onMouseDown : onMouseUp;
    if (handler && takesInput())
        dispatch([&] {
            handler(vbButton(e->button()), vbShift(e->modifiers()), pixelsToTwips(e->position().x()),
                    pixelsToTwips(e->position().y()));
        });
}

void Control::applyPalette(bool textWidget)
{
    QPalette pal = self_->palette();
    if (textWidget) {
        pal.setColor(QPalette::Base, vbColor(backColor_));
        pal.setColor(QPalette::Text, vbColor(foreColor_));
    } else {
        pal.setColor(QPalette::Window, vbColor(backColor_));
        pal.setColor(QPalette::Button, vbColor(backColor_));
        pal.setColor(QPalette::WindowText, vbColor(foreColor_));
        pal.setColor(QPalette::ButtonText, vbColor(foreColor_));
        self_->setBackgroundRole(QPalette::Window);
        self_->setAutoFillBackground(true);
    }
    self_->setPalette(pal);
}

bool Control::handleMousePress(QMouseEvent* e)
{
    userMouseDown(vbButton(e->button()), pixelsToTwips(e->position().x()),
                  pixelsToTwips(e->position().y()), vbShift(e->modifiers()));
    return true;
}

bool Control::handleMouseRelease(QMouseEvent* e)
{
    if (!pressed_)
        return true;
    const bool inside = self_->rect().contains(e->position().toPoint());
    userMouseUp(vbButton(e->button()), pixelsToTwips(e->position().x()),
                pixelsToTwips(e->position().y()), vbShift(e->modifiers()));
    if (inside && e->button() == Qt::LeftButton && takesInput())
        click();
    return true;
}

bool Control::handleMouseMove(QMouseEvent* e)
{
    userMouseMove(vbButtons(e->buttons()), pixelsToTwips(e->position().x()), pixelsToTwips(e->position().y()),
                  vbShift(e->modifiers()));
    return true;
}

void Control::userMouseMove(int button, double x, double y, int shift)
{
    if (onMouseMove && takesInput())
        dispatch([&] { onMouseMove(button, shift, x, y); });
}

bool Control::handleDoubleClick(QMouseEvent* e)
{
    if (onDblClick && takesInput())
        dispatch(onDblClick);
    else
        handleMousePress(e);
    return true;
}

void Control::paintFrame(QPainter& p, const QRect& r) const
{
    if (borderStyle_ == 0 && appearance_ == 0)
        return;
    if (borderStyle_ == 1 && appearance_ == 0) {
        p.setPen(QColor(0, 0, 0));
        p.drawRect(r.adjusted(0, 0, -1, -1));
        return;
    }
    if (appearance_ == 1 && (borderStyle_ == 1 || pressed_ || borderStyle_ == 0)) {
        // A three-dimensional edge: sunken when bordered or pressed, raised otherwise.
        const bool sunken = borderStyle_ == 1 || pressed_;
        const QColor light(255, 255, 255), dark(128, 128, 128), darker(64, 64, 64);
        const QRect q = r.adjusted(0, 0, -1, -1);
        p.setPen(sunken ? dark : light);
        p.drawLine(q.topLeft(), q.topRight());
        p.drawLine(q.topLeft(), q.bottomLeft());
        p.setPen(sunken ? light : darker);
        p.drawLine(q.bottomLeft(), q.bottomRight());
        p.drawLine(q.topRight(), q.bottomRight());
    }
}

// --------------------------------------------------------------------------- PaintedControl

PaintedControl::PaintedControl(Form* form, const QString& name, QWidget* container)
    : QWidget(parentFor(form, container)), Control(form, this, name)
{
    // Moves without a button pressed come here too (a widget takes the moves over itself).
    setMouseTracking(true);
    applyGeometry();
    QWidget::show();
}

void PaintedControl::mousePressEvent(QMouseEvent* e) { handleMousePress(e); }
void PaintedControl::mouseReleaseEvent(QMouseEvent* e) { handleMouseRelease(e); }
void PaintedControl::mouseMoveEvent(QMouseEvent* e) { handleMouseMove(e); }
void PaintedControl::mouseDoubleClickEvent(QMouseEvent* e) { handleDoubleClick(e); }

// ------------------------------------------------------------------------------------ Label

Label::Label(Form* form, const QString& name, QWidget* container) : PaintedControl(form, name, container)
{
    appearance_ = 0;
    backColor_ = 0x8000000F;
    foreColor_ = 0x80000012;
    setFont("MS Sans Serif", 8.25);
}

void Label::setCaption(const QString& text)
{
    caption_ = text;
    update();
}

void Label::setAlignment(int a) { alignment_ = a; update(); }
void Label::setBackStyle(int s) { backStyle_ = s; update(); }

void Label::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QRect r = rect();
    if (backStyle_ == 1)
        p.fillRect(r, vbColor(backColor_));
    paintFrame(p, r);
    QColor fg = vbColor(foreColor_);
    if (!isEnabled())
        fg = QColor(128, 128, 128);
    p.setPen(fg);
    p.setFont(font());
    int flags = Qt::AlignTop;
    flags |= alignment_ == 2 ? Qt::AlignHCenter : alignment_ == 1 ? Qt::AlignRight : Qt::AlignLeft;
    if (wordWrap_)
        flags |= Qt::TextWordWrap;
    const int inset = (borderStyle_ == 1 || appearance_ == 1) ? 2 : 0;
    QRect tr = r.adjusted(inset, inset, -inset, -inset);
    if (pressed_ && appearance_ == 1)
        tr.translate(1, 1);
    p.drawText(tr, flags, caption_);
}

// ------------------------------------------------------------------------------------ Image

Image::Image(Form* form, const QString& name, QWidget* container) : PaintedControl(form, name, container)
{
    appearance_ = 0;
    width_ = 0;
    height_ = 0;
    applyGeometry();
}

void Image::setPicture(const QPixmap& picture)
{
    picture_ = picture;
    if (!stretch_ && !picture_.isNull()) {
        const int frame = borderStyle_ == 1 ? 2 : 0;
        width_ = pixelsToTwips(picture_.width() + frame);
        height_ = pixelsToTwips(picture_.height() + frame);
        applyGeometry();
    }
    update();
}

void Image::setStretch(bool on)
{
    stretch_ = on;
    update();
}

void Image::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const int frame = borderStyle_ == 1 ? 1 : 0;
    if (!picture_.isNull()) {
        if (stretch_)
            p.drawPixmap(rect(), picture_);
        else
            p.drawPixmap(frame, frame, picture_);
    }
    if (borderStyle_ == 1) {
        p.setPen(QPen(QColor(0, 0, 0), 1));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    if (appearance_ == 1) {
        // The raised look of a picture used as a button.
        p.setPen(QColor(255, 255, 255));
        p.drawLine(0, 0, QWidget::width() - 1, 0);
        p.drawLine(0, 0, 0, QWidget::height() - 1);
        p.setPen(QColor(64, 64, 64));
        p.drawLine(0, QWidget::height() - 1, QWidget::width() - 1, QWidget::height() - 1);
        p.drawLine(QWidget::width() - 1, 0, QWidget::width() - 1, QWidget::height() - 1);
    }
}

// ------------------------------------------------------------------------------- PictureBox

PictureBox::PictureBox(Form* form, const QString& name, QWidget* container)
    : PaintedControl(form, name, container)
{
    appearance_ = 1;
    borderStyle_ = 1;
    backColor_ = 0x8000000F;
}

void PictureBox::setPicture(const QPixmap& picture)
{
    picture_ = picture;
    update();
}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), vbColor(backColor_));
    const int inset = borderStyle_ == 1 ? (appearance_ == 1 ? 2 : 1) : 0;
    if (!picture_.isNull())
        p.drawPixmap(inset, inset, picture_);
    paintFrame(p, rect());
}

// ---------------------------------------------------------------------------- CommandButton

CommandButton::CommandButton(Form* form, const QString& name, QWidget* container)
    : PaintedControl(form, name, container)
{
    appearance_ = 1;
    backColor_ = 0x8000000F;
    setFont("MS Sans Serif", 8.25);
}

void CommandButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QRect r = rect();
    if (style_ == 1) {
        p.fillRect(r, vbColor(backColor_));
        if (!picture_.isNull()) {
            const QPoint at((r.width() - picture_.width()) / 2 + (pressed_ ? 1 : 0),
                            (r.height() - picture_.height()) / 2 + (pressed_ ? 1 : 0));
            p.drawPixmap(at, picture_);
        }
        const QRect q = r.adjusted(0, 0, -1, -1);
        p.setPen(QColor(0, 0, 0));
        p.drawRect(q);
        if (pressed_) {
            p.setPen(QColor(128, 128, 128));
            p.drawLine(q.left() + 1, q.top() + 1, q.right() - 1, q.top() + 1);
            p.drawLine(q.left() + 1, q.top() + 1, q.left() + 1, q.bottom() - 1);
        }
    } else {
        QStyleOptionButton opt;
        opt.initFrom(this);
        opt.text = caption_;
        opt.state |= pressed_ ? QStyle::State_Sunken : QStyle::State_Raised;
        QWidget::style()->drawControl(QStyle::CE_PushButton, &opt, &p, this);
        return;
    }
    if (!caption_.isEmpty()) {
        p.setPen(isEnabled() ? vbColor(foreColor_) : QColor(128, 128, 128));
        p.drawText(r, Qt::AlignCenter | Qt::TextWordWrap, caption_);
    }
}

// ------------------------------------------------------------------------------------ Frame

Frame::Frame(Form* form, const QString& name, QWidget* container) : PaintedControl(form, name, container)
{
    backColor_ = 0x8000000F;
    borderStyle_ = 1;
}

void Frame::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), vbColor(backColor_));
    if (borderStyle_ == 0)
        return;
    const int top = caption_.isEmpty() ? 0 : fontMetrics().height() / 2;
    const QRect q = rect().adjusted(0, top, -2, -2);
    p.setPen(QColor(128, 128, 128));
    p.drawRect(q);
    p.setPen(QColor(255, 255, 255));
    p.drawRect(q.translated(1, 1));
    if (!caption_.isEmpty()) {
        const QRect tr(8, 0, fontMetrics().horizontalAdvance(caption_) + 4, fontMetrics().height());
        p.fillRect(tr, vbColor(backColor_));
        p.setPen(vbColor(foreColor_));
        p.drawText(tr, Qt::AlignCenter, caption_);
    }
}

// ------------------------------------------------------------------------------------ Shape

Shape::Shape(Form* form, const QString& name, QWidget* container) : PaintedControl(form, name, container)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, shape_ >= 2);
    const int w = std::max(1, borderWidth_);
    const QRectF r = QRectF(rect()).adjusted(w / 2.0, w / 2.0, -w / 2.0, -w / 2.0);
    if (backStyle_ == 1)
        p.fillRect(rect(), vbColor(backColor_));
    p.setPen(QPen(vbColor(borderColor_), w));
    p.setBrush(fillStyle_ == 0 ? QBrush(vbColor(fillColor_)) : Qt::NoBrush);
    switch (shape_) {
    case 2:
    case 3: p.drawEllipse(r); break;
    case 4:
    case 5: p.drawRoundedRect(r, 8, 8); break;
    default: p.drawRect(r); break;
    }
}

// ---------------------------------------------------------------------------------- TextBox

TextBox::TextBox(Form* form, const QString& name, QWidget* container)
    : QLineEdit(parentFor(form, container)), Control(form, this, name)
{
    backColor_ = colors::kWindowBackground;
    foreColor_ = colors::kWindowText;
    height_ = 285;
    applyGeometry();
    setFont("MS Sans Serif", 8.25);
    connect(this, &QLineEdit::textChanged, this, [this](const QString&) {
        if (onChange && form_ && form_->isLoaded())
            dispatch(onChange);
    });
    QLineEdit::show();
}

void TextBox::setText(const QString& t) { QLineEdit::setText(t); }

namespace {
// Shows a chosen character for every character typed in a password box.
class PasswordCharStyle : public QProxyStyle {
public:
    explicit PasswordCharStyle(QChar c) : c_(c) {}
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* ret) const override
    {
        if (hint == QStyle::SH_LineEdit_PasswordCharacter)
            return c_.unicode();
        return QProxyStyle::styleHint(hint, option, widget, ret);
    }

private:
    QChar c_;
};
} // namespace

void TextBox::setPasswordChar(const QString& c)
{
    setEchoMode(c.isEmpty() ? QLineEdit::Normal : QLineEdit::Password);
    if (!c.isEmpty()) {
        auto* style = new PasswordCharStyle(c.at(0));
        style->setParent(this);
        setStyle(style);
    }
}

void TextBox::postText(const QString& t)
{
    QMetaObject::invokeMethod(this, "receivePosted", Qt::QueuedConnection, Q_ARG(QString, t));
}

void TextBox::receivePosted(const QString& t)
{
    if (!form_ || !form_->isLoaded())
        return;
    if (QLineEdit::text() == t) {
        if (onChange)
            dispatch(onChange);
    } else {
        QLineEdit::setText(t);
    }
}

void TextBox::mousePressEvent(QMouseEvent* e)
{
    QLineEdit::mousePressEvent(e);
    handleMousePress(e);
}

void TextBox::mouseReleaseEvent(QMouseEvent* e)
{
    QLineEdit::mouseReleaseEvent(e);
    handleMouseRelease(e);
}

void TextBox::styleChanged()
{
    applyPalette(true);
}

// --------------------------------------------------------------------------------- CheckBox

CheckBox::CheckBox(Form* form, const QString& name, QWidget* container)
    : QCheckBox(parentFor(form, container)), Control(form, this, name)
{
    setTristate(true);
    applyGeometry();
    setFont("MS Sans Serif", 8.25);
    connect(this, &QCheckBox::stateChanged, this, [this](int) {
        if (onClick && form_ && form_->isLoaded())
            dispatch(onClick);
    });
    QCheckBox::show();
}

int CheckBox::value() const
{
    switch (checkState()) {
    case Qt::Checked: return 1;
    case Qt::PartiallyChecked: return 2;
    default: return 0;
    }
}

void CheckBox::setValue(int v)
{
    setCheckState(v == 1 ? Qt::Checked : v == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
}

void CheckBox::nextCheckState()
{
    // A user's click toggles between unchecked and checked; grey turns to unchecked.
    setCheckState(checkState() == Qt::Unchecked ? Qt::Checked : Qt::Unchecked);
}

void CheckBox::mousePressEvent(QMouseEvent* e)
{
    QCheckBox::mousePressEvent(e);
    reportMouse(e, true);
}

void CheckBox::mouseReleaseEvent(QMouseEvent* e)
{
    QCheckBox::mouseReleaseEvent(e);
    reportMouse(e, false);
}

void CheckBox::styleChanged()
{
    applyPalette(false);
}

// ----------------------------------------------------------------------------- OptionButton

OptionButton::OptionButton(Form* form, const QString& name, QWidget* container)
    : QRadioButton(parentFor(form, container)), Control(form, this, name)
{
    applyGeometry();
    setFont("MS Sans Serif", 8.25);
    QRadioButton::show();
}

void OptionButton::setValue(bool v)
{
    const bool was = isChecked();
    setChecked(v);
    if (v && !was)
        click();
}

void OptionButton::mousePressEvent(QMouseEvent* e)
{
    QRadioButton::mousePressEvent(e);
    reportMouse(e, true);
}

void OptionButton::mouseReleaseEvent(QMouseEvent* e)
{
    const bool inside = rect().contains(e->position().toPoint());
    QRadioButton::mouseReleaseEvent(e);
    reportMouse(e, false);
    // A user's click selects the option and fires its click, also when it was selected.
    if (inside && e->button() == Qt::LeftButton && takesInput()) {
        setChecked(true);
        click();
    }
}

void OptionButton::styleChanged()
{
    applyPalette(false);
}

// ---------------------------------------------------------------------------------- ListBox

namespace {
// Draws the rows of a list box as a table: a left column cut short where it would reach the
// right-aligned column after the row's first TAB.
class TableRowDelegate : public QStyledItemDelegate {
public:
    explicit TableRowDelegate(ListBox* list) : QStyledItemDelegate(list), list_(list) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        if (list_->rowHeight() > 0)
            size.setHeight(std::max(1, twipsToPixels(list_->rowHeight())));
        return size;
    }

    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        if (list_->rightTab() <= 0) {
            QStyledItemDelegate::paint(p, option, index);
            return;
        }
        QStyleOptionViewItem opt(option);
        initStyleOption(&opt, index);
        const QString text = opt.text;
        opt.text.clear();
        const QWidget* widget = opt.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        // Background and selection without the text.
        style->drawControl(QStyle::CE_ItemViewItem, &opt, p, widget);
        const QRect area = style->subElementRect(QStyle::SE_ItemViewItemText, &opt, widget);
        const QFontMetrics metrics(opt.font);
        const int tab = text.indexOf(QLatin1Char('\t'));
        const int right = std::min(area.right(), twipsToPixels(list_->rightTab()));
        p->save();
        p->setFont(opt.font);
        p->setPen(opt.palette.color(opt.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
        QString left = text;
        int leftEnd = area.right();
        if (tab >= 0) {
            const QString column = text.mid(tab + 1);
            const int width = metrics.horizontalAdvance(column);
            p->drawText(QRect(right - width, area.top(), width + 1, area.height()),
                        Qt::AlignRight | Qt::AlignVCenter, column);
            left = text.left(tab);
            leftEnd = right - width - metrics.horizontalAdvance(QLatin1Char(' ')) * 2;
        }
        const int room = std::max(0, leftEnd - area.left());
        p->drawText(QRect(area.left(), area.top(), room, area.height()), Qt::AlignLeft | Qt::AlignVCenter,
                    metrics.elidedText(left, Qt::ElideRight, room));
        p->restore();
    }

private:
    ListBox* list_;
};
} // namespace

ListBox::ListBox(Form* form, const QString& name, QWidget* container)
    : QListWidget(parentFor(form, container)), Control(form, this, name)
{
    backColor_ = colors::kWindowBackground;
    foreColor_ = colors::kWindowText;
    applyGeometry();
    setFont("MS Sans Serif", 8.25);
    connect(this, &QListWidget::currentRowChanged, this, [this](int) {
        if (onClick && form_ && form_->isLoaded())
            dispatch(onClick);
    });
    QListWidget::show();
}

QString ListBox::list(int i) const
{
    auto* it = item(i);
    return it ? it->text() : QString();
}

void ListBox::setListIndex(int i) { setCurrentRow(i); }

void ListBox::setList(int i, const QString& t)
{
    if (auto* it = item(i))
        it->setText(t);
}

void ListBox::setRightTab(double twips)
{
    rightTab_ = twips;
    if (!dynamic_cast<TableRowDelegate*>(itemDelegate()))
        setItemDelegate(new TableRowDelegate(this));
    setHorizontalScrollBarPolicy(twips > 0 ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
    viewport()->update();
}

void ListBox::setRowHeight(double twips)
{
    rowHeight_ = twips;
    if (!dynamic_cast<TableRowDelegate*>(itemDelegate()))
        setItemDelegate(new TableRowDelegate(this));
    setUniformItemSizes(twips > 0);
    doItemsLayout();
}

QString ListBox::text() const { return list(currentRow()); }

void ListBox::styleChanged()
{
    applyPalette(true);
}

// --------------------------------------------------------------------------------- ComboBox

ComboBox::ComboBox(Form* form, const QString& name, QWidget* container)
    : QComboBox(parentFor(form, container)), Control(form, this, name)
{
    backColor_ = colors::kWindowBackground;
    foreColor_ = colors::kWindowText;
    height_ = 315;
    applyGeometry();
    setFont("MS Sans Serif", 8.25);
    setStyle(0);
    connect(this, QOverload<int>::of(&QComboBox::activated), this, [this](int) {
        if (onClick && form_ && form_->isLoaded())
            dispatch(onClick);
    });
    connect(this, &QComboBox::editTextChanged, this, [this](const QString&) {
        if (!settingFromCode_ && onChange && form_ && form_->isLoaded())
            dispatch(onChange);
    });
    QComboBox::show();
}

void ComboBox::setStyle(int s)
{
    setEditable(s == 0);
    setInsertPolicy(QComboBox::NoInsert);
}

void ComboBox::pick(int i)
{
    if (!takesInput())
        return;
    setCurrentIndex(i);
    if (onClick)
        dispatch(onClick);
}

void ComboBox::setListIndex(int i)
{
    settingFromCode_ = true;
    setCurrentIndex(i);
    settingFromCode_ = false;
}

QString ComboBox::text() const { return isEditable() ? currentText() : (currentIndex() >= 0 ? currentText() : QString()); }

void ComboBox::setText(const QString& t)
{
    settingFromCode_ = true;
    if (isEditable()) {
        setEditText(t);
    } else {
        setCurrentIndex(findText(t));
    }
    settingFromCode_ = false;
}

void ComboBox::styleChanged()
{
    applyPalette(true);
}

} // namespace platform
