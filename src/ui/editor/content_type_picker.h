#pragma once

#include <QAbstractButton>
#include <QWidget>
#include <array>

#include "content/content_type.h"

namespace vostrel {

// One kind of content as a chip: its icon and name on a rounded, outlined card that takes the
// accent colour while selected.
class ContentTypeChip : public QAbstractButton {
    Q_OBJECT

  public:
    ContentTypeChip(ContentType type, QWidget* parent = nullptr);

    ContentType type() const { return type_; }
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    ContentType type_;
};

// The caption "Content Type" over a wrapping row of the ten chips. Choosing a chip other than the
// current one asks for that kind; the owner switches the document and calls setCurrentType.
class ContentTypePicker : public QWidget {
    Q_OBJECT

  public:
    explicit ContentTypePicker(QWidget* parent = nullptr);

    void setCurrentType(ContentType type);
    ContentType currentType() const { return current_; }
    ContentTypeChip* chip(ContentType type) const;

  Q_SIGNALS:
    void typeChosen(ContentType type);

  private:
    ContentType current_ = ContentType::url;
    std::array<ContentTypeChip*, 10> chips_{};
};

}  // namespace vostrel
