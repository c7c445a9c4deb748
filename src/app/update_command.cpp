#include "app/update_command.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QPushButton>

#include "companions/updater.h"

namespace vostrel {

UpdateCommand::UpdateCommand(Updater* updater, QObject* parent)
    : QObject(parent), updater_(updater), action_(new QAction(tr("Check for Updates…"), this)) {
    action_->setMenuRole(QAction::ApplicationSpecificRole);
    action_->setEnabled(updater_->canCheckForUpdates());
    connect(updater_, &Updater::canCheckForUpdatesChanged, action_, &QAction::setEnabled);
    connect(action_, &QAction::triggered, updater_, &Updater::checkForUpdates);
    connect(updater_, &Updater::checkFinished, this, &UpdateCommand::showResult);
}

QMessageBox* UpdateCommand::makeResultBox(const UpdateCheckResult& result, QWidget* parent) {
    const bool failed = result.outcome == UpdateCheckResult::Outcome::failed;
    auto* box =
        new QMessageBox(failed ? QMessageBox::Warning : QMessageBox::Information,
                        tr("Check for Updates"), result.message(), QMessageBox::NoButton, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    if (result.outcome != UpdateCheckResult::Outcome::updateAvailable) {
        box->setStandardButtons(QMessageBox::Ok);
        return box;
    }
    box->setInformativeText(result.notes);
    QPushButton* open = box->addButton(tr("Open Page"), QMessageBox::AcceptRole);
    box->addButton(tr("Not Now"), QMessageBox::RejectRole);
    box->setDefaultButton(open);
    const QUrl link = result.link;
    connect(open, &QPushButton::clicked, box, [link] { QDesktopServices::openUrl(link); });
    return box;
}

void UpdateCommand::showResult(const UpdateCheckResult& result) {
    QWidget* parent = QApplication::activeWindow();
    QMessageBox* box = makeResultBox(result, parent);
    if (parent) {
        box->open();
    } else {
        box->show();
    }
}

}  // namespace vostrel
