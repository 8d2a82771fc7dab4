#include "Screen.h"

#include "ErrorReport.h"
#include "KeyPreviewFilter.h"
#include "platform/ScreenLog.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>

namespace ledgora {

namespace {

// The screen that was last the active window: returning from a message box is no new
// activation of a screen, returning from another screen is.
Screen* lastActiveScreen = nullptr;

} // namespace

Screen::Screen(QWidget* parent) : QDialog(parent) {
    KeyPreviewFilter::install();
    setCaption(QString());
    // The screens were laid out in twips for an 8-point face; a larger one would not fit.
    QFont face = font();
    face.setPointSizeF(8.25);
    setFont(face);
}

Screen::~Screen() {
    if (lastActiveScreen == this)
        lastActiveScreen = nullptr;
}

void Screen::setCaption(const QString& caption) {
    // The window system puts the program's name in a title bar left empty; a screen designed
    // without a caption keeps its bar blank.
    setWindowTitle(caption.isEmpty() ? QStringLiteral(" ") : caption);
}

void Screen::runModal(Screen* screen) {
    QPointer<Screen> guard(screen);
    screen->load();
    if (!guard || !screen->loaded_)
        return;
    screen->inModal_ = true;
    qCInfo(lcScreens) << "shown" << screen->metaObject()->className();
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
    activatedSinceLoad_ = false;
    guardEvent([this] { Form_Load(); });
}

void Screen::unload() {
    if (!loaded_)
        return;
    loaded_ = false;
    guardEvent([this] { Form_Unload(); });
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
        const bool fresh = !activatedSinceLoad_ || lastActiveScreen != this;
        activatedSinceLoad_ = true;
        lastActiveScreen = this;
        if (fresh)
            guardEvent([this] { Form_Activate(); });
        return handled;
    }
    return QDialog::event(event);
}

void Screen::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (loaded_)
        guardEvent([this] { Form_Resize(); });
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
