#pragma once
// Icons that cost nothing until something draws them. A window's first frame shows neither the
// program's icon (the window manager asks for it, and gets it a moment later) nor the overflow
// button every menu bar carries for menus that do not fit; making those icons early would hold
// the frame back for pictures nobody looks at yet.
#include <QIcon>
#include <QProxyStyle>
#include <functional>

namespace qtui {

// An icon that `make` builds the first time the icon is drawn or measured.
QIcon deferredIcon(std::function<QIcon()> make);

// The application's style, but with the menu bar's overflow icon deferred: reading it from Qt's
// resources makes Qt load and ask every image plugin it has.
class DeferringStyle final : public QProxyStyle {
public:
    // Wraps the style named `key` ("fusion", or whatever the user chose for Qt programs).
    explicit DeferringStyle(const QString& key) : QProxyStyle(key) {}
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                       const QWidget* widget) const override;
};

}  // namespace qtui
