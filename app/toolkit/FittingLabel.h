// A label whose caption always shows whole, however long: the certificate's name line.
#pragma once

#include <QFont>
#include <QLabel>
#include <QStringList>

namespace toolkit {

// A label that keeps its place, colour, underline and centring, and shows its whole caption. A
// caption too long for one line in the label's font is set smaller, in half-point steps, until it
// fits on one line, down to 12 points; smaller than that it wraps onto two lines, made smaller
// still until both fit. Only a caption too long even for two lines at the smallest size ends its
// second line in an ellipsis. The window's picture for the printer shows it as the screen does.
class FittingLabel : public QLabel {
    Q_OBJECT
public:
    static constexpr double pointStep = 0.5;
    static constexpr double smallestOnOneLine = 12;
    static constexpr double smallest = 6;

    explicit FittingLabel(QWidget *parent = nullptr);

    struct Fit {
        QFont font;
        QStringList lines;
    };
    // How the caption is set at this moment.
    Fit fit() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    mutable bool fitted_ = false;
    mutable QString fittedText_;
    mutable QFont fittedFont_;
    mutable QSize fittedSize_;
    mutable Fit fit_;
};

}  // namespace toolkit
