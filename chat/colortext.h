#pragma once
// Colour text: how a colour travels in chat messages and stands in the
// settings file. A colour value is 0x00BBGGRR; the desktop's element colours
// are SystemColorBit plus the element's index, and "clNone" is ColorNone.
#include <QString>

#include <optional>

namespace chat {

using ColorValue = quint32;

inline constexpr ColorValue SystemColorBit = 0x80000000u;
inline constexpr ColorValue ColorNone = 0x1FFFFFFFu;
inline constexpr ColorValue ColorBlack = 0x000000u;
inline constexpr ColorValue ColorRed = 0x0000FFu;

// Index of the desktop element colours that reading accepts.
enum class SystemColor {
    ScrollBar = 0,
    Background = 1,
    ActiveCaption = 2,
    InactiveCaption = 3,
    Menu = 4,
    Window = 5,
    WindowFrame = 6,
    MenuText = 7,
    WindowText = 8,
    CaptionText = 9,
    ActiveBorder = 10,
    InactiveBorder = 11,
    AppWorkSpace = 12,
    Highlight = 13,
    HighlightText = 14,
    BtnFace = 15,
    BtnShadow = 16,
    GrayText = 17,
    BtnText = 18,
    InactiveCaptionText = 19,
    BtnHighlight = 20,
    DkShadow3D = 21,
    Light3D = 22,
    InfoText = 23,
    InfoBk = 24,
};
inline constexpr int SystemColorCount = 25;

constexpr ColorValue rgb(int r, int g, int b) {
    return ColorValue(r & 0xFF) | ColorValue(g & 0xFF) << 8 | ColorValue(b & 0xFF) << 16;
}
constexpr ColorValue systemColor(SystemColor c) {
    return SystemColorBit | ColorValue(c);
}
constexpr bool isSystemColor(ColorValue v) {
    return (v & SystemColorBit) && (v & ~SystemColorBit) < ColorValue(SystemColorCount);
}

// A name (any case), "$" with up to eight hex digits, or a decimal number.
// Values that name no colour (stray high bytes) are not read.
std::optional<ColorValue> readColorText(const QString& text);
// Like readColorText, but what cannot be read is red, as chat lines show it.
ColorValue readColorTextOrRed(const QString& text);
// The basic colour's name when there is one, else "$" and eight hex digits.
QString writeColorText(ColorValue value);

} // namespace chat
