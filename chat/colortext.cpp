#include "colortext.h"

#include <array>

namespace chat {
namespace {
struct Named {
    const char* name;
    ColorValue value;
};
// The sixteen basic colours come first: writing looks only at them.
constexpr std::array<Named, 16> Basic = {{
    {"clBlack", rgb(0, 0, 0)},
    {"clMaroon", rgb(128, 0, 0)},
    {"clGreen", rgb(0, 128, 0)},
    {"clOlive", rgb(128, 128, 0)},
    {"clNavy", rgb(0, 0, 128)},
    {"clPurple", rgb(128, 0, 128)},
    {"clTeal", rgb(0, 128, 128)},
    {"clGray", rgb(128, 128, 128)},
    {"clSilver", rgb(192, 192, 192)},
    {"clRed", rgb(255, 0, 0)},
    {"clLime", rgb(0, 255, 0)},
    {"clYellow", rgb(255, 255, 0)},
    {"clBlue", rgb(0, 0, 255)},
    {"clFuchsia", rgb(255, 0, 255)},
    {"clAqua", rgb(0, 255, 255)},
    {"clWhite", rgb(255, 255, 255)},
}};
constexpr std::array<const char*, SystemColorCount> SystemNames = {
    "clScrollBar",    "clBackground",  "clActiveCaption", "clInactiveCaption",
    "clMenu",         "clWindow",      "clWindowFrame",   "clMenuText",
    "clWindowText",   "clCaptionText", "clActiveBorder",  "clInactiveBorder",
    "clAppWorkSpace", "clHighlight",   "clHighlightText", "clBtnFace",
    "clBtnShadow",    "clGrayText",    "clBtnText",       "clInactiveCaptionText",
    "clBtnHighlight", "cl3DDkShadow",  "cl3DLight",       "clInfoText",
    "clInfoBk"};

bool nameMatches(const QString& text, const char* name) {
    return text.compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
}

bool meaningful(ColorValue v) {
    return v <= 0xFFFFFFu || v == ColorNone || isSystemColor(v);
}
} // namespace

std::optional<ColorValue> readColorText(const QString& text) {
    for (const Named& n : Basic)
        if (nameMatches(text, n.name)) return n.value;
    for (int i = 0; i < SystemColorCount; ++i)
        if (nameMatches(text, SystemNames[std::size_t(i)])) return systemColor(SystemColor(i));
    if (nameMatches(text, "clNone")) return ColorNone;

    bool ok = false;
    ColorValue v = 0;
    if (text.startsWith('$')) {
        const QString digits = text.mid(1);
        if (digits.isEmpty() || digits.size() > 8) return std::nullopt;
        // Checked by hand: the C library's test is undefined for a negative
        // char, which any byte above 0x7F becomes.
        for (QChar c : digits) {
            const char16_t u = c.unicode();
            const bool hex =
                (u >= '0' && u <= '9') || (u >= 'a' && u <= 'f') || (u >= 'A' && u <= 'F');
            if (!hex) return std::nullopt;
        }
        v = digits.toUInt(&ok, 16);
    } else {
        // A decimal number as the settings file may hold it; system colours
        // are negative there, as 32-bit signed values.
        const qint64 d = text.toLongLong(&ok, 10);
        ok = ok && d >= INT32_MIN && d <= qint64(UINT32_MAX) && !text.trimmed().isEmpty() &&
             text == text.trimmed();
        v = ColorValue(quint64(d) & 0xFFFFFFFFu);
    }
    if (!ok || !meaningful(v)) return std::nullopt;
    return v;
}

ColorValue readColorTextOrRed(const QString& text) {
    return readColorText(text).value_or(ColorRed);
}

QString writeColorText(ColorValue value) {
    for (const Named& n : Basic)
        if (n.value == value) return QLatin1String(n.name);
    return QStringLiteral("$%1").arg(value, 8, 16, QLatin1Char('0')).toUpper();
}

} // namespace chat
