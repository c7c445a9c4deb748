#pragma once

#include <QAbstractButton>
#include <QStringList>
#include <QWidget>

class QStackedLayout;
class QVBoxLayout;

namespace vostrel {

// The Vostrel documents among the recently used files, in their order: only paths whose
// extension is "vostrel" in any letter case, each file once. Two paths name the same file when
// they resolve to the same canonical path (or, for a file that is gone, the same cleaned
// absolute path); the first of them stays.
QStringList recentVostrels(const QStringList& paths);

// One row of the recent list: a QR tile, the document's name, its folder and a chevron.
class RecentDocumentRow : public QAbstractButton {
    Q_OBJECT

  public:
    explicit RecentDocumentRow(const QString& path, QWidget* parent = nullptr);

    const QString& path() const { return path_; }
    QString name() const;
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    QString path_;
    bool hovering_ = false;
};

// "Recent Vostrels": a scrolling list with a row per document, or, with none, a few words on
// where the list comes from.
class RecentDocumentsList : public QWidget {
    Q_OBJECT

  public:
    explicit RecentDocumentsList(QWidget* parent = nullptr);

    void setPaths(const QStringList& paths);
    const QStringList& paths() const { return paths_; }
    QList<RecentDocumentRow*> rows() const;
    bool showsEmptyState() const;

  Q_SIGNALS:
    void openRequested(const QString& path);

  private:
    QWidget* makeEmptyState();

    QStringList paths_;
    QStackedLayout* pages_;
    QWidget* emptyState_;
    QVBoxLayout* rowsLayout_;
};

}  // namespace vostrel
