// Compares a window built from a layout table with the table itself, control by control: place
// and size, caption, font (after substitution), colours, alignment, visibility, tab order, menus.
#pragma once

#include <QFontInfo>
#include <QLabel>
#include <QMenuBar>
#include <gtest/gtest.h>
#include <algorithm>
#include <set>
#include <string>

#include "app/toolkit/Fonts.h"
#include "app/toolkit/Form.h"

namespace layoutcheck {

inline QString qstr(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

inline QColor expectedColour(const toolkit::Colour &c, const QPalette &palette, QPalette::ColorRole role)
{
    switch (c.role) {
    case toolkit::Colour::Role::Rgb:
        return QColor::fromRgb(QRgb(0xFF000000u | c.rgb));
    case toolkit::Colour::Role::WindowText:
        return palette.color(QPalette::WindowText);
    case toolkit::Colour::Role::ButtonText:
        return palette.color(QPalette::ButtonText);
    case toolkit::Colour::Role::Default:
        break;
    }
    return palette.color(role);
}

inline QString shownText(QWidget *w)
{
    if (auto *b = qobject_cast<toolkit::CommandButton *>(w))
        return b->text();
    if (auto *l = qobject_cast<QLabel *>(w))
        return l->text();
    return {};
}

// `changedSince` names controls whose text, visibility or enabled state a handler has changed
// since the window was built (the game window's load handler, say): for them only the look is compared.
inline void expectMatchesLayout(const toolkit::Form &form, std::set<std::string_view> changedSince = {})
{
    using toolkit::ControlKind;
    const toolkit::Layout &layout = form.layout();
    for (const toolkit::ControlSpec &c : layout.controls) {
        SCOPED_TRACE(std::string(c.name));
        QWidget *w = form.control(c.name);
        ASSERT_NE(w, nullptr);
        if (c.kind != ControlKind::Line) {
            EXPECT_EQ(w->geometry(), QRect(toolkit::px(c.left), toolkit::px(c.top), toolkit::px(c.width),
                                           toolkit::px(c.height)));
        }
        const toolkit::FontSpec &spec = c.font.face.empty() ? layout.form.font : c.font;
        const QFontInfo shown(w->font());
        EXPECT_EQ(shown.family(), toolkit::substituteFace(spec.face));
        EXPECT_DOUBLE_EQ(w->font().pointSizeF(), spec.points);
        EXPECT_EQ(shown.bold(), spec.bold);
        EXPECT_EQ(shown.italic(), spec.italic);
        EXPECT_EQ(shown.underline(), spec.underline);

        const bool changed = changedSince.count(c.name) > 0;
        if (!changed) {
            EXPECT_EQ(w->isVisibleTo(&form), !c.has(toolkit::Hidden));
            EXPECT_EQ(w->isEnabled(), !c.has(toolkit::Disabled));
            if (c.kind == ControlKind::CommandButton || c.kind == ControlKind::Label) {
                EXPECT_EQ(shownText(w), qstr(c.caption));
            }
        }
        if (c.foreColour.role != toolkit::Colour::Role::Default) {
            const QPalette::ColorRole role =
                c.kind == ControlKind::CommandButton ? QPalette::ButtonText : QPalette::WindowText;
            EXPECT_EQ(w->palette().color(role), expectedColour(c.foreColour, QPalette(), role));
        }
        const Qt::Alignment horizontal = c.align == toolkit::Align::Centre ? Qt::AlignHCenter : Qt::AlignLeft;
        if (auto *label = qobject_cast<QLabel *>(w)) {
            EXPECT_EQ(label->alignment() & Qt::AlignHorizontal_Mask, horizontal);
            EXPECT_EQ(label->autoFillBackground(), !c.has(toolkit::Transparent));
        }
        if (auto *box = qobject_cast<toolkit::TextBox *>(w)) {
            EXPECT_EQ(box->alignment() & Qt::AlignHorizontal_Mask, horizontal);
            EXPECT_EQ(box->isMultiLine(), c.has(toolkit::MultiLine));
        }
        if (auto *button = qobject_cast<toolkit::CommandButton *>(w)) {
            EXPECT_EQ(button->isGraphical(), c.has(toolkit::Graphical));
            if (c.has(toolkit::Graphical)) {
                EXPECT_EQ(button->backColour(), expectedColour(c.backColour, QPalette(), QPalette::Button));
            }
            EXPECT_EQ(form.defaultButton() == button, c.has(toolkit::DefaultButton));
            EXPECT_EQ(form.cancelButton() == button, c.has(toolkit::CancelButton));
        }
        if (c.tabIndex < 0) {
            EXPECT_EQ(w->focusPolicy(), Qt::NoFocus);
        }
    }

    // Tab order: the focus-taking controls sorted by tab index.
    std::vector<std::pair<int, std::string_view>> tabbed;
    for (const toolkit::ControlSpec &c : layout.controls)
        if (c.tabIndex >= 0 && (c.kind == ControlKind::CommandButton || c.kind == ControlKind::TextBox))
            tabbed.emplace_back(c.tabIndex, c.name);
    std::sort(tabbed.begin(), tabbed.end());
    ASSERT_EQ(form.tabOrder().size(), tabbed.size());
    for (size_t i = 0; i < tabbed.size(); ++i) {
        EXPECT_EQ(form.tabOrder()[i]->objectName(), qstr(tabbed[i].second));
        if (i > 0) {
            QWidget *previous = form.tabOrder()[i - 1];
            QWidget *from = previous->focusProxy() ? previous->focusProxy() : previous;
            QWidget *next = from->nextInFocusChain();
            while (next && next->focusPolicy() == Qt::NoFocus)
                next = next->nextInFocusChain();
            QWidget *expected = form.tabOrder()[i];
            EXPECT_TRUE(next == expected || next == expected->focusProxy())
                << "after " << previous->objectName().toStdString();
        }
    }

    // Menus: captions, shortcuts, check marks.
    for (const toolkit::MenuSpec &m : layout.menus) {
        SCOPED_TRACE(std::string(m.name));
        QAction *a = form.menuItem(m.name);
        ASSERT_NE(a, nullptr);
        if (!m.caption.empty()) {
            EXPECT_EQ(a->text(), qstr(m.caption));
        }
        EXPECT_EQ(a->shortcut(), QKeySequence(qstr(m.shortcut)));
        EXPECT_EQ(a->isCheckable(), m.checkable);
        EXPECT_TRUE(a->isEnabled());
        EXPECT_TRUE(a->isVisible());
    }
    EXPECT_EQ(form.menuWidget() != nullptr && form.menuWidget()->isVisibleTo(&form), !layout.menus.empty());
}

}  // namespace layoutcheck
