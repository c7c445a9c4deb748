#include "ui/editor/forms/form_fields.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <limits>

#include "ui/widgets/fonts.h"

namespace vostrel {

void setAccessibleText(QWidget* widget, const AccessibleText& text) {
    if (!text.name.isEmpty()) widget->setAccessibleName(text.name);
    if (!text.hint.isEmpty()) {
        widget->setAccessibleDescription(text.hint);
        widget->setToolTip(text.hint);
    }
}

QLabel* makeCaption(const QString& text, qreal relativeSize) {
    auto* label = new QLabel(text);
    label->setFont(scaledFont(label->font(), relativeSize));
    label->setForegroundRole(QPalette::PlaceholderText);
    label->setWordWrap(true);
    return label;
}

QLineEdit* makeLineEdit(const QString& placeholder) {
    auto* field = new QLineEdit;
    field->setPlaceholderText(placeholder);
    // Nothing typed is limited: QLineEdit would otherwise cut text at 32767 characters.
    field->setMaxLength(std::numeric_limits<int>::max());
    field->setClearButtonEnabled(true);
    return field;
}

QPlainTextEdit* makeTextEditor(int minimumHeight) {
    auto* editor = new QPlainTextEdit;
    editor->setMinimumHeight(minimumHeight);
    editor->setTabChangesFocus(true);
    return editor;
}

QCheckBox* makeToggle(const QString& text) {
    return new QCheckBox(text);
}

void showText(QLineEdit* field, const QString& text) {
    if (field->text() != text) field->setText(text);
}

void showText(QPlainTextEdit* editor, const QString& text) {
    if (editor->toPlainText() != text) editor->setPlainText(text);
}

}  // namespace vostrel
