#pragma once

#include <QStatusBar>
#include <functional>
#include <vector>

class QLabel;

namespace ledgora {

// A status bar of text panels, numbered from 1, that tells which panel was clicked.
class PanelStatusBar final : public QStatusBar {
    Q_OBJECT
public:
    explicit PanelStatusBar(int panels, QWidget* parent = nullptr);

    int panelCount() const { return int(panels_.size()); }
    QString panelText(int panel) const;
    void setPanelText(int panel, const QString& text);
    void setPanelToolTip(int panel, const QString& tip);
    void setPanelClickHandler(std::function<void(int panel)> handler) {
        clickHandler_ = std::move(handler);
    }
    // The panel's label, for tests and screenshots.
    QLabel* panel(int panel) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::vector<QLabel*> panels_;
    std::function<void(int)> clickHandler_;
};

} // namespace ledgora
