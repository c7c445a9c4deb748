#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QUndoStack>

#include "document/vostrel_document.h"
#include "ui/editor/content_type_picker.h"
#include "ui/editor/forms/content_form.h"
#include "ui/editor/sidebar_view.h"

using namespace vostrel;

namespace {

// A sidebar on a real document and undo stack, shown on the offscreen screen.
struct Sidebar {
    VostrelDocument document;
    QUndoStack undo;
    SidebarView view{&document, &undo};

    Sidebar() {
        view.resize(300, 900);
        view.show();
    }

    void choose(ContentType type) { QTest::mouseClick(view.picker()->chip(type), Qt::LeftButton); }

    template <class Field = QLineEdit>
    Field* field(int index) const {
        const auto fields = view.form()->findChildren<Field*>();
        return index < fields.size() ? fields[index] : nullptr;
    }

    void type(QWidget* field, const QString& text) {
        field->setFocus();
        QTest::keyClicks(field, text);
    }

    QString payload() const { return document.content().payload(); }
};

}  // namespace

TEST(Sidebar, TypingInEachFormChangesTheDocumentsPayload) {
    Sidebar sidebar;
    sidebar.type(sidebar.field(0), "example.org");
    EXPECT_EQ(sidebar.payload(), "example.org");

    sidebar.choose(ContentType::text);
    sidebar.type(sidebar.field<QPlainTextEdit>(0), "hi there");
    EXPECT_EQ(sidebar.payload(), "hi there");
    sidebar.choose(ContentType::phone);
    sidebar.type(sidebar.field(0), "+46 8");
    EXPECT_EQ(sidebar.payload(), "tel:+46 8");
    sidebar.choose(ContentType::sms);
    sidebar.type(sidebar.field(0), "112");
    sidebar.type(sidebar.field<QPlainTextEdit>(0), "Help");
    EXPECT_EQ(sidebar.payload(), "smsto:112:Help");
    sidebar.choose(ContentType::email);
    sidebar.type(sidebar.field(0), "a@b.se");
    sidebar.type(sidebar.field(1), "Hi you");
    EXPECT_EQ(sidebar.payload(), "mailto:a@b.se?subject=Hi%20you");
    sidebar.choose(ContentType::contact);
    sidebar.type(sidebar.field(1), "Lovelace");
    sidebar.type(sidebar.field(4), "ada@example.org");
    EXPECT_EQ(sidebar.payload(),
              "BEGIN:VCARD\nVERSION:3.0\nFN:Lovelace\nEMAIL:ada@example.org\nEND:VCARD");
}

// What a form cannot put in the code stays in the form: the password of an open network, text
// that is not a number, a message longer than the payee's code takes.
TEST(Sidebar, FormsKeepWhatTheCodeLeavesOut) {
    Sidebar sidebar;
    sidebar.choose(ContentType::wifi);
    sidebar.type(sidebar.field(0), "Home");
    QLineEdit* password = sidebar.field(1);
    EXPECT_EQ(password->echoMode(), QLineEdit::Password);
    sidebar.type(password, "secret");
    sidebar.field<QComboBox>(0)->setCurrentIndex(2);
    sidebar.field<QCheckBox>(0)->click();
    EXPECT_TRUE(password->isVisible());
    EXPECT_EQ(sidebar.document.content().get<ContentType::wifi>()->password, "secret");
    EXPECT_EQ(sidebar.payload(), "WIFI:T:nopass;S:Home;;H:true;;");

    sidebar.choose(ContentType::location);
    QLineEdit* latitude = sidebar.field(0);
    latitude->selectAll();
    sidebar.type(latitude, QLocale().toString(59.5));
    EXPECT_EQ(sidebar.document.content().get<ContentType::location>()->latitude, 59.5);
    latitude->selectAll();
    sidebar.type(latitude, "abc");
    EXPECT_EQ(sidebar.document.content().get<ContentType::location>()->latitude, 59.5);
    EXPECT_EQ(latitude->text(), "abc");  // what is typed stays on screen

    sidebar.choose(ContentType::swish);
    QLabel* preview = nullptr;
    for (QLabel* label : sidebar.view.form()->findChildren<QLabel*>()) {
        if (label->text().startsWith("Will encode as") || label->text().isEmpty()) preview = label;
    }
    ASSERT_TRUE(preview);
    EXPECT_FALSE(preview->isVisible());
    sidebar.type(sidebar.field(0), "0046 70-123 45 67");
    EXPECT_TRUE(preview->isVisible());
    EXPECT_EQ(preview->text(), "Will encode as 46701234567");
    const QString longMessage(71, u'm');
    sidebar.type(sidebar.field(2), longMessage);
    EXPECT_EQ(sidebar.document.content().get<ContentType::swish>()->message, longMessage);
    sidebar.field(0)->clear();
    EXPECT_FALSE(preview->isVisible());
}

TEST(Sidebar, CalendarPickersKeepUntouchedInstantsExact) {
    Sidebar sidebar;
    CalendarContent event{"Launch", Instant{123.456789}, Instant{-50.0}, "", ""};
    sidebar.document.setContent(QRContent::calendar(event));
    sidebar.type(sidebar.field(0), "!");
    const auto* edited = sidebar.document.content().get<ContentType::calendar>();
    EXPECT_EQ(edited->title, "Launch!");
    EXPECT_EQ(edited->startDate, event.startDate);
    EXPECT_EQ(edited->endDate, event.endDate);  // an end before the start is kept

    sidebar.field<QDateTimeEdit>(0)->setDateTime(QDateTime(QDate(2030, 5, 1), QTime(9, 30)));
    EXPECT_EQ(sidebar.document.content().get<ContentType::calendar>()->startDate,
              Instant::fromDateTime(QDateTime(QDate(2030, 5, 1), QTime(9, 30))));

    // Stepping down the minutes of a shown 23:59:10 picks 23:58, not 23:58:10.
    auto* end = sidebar.field<QDateTimeEdit>(1);
    const QDateTime shown = end->dateTime();
    ASSERT_NE(shown.time().second(), 0);
    end->setCurrentSection(QDateTimeEdit::MinuteSection);
    end->stepBy(-1);  // what the Down key does
    const QDateTime picked(shown.date(), QTime(shown.time().hour(), shown.time().minute()));
    EXPECT_EQ(sidebar.document.content().get<ContentType::calendar>()->endDate,
              Instant::fromDateTime(picked.addSecs(-60)));
}

TEST(Sidebar, KindSwitchesAreUndoableAndRestoreWhatWasTyped) {
    Sidebar sidebar;
    sidebar.type(sidebar.field(0), "example.org");
    sidebar.choose(ContentType::text);
    sidebar.type(sidebar.field<QPlainTextEdit>(0), "note");
    sidebar.choose(ContentType::url);
    EXPECT_EQ(sidebar.field(0)->text(), "example.org");
    EXPECT_EQ(sidebar.undo.undoText(), "Switch to URL");
    EXPECT_EQ(sidebar.undo.count(), 2);

    sidebar.choose(ContentType::url);  // the current kind: nothing happens
    EXPECT_EQ(sidebar.undo.count(), 2);

    sidebar.undo.undo();
    EXPECT_EQ(sidebar.view.picker()->currentType(), ContentType::text);
    EXPECT_EQ(sidebar.field<QPlainTextEdit>(0)->toPlainText(), "note");
    sidebar.undo.redo();
    EXPECT_EQ(sidebar.payload(), "example.org");
}

// A focus the program gives (after opening a document, after Undo) must not look like a second
// selection; once the user moves the focus with the keyboard, the style's focus frame shows.
TEST(ContentTypePicker, FocusShowsOnlyAfterKeyboardNavigation) {
    ContentTypePicker picker;
    picker.resize(400, 200);
    picker.show();
    QApplication::setActiveWindow(&picker);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&picker));
    ContentTypeChip* chip = picker.chip(ContentType::url);
    ContentTypeChip* next = picker.chip(ContentType::text);
    const QImage resting = chip->grab().toImage();
    const QImage nextResting = next->grab().toImage();

    chip->setFocus(Qt::OtherFocusReason);
    ASSERT_TRUE(chip->hasFocus());
    EXPECT_EQ(chip->grab().toImage(), resting);

    QTest::keyClick(chip, Qt::Key_Tab);
    ASSERT_TRUE(next->hasFocus());
    EXPECT_NE(next->grab().toImage(), nextResting);
}
