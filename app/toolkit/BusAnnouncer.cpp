// BusAnnouncer: a line for a screen reader, sent as this Qt can send it over the accessibility bus.
#include "app/toolkit/BusAnnouncer.h"

#include <QAccessible>
#include <QWidget>
#include <QtGlobal>

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
#include <QAccessibleWidget>
#endif

namespace toolkit {

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)

// Qt 6.8 and later send the line as the accessibility bus's own announcement, which a screen
// reader speaks whatever has the focus.
void BusAnnouncer::announce(QWidget *window, const QString &line)
{
    if (!window || !QAccessible::isActive())
        return;
    QAccessibleAnnouncementEvent event(window, line);
    QAccessible::updateAccessibility(&event);
}

#else

namespace {

// Older Qt has no announcement. A screen reader speaks a notification the moment it shows, so the
// line is put on an empty child in the notification role, which is then said to be shown: it has
// no size and paints nothing, so no one sees it.
class Announcement : public QWidget {
public:
    static constexpr auto name = QLatin1StringView("announcement");

    explicit Announcement(QWidget *window) : QWidget(window)
    {
        setObjectName(name);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        setGeometry(0, 0, 0, 0);
        show();
    }
};

QAccessibleInterface *announcementRole(const QString &, QObject *object)
{
    if (auto *widget = dynamic_cast<Announcement *>(object))
        return new QAccessibleWidget(widget, QAccessible::Notification);
    return nullptr;
}

}  // namespace

void BusAnnouncer::announce(QWidget *window, const QString &line)
{
    if (!window || !QAccessible::isActive())
        return;
    static const bool roleKnown = [] {
        QAccessible::installFactory(announcementRole);
        return true;
    }();
    Q_UNUSED(roleKnown);
    // Without a meta-object of its own, the announcement is found by name, not by class.
    auto *announcement = dynamic_cast<Announcement *>(
        window->findChild<QWidget *>(Announcement::name, Qt::FindDirectChildrenOnly));
    if (!announcement)
        announcement = new Announcement(window);
    announcement->setAccessibleName(line);
    QAccessibleEvent shown(announcement, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

#endif

}  // namespace toolkit
