// Fonts, images and the clipboard.

#include <QClipboard>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>

#include "runtime/window/font_request.h"
#include "runtime/window/qt/layer.h"

namespace tarvok {

namespace {

// True when the system has the family itself, or a font it stands in for it with (as Courier
// is served by a metric-compatible face); false when only the general fallback would be used.
bool family_available(const QFont& font) {
    if (QFontDatabase::hasFamily(font.family())) return true;
    const QString resolved = QFontInfo(font).family();
    QFont unknown(QStringLiteral("Tarvok No Such Face"));
    unknown.setPointSize(font.pointSize());
    return resolved.compare(QFontInfo(unknown).family(), Qt::CaseInsensitive) != 0;
}

}  // namespace

FontHandle load_font(int32_t number, std::string_view face, int32_t size, int32_t style) {
    if (!layer_running() || !font_request_possible(face, size)) return 0;
    auto font = std::make_unique<QFont>(to_qt(face));
    font->setPointSize(size);
    font->setBold((style & FontBold) != 0);
    font->setItalic((style & FontItalic) != 0);
    font->setUnderline((style & FontUnderline) != 0);
    font->setStrikeOut((style & FontStrikeout) != 0);
    if (style & FontHighQuality) font->setStyleStrategy(QFont::PreferQuality);
    if (!family_available(*font)) return 0;
    const auto handle = reinterpret_cast<FontHandle>(font.get());
    // Loading under a number again releases the font loaded before; controls keep their copy.
    layer().fonts[number] = FontRecord{std::move(font), std::string(face)};
    return handle;
}

ImageHandle load_image_from_memory(int32_t number, const void* data, std::size_t size) {
    if (!layer_running() || data == nullptr || size == 0) return 0;
    const auto* bytes = static_cast<const uchar*>(data);
    auto image = std::make_unique<QImage>();
    bool loaded = false;
    for (const char* format : {"BMP", "ICO", "XPM"}) {
        if (image->loadFromData(bytes, static_cast<int>(size), format)) {
            loaded = true;
            break;
        }
    }
    if (!loaded || image->isNull()) return 0;
    const auto handle = reinterpret_cast<ImageHandle>(image.get());
    layer().images[number] = std::move(image);
    return handle;
}

void clear_clipboard() {
    if (layer_running()) QGuiApplication::clipboard()->clear();
}

std::string clipboard_text() {
    if (!layer_running()) return "";
    QString text = QGuiApplication::clipboard()->text();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return from_qt(text);
}

}  // namespace tarvok
