// A window built from a layout table, with the classic form semantics that the game relies on:
// a client area of exact size under the menu bar, a background colour and unscaled picture, an
// optional persistent canvas, default and cancel buttons, menu shortcuts that win over text boxes,
// focus on the first control in tab order, and a custom pointer.
#pragma once

#include <QAction>
#include <QHash>
#include <QImage>
#include <QMainWindow>
#include <QPointer>
#include <vector>

#include "app/toolkit/Controls.h"
#include "app/toolkit/Layout.h"

namespace toolkit {

class ClientArea;

class Form : public QMainWindow {
    Q_OBJECT
public:
    explicit Form(const Layout &layout, QWidget *parent = nullptr);
    ~Form() override;

    const Layout &layout() const { return layout_; }

    // Widgets by their layout names; nullptr for a name the layout does not hold.
    QWidget *control(std::string_view name) const;
    template <class T> T *find(std::string_view name) const { return qobject_cast<T *>(control(name)); }
    QAction *menuItem(std::string_view name) const;
    const ControlSpec *specOf(std::string_view name) const;

    QWidget *clientArea() const;
    QSize clientSize() const;  // the layout's client area in pixels

    // The client area as it looks now, drawn onto any painter in the client area's pixels at the
    // painter's own resolution (a printer's, say): the controls' text as text, and the background
    // picture scaled smoothly to at most printableDpi dots per inch of the painter's device.
    void drawClientArea(QPainter &painter) const;
    static constexpr double printableDpi = 300;

    // The persistent canvas (only for layouts that ask for one). It and the background cover the
    // background picture's rectangle at the client area's top-left corner; the rest of the client
    // area is painted in the background colour. Drawing goes into canvas(); refresh() puts it on the
    // screen at once.
    QImage &canvas();
    const QImage &background() const;
    void refresh(const QRect &dirty = QRect());

    // Shows the window as its layout says, maximised or at its restored place and size, and gives
    // it the keyboard.
    void showForm();

    // For a window hidden for good that stays loaded: gives back its window on the display, with
    // the backing store behind it, and its decoded background picture; at a large screen's size
    // they weigh as much as a shown window. Its controls and their state stay; showing the window
    // again makes the rest anew. A persistent canvas is kept: what was drawn on it is state.
    void releaseHiddenWindow();

    CommandButton *defaultButton() const { return defaultButton_; }
    CommandButton *cancelButton() const { return cancelButton_; }

    // The controls that take the focus, in tab order.
    const std::vector<QWidget *> &tabOrder() const { return tabOrder_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void buildWindow();
    void buildControls();
    void buildMenus();
    void buildBackground();
    void watchKeys(QWidget *widget);
    bool handleKey(QObject *watched, QKeyEvent *key);
    bool ownsShortcut(const QKeyEvent *key) const;
    void colourTextOverArt();

    Layout layout_;
    ClientArea *client_ = nullptr;
    QHash<QString, QWidget *> controls_;
    QHash<QString, QAction *> menus_;
    std::vector<QWidget *> tabOrder_;
    // Labels in a system colour by role that stand over the picture, with what they are read
    // against: their colour follows the theme only where it reads there.
    struct TextOverArt {
        QWidget *label;
        QPalette::ColorRole role;
        QColor backdrop;
    };
    std::vector<TextOverArt> textOverArt_;
    CommandButton *defaultButton_ = nullptr;
    CommandButton *cancelButton_ = nullptr;
    QImage background_;
    QImage canvas_;
    bool shownOnce_ = false;
};

}  // namespace toolkit
