#pragma once

#include <QList>
#include <QString>
#include <QWidget>

#include "companions/occasion.h"
#include "companions/release_note.h"

class QLabel;

namespace vostrel {

class JournalEntry;
class MascotArea;

// Who the application says it is. An empty field shows as its default: the name "Vostrel", the
// version and build "—".
struct ApplicationInfo {
    QString name;
    QString version;
    QString build;

    // "Version 0.1.0 (build 3f2c1ab)"
    QString versionLine() const;
    QString displayName() const;
};

// The "About Vostrel" window: the name and version, a tagline, the mascot (in its party hat on
// festive days) and the field journal of release notes, newest first as given.
class AboutView : public QWidget {
    Q_OBJECT

  public:
    AboutView(const ApplicationInfo& info, const QList<ReleaseNote>& notes,
              const ActiveOccasions& occasions, QWidget* parent = nullptr);

    MascotArea* mascot() const { return mascot_; }
    QList<JournalEntry*> entries() const;
    // "3 entries"; shown beside the journal's heading.
    QString entryCount() const;
    // Shown instead of the entries when there are none.
    bool showsEmptyJournal() const { return emptyJournal_ != nullptr; }

  private:
    QLayout* buildHeading(const ApplicationInfo& info);
    QWidget* buildMascot(const ActiveOccasions& occasions);
    QLayout* buildJournalHeader(int count);
    QWidget* buildJournal(const QList<ReleaseNote>& notes);

    MascotArea* mascot_ = nullptr;
    QLabel* entryCount_ = nullptr;
    QLabel* emptyJournal_ = nullptr;
};

}  // namespace vostrel
