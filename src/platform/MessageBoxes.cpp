#include "MessageBoxes.h"

#include "platform/ScreenLog.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace ledgora {

namespace {

MessageBoxes::Handler& installedHandler() {
    static MessageBoxes::Handler handler;
    return handler;
}

MsgAnswer showRealBox(const MessageBoxRequest& request) {
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(QApplication::applicationDisplayName());
    box.setText(request.prompt);
    switch (request.icon) {
    case MsgIcon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case MsgIcon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    case MsgIcon::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case MsgIcon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    }
    if (request.buttons == MsgButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.button(QMessageBox::Yes)->setText(QStringLiteral("Sí"));
        box.button(QMessageBox::No)->setText(QStringLiteral("No"));
    } else {
        box.setStandardButtons(QMessageBox::Ok);
        box.button(QMessageBox::Ok)->setText(QStringLiteral("Aceptar"));
    }
    if (request.systemModal) {
        box.setWindowModality(Qt::ApplicationModal);
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
    }
    const int answer = box.exec();
    if (request.buttons == MsgButtons::YesNo)
        return answer == QMessageBox::Yes ? MsgAnswer::Yes : MsgAnswer::No;
    return MsgAnswer::Ok;
}

} // namespace

MsgAnswer MessageBoxes::show(const MessageBoxRequest& request) {
    qCInfo(lcScreens) << "message" << request.prompt;
    if (const auto& handler = installedHandler())
        return handler(request);
    return showRealBox(request);
}

MessageBoxes::Handler MessageBoxes::setHandler(Handler handler) {
    return std::exchange(installedHandler(), std::move(handler));
}

} // namespace ledgora
