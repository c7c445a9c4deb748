#include "batch_sheet_shot.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include "app/document_window.h"
#include "ui/editor/batch/batch_csv_pane.h"
#include "ui/editor/batch/batch_export_panel.h"
#include "ui/editor/batch/batch_input_view.h"
#include "ui/editor/batch/batch_progress_view.h"
#include "ui/editor/batch/batch_settings_rows.h"
#include "ui/editor/document_view.h"
#include "ui/widgets/segmented_control.h"

namespace {

using vostrel::BatchExportPanel;

QString webAddresses(int count) {
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << QStringLiteral("https://shop.example.com/products/item-%1").arg(i);
    return lines.join(u'\n');
}

QString writeContacts(const QTemporaryDir& folder) {
    const QString path = folder.filePath(QStringLiteral("people.csv"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return {};
    file.write(
        "First Name,Last Name,Company,Email,Phone,Website,Notes\n"
        "Ada,Lovelace,Analytical Engines,ada@engines.example,+44 20 7946 0001,,mathematician\n"
        "Grace,Hopper,US Navy,grace@navy.example,+1 202 555 0102,,compilers\n"
        "Alan,Turing,Bletchley Park,alan@bletchley.example,+44 1908 640404,,codebreaker\n"
        "Katherine,Johnson,NASA,katherine@nasa.example,+1 757 555 0199,,trajectories\n"
        "Edsger,Dijkstra,TU Eindhoven,edsger@tue.example,+31 40 247 9111,,shortest paths\n"
        "Barbara,Liskov,MIT,barbara@mit.example,+1 617 555 0142,,substitution\n");
    return path;
}

bool showsWanted(const BatchExportPanel* panel, const QString& screen) {
    if (screen == "progress") {
        return panel->screen() == BatchExportPanel::Screen::progress &&
               panel->progressView()->bar()->value() >= 9;
    }
    if (screen == "summary") return panel->screen() == BatchExportPanel::Screen::summary;
    return true;
}

}  // namespace

void shootBatchSheet(vostrel::DocumentWindow* window, const QString& screen, const QString& out) {
    static QTemporaryDir folder;
    window->view()->showBatchExportPanel();
    auto* panel = window->findChild<BatchExportPanel*>();
    vostrel::BatchInputView* input = panel->inputView();
    if (screen.startsWith("contact")) {
        input->kindPicker()->segment(int(vostrel::BatchContentType::contact))->click();
        if (screen == "contacts") input->csvPane()->importFile(writeContacts(folder));
    } else {
        input->textArea()->setPlainText(webAddresses(screen == "summary" ? 12 : 60));
    }
    if (screen == "progress" || screen == "summary") {
        input->settings()->setDestination(folder.filePath(QStringLiteral("qr-batch")));
        input->generateButton()->click();
    }
    auto* poll = new QTimer(panel);
    QObject::connect(poll, &QTimer::timeout, panel, [=] {
        if (!showsWanted(panel, screen)) return;
        poll->stop();
        const bool saved = panel->grab().save(out);
        window->setWindowModified(false);
        QApplication::exit(saved ? 0 : 1);
    });
    poll->start(20);
}
