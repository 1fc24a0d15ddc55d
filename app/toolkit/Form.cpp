// Form: one builder that turns a layout table into a window with its widgets, menus and keys.
#include "app/toolkit/Form.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <algorithm>

#include "app/toolkit/Contrast.h"
#include "app/toolkit/FittingLabel.h"
#include "app/toolkit/Fonts.h"
#include "app/toolkit/Pictures.h"
#include "app/toolkit/TaskbarHint.h"
#include "app/toolkit/TextOverArt.h"

namespace toolkit {

static QString qstr(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

static QColor toQColor(const Colour &c, const QPalette &palette, QPalette::ColorRole defaultRole)
{
    switch (c.role) {
    case Colour::Role::Rgb:
        return QColor::fromRgb(QRgb(0xFF000000u | c.rgb));
    case Colour::Role::WindowText:
        return palette.color(QPalette::WindowText);
    case Colour::Role::ButtonText:
        return palette.color(QPalette::ButtonText);
    case Colour::Role::Default:
        break;
    }
    return palette.color(defaultRole);
}

// A caption as it reads aloud: "&Clear" is "Clear", and "&&" stands for one "&".
static QString withoutAccessMarkers(const QString &caption)
{
    QString plain;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size())
            ++i;
        else if (caption[i] == u'&')
            continue;
        plain += caption[i];
    }
    return plain;
}

// Roles for the controls Qt knows only as plain widgets: a screen reader says "image" for a
// picture and "separator" for a line instead of nothing at all.
static QAccessibleInterface *accessibleControl(const QString &className, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return nullptr;
    if (className == QLatin1String("toolkit::ImageBox") || className == QLatin1String("toolkit::PictureBox"))
        return new QAccessibleWidget(widget, QAccessible::Graphic);
    if (className == QLatin1String("toolkit::LineShape"))
        return new QAccessibleWidget(widget, QAccessible::Separator);
    return nullptr;
}

// The name a screen reader gives the control: the layout's, else a button's caption; a label's
// name is its text, which a name set here would hide.
static void nameForScreenReaders(QWidget *widget, const ControlSpec &c)
{
    QString name = qstr(c.accessibleName);
    if (name.isEmpty() && c.kind == ControlKind::CommandButton)
        name = withoutAccessMarkers(qstr(c.caption));
    if (name.isEmpty() || c.kind == ControlKind::Label)
        return;
    // A text box is read through its editor, the part that takes the focus and holds the text;
    // naming its frame too would make a reader say the name twice.
    if (auto *box = qobject_cast<TextBox *>(widget))
        widget = box->editor();
    widget->setAccessibleName(name);
}

// The client area: paints the background picture (or the persistent canvas) behind the controls,
// which are its children, and the background colour everywhere else.
class ClientArea : public QWidget {
public:
    explicit ClientArea(Form *form) : QWidget(form), form_(form) { setAutoFillBackground(false); }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QPainter p(this);
        const QImage &source = form_->layout().form.persistentCanvas ? form_->canvas() : form_->background();
        const QRect picture = event->rect() & source.rect();
        if (!picture.isEmpty())
            p.drawImage(picture.topLeft(), source, picture);
        // The picture covers only its own rectangle: the rest of the client area, however large the
        // screen, is plain colour that needs no memory of its own.
        const QColor back = toQColor(form_->layout().form.backColour, palette(), QPalette::Window);
        for (const QRect &plain : event->region().subtracted(picture))
            p.fillRect(plain, back);
    }

private:
    Form *form_;
};

Form::Form(const Layout &layout, QWidget *parent) : QMainWindow(parent), layout_(layout)
{
    static const bool rolesKnown = [] {
        QAccessible::installFactory(accessibleControl);
        return true;
    }();
    Q_UNUSED(rolesKnown);
    buildWindow();
    buildBackground();
    buildControls();
    buildMenus();
}

Form::~Form() = default;

void Form::buildWindow()
{
    const FormSpec &f = layout_.form;
    setObjectName(qstr(f.name));
    setWindowTitle(qstr(f.caption));
    setWindowIcon(toolkit::windowIcon());
    setFont(makeFont(f.font, f.font));

    // A window without a task-bar entry is a dialog of the window it is opened from. Not a tool
    // palette: window managers do not give the keyboard to palettes.
    Qt::WindowFlags flags = f.inTaskbar ? Qt::Window : Qt::Dialog;
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (f.maxButton)
        flags |= Qt::WindowMaximizeButtonHint;
    if (f.minButton)
        flags |= Qt::WindowMinimizeButtonHint;
    setWindowFlags(flags);

    client_ = new ClientArea(this);
    client_->setObjectName(QStringLiteral("clientArea"));
    // The parrot shows over the client area, not over the menu bar.
    client_->setCursor(parrotCursor());
    setCentralWidget(client_);
}

void Form::drawClientArea(QPainter &painter) const
{
    const QRect area(QPoint(0, 0), client_->size());
    const QImage &source = layout_.form.persistentCanvas ? canvas_ : background_;
    painter.fillRect(area, toQColor(layout_.form.backColour, palette(), QPalette::Window));
    if (!source.isNull()) {
        // Pixels as many as the device has under the picture, up to the printable resolution:
        // scaled here, smoothly, rather than by a device that might stretch a screen's worth.
        const double deviceScale = painter.deviceTransform().map(QLineF(0, 0, 1, 0)).length();
        const int dpi = painter.device() ? painter.device()->logicalDpiX() : 96;
        const double factor = deviceScale * std::min(1.0, printableDpi / std::max(dpi, 1));
        const QRect target = source.rect();
        if (factor > 1.0)
            painter.drawImage(target, source.scaled(source.size() * factor, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        else
            painter.drawImage(target, source);
    }
    for (QWidget *control : client_->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (!control->isVisibleTo(client_))
            continue;
        control->render(&painter, control->pos());
    }
}

QSize Form::clientSize() const { return {px(layout_.form.clientWidth), px(layout_.form.clientHeight)}; }

void Form::buildBackground()
{
    const FormSpec &f = layout_.form;
    const QImage picture = loadImage(f.picture);
    // The background picture is the only thing ever drawn on (the pirate never leaves the scene),
    // so the image of it, and the canvas copy of that, cover the picture's rectangle and no more.
    // A canvas with no picture to stand on covers the restored client area.
    if (picture.format() == QImage::Format_RGB32) {
        background_ = picture;  // opaque already: nothing of the colour shows through
    } else {
        const QSize size = picture.isNull() && f.persistentCanvas ? clientSize() : picture.size();
        if (size.isEmpty())
            return;
        background_ = QImage(size, QImage::Format_RGB32);
        background_.fill(toQColor(f.backColour, palette(), QPalette::Window));
        QPainter p(&background_);
        p.drawImage(0, 0, picture);
    }
    if (!f.persistentCanvas)
        return;
    canvas_ = takeCopyAhead(f.picture);
    if (canvas_.size() != background_.size() || canvas_.format() != background_.format())
        canvas_ = background_;  // shared until it is first drawn on
}

void Form::buildControls()
{
    const FontSpec &windowFont = layout_.form.font;
    std::vector<std::pair<int, QWidget *>> tabbed;

    for (const ControlSpec &c : layout_.controls) {
        QWidget *w = nullptr;
        const QRect place(px(c.left), px(c.top), px(c.width), px(c.height));
        switch (c.kind) {
        case ControlKind::CommandButton: {
            auto *b = new CommandButton(client_);
            b->setText(qstr(c.caption));
            if (c.has(Graphical))
                b->setGraphical(toQColor(c.backColour, b->palette(), QPalette::Button), loadPixmap(c.picture));
            if (c.has(DefaultButton))
                defaultButton_ = b;
            if (c.has(CancelButton))
                cancelButton_ = b;
            w = b;
            break;
        }
        case ControlKind::TextBox: {
            auto *t = new TextBox(c.has(MultiLine), c.align == Align::Centre, client_);
            t->setText(qstr(c.caption));
            w = t;
            break;
        }
        case ControlKind::Label: {
            auto *l = c.has(FitOnOneLine) ? new FittingLabel(client_) : new QLabel(client_);
            l->setText(qstr(c.caption));
            l->setWordWrap(true);
            l->setTextFormat(Qt::PlainText);
            l->setAlignment((c.align == Align::Centre ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
            l->setAutoFillBackground(!c.has(Transparent));
            l->setAttribute(Qt::WA_TranslucentBackground, c.has(Transparent));
            w = l;
            break;
        }
        case ControlKind::Image:
            w = new ImageBox(loadPixmap(c.picture), c.has(Bordered), client_);
            break;
        case ControlKind::PictureBox:
            w = new PictureBox(loadImage(c.picture), client_);
            break;
        case ControlKind::Line: {
            const QColor colour = toQColor(c.foreColour, palette(), QPalette::WindowText);
            w = new LineShape(QPoint(px(c.left), px(c.top)), QPoint(px(c.lineRight), px(c.lineBottom)), colour,
                              c.lineWidth, client_);
            break;
        }
        }

        w->setObjectName(qstr(c.name));
        nameForScreenReaders(w, c);
        if (c.kind != ControlKind::Line) {
            w->setGeometry(place);
            // A control would inherit the window's parrot; it shows its own kind's pointer instead
            // (a text box's editor keeps the I-beam it sets itself). Lines let the mouse through.
            w->setCursor(c.has(ParrotPointer) ? parrotCursor() : QCursor(Qt::ArrowCursor));
        }
        w->setFont(makeFont(c.font, windowFont));
        QPalette pal = w->palette();
        if (c.foreColour.role != Colour::Role::Default) {
            const QColor fore = toQColor(c.foreColour, pal, QPalette::WindowText);
            pal.setColor(QPalette::WindowText, fore);
            pal.setColor(QPalette::ButtonText, fore);
            pal.setColor(QPalette::Text, fore);
        }
        if (c.backColour.role != Colour::Role::Default && c.kind != ControlKind::Label)
            pal.setColor(QPalette::Button, toQColor(c.backColour, pal, QPalette::Button));
        if (c.kind == ControlKind::TextBox)
            makeDisabledTextReadable(pal);
        w->setPalette(pal);
        if (c.kind == ControlKind::Label && c.has(Transparent) && c.foreColour.role != Colour::Role::Rgb) {
            const QPalette::ColorRole role =
                c.foreColour.role == Colour::Role::ButtonText ? QPalette::ButtonText : QPalette::WindowText;
            const QColor beyond = toQColor(layout_.form.backColour, palette(), QPalette::Window);
            textOverArt_.push_back({w, role, backdropUnder(background_, place, beyond)});
        }
        w->setEnabled(!c.has(Disabled));
        w->setVisible(!c.has(Hidden));
        if (c.tabIndex >= 0 && (c.kind == ControlKind::CommandButton || c.kind == ControlKind::TextBox)) {
            w->setFocusPolicy(Qt::StrongFocus);
            tabbed.emplace_back(c.tabIndex, w);
        } else {
            w->setFocusPolicy(Qt::NoFocus);
        }
        watchKeys(w);
        controls_.insert(w->objectName(), w);
    }

    colourTextOverArt();

    std::stable_sort(tabbed.begin(), tabbed.end(), [](auto &a, auto &b) { return a.first < b.first; });
    for (auto &[index, w] : tabbed)
        tabOrder_.push_back(w);
    for (size_t i = 1; i < tabOrder_.size(); ++i)
        QWidget::setTabOrder(tabOrder_[i - 1], tabOrder_[i]);
    watchKeys(this);
}

void Form::buildMenus()
{
    if (layout_.menus.empty()) {
        menuBar()->hide();
        setMenuWidget(nullptr);
        return;
    }
    QHash<QString, QMenu *> submenus;
    for (const MenuSpec &m : layout_.menus) {
        const QString name = qstr(m.name);
        const QString caption = qstr(m.caption);
        QAction *action = nullptr;
        if (m.parent.empty()) {
            const bool hasItems = std::any_of(layout_.menus.begin(), layout_.menus.end(),
                                              [&](const MenuSpec &x) { return x.parent == m.name; });
            if (hasItems) {
                QMenu *menu = menuBar()->addMenu(caption);
                menu->setObjectName(name);
                submenus.insert(name, menu);
                action = menu->menuAction();
            } else {
                // A menu with no items is a command on the bar itself. An empty caption still
                // takes a little room, so the bar shows a blank entry rather than nothing.
                action = menuBar()->addAction(caption.isEmpty() ? QStringLiteral("   ") : caption);
            }
        } else {
            QMenu *parentMenu = submenus.value(qstr(m.parent));
            action = parentMenu->addAction(caption);
        }
        action->setObjectName(name);
        action->setCheckable(m.checkable);
        if (!m.shortcut.empty()) {
            action->setShortcut(QKeySequence(qstr(m.shortcut)));
            action->setShortcutContext(Qt::WindowShortcut);
            addAction(action);  // so the shortcut works wherever the focus is in this window
        }
        menus_.insert(name, action);
    }
}

QWidget *Form::control(std::string_view name) const { return controls_.value(qstr(name), nullptr); }

QAction *Form::menuItem(std::string_view name) const { return menus_.value(qstr(name), nullptr); }

const ControlSpec *Form::specOf(std::string_view name) const
{
    for (const ControlSpec &c : layout_.controls)
        if (c.name == name)
            return &c;
    return nullptr;
}

QWidget *Form::clientArea() const { return client_; }

QImage &Form::canvas() { return layout_.form.persistentCanvas ? canvas_ : background_; }

const QImage &Form::background() const { return background_; }

void Form::refresh(const QRect &dirty)
{
    // repaint() paints before it returns, so each frame of an animation reaches the screen.
    if (dirty.isNull())
        client_->repaint();
    else
        client_->repaint(dirty);
}

void Form::showForm()
{
    const FormSpec &f = layout_.form;
    const int menuHeight = menuWidget() && menuWidget()->isVisibleTo(this) ? menuWidget()->sizeHint().height() : 0;
    const QSize size = clientSize() + QSize(0, menuHeight);
    const QPoint place(px(f.clientLeft), std::max(0, px(f.clientTop) - menuHeight));
    if (f.border != Border::Sizable && !f.startMaximised)
        setFixedSize(size);
    // The stored place is the client area's, so the frame and title bar go around it.
    setGeometry(QRect(place, size));
    if (!f.inTaskbar)
        keepOutOfTaskbar(this);
    if (f.startMaximised)
        showMaximized();
    else
        show();
    // Every window that opens takes the keyboard, on any window manager: a key meant for it must
    // never reach the window behind.
    activateWindow();
}

void Form::releaseHiddenWindow()
{
    if (isVisible())
        return;
    destroy();
    if (!layout_.form.persistentCanvas)
        background_ = QImage();
}

void Form::showEvent(QShowEvent *event)
{
    if (background_.isNull())
        buildBackground();  // given back while the window was hidden
    QMainWindow::showEvent(event);
    if (shownOnce_)
        return;
    shownOnce_ = true;
    // The focus goes to the first control in tab order that can take it.
    for (QWidget *w : tabOrder_) {
        if (w->isVisibleTo(this) && w->isEnabled()) {
            w->setFocus(Qt::OtherFocusReason);
            break;
        }
    }
}

void Form::colourTextOverArt()
{
    // A dark scheme's white window text would stand white on the parchment: where the theme's
    // colour does not read against the picture, the role's colour from the light scheme does.
    for (const TextOverArt &t : textOverArt_) {
        const QColor colour = readableRoleColour(t.role, palette(), t.backdrop);
        QPalette pal = t.label->palette();
        pal.setColor(QPalette::WindowText, colour);
        pal.setColor(QPalette::ButtonText, colour);
        pal.setColor(QPalette::Text, colour);
        t.label->setPalette(pal);
    }
}

void Form::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    // The desktop's scheme can change while the game runs: the labels follow it.
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ApplicationPaletteChange)
        colourTextOverArt();
}

bool Form::focusNextPrevChild(bool next)
{
    // Tab and Shift+Tab walk the layout's tab order, one way or the other. Qt's own focus chain
    // also holds the frames of the text boxes, through which Shift+Tab went astray.
    const int count = int(tabOrder_.size());
    if (count == 0)
        return QMainWindow::focusNextPrevChild(next);
    const QWidget *focused = focusWidget();
    int at = -1;
    for (int i = 0; i < count; ++i)
        if (focused && (tabOrder_[size_t(i)] == focused || tabOrder_[size_t(i)]->isAncestorOf(focused)))
            at = i;
    const int step = next ? 1 : -1;
    int i = at >= 0 ? at : (next ? count - 1 : 0);
    for (int tries = 0; tries < count; ++tries) {
        i = (i + step + count) % count;
        QWidget *candidate = tabOrder_[size_t(i)];
        if (candidate->isVisibleTo(this) && candidate->isEnabled()) {
            candidate->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return true;  // nothing else can take the focus: it stays where it is
}

void Form::watchKeys(QWidget *widget)
{
    widget->installEventFilter(this);
    if (auto *t = qobject_cast<TextBox *>(widget))
        t->editor()->installEventFilter(this);
}

bool Form::ownsShortcut(const QKeyEvent *key) const
{
    const QKeySequence pressed(key->keyCombination());
    for (const QAction *a : menus_)
        if (!a->shortcut().isEmpty() && a->shortcut() == pressed)
            return true;
    return false;
}

static bool isEnter(const QKeyEvent *key) { return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter; }

bool Form::handleKey(QObject *watched, QKeyEvent *key)
{
    // A button hidden while it had the focus keeps the focus but must press nothing: the
    // certificate's print button would otherwise print again at every Enter or Space.
    if (auto *button = qobject_cast<CommandButton *>(watched); button && !button->isVisibleTo(this))
        if (isEnter(key) || key->key() == Qt::Key_Space)
            return true;
    if (isEnter(key)) {
        auto *editor = qobject_cast<QTextEdit *>(watched);
        if (editor && (key->modifiers() & Qt::ControlModifier)) {
            // Ctrl+Enter makes a new line in a multi-line box; plain Enter belongs to the buttons.
            editor->textCursor().insertText(QStringLiteral("\n"));
            return true;
        }
        if (auto *button = qobject_cast<CommandButton *>(watched)) {
            if (button->isEnabled())
                button->click();
            return true;
        }
        if (defaultButton_ && defaultButton_->isEnabled() && defaultButton_->isVisibleTo(this))
            defaultButton_->click();
        return true;
    }
    // Alt with a letter belongs to the access keys; with its button disabled it does nothing,
    // rather than typing the letter into a text box.
    if ((key->modifiers() & (Qt::AltModifier | Qt::ControlModifier)) == Qt::AltModifier && !key->text().isEmpty()
        && (qobject_cast<QTextEdit *>(watched) || qobject_cast<QLineEdit *>(watched)))
        return true;
    if (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier) {
        if (cancelButton_ && cancelButton_->isEnabled() && cancelButton_->isVisibleTo(this)) {
            cancelButton_->click();
            return true;
        }
    }
    return false;
}

bool Form::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        auto *key = static_cast<QKeyEvent *>(event);
        // A text box would take Ctrl+H as backspace and Ctrl+M as Enter: the window's menu keys win.
        if (ownsShortcut(key)) {
            event->ignore();
            return true;
        }
        if (isEnter(key) || key->key() == Qt::Key_Escape) {
            event->accept();
            return true;
        }
    }
    if (event->type() == QEvent::KeyPress)
        return handleKey(watched, static_cast<QKeyEvent *>(event));
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace toolkit
