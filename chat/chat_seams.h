#pragma once
// The colour dialog goes through this seam, so tests can answer it instead of
// blocking on it.
#include <QColor>

#include <optional>

class QWidget;

namespace chat {

class ColorPicker {
public:
    virtual ~ColorPicker() = default;
    // The chosen colour, or nothing when the player cancels.
    virtual std::optional<QColor> pick(QWidget* parent, const QColor& current) = 0;
};

class QtColorPicker : public ColorPicker {
public:
    std::optional<QColor> pick(QWidget* parent, const QColor& current) override;
};

} // namespace chat
