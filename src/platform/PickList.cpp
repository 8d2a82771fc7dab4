#include "PickList.h"

#include <QInputDialog>

namespace ledgora {

std::optional<int> PickList::choose(QWidget* parent, const QString& prompt,
                                    const QStringList& entries, int current) {
    if (entries.isEmpty())
        return std::nullopt;
    QInputDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral(" ")); // like the message boxes: no title of its own
    dialog.setLabelText(prompt);
    dialog.setOption(QInputDialog::UseListViewForComboBoxItems);
    dialog.setComboBoxItems(entries);
    dialog.setComboBoxEditable(false);
    dialog.setTextValue(entries.value(current, entries.first()));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const int chosen = int(entries.indexOf(dialog.textValue()));
    return chosen < 0 ? std::nullopt : std::optional<int>(chosen);
}

} // namespace ledgora
