// The classic controls built on Qt widgets.
#include "app/toolkit/Controls.h"

#include <QAbstractTextDocumentLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QShortcutEvent>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTextDocument>
#include <qdrawutil.h>

namespace toolkit {

CommandButton::CommandButton(QWidget *parent) : QPushButton(parent)
{
    // Fixed places come from the layout tables; the style must not grow or shrink them.
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void CommandButton::setGraphical(const QColor &back, const QPixmap &picture)
{
    graphical_ = true;
    back_ = back;
    picture_ = picture;
    update();
}

bool CommandButton::event(QEvent *event)
{
    // An access key presses its button at once, as a click does, instead of Qt's animated press a
    // tenth of a second later: the keys and clicks that follow are handled after the button's
    // handler, in the order the player gave them. It moves the focus to the button first, so after
    // Alt+N the focus rests on NEW WORD rather than in a box the press may have disabled.
    if (event->type() == QEvent::Shortcut && !static_cast<QShortcutEvent *>(event)->isAmbiguous()) {
        if (isEnabled() && (focusPolicy() & Qt::TabFocus))
            setFocus(Qt::ShortcutFocusReason);
        click();
        return true;
    }
    return QPushButton::event(event);
}

void CommandButton::paintEvent(QPaintEvent *)
{
    QStylePainter p(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    option.icon = QIcon();
    if (graphical_) {
        // A graphical button is a raised (or, while pressed, sunken) panel in its own colour.
        p.fillRect(rect(), back_);
        const bool down = isDown() || isChecked();
        qDrawShadePanel(&p, rect(), palette(), down, 2);
        if (!picture_.isNull()) {
            QRect target(QPoint(0, 0), picture_.deviceIndependentSize().toSize());
            target.moveCenter(rect().center() + (down ? QPoint(1, 1) : QPoint(0, 0)));
            p.drawPixmap(target, picture_);
        }
        if (hasFocus()) {
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            focus.rect = rect().adjusted(4, 4, -4, -4);
            p.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
        }
    } else {
        p.drawControl(QStyle::CE_PushButtonBevel, option);
    }
    if (!text().isEmpty()) {
        const QRect area = rect().adjusted(3, 2, -3, -2);
        const int flags = Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;
        p.setFont(font());
        const QPalette::ColorRole role = QPalette::ButtonText;
        style()->drawItemText(&p, area, flags, palette(), isEnabled(), text(), role);
    }
}

MultiLineEdit::MultiLineEdit(QWidget *parent) : QTextEdit(parent) { setAcceptRichText(false); }

bool MultiLineEdit::canInsertFromMimeData(const QMimeData *source) const { return source->hasText(); }

void MultiLineEdit::insertFromMimeData(const QMimeData *source)
{
    const qsizetype room = maxLength - (document()->characterCount() - 1) + textCursor().selectedText().size();
    if (room > 0)
        textCursor().insertText(source->text().left(room));
}

void MultiLineEdit::keyPressEvent(QKeyEvent *event)
{
    const bool typesText = !event->text().isEmpty() && event->text().at(0).isPrint();
    if (typesText && document()->characterCount() - 1 >= maxLength && !textCursor().hasSelection())
        return;
    QTextEdit::keyPressEvent(event);
}

TextBox::TextBox(bool multiLine, bool centred, QWidget *parent) : QWidget(parent)
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    if (multiLine) {
        multi_ = new MultiLineEdit(this);
        multi_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        multi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        multi_->setTabChangesFocus(true);
        multi_->setLineWrapMode(QTextEdit::WidgetWidth);
        // The alignment lives on the document's default option so that it survives clear().
        QTextOption option = multi_->document()->defaultTextOption();
        option.setAlignment(centred ? Qt::AlignHCenter : Qt::AlignLeft);
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        multi_->document()->setDefaultTextOption(option);
        layout->addWidget(multi_);
        setFocusProxy(multi_);
    } else {
        single_ = new QLineEdit(this);
        single_->setAlignment(centred ? Qt::AlignCenter : Qt::AlignLeft);
        single_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);  // the whole control, not a strip
        layout->addWidget(single_);
        setFocusProxy(single_);
    }
    setFocusPolicy(Qt::StrongFocus);
}

QString TextBox::text() const { return multi_ ? multi_->toPlainText() : single_->text(); }

void TextBox::setText(const QString &text)
{
    if (multi_)
        multi_->setPlainText(text.left(MultiLineEdit::maxLength));
    else
        single_->setText(text);
}

void TextBox::insertLineBreak()
{
    if (multi_)
        multi_->textCursor().insertText(QStringLiteral("\n"));
}

Qt::Alignment TextBox::alignment() const
{
    if (multi_)
        return multi_->document()->defaultTextOption().alignment();
    return single_->alignment();
}

QWidget *TextBox::editor() const
{
    if (multi_)
        return multi_;
    return single_;
}

ImageBox::ImageBox(const QPixmap &picture, bool border, QWidget *parent)
    : QWidget(parent), picture_(picture), border_(border)
{
    setAttribute(Qt::WA_TransparentForMouseEvents, false);
}

void ImageBox::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    // No smoothing: the pictures are pixel art and must stay crisp when stretched.
    QRect target = rect();
    if (border_) {
        p.setPen(QColor(Qt::black));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
        target = rect().adjusted(1, 1, -1, -1);
    }
    p.drawPixmap(target, picture_);
}

PictureBox::PictureBox(const QImage &image, QWidget *parent) : QWidget(parent), image_(image) {}

LineShape::LineShape(QPoint from, QPoint to, const QColor &colour, int width, QWidget *parent)
    : QWidget(parent), from_(from), to_(to), colour_(colour), width_(width)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    const int pad = width;
    setGeometry(QRect(from, to).normalized().adjusted(-pad, -pad, pad + 1, pad + 1));
}

void LineShape::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    // A pen of width w covers the w pixel rows that start at the line's coordinate, going down.
    const QPoint origin = geometry().topLeft();
    for (int i = 0; i < width_; ++i) {
        p.setPen(QPen(colour_, 1));
        const QPoint shift(0, i);
        if (from_.y() != to_.y())
            p.drawLine(from_ - origin + QPoint(i, 0), to_ - origin + QPoint(i, 0));
        else
            p.drawLine(from_ - origin + shift, to_ - origin + shift);
    }
}

}  // namespace toolkit
