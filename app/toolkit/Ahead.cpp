// Getting a window's pictures and fonts ready before it is built, one small step at a time.
#include "app/toolkit/Ahead.h"

#include <QFontMetrics>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

#include "app/toolkit/Fonts.h"
#include "app/toolkit/Pictures.h"

namespace toolkit {
namespace {

using Step = std::function<void()>;

void runSteps(std::shared_ptr<std::vector<Step>> steps, size_t next, QPointer<QObject> context)
{
    if (!context || next >= steps->size())
        return;
    (*steps)[next]();
    // One step per turn of the event loop: a key or a click waits for one step at most.
    QTimer::singleShot(0, context, [steps, next, context] { runSteps(steps, next + 1, context); });
}

}  // namespace

void prepareAhead(const Layout &layout, QObject *context)
{
    auto steps = std::make_shared<std::vector<Step>>();
    auto picture = [&](std::string_view resource, bool withCopy = false) {
        if (!resource.empty())
            steps->push_back([resource, withCopy] { keepAhead(resource, withCopy); });
    };
    picture(layout.form.picture, layout.form.persistentCanvas);  // the canvas is a copy of the scene
    for (const ControlSpec &c : layout.controls)
        picture(c.picture);
    const FontSpec windowFont = layout.form.font;
    auto font = [&](const FontSpec &spec) {
        // Measuring text loads the face: fontconfig's match and the font file.
        steps->push_back([spec, windowFont] { QFontMetrics(makeFont(spec, windowFont)).height(); });
    };
    font(windowFont);
    for (const ControlSpec &c : layout.controls)
        if (!c.font.face.empty())
            font(c.font);
    QTimer::singleShot(0, context, [steps, context = QPointer<QObject>(context)] { runSteps(steps, 0, context); });
}

}  // namespace toolkit
