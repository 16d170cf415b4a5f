// Control events from user input on the real widgets, and none from the program's own changes.
#include <QBuffer>
#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QToolButton>

#include "tests/gui/window/gui_fixture.h"

namespace tarvok::gui {
namespace {

using ControlEvents = GuiTest;

SeenEvent control_event(int32_t window, int32_t id, int32_t type) {
    return SeenEvent{EventControl, window, id, type};
}

QByteArray image_data(const char* format, QColor colour) {
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(colour);
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return data;
}

TEST_F(ControlEvents, ListBoxReportsUserSelectionAndDoubleClickOnly) {
    open_test_window(0);
    ASSERT_NE(create_list_box(9, 10, 10, 150, 90), 0u);
    for (const char* name : {"loop", "start", "table"}) ASSERT_TRUE(add_item(9, -1, name));
    set_control_state(9, 1);
    set_item_text(9, 0, "loop2");
    ASSERT_TRUE(add_item(9, 0, "first"));
    EXPECT_TRUE(take_events().empty()) << "the program's own changes give no events";
    EXPECT_EQ(get_control_state(9), 2) << "the selection stays on its item";
    EXPECT_EQ(get_control_text(9), "start");

    auto* list = static_cast<QListWidget*>(qt_control_widget(9));
    const QPoint third = list->visualItemRect(list->item(3)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, third);
    EXPECT_EQ(take_events(), (std::vector<SeenEvent>{control_event(0, 9, EventTypeSingleClick)}));
    EXPECT_EQ(get_control_state(9), 3);
    EXPECT_EQ(get_control_text(9), "table");

    const QPoint first = list->visualItemRect(list->item(0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, first);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, first);
    EXPECT_EQ(take_events(), (std::vector<SeenEvent>{control_event(0, 9, EventTypeSingleClick),
                                                     control_event(0, 9, EventTypeDoubleClick)}));

    // A double click below the last item is no double click on an item.
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, QPoint(5, list->viewport()->height() - 3));
    for (const SeenEvent& event : take_events()) EXPECT_NE(event.type, EventTypeDoubleClick);
    set_control_state(9, 0);

    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(take_events(), (std::vector<SeenEvent>{control_event(0, 9, EventTypeSingleClick)}));

    set_control_state(9, -1);
    EXPECT_EQ(get_control_state(9), -1);
    clear_items(9);
    EXPECT_EQ(count_items(9), 0);
    EXPECT_TRUE(take_events().empty());
}

TEST_F(ControlEvents, ARightClickOnAListItemOnlyAsksForThePopupMenu) {
    open_test_window(0);
    ASSERT_NE(create_list_box(9, 10, 10, 150, 90), 0u);
    for (const char* name : {"loop", "start"}) ASSERT_TRUE(add_item(9, -1, name));
    set_control_state(9, 0);
    auto* list = static_cast<QListWidget*>(qt_control_widget(9));
    QTest::mouseClick(list->viewport(), Qt::RightButton, {}, list->visualItemRect(list->item(1)).center());
    EXPECT_EQ(take_events(), (std::vector<SeenEvent>{SeenEvent{EventRightButton, 0, 0, EventTypeNone}}));
    EXPECT_EQ(get_control_state(9), 0) << "the item under the pointer must not become selected";
}

TEST_F(ControlEvents, TabStripReportsEveryClickAlsoOnTheSelectedTab) {
    open_test_window(0);
    ASSERT_NE(create_tab_strip(3, 630, 60, 130, 20), 0u);
    ASSERT_TRUE(add_item(3, -1, "Variables"));
    ASSERT_TRUE(add_item(3, -1, "Lables"));
    end_tab_pages();
    EXPECT_EQ(get_control_state(3), 0);
    auto* tabs = static_cast<QTabBar*>(qt_control_widget(3));
    EXPECT_EQ(tabs->height(), tabs->tabRect(0).height()) << "only as tall as its headers";
    EXPECT_LE(tabs->tabRect(1).right(), 130) << "both headers fit in the strip";

    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
    EXPECT_EQ(get_control_state(3), 1);
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
    EXPECT_EQ(take_events(), (std::vector<SeenEvent>{control_event(0, 3, EventTypeSingleClick),
                                                     control_event(0, 3, EventTypeSingleClick)}));
    set_control_state(3, 0);
    EXPECT_EQ(get_control_state(3), 0);
    EXPECT_TRUE(take_events().empty());

    // A tab chosen with the keyboard reports the strip's selection change instead.
    tabs->setFocus();
    QTest::keyClick(tabs, Qt::Key_Right);
    EXPECT_EQ(get_control_state(3), 1);
    EXPECT_EQ(take_events(), (std::vector<SeenEvent>{control_event(0, 3, -551)}));
}

TEST_F(ControlEvents, ButtonsCheckBoxesAndImageButtonsReportClicks) {
    open_test_window(0);
    const QByteArray bitmap = image_data("BMP", Qt::red);
    const ImageHandle image = load_image_from_memory(0, bitmap.constData(), static_cast<std::size_t>(bitmap.size()));
    ASSERT_NE(image, 0u);
    ASSERT_NE(create_button(10, 630, 260, 70, 20, "Num Convert", ButtonDefault), 0u);
    ASSERT_NE(create_check_box(30, 10, 10, 120, 20, "Replace With"), 0u);
    ASSERT_NE(create_image_button(33, 10, 40, 20, 20, image), 0u);
    EXPECT_TRUE(static_cast<QPushButton*>(qt_control_widget(10))->isDefault());

    QTest::mouseClick(qt_control_widget(10), Qt::LeftButton);
    QTest::mouseClick(qt_control_widget(30), Qt::LeftButton);
    QTest::mouseClick(qt_control_widget(33), Qt::LeftButton);
    EXPECT_EQ(take_events(), (std::vector<SeenEvent>{control_event(0, 10, EventTypeSingleClick),
                                                     control_event(0, 30, EventTypeSingleClick),
                                                     control_event(0, 33, EventTypeSingleClick)}));
    EXPECT_EQ(get_control_state(30), 1);
    set_control_state(30, 0);
    EXPECT_EQ(get_control_state(30), 0);
    EXPECT_TRUE(take_events().empty());

    // The image shows, and greyed while the button is disabled.
    auto* image_button = static_cast<QToolButton*>(qt_control_widget(33));
    const QIcon icon = image_button->icon();
    ASSERT_FALSE(icon.isNull());
    const QImage normal = icon.pixmap(16, 16, QIcon::Normal).toImage();
    const QImage disabled = icon.pixmap(16, 16, QIcon::Disabled).toImage();
    EXPECT_EQ(QColor(normal.pixel(8, 8)), QColor(Qt::red));
    EXPECT_NE(QColor(disabled.pixel(8, 8)), QColor(Qt::red));
}

TEST_F(ControlEvents, FieldReportsUserEditsButNotTheProgramsOwn) {
    open_test_window(0);
    ASSERT_NE(create_text_field(11, 630, 280, 70, 20, "Hex-Dec-Hex", 0), 0u);
    ASSERT_NE(create_text_field(18, 630, 320, 70, 20, "4096", FieldReadOnly), 0u);
    auto* field = static_cast<QLineEdit*>(qt_control_widget(11));
    field->selectAll();
    QTest::keyClicks(field, "$c0");
    EXPECT_EQ(take_events(), (std::vector<SeenEvent>(3, control_event(0, 11, 768))));
    EXPECT_EQ(get_control_text(11), "$c0");

    ASSERT_TRUE(set_control_text(11, "49152"));
    EXPECT_EQ(get_control_text(11), "49152");
    auto* read_only = static_cast<QLineEdit*>(qt_control_widget(18));
    EXPECT_TRUE(read_only->isReadOnly());
    QTest::keyClicks(read_only, "1");
    EXPECT_EQ(get_control_text(18), "4096");
    EXPECT_TRUE(take_events().empty());
}

TEST_F(ControlEvents, LabelsProgressBarsAndEditorsGiveNoEvents) {
    open_test_window(0);
    ASSERT_NE(create_label(7, 630, 220, 70, 20, "Line #", LabelCentred | LabelSunkenBorder), 0u);
    ASSERT_NE(create_progress_bar(45, 10, 440, 620, 20, 0, 20), 0u);
    ASSERT_NE(create_editor(MainEditorId, 10, 40, 300, 200), 0u);
    auto* label = static_cast<QLabel*>(qt_control_widget(7));
    EXPECT_TRUE(label->alignment() & Qt::AlignHCenter);
    EXPECT_EQ(label->frameShadow(), QFrame::Sunken);
    QTest::mouseClick(label, Qt::LeftButton);

    auto* bar = static_cast<QProgressBar*>(qt_control_widget(45));
    EXPECT_FALSE(bar->isTextVisible());
    EXPECT_EQ(get_control_state(45), 0);
    set_control_state(45, 7);
    EXPECT_EQ(get_control_state(45), 7);
    set_control_state(45, 99);
    EXPECT_EQ(get_control_state(45), 20) << "a position past the range is held at its end";

    QWidget* editor = qt_editor_widget(MainEditorId);
    editor->setFocus();
    QTest::keyClicks(editor, "lda #1");
    EXPECT_EQ(editor_text(), "lda #1");
    EXPECT_TRUE(take_events().empty());
}

TEST_F(ControlEvents, MultiLineButtonWrapsItsCaption) {
    open_test_window(0);
    const char* caption = "Refresh Variables/Lables             Code Start";
    ASSERT_NE(create_button(4, 630, 30, 150, 30, caption, ButtonMultiline), 0u);
    EXPECT_EQ(get_control_text(4), caption);
    EXPECT_EQ(inspect_control(4).text, caption);
    QWidget* button = qt_control_widget(4);
    auto* shown = button->findChild<QLabel*>();
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(shown->wordWrap());
    const QFontMetrics metrics(shown->font());
    EXPECT_GT(metrics.horizontalAdvance(QString::fromLatin1(caption)), shown->width())
        << "the caption is wider than one line";
    EXPECT_GE(shown->heightForWidth(shown->width()), 2 * metrics.lineSpacing()) << "so it wraps";
    EXPECT_LE(shown->heightForWidth(shown->width()), button->height());
    QTest::mouseClick(button, Qt::LeftButton, {}, shown->geometry().center());
    EXPECT_EQ(take_events(), (std::vector<SeenEvent>{control_event(0, 4, EventTypeSingleClick)}));
}

TEST_F(ControlEvents, TooltipsAndTheControlsOfAWindow) {
    open_test_window(0);
    ASSERT_NE(create_text_field(2, 10, 20, 620, 20, "Current Source", FieldReadOnly), 0u);
    ASSERT_NE(create_button(12, 710, 260, 70, 20, "Ascii Value", 0), 0u);
    set_tooltip(12, "Show ASCII Value Of Character Entered");
    EXPECT_EQ(qt_control_widget(12)->toolTip(), QStringLiteral("Show ASCII Value Of Character Entered"));
    const ControlInfo info = inspect_control(12);
    EXPECT_EQ(info.kind, ControlKind::Button);
    EXPECT_EQ(info.tooltip, "Show ASCII Value Of Character Entered");
    EXPECT_EQ((std::vector<int32_t>{info.x, info.y, info.width, info.height}),
              (std::vector<int32_t>{710, 260, 70, 20}));
    EXPECT_EQ(controls_of_window(0), (std::vector<int32_t>{2, 12}));
    EXPECT_EQ(qt_control_widget(12)->parentWidget(), qt_client_widget(0));
}

}  // namespace
}  // namespace tarvok::gui
