#pragma once
// The on-screen window of one shown form: a top-level widget holding the menu bar and the client
// area, and in it one view per control. It redraws only what the model says has changed; the
// close box asks the runtime, which unloads the form (or not) through its QueryUnload handler.
#include "forms/form.h"
#include "forms/platform.h"

#include <QPixmap>
#include <QWidget>
#include <map>
#include <vector>

class QMenuBar;

namespace qtui {

class ControlView;
class FormWindow;
class MenuBar;

// The part of the window below the menu bar: background colour and picture, and the window's
// own frame line where it draws one.
class ClientArea final : public QWidget {
public:
    explicit ClientArea(FormWindow& window);
    void refresh(forms::Property what);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    FormWindow& window_;
    forms::Form& form_;
    QPixmap picture_;
    bool painted_ = false;
};

class FormWindow final : public QWidget {
public:
    explicit FormWindow(forms::Form& form);
    ~FormWindow() override;

    forms::Form& form() const { return form_; }
    QWidget* clientArea() const;
    // The widget of a control, made now when the control has none yet; nullptr for kinds that
    // show nothing.
    QWidget* widgetOf(const forms::Control& control);

    void refreshForm(forms::Property what);
    void refreshControl(const forms::Control& control, forms::Property what);
    // Window flags from the border style, the task bar and the topmost setting.
    void applyWindowFlags();
    // Centres the window on the screen, as a form does when first shown after a load.
    void centreOnScreen();
    // A dialog frame without a title bar: the window manager is asked for a border alone, and
    // where nobody frames the window it draws a frame line of its own.
    bool asksForBorderOnly() const;
    bool drawsOwnFrame() const;
    // The window's icon goes up right after its first frame, which it would only hold back.
    void showIcon();

protected:
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Widgets are made for the controls on screen and for those the keyboard can reach: any
    // other control, hidden or placed beyond the window's edge as the hidden state of a form
    // is, gets its widget when it first comes into view (or is asked for it), and never costs
    // the first frame anything.
    void buildControls();
    bool needsView(const forms::Control& control) const;
    bool belongsOnScreen(const forms::Control& control) const;
    bool reachableByKeyboard(const forms::Control& control) const;
    ControlView* makeView(const forms::Control& control);
    void makeViewsComingIntoView();
    std::vector<forms::Control*> tabOrderOfViews() const;
    void applyTabOrder();
    QSize clientSizeOfModel() const;
    void applyClientSize();
    void pressButtonMarked(bool forms::Design::*mark);

    forms::Form& form_;
    QMenuBar* menuBar_ = nullptr;
    MenuBar* menus_ = nullptr;
    ClientArea* client_ = nullptr;
    std::map<const forms::Control*, ControlView*> views_;
};

}  // namespace qtui
