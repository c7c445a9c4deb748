#pragma once

#include <QObject>

class QAction;
class QMessageBox;
class QWidget;

namespace vostrel {

class Updater;
struct UpdateCheckResult;

// "Check for Updates…" in every Help menu: one action for the whole application, enabled while
// the updater can start a check, which starts one and shows what it found.
class UpdateCommand : public QObject {
    Q_OBJECT

  public:
    UpdateCommand(Updater* updater, QObject* parent = nullptr);

    QAction* action() const { return action_; }

    // The box telling the user what the check found, not yet shown; when a newer version exists
    // it offers "Open Page", which opens that version's page in the browser.
    static QMessageBox* makeResultBox(const UpdateCheckResult& result, QWidget* parent);

  private:
    void showResult(const UpdateCheckResult& result);

    Updater* updater_;
    QAction* action_;
};

}  // namespace vostrel
