#include "KeyPreviewFilter.h"

#include "ErrorReport.h"
#include "Screen.h"
#include "VirtualKeys.h"

#include <QApplication>
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
    if (!screen || !screen->keyPreview() || !screen->isLoaded())
        return false;
    const KeyInfo info = keyInfoOf(*key);
    if (info.keyCode == 0)
        return false;
    int keyCode = info.keyCode;
    guardEvent([&] { screen->previewKeyDown(keyCode, info.shift); });
    return keyCode == 0;
}

} // namespace ledgora
