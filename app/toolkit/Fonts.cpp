// Font substitutions: the Windows faces of the layouts, pinned to free faces of similar shape and size.
#include "app/toolkit/Fonts.h"

#include <QStringList>

namespace toolkit {
namespace {

struct Substitution {
    const char *face;
    const char *substitute;
    const char *fallback;
};

// Unpinned, fontconfig hands out a sans face for every name it does not know, serif ones included.
constexpr Substitution substitutions[] = {
    {"MS Sans Serif", "Liberation Sans", "DejaVu Sans"},
    {"System", "Liberation Sans", "DejaVu Sans"},
    {"MS Serif", "Liberation Serif", "DejaVu Serif"},
    {"Verdana", "DejaVu Sans", "Liberation Sans"},
    {"Courier New", "Liberation Mono", "DejaVu Sans Mono"},
    {"Book Antiqua", "TeX Gyre Pagella", "Liberation Serif"},
    {"Comic Sans MS", "Comic Neue", "DejaVu Sans"},
};

}  // namespace

void pinFonts()
{
    for (const auto &s : substitutions)
        QFont::insertSubstitutions(s.face, {s.substitute, s.fallback});
}

QString substituteFace(std::string_view face)
{
    for (const auto &s : substitutions)
        if (face == s.face)
            return QString::fromLatin1(s.substitute);
    return QString::fromUtf8(face.data(), qsizetype(face.size()));
}

QFont makeFont(const FontSpec &own, const FontSpec &window)
{
    const FontSpec &spec = own.face.empty() ? window : own;
    QFont font(QString::fromUtf8(spec.face.data(), qsizetype(spec.face.size())));
    font.setPointSizeF(spec.points);
    font.setBold(spec.bold);
    font.setItalic(spec.italic);
    font.setUnderline(spec.underline);
    // Keep the fixed layouts' text from changing shape with the desktop's hinting preferences.
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

}  // namespace toolkit
