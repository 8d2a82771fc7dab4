#include "KeyPreviewFilter.h"

#include "ErrorReport.h"
#include "Screen.h"
#include "VirtualKeys.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>

namespace ledgora {

void KeyPreviewFilter::install() {
    static KeyPreviewFilter* filter = nullptr;
    if (!filter && qApp) {
        filter = new KeyPreviewFilter;
        filter->setParent(qApp);
        qApp->installEventFilter(filter);
    }
}

bool KeyPreviewFilter::isPropagation(const QKeyEvent* key, QWidget* widget) const {
    return key == lastEvent_ && key->key() == lastKey_ && key->timestamp() == lastTimestamp_ &&
           lastReceiver_ && widget != lastReceiver_ && widget->isAncestorOf(lastReceiver_);
}

bool KeyPreviewFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    auto* widget = static_cast<QWidget*>(watched);
    auto* key = static_cast<QKeyEvent*>(event);
    if (isPropagation(key, widget))
        return false;
    lastEvent_ = key;
    lastKey_ = key->key();
    lastTimestamp_ = key->timestamp();
    lastReceiver_ = widget;
    auto* screen = qobject_cast<Screen*>(widget->window());
    if (!screen || !screen->isLoaded())
        return false;
    const KeyInfo info = keyInfoOf(*key);
    if (info.keyCode == 0)
        return false;
    int keyCode = info.keyCode;
    if (screen->keyPreview()) {
        guardEvent([&] { screen->previewKeyDown(keyCode, info.shift); });
        // A modal window the handler opened saw keys of its own; this key, going on to the
        // control's parents, must still be known as the one already previewed.
        lastEvent_ = key;
        lastKey_ = key->key();
        lastTimestamp_ = key->timestamp();
        lastReceiver_ = widget;
        if (keyCode == 0)
            return true;
    }
    return pressFocusedButton(keyCode, widget);
}

bool KeyPreviewFilter::pressFocusedButton(int keyCode, QWidget* widget) {
    // ENTER on a focused button presses it, as it did on the desktop these screens were
    // designed for: a whole entry is typed with ENTER alone, up to and including "Guardar".
    auto* button = qobject_cast<QAbstractButton*>(widget);
    if (keyCode != vk::Return || !button || qobject_cast<QCheckBox*>(button) ||
        !button->isEnabled() || !button->hasFocus())
        return false;
    button->click();
    return true;
}

} // namespace ledgora
