#pragma once

#include <QFrame>

#include "companions/release_note.h"

namespace vostrel {

class TiltingAvatar;

// One page of the About window's field journal: the mascot's avatar, the version and its date in
// the user's locale, the title, the memoir and one line per highlight.
class JournalEntry : public QFrame {
    Q_OBJECT

  public:
    explicit JournalEntry(const ReleaseNote& note, QWidget* parent = nullptr);

    const ReleaseNote& note() const { return note_; }
    TiltingAvatar* avatar() const { return avatar_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QLayout* buildText();

    ReleaseNote note_;
    TiltingAvatar* avatar_;
};

}  // namespace vostrel
