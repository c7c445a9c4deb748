#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>
#include <QWidget>
#include <functional>
#include <vector>

#include "content/qr_content.h"
#include "ui/editor/forms/form_fields.h"

namespace vostrel {

// The form of one kind of content: field groups stacked 12 px apart and a footer with the logo and
// a remark about the kind. Every edit reports the whole content of the form's kind at once; what
// is typed is stored as it is.
class ContentForm : public QWidget {
    Q_OBJECT

  public:
    ContentType kind() const { return kind_; }

    // Shows `content` when it is of this form's kind and the kind's empty content otherwise,
    // without reporting it back as an edit.
    void showContent(const QRContent& content);

  Q_SIGNALS:
    void contentEdited(const QRContent& content);
    void aboutRequested();

  protected:
    ContentForm(ContentType kind, const QString& remark, QWidget* parent);

    // Shows content of this form's kind.
    virtual void display(const QRContent& content) = 0;
    bool isDisplaying() const { return displaying_; }

    // Each adds one group above the footer: a caption (when given) over the control.
    void addGroup(const QString& caption, QWidget* control);
    void addGroup(const QString& caption, QWidget* control, QWidget* below);
    void addControl(QWidget* control) { addGroup({}, control); }

  private:
    ContentType kind_;
    QVBoxLayout* groups_;
    bool displaying_ = false;
};

// A form over the record of kind K. Fields are bound to the record when they are added: an edit
// changes the one field in the form's copy of the record and reports the whole record, and
// showing a record refreshes every field. Working on the record rather than re-reading every
// widget keeps values exact that a widget shows rounded (instants, coordinates).
template <ContentType K>
class RecordForm : public ContentForm {
  protected:
    using Record = QRContent::Payload<K>;
    using ContentForm::ContentForm;

    void display(const QRContent& content) final {
        record_ = *content.get<K>();
        for (const auto& refresh : refreshers_) refresh(record_);
    }

    // Applies `change` to the record and reports the new content, unless the form is only being
    // shown a value.
    template <class Change>
    void edit(Change change) {
        if (isDisplaying()) return;
        change(record_);
        const QRContent content = QRContent::of<K>(record_);
        // Fields derived from others (the Swish preview line) follow at once.
        showContent(content);
        Q_EMIT contentEdited(content);
    }

    void onShow(std::function<void(const Record&)> refresh) {
        refreshers_.push_back(std::move(refresh));
    }

    // Binds a text field to a string field of the record.
    template <class Field>
    void bindText(Field* field, QString Record::*member) {
        bindTextTo(
            field, [member](auto& record) -> auto& { return record.*member; });
    }

    // Binds a text field to the record itself, for the kinds that carry a plain string.
    template <class Field>
    void bindText(Field* field) {
        bindTextTo(
            field, [](auto& record) -> auto& { return record; });
    }

    void bindToggle(QCheckBox* toggle, bool Record::*member) {
        connect(toggle, &QCheckBox::toggled, this,
                [this, member](bool on) { edit([&](Record& record) { record.*member = on; }); });
        onShow([toggle, member](const Record& record) { toggle->setChecked(record.*member); });
    }

  private:
    template <class Field, class Access>
    void bindTextTo(Field* field, Access access) {
        connect(field, &Field::textChanged, this, [this, field, access] {
            edit([&](Record& record) { access(record) = currentText(field); });
        });
        onShow([field, access](const Record& record) { showText(field, access(record)); });
    }

    static QString currentText(const QLineEdit* field) { return field->text(); }
    static QString currentText(const QPlainTextEdit* editor) { return editor->toPlainText(); }

    Record record_{};
    std::vector<std::function<void(const Record&)>> refreshers_;
};

}  // namespace vostrel
