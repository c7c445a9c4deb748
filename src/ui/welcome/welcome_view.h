#pragma once

#include <QPoint>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <optional>

#include "common/expected.h"
#include "companions/welcome_period.h"

class QAbstractButton;
class QLabel;
class QMenu;
class QToolButton;

namespace vostrel {

class MascotArea;
class QuipRotation;
class RecentDocumentsList;
class WelcomeScenery;

// The window shown at launch, "Welcome to Vostrel": a meadow with the mascot and its rotating
// quips on one side; on the other a greeting for the time of day, "Start fresh", "Open a
// Vostrel…" and the recent documents. It has no title bar of its own: it is dragged by its
// background and closed with its own button (or Ctrl+W), so it can be moved and closed on every
// desktop. Opening a document closes it.
class WelcomeView : public QWidget {
    Q_OBJECT

  public:
    // What the window asks of the application; it knows nothing of documents itself.
    struct Actions {
        std::function<void()> startFresh;
        // Shows the file chooser over the window; the file picked comes back through open().
        std::function<void(WelcomeView* window)> chooseFile;
        // Opens the document (or raises its window); the error is a sentence for the user.
        std::function<Expected<void, QString>(const QString& path)> open;
        std::function<QStringList()> recentPaths;  // most recent first
    };

    static constexpr QSize defaultSize{820, 600};

    explicit WelcomeView(Actions actions, QWidget* parent = nullptr);

    // Rereads the recent documents and the time of day; runs whenever the window is shown or
    // activated and every minute, since Qt reports no change of time zone on Linux.
    void refresh();
    // Opens the document and closes this window, or says why it could not.
    void open(const QString& path);

    WelcomePeriod period() const { return period_; }
    QString quip() const;
    QuipRotation* quipRotation() const { return quips_; }
    MascotArea* mascot() const { return mascot_; }
    QAbstractButton* startFreshButton() const { return startFresh_; }
    RecentDocumentsList* recentList() const { return recent_; }
    // What the open-failure alert says while it is up.
    const std::optional<QString>& openError() const { return openError_; }

    // The application's commands behind a menu button in the card's corner ("Main menu"), which
    // F10 also opens, as in GNOME applications. Their shortcuts work in this window.
    void setMainMenu(QMenu* menu);
    QToolButton* menuButton() const { return menuButton_; }

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QWidget* buildHero();
    QWidget* buildActionArea();
    QWidget* buildHeader();
    void addShortcuts();
    void showPeriod();
    void showQuip();
    void showOpenError(const QString& reason);

    Actions actions_;
    WelcomePeriod period_;
    QuipRotation* quips_;
    QTimer minute_;
    WelcomeScenery* scenery_ = nullptr;
    MascotArea* mascot_ = nullptr;
    QLabel* quipLabel_ = nullptr;
    QLabel* greetingIcon_ = nullptr;
    QLabel* greetingText_ = nullptr;
    QAbstractButton* startFresh_ = nullptr;
    QToolButton* menuButton_ = nullptr;
    RecentDocumentsList* recent_ = nullptr;
    std::optional<QString> openError_;
    bool opening_ = false;
    std::optional<QPoint> dragOffset_;  // set while dragging where the desktop cannot move us
};

}  // namespace vostrel
