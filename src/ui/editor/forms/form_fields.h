#pragma once

#include <QString>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QWidget;

namespace vostrel {

// What assistive technology announces for a control; empty parts are left to the visible label.
struct AccessibleText {
    QString name;
    QString hint;
};

void setAccessibleText(QWidget* widget, const AccessibleText& text);

// The small secondary-coloured caption above a field, or below a group as a remark.
QLabel* makeCaption(const QString& text, qreal relativeSize = 0.85);

QLineEdit* makeLineEdit(const QString& placeholder);
QPlainTextEdit* makeTextEditor(int minimumHeight);
QCheckBox* makeToggle(const QString& text);

// Replace a field's text only when it differs, so that a field the user is typing in keeps its
// cursor and selection when the document reports back what was just typed.
void showText(QLineEdit* field, const QString& text);
void showText(QPlainTextEdit* editor, const QString& text);

}  // namespace vostrel
