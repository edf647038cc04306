#include "start/topmost_window.h"

#include "app.h"
#include "art/builtin_pictures.h"

namespace start {

TopmostWindow::TopmostWindow(App& app, std::string name, int clientWidth, int clientHeight)
    : forms::Form(app.runtime, std::move(name)), app(app) {
    design(forms::FormDesign{
        .border = forms::BorderStyle::FixedDialog,
        .captionBar = false,
        .showInTaskbar = false,
        .clientWidth = clientWidth,
        .clientHeight = clientHeight,
        .centred = true,
    });
}

void TopmostWindow::form_load() { makeTopmost(); }

forms::Picture TopmostWindow::classicIcon() {
    static const forms::Picture icon = forms::Picture::drawnBy([] {
        return art::programIcon().scaled(32, 32, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    });
    return icon;
}

void TopmostWindow::closeWithClick() {
    app.Computer.PlayWav(game::ClickSound);
    unload();
}

void TopmostWindow::switchTo(forms::Form& next) {
    app.Computer.PlayWav(game::ClickSound);
    const forms::ShowMode mode = app.gamer.sideWindowMode();
    unload();
    next.show(mode);
}

}  // namespace start
