#include "chat_seams.h"

#include <QColorDialog>
#include <QCoreApplication>

namespace chat {

std::optional<QColor> QtColorPicker::pick(QWidget* parent, const QColor& current) {
    const QColor c =
        QColorDialog::getColor(current, parent, QCoreApplication::translate("chat", "Text Color"));
    if (!c.isValid()) return std::nullopt;
    return c;
}

} // namespace chat
