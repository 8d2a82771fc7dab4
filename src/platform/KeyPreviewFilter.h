#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

class QKeyEvent;

namespace ledgora {

// Hands every key press to the screen of the window it happens in before the focused control
// sees it, when that screen asks for key preview. A key that a control ignores travels up to
// its parents; the screen sees it once.
class KeyPreviewFilter final : public QObject {
    Q_OBJECT
public:
    // Installs the one filter on the application, once.
    static void install();

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The same key event travelling from the control that ignored it to one of its parents.
    bool isPropagation(const QKeyEvent* key, QWidget* widget) const;
    // ENTER that the screen left alone presses the button that has the focus.
    static bool pressFocusedButton(int keyCode, QWidget* widget);

    const QKeyEvent* lastEvent_ = nullptr;
    int lastKey_ = 0;
    quint64 lastTimestamp_ = 0;
    QPointer<QWidget> lastReceiver_;
};

} // namespace ledgora
