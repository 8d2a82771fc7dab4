#pragma once

#include <QString>
#include <functional>

namespace ledgora {

enum class MsgIcon { None, Critical, Exclamation, Question };
enum class MsgButtons { Ok, YesNo };
enum class MsgAnswer { Ok, Yes, No };

struct MessageBoxRequest {
    QString prompt;
    MsgIcon icon = MsgIcon::None;
    MsgButtons buttons = MsgButtons::Ok;
    bool systemModal = false;
};

// The one place that shows message boxes. A box never has a title of its own: the window
// shows the program's name. Tests install a handler that records the boxes and answers them.
class MessageBoxes {
public:
    using Handler = std::function<MsgAnswer(const MessageBoxRequest&)>;

    static MsgAnswer show(const MessageBoxRequest& request);
    // Installs a handler in place of the real boxes; an empty handler restores them.
    // Returns the handler it replaces.
    static Handler setHandler(Handler handler);
};

// Shows a box: prompt, icon, buttons, system-modal.
inline MsgAnswer MsgBox(const QString& prompt, MsgIcon icon = MsgIcon::None,
                        MsgButtons buttons = MsgButtons::Ok, bool systemModal = false) {
    return MessageBoxes::show({prompt, icon, buttons, systemModal});
}

} // namespace ledgora
