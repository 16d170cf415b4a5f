// Fonts, images and the clipboard through the layer.
#include <QBuffer>
#include <QClipboard>
#include <QFontInfo>
#include <QImage>
#include <QPlainTextEdit>

#include "tests/gui/window/gui_fixture.h"

namespace tarvok::gui {
namespace {

using Resources = GuiTest;

QByteArray saved(const char* format) {
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(QColor(10, 200, 30));
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return data;
}

TEST_F(Resources, ImagesLoadFromBmpIconAndXpmDataOnly) {
    struct Row {
        const char* what;
        QByteArray data;
        bool loads;
    };
    const Row rows[] = {
        {"bmp", saved("BMP"), true},
        {"ico", saved("ICO"), true},
        {"xpm", saved("XPM"), true},
        {"png", saved("PNG"), false},
        {"noise", QByteArray("BMnot really a bitmap"), false},
        {"empty", QByteArray(), false},
    };
    for (const Row& row : rows) {
        ASSERT_EQ(row.data.isEmpty(), std::string(row.what) == "empty") << row.what;
        const ImageHandle image =
            load_image_from_memory(5, row.data.constData(), static_cast<std::size_t>(row.data.size()));
        EXPECT_EQ(image != 0, row.loads) << row.what;
    }
}

TEST_F(Resources, FontsLoadFromFaceSizeAndStyleBits) {
    open_test_window(0);
    ASSERT_NE(create_editor(MainEditorId, 10, 40, 300, 200), 0u);
    EXPECT_EQ(load_font(1, "", 10, 0), 0u);
    EXPECT_EQ(load_font(1, "DejaVu Sans Mono", 0, 0), 0u);
    EXPECT_EQ(load_font(1, "No Such Face At All", 10, 0), 0u);
    EXPECT_EQ(control_font_name(MainEditorId), "");

    const FontHandle font = load_font(1, "DejaVu Sans Mono", 12, FontBold | FontItalic | FontStrikeout);
    ASSERT_NE(font, 0u);
    set_control_font(MainEditorId, font);
    const QFont shown = qt_editor_widget(MainEditorId)->font();
    EXPECT_EQ(QFontInfo(shown).family(), QStringLiteral("DejaVu Sans Mono"));
    EXPECT_EQ(shown.pointSize(), 12);
    EXPECT_TRUE(shown.bold());
    EXPECT_TRUE(shown.italic());
    EXPECT_TRUE(shown.strikeOut());
    EXPECT_FALSE(shown.underline());
    EXPECT_EQ(control_font_name(MainEditorId), "DejaVu Sans Mono");

    // A face the system serves through a stand-in loads too.
    EXPECT_NE(load_font(2, "Courier", 10, 0), 0u);
}

TEST_F(Resources, ClipboardTextComesWithCrLfBreaks) {
    QGuiApplication::clipboard()->setText(QStringLiteral("a\nb\r\nc\rd"));
    EXPECT_EQ(clipboard_text(), "a\r\nb\r\nc\r\nd");
    QGuiApplication::clipboard()->setText(QString::fromLatin1("\xe9t\xe9"));
    EXPECT_EQ(clipboard_text(), "\xe9t\xe9") << "Latin-1 both ways";
    clear_clipboard();
    EXPECT_EQ(clipboard_text(), "");
}

}  // namespace
}  // namespace tarvok::gui
