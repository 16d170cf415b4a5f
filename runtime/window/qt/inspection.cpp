// What the tests read back from controls: kind, window, geometry in client pixels, text,
// tooltip, flags and state, as the widgets show them.

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>

#include "runtime/window/qt/layer.h"

namespace tarvok {

ControlInfo inspect_control(int32_t id) {
    ControlInfo info;
    const ControlRecord* record = find_control(id);
    if (record == nullptr) return info;
    const QWidget* widget = record->widget.data();
    info.kind = record->kind;
    info.window = record->window;
    const QRect geometry = widget->geometry();
    info.x = geometry.x();
    info.y = geometry.y();
    info.width = geometry.width();
    info.height = geometry.height();
    if (record->caption) {
        info.text = from_qt(static_cast<const QLabel*>(record->caption.data())->text());
    } else if (record->kind == ControlKind::TextField) {
        const QString text = static_cast<const QLineEdit*>(widget)->text();
        info.text = record->holds_file_name ? path_from_qt(text) : from_qt(text);
    } else if (record->kind == ControlKind::Button || record->kind == ControlKind::CheckBox) {
        info.text = from_qt(static_cast<const QAbstractButton*>(widget)->text());
    } else if (record->kind == ControlKind::Label) {
        info.text = from_qt(static_cast<const QLabel*>(widget)->text());
    }
    info.tooltip = from_qt(widget->toolTip());
    info.flags = record->flags;
    info.enabled = widget->isEnabled();
    info.visible = !widget->isHidden();
    return info;
}

}  // namespace tarvok
