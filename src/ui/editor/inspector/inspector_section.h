#pragma once

#include <QWidget>
#include <functional>

#include "render/qr_style.h"

class QVBoxLayout;

namespace vostrel {

class VostrelDocument;

// One titled group of the style inspector. It shows the document's style whenever the style
// changes and writes each edit straight back as a plain assignment: no undo step, except where a
// section says otherwise.
class InspectorSection : public QWidget {
    Q_OBJECT

  public:
    InspectorSection(const QString& title, VostrelDocument* document, QWidget* parent = nullptr);

  protected:
    // Puts the style into the controls without reporting edits. Subclasses call refresh() at
    // the end of their constructor.
    virtual void showStyle(const QRStyle& style) = 0;
    void refresh();

    // Applies `edit` to a copy of the document's style and assigns it.
    void editStyle(const std::function<void(QRStyle&)>& edit);

    VostrelDocument* document() const { return document_; }
    QVBoxLayout* body() const { return body_; }

  private:
    VostrelDocument* document_;
    QVBoxLayout* body_;
};

// The information row "Error correction set to H for logo" with its info symbol, where the logo
// settings and the error-correction picker say why symbols are made at H.
QWidget* makeLogoCorrectionNote();

// A row of a label on the left and `field` on the right.
QWidget* makeLabelledRow(const QString& label, QWidget* field, QWidget* besideLabel = nullptr);

}  // namespace vostrel
