#include <QDateTimeEdit>
#include <QFormLayout>
#include <QLocale>

#include "ui/editor/forms/content_forms.h"

namespace vostrel {

namespace {

class CalendarForm : public RecordForm<ContentType::calendar> {
  public:
    explicit CalendarForm(QWidget* parent)
        : RecordForm(ContentType::calendar,
                     tr("Scan to RSVP — the event lands right in their calendar"), parent) {
        QLineEdit* title = makeLineEdit(tr("Weekly standup"));
        addGroup(tr("Title"), title);
        bindText(title, &CalendarContent::title);

        auto* dates = new QWidget;
        auto* layout = new QFormLayout(dates);
        layout->setContentsMargins(0, 0, 0, 0);
        // The end is not tied to the start: an end before the start is kept as chosen.
        layout->addRow(tr("Start"), makeDatePicker(&CalendarContent::startDate));
        layout->addRow(tr("End"), makeDatePicker(&CalendarContent::endDate));
        addControl(dates);

        QLineEdit* location = makeLineEdit(tr("Room 42"));
        addGroup(tr("Location"), location);
        bindText(location, &CalendarContent::location);

        QPlainTextEdit* description = makeTextEditor(80);
        setAccessibleText(description, {tr("Event description"),
                                        tr("Enter a description for the calendar event")});
        addGroup(tr("Description"), description);
        bindText(description, &CalendarContent::description);
    }

  private:
    // A time the user picks is a whole minute: the picker hides the seconds of the value it was
    // shown, and keeps them in every edit unless they are dropped here.
    static QDateTime wholeMinute(QDateTime dateTime) {
        const QTime time = dateTime.time();
        dateTime.setTime(QTime(time.hour(), time.minute()));
        return dateTime;
    }

    // Date plus hour and minute in local time. Untouched pickers never write, so an instant
    // stored with seconds or fractions keeps them until the user picks another time.
    QDateTimeEdit* makeDatePicker(Instant CalendarContent::*member) {
        auto* picker = new QDateTimeEdit;
        picker->setCalendarPopup(true);
        picker->setDisplayFormat(
            QLocale().dateFormat(QLocale::ShortFormat) + QStringLiteral(" ") +
            QLocale().timeFormat(QLocale::ShortFormat).remove(QStringLiteral(":ss")));
        connect(picker, &QDateTimeEdit::dateTimeChanged, this,
                [this, member](const QDateTime& dateTime) {
                    edit([&](CalendarContent& record) {
                        record.*member = Instant::fromDateTime(wholeMinute(dateTime));
                    });
                });
        onShow([picker, member](const CalendarContent& record) {
            const QDateTime shown = (record.*member).toDateTime().toLocalTime();
            if (picker->dateTime() != shown) picker->setDateTime(shown);
        });
        return picker;
    }
};

}  // namespace

ContentForm* makeCalendarForm(QWidget* parent) {
    return new CalendarForm(parent);
}

}  // namespace vostrel
