#include "platform/qt/deferred_icons.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <memory>

namespace qtui {
namespace {

class DeferredIconEngine final : public QIconEngine {
public:
    explicit DeferredIconEngine(std::function<QIcon()> make)
        : state_(std::make_shared<State>(State{std::move(make), {}, false})) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        return icon().pixmap(size, scale, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return icon().availableSizes(mode, state);
    }
    bool isNull() override { return state_->made ? state_->icon.isNull() : false; }
    QString key() const override { return QStringLiteral("deferred"); }
    QIconEngine* clone() const override { return new DeferredIconEngine(*this); }

private:
    // Copies of the icon share what they have made.
    struct State {
        std::function<QIcon()> make;
        QIcon icon;
        bool made;
    };
    const QIcon& icon() {
        if (!state_->made) {
            state_->icon = state_->make();
            state_->made = true;
        }
        return state_->icon;
    }
    std::shared_ptr<State> state_;
};

}  // namespace

QIcon deferredIcon(std::function<QIcon()> make) {
    return QIcon(new DeferredIconEngine(std::move(make)));
}

QIcon DeferringStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                   const QWidget* widget) const {
    if (icon != SP_ToolBarHorizontalExtensionButton && icon != SP_ToolBarVerticalExtensionButton) {
        return QProxyStyle::standardIcon(icon, option, widget);
    }
    // Made by whatever style the application has by then.
    return deferredIcon([icon] {
        const QStyle* style = QApplication::style();
        if (const auto* proxy = dynamic_cast<const QProxyStyle*>(style)) style = proxy->baseStyle();
        return style->standardIcon(icon);
    });
}

}  // namespace qtui
