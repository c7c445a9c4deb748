#include <QLocale>

#include "ui/editor/forms/content_forms.h"

namespace vostrel {

namespace {

// A coordinate in the user's locale: the field writes back only text that reads as a number, so
// half-typed or mistyped text leaves the stored value as it was, and it is not reformatted while
// it still reads as the stored value ("59.30" stays as typed).
class LocationForm : public RecordForm<ContentType::location> {
  public:
    explicit LocationForm(QWidget* parent)
        : RecordForm(ContentType::location, tr("Scan to drop a pin — no address dictation needed"),
                     parent) {
        addCoordinate(tr("Latitude"), QStringLiteral("59.3293"), &LocationContent::latitude);
        addCoordinate(tr("Longitude"), QStringLiteral("18.0686"), &LocationContent::longitude);
        addControl(makeCaption(tr("Enter coordinates in decimal degrees")));
    }

  private:
    void addCoordinate(const QString& caption, const QString& placeholder,
                       double LocationContent::*member) {
        QLineEdit* field = makeLineEdit(placeholder);
        field->setInputMethodHints(Qt::ImhFormattedNumbersOnly);
        addGroup(caption, field);
        connect(field, &QLineEdit::textChanged, this, [this, member](const QString& text) {
            if (const auto value = parsed(text)) {
                edit([&](LocationContent& record) { record.*member = *value; });
            }
        });
        onShow([field, member](const LocationContent& record) {
            if (parsed(field->text()) != record.*member) {
                field->setText(
                    QLocale().toString(record.*member, 'g', QLocale::FloatingPointShortest));
            }
        });
    }

    static std::optional<double> parsed(const QString& text) {
        bool ok = false;
        const double value = QLocale().toDouble(text.trimmed(), &ok);
        return ok && std::isfinite(value) ? std::optional(value) : std::nullopt;
    }
};

}  // namespace

ContentForm* makeLocationForm(QWidget* parent) {
    return new LocationForm(parent);
}

}  // namespace vostrel
