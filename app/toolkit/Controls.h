// The classic controls that Qt lacks as such: buttons whose captions wrap and that can be drawn
// in their own colour with a picture, text boxes with a plain text property, stretched images,
// picture boxes that only hold a picture, and lines.
#pragma once

#include <QImage>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QTextEdit>
#include <QWidget>

namespace toolkit {

// A command button. Its caption wraps at spaces within the button, as runs of spaces push words
// onto the next line; in graphical style it fills itself with its back colour and shows its picture.
class CommandButton : public QPushButton {
    Q_OBJECT
public:
    explicit CommandButton(QWidget *parent = nullptr);
    void setGraphical(const QColor &back, const QPixmap &picture);
    bool isGraphical() const { return graphical_; }
    QColor backColour() const { return back_; }

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool graphical_ = false;
    QColor back_;
    QPixmap picture_;
};

// The editor of a multi-line text box: plain text only, and no longer than a line editor takes,
// so that a pasted megabyte cannot stall the window while it lays the text out.
class MultiLineEdit : public QTextEdit {
    Q_OBJECT
public:
    static constexpr int maxLength = 32767;
    explicit MultiLineEdit(QWidget *parent = nullptr);

protected:
    bool canInsertFromMimeData(const QMimeData *source) const override;
    void insertFromMimeData(const QMimeData *source) override;
    void keyPressEvent(QKeyEvent *event) override;
};

// A text box: one line or many, with its text read and written as plain text.
class TextBox : public QWidget {
    Q_OBJECT
public:
    TextBox(bool multiLine, bool centred, QWidget *parent = nullptr);
    QString text() const;
    void setText(const QString &text);
    bool isMultiLine() const { return multi_ != nullptr; }
    void insertLineBreak();
    Qt::Alignment alignment() const;
    QWidget *editor() const;  // the widget that takes the focus and the keys
    QTextEdit *multi() const { return multi_; }
    QLineEdit *single() const { return single_; }

private:
    QTextEdit *multi_ = nullptr;
    QLineEdit *single_ = nullptr;
};

// An image control: its picture stretched to the control, pixel for pixel without smoothing.
class ImageBox : public QWidget {
    Q_OBJECT
public:
    ImageBox(const QPixmap &picture, bool border, QWidget *parent = nullptr);
    const QPixmap &picture() const { return picture_; }
    bool hasBorder() const { return border_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap picture_;
    bool border_;
};

// A hidden holder of a persistent picture whose pixels are the source of block transfers.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    PictureBox(const QImage &image, QWidget *parent = nullptr);
    const QImage &image() const { return image_; }

private:
    QImage image_;
};

// A straight line drawn over the window; it never takes the mouse.
class LineShape : public QWidget {
    Q_OBJECT
public:
    LineShape(QPoint from, QPoint to, const QColor &colour, int width, QWidget *parent = nullptr);
    QPoint from() const { return from_; }
    QPoint to() const { return to_; }
    QColor colour() const { return colour_; }
    int penWidth() const { return width_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPoint from_, to_;
    QColor colour_;
    int width_;
};

}  // namespace toolkit
