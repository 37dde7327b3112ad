#include "chat_seams.h"

#include <QColorDialog>

namespace chat {

std::optional<QColor> QtColorPicker::pick(QWidget* parent, const QColor& current) {
    const QColor c = QColorDialog::getColor(current, parent, QStringLiteral("Text Color"));
    if (!c.isValid()) return std::nullopt;
    return c;
}

} // namespace chat
