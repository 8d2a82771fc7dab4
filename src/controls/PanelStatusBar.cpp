#include "PanelStatusBar.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>

namespace ledgora {

PanelStatusBar::PanelStatusBar(int panels, QWidget* parent) : QStatusBar(parent) {
    setSizeGripEnabled(false);
    for (int k = 0; k < panels; ++k) {
        auto* label = new QLabel(this);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        label->setContentsMargins(4, 0, 4, 0);
        label->installEventFilter(this);
        addWidget(label, 1);
        panels_.push_back(label);
    }
}

QLabel* PanelStatusBar::panel(int panel) const {
    return panels_.at(std::size_t(panel - 1));
}

QString PanelStatusBar::panelText(int panel) const {
    return this->panel(panel)->text();
}

void PanelStatusBar::setPanelText(int panel, const QString& text) {
    QLabel* label = this->panel(panel);
    label->setText(text);
    // A panel is never narrower than its text; the room left over is shared.
    const QMargins margins = label->contentsMargins();
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(text) + margins.left() +
                           margins.right() + 2 * label->frameWidth() + 4);
}

void PanelStatusBar::setPanelToolTip(int panel, const QString& tip) {
    this->panel(panel)->setToolTip(tip);
}

bool PanelStatusBar::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        for (std::size_t k = 0; k < panels_.size(); ++k)
            if (panels_[k] == watched && clickHandler_)
                clickHandler_(int(k) + 1);
    }
    return QStatusBar::eventFilter(watched, event);
}

} // namespace ledgora
