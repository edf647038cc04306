#include "platform/qt/form_window.h"

#include "forms/runtime.h"
#include "platform/qt/control_view.h"
#include "platform/qt/menu_bar.h"
#include "platform/qt/qt_convert.h"
#include "platform/qt/x11_hints.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPainter>
#include <QResizeEvent>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>

namespace qtui {

// ---- ClientArea -------------------------------------------------------------------------

ClientArea::ClientArea(FormWindow& window)
    : QWidget(&window), window_(window), form_(window.form()) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    refresh(forms::Property::Everything);
}

void ClientArea::refresh(forms::Property what) {
    if (touches(what, forms::Property::Picture)) picture_ = toPixmap(form_.peek().picture);
    update();
}

void ClientArea::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), toQColor(form_.peek().backColor, palette().color(QPalette::Window)));
    if (!picture_.isNull()) painter.drawPixmap(0, 0, picture_);
    if (window_.drawsOwnFrame()) {
        painter.setPen(palette().color(QPalette::Shadow));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    if (!painted_) {
        painted_ = true;
        QTimer::singleShot(0, &window_, [window = &window_] { window->showIcon(); });
    }
}

// ---- FormWindow -------------------------------------------------------------------------

namespace {

bool isSizable(forms::BorderStyle border) {
    return border == forms::BorderStyle::Sizable || border == forms::BorderStyle::SizableToolWindow;
}

}  // namespace

FormWindow::FormWindow(forms::Form& form) : QWidget(nullptr), form_(form) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    if (form.hasMenu()) {
        menuBar_ = new QMenuBar(this);
        menuBar_->setNativeMenuBar(false);
        layout->setMenuBar(menuBar_);
        menus_ = new MenuBar(form, *menuBar_);
    }
    client_ = new ClientArea(*this);
    layout->addWidget(client_);
    buildControls();
    applyTabOrder();
    // The window opens with the focus on the first control in the tab order that can take it.
    for (forms::Control* c : tabOrderOfViews()) {
        QWidget* w = views_.at(c)->widget();
        if (c->peek().tabIndex >= 0 && w->isEnabled() && !w->isHidden()) {
            w->setFocus(Qt::OtherFocusReason);
            break;
        }
    }
    applyWindowFlags();
    refreshForm(forms::Property::Everything);
}

FormWindow::~FormWindow() = default;

QWidget* FormWindow::clientArea() const { return client_; }

QWidget* FormWindow::widgetOf(const forms::Control& control) {
    ControlView* view = makeView(control);
    return view ? view->widget() : nullptr;
}

namespace {

bool showsSomething(const forms::Control& control) {
    using forms::ControlKind;
    const ControlKind kind = control.kind();
    return kind != ControlKind::Menu && kind != ControlKind::Timer &&
           kind != ControlKind::CommonDialog;
}

const forms::Control* panelOf(const forms::Control& control) {
    const forms::Control* holder = control.peek().container;
    return holder && holder->kind() == forms::ControlKind::PictureBox ? holder : nullptr;
}

}  // namespace

void FormWindow::buildControls() {
    for (forms::Control* c : form_.controls()) {
        if (needsView(*c)) makeView(*c);
    }
}

bool FormWindow::needsView(const forms::Control& control) const {
    return belongsOnScreen(control) || reachableByKeyboard(control);
}

bool FormWindow::reachableByKeyboard(const forms::Control& control) const {
    // Tab reaches a control wherever it lies, below the window's edge too; Qt's focus chain
    // holds only widgets, so such a control needs one from the start.
    if (!control.takesTabFocus()) return false;
    for (const forms::Control* c = &control; c; c = c->peek().container) {
        if (!c->peek().visible) return false;
    }
    return true;
}

bool FormWindow::belongsOnScreen(const forms::Control& control) const {
    const forms::Design& d = control.peek();
    if (!showsSomething(control) || !d.visible) return false;
    // A control inside a panel comes and goes with its panel.
    if (const forms::Control* panel = panelOf(control)) return belongsOnScreen(*panel);
    const bool line = control.kind() == forms::ControlKind::Line;
    const int left = line ? std::min(d.x1, d.x2) : d.left;
    const int top = line ? std::min(d.y1, d.y2) : d.top;
    const int right = line ? std::max(d.x1, d.x2) : d.left + d.width;
    const int bottom = line ? std::max(d.y1, d.y2) : d.top + d.height;
    const QSize area = clientSizeOfModel();
    // A control that sizes itself to its text or picture may reach further than its box.
    return toPixels(left) < area.width() && toPixels(top) < area.height() &&
           (right > 0 || d.autoSize) && (bottom > 0 || d.autoSize);
}

ControlView* FormWindow::makeView(const forms::Control& control) {
    if (auto it = views_.find(&control); it != views_.end()) return it->second;
    if (!showsSomething(control)) return nullptr;
    // A control inside a PictureBox lives on that panel: it moves, hides and clips with it.
    QWidget* parent = client_;
    if (const forms::Control* panel = panelOf(control)) {
        if (ControlView* panelView = makeView(*panel)) parent = panelView->widget();
        // A panel made just now makes the controls it holds: this one among them.
        if (auto it = views_.find(&control); it != views_.end()) return it->second;
    }
    auto& c = const_cast<forms::Control&>(control);
    ControlView* view = makeControlView(c, parent);
    if (!view) return nullptr;
    views_[&control] = view;
    QWidget* w = view->widget();
    w->setObjectName(QString::fromStdString(control.name()));
    // Declaration order is drawing order, later controls in front.
    const auto& all = form_.controls();
    auto later = std::find(all.begin(), all.end(), &control);
    QWidget* inFront = nullptr;
    for (++later; later != all.end() && !inFront; ++later) {
        auto it = views_.find(*later);
        if (it != views_.end() && it->second->widget()->parentWidget() == parent) {
            inFront = it->second->widget();
        }
    }
    if (inFront) {
        w->stackUnder(inFront);
    } else {
        w->raise();
    }
    if (w->focusPolicy() & Qt::TabFocus) applyTabOrder();
    // The controls on a panel come into view with it.
    for (forms::Control* held : all) {
        if (panelOf(*held) == &control && needsView(*held)) makeView(*held);
    }
    return view;
}

void FormWindow::makeViewsComingIntoView() {
    for (forms::Control* c : form_.controls()) {
        if (!views_.count(c) && needsView(*c)) makeView(*c);
    }
}

std::vector<forms::Control*> FormWindow::tabOrderOfViews() const {
    std::vector<forms::Control*> order;
    for (forms::Control* c : form_.controls()) {
        if (views_.count(c) && c->takesTabFocus()) order.push_back(c);
    }
    std::stable_sort(order.begin(), order.end(), [](const auto* a, const auto* b) {
        return a->peek().tabIndex < b->peek().tabIndex;
    });
    return order;
}

void FormWindow::applyTabOrder() {
    const auto order = tabOrderOfViews();
    for (std::size_t i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(views_.at(order[i - 1])->widget(), views_.at(order[i])->widget());
    }
}

void FormWindow::applyWindowFlags() {
    const forms::FormDesign& design = form_.peek();
    Qt::WindowFlags flags = design.showInTaskbar ? Qt::Window : Qt::Tool;
    if (design.border == forms::BorderStyle::None || asksForBorderOnly()) {
        // Qt's flags give a border only together with a title bar: a window with a border alone
        // asks Qt for no frame at all and then the window manager for the border.
        flags |= Qt::FramelessWindowHint;
    } else {
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
        if (design.border == forms::BorderStyle::Sizable) flags |= Qt::WindowMinMaxButtonsHint;
    }
    if (form_.topmost()) flags |= Qt::WindowStaysOnTopHint;
    if (windowFlags() == flags) return;
    // New flags take a visible window off the screen; it comes back with them.
    const bool wasVisible = isVisible();
    setWindowFlags(flags);
    if (asksForBorderOnly() && testAttribute(Qt::WA_WState_Created)) x11::askForBorderOnly(*this);
    if (wasVisible) show();
}

bool FormWindow::asksForBorderOnly() const {
    const forms::FormDesign& design = form_.peek();
    return design.border != forms::BorderStyle::None && !design.captionBar;
}

bool FormWindow::drawsOwnFrame() const {
    return asksForBorderOnly() && (!windowHandle() || windowHandle()->frameMargins().isNull());
}

QSize FormWindow::clientSizeOfModel() const {
    // The program sets the outer size of a classic window; what is left after that window's
    // frame, title bar and menu bar is the client area, shown at exactly that size.
    const forms::FrameMetrics frame = form_.frame();
    return QSize(toPixels(std::max(0, form_.peekWidth() - frame.left - frame.right)),
                 toPixels(std::max(0, form_.peekHeight() - frame.top - frame.bottom)));
}

void FormWindow::applyClientSize() {
    const QSize client = clientSizeOfModel();
    int menuHeight = 0;
    if (menuBar_) {
        menuHeight = menuBar_->heightForWidth(client.width());
        if (menuHeight < 0) menuHeight = menuBar_->sizeHint().height();
    }
    const QSize outer(client.width(), client.height() + menuHeight);
    if (isSizable(form_.peek().border)) {
        resize(outer);
    } else {
        setFixedSize(outer);
    }
}

void FormWindow::centreOnScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    move(area.center() - QPoint(width() / 2, height() / 2));
}

void FormWindow::refreshForm(forms::Property what) {
    using forms::Property;
    const forms::FormDesign& design = form_.peek();
    if (touches(what, Property::Caption)) setWindowTitle(toQString(design.caption));
    if (touches(what, Property::Geometry)) {
        applyClientSize();
        makeViewsComingIntoView();
    }
    if (touches(what, Property::Picture) || touches(what, Property::BackColor))
        client_->refresh(what);
}

void FormWindow::showIcon() {
    const forms::Picture& icon = form_.peek().icon;
    if (!icon.isNone()) setWindowIcon(QIcon(toPixmap(icon)));
}

void FormWindow::refreshControl(const forms::Control& control, forms::Property what) {
    if (menus_ && menus_->handles(control)) {
        menus_->refresh(control, what);
        return;
    }
    auto it = views_.find(&control);
    if (it != views_.end()) it->second->refresh(what);
    // The control, or one on it when it is a panel, may have come into view or within the
    // keyboard's reach; a view reads its whole state as it is made.
    if (touches(what, forms::Property::Visible) || touches(what, forms::Property::Geometry))
        makeViewsComingIntoView();
}

void FormWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (event->spontaneous()) return;
    // The window exists now and is not yet on screen: the moment for requests to the window
    // manager.
    if (asksForBorderOnly()) x11::askForBorderOnly(*this);
    if (!form_.peek().showInTaskbar) x11::keepOutOfTaskbar(*this);
}

void FormWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    // A window manager that takes the window into its frame moves it: the frame line may go.
    if (asksForBorderOnly()) client_->update();
}

void FormWindow::closeEvent(QCloseEvent* event) {
    // The window never closes itself: the runtime asks the form, and an unload removes it.
    event->ignore();
    form_.runtime().userClose(form_);
}

void FormWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (!isSizable(form_.peek().border) || !form_.isLoaded()) return;
    // Only a size the model does not know yet is news: the program's own sizes come back here too.
    const forms::FrameMetrics frame = form_.frame();
    const int menuHeight = menuBar_ ? menuBar_->height() : 0;
    const QSize client(width(), height() - menuHeight);
    const QSize modelClient(toPixels(form_.peekWidth() - frame.left - frame.right),
                            toPixels(form_.peekHeight() - frame.top - frame.bottom));
    if (client == modelClient) return;
    const int outerWidth = client.width() * forms::TwipsPerPixel + frame.left + frame.right;
    const int outerHeight = client.height() * forms::TwipsPerPixel + frame.top + frame.bottom;
    form_.runtime().dispatch([&] { form_.resizedByUser(outerWidth, outerHeight); },
                             form_.name() + "_Resize");
}

void FormWindow::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter: pressButtonMarked(&forms::Design::isDefault); break;
        case Qt::Key_Escape: pressButtonMarked(&forms::Design::isCancel); break;
        default: QWidget::keyPressEvent(event); break;
    }
}

void FormWindow::pressButtonMarked(bool forms::Design::*mark) {
    for (forms::Control* c : form_.controls()) {
        if (c->kind() == forms::ControlKind::CommandButton && c->peek().*mark) {
            form_.runtime().userClick(*c);
            return;
        }
    }
}

}  // namespace qtui
