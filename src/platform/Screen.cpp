#include "Screen.h"

#include "VirtualKeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>

namespace ledgora {

namespace {

// Hands every key press to the screen of the window it happens in before the focused control
// sees it. A key that a control ignores travels up to its parents; the screen sees it once.
class KeyPreviewFilter final : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
            return false;
        auto* widget = static_cast<QWidget*>(watched);
        if (event == lastEvent_ && lastReceiver_ && widget->isAncestorOf(lastReceiver_))
            return false;
        lastEvent_ = event;
        lastReceiver_ = widget;
        auto* screen = qobject_cast<Screen*>(widget->window());
        if (!screen || !screen->keyPreview() || !screen->isLoaded())
            return false;
        const KeyInfo info = keyInfoOf(*static_cast<QKeyEvent*>(event));
        if (info.keyCode == 0)
            return false;
        int keyCode = info.keyCode;
        screen->previewKeyDown(keyCode, info.shift);
        return keyCode == 0;
    }

private:
    const QEvent* lastEvent_ = nullptr;
    QPointer<QWidget> lastReceiver_;
};

void ensureKeyPreview() {
    static KeyPreviewFilter* filter = nullptr;
    if (!filter && qApp) {
        filter = new KeyPreviewFilter;
        filter->setParent(qApp);
        qApp->installEventFilter(filter);
    }
}

} // namespace

Screen::Screen(QWidget* parent) : QDialog(parent) {
    ensureKeyPreview();
    setWindowTitle(QApplication::applicationDisplayName());
}

Screen::~Screen() = default;

void Screen::runModal(Screen* screen) {
    QPointer<Screen> guard(screen);
    screen->load();
    if (!guard || !screen->loaded_)
        return;
    screen->inModal_ = true;
    screen->exec();
    if (!guard)
        return;
    screen->inModal_ = false;
    if (screen->deleteAfterModal_)
        delete screen;
}

void Screen::load() {
    if (loaded_)
        return;
    loaded_ = true;
    Form_Load();
}

void Screen::unload() {
    if (!loaded_)
        return;
    loaded_ = false;
    Form_Unload();
    if (inModal_)
        done(QDialog::Rejected);
    else
        hide();
    if (releaseHook_) {
        auto hook = std::exchange(releaseHook_, {});
        hook();
    }
}

void Screen::deleteAfterModal() {
    deleteAfterModal_ = true;
    if (!inModal_)
        deleteLater();
}

void Screen::Form_KeyDown(int&, int) {}

bool Screen::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate && loaded_) {
        const bool handled = QDialog::event(event);
        Form_Activate();
        return handled;
    }
    return QDialog::event(event);
}

void Screen::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (loaded_)
        Form_Resize();
}

void Screen::closeEvent(QCloseEvent* event) {
    event->accept();
    unload();
}

void Screen::keyPressEvent(QKeyEvent* event) {
    // ESC and ENTER belong to the screens' own handlers, not to the dialog's defaults.
    QWidget::keyPressEvent(event);
}

} // namespace ledgora
