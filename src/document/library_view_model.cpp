#include "document/library_view_model.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QLocale>
#include <QPointer>
#include <QSettings>
#include <QtConcurrent/QtConcurrentRun>

#include "common/file_path.h"
#include "document/library_folder_loader.h"

namespace vostrel {
namespace {

using LibraryItem = LibraryViewModel::LibraryItem;
using LoadResult = std::optional<QList<LibraryItem>>;

// A document name cannot leave the folder: path separators become hyphens, so a copy of
// "../notes" is still made beside its source.
QString fileNameFor(QString documentName) {
    documentName.replace(u'/', u'-').replace(QChar(0), u'-');
    return documentName + QStringLiteral(" copy.vostrel");
}

}  // namespace

LibraryViewModel::LibraryViewModel(QObject* parent) : QObject(parent) {
    loadExecutor_.setMaxThreadCount(1);
    // Windows still open at quit are never deleted, and a load drawing thumbnails after the
    // application object has gone would crash; it stops when the application quits.
    if (QCoreApplication* application = QCoreApplication::instance()) {
        connect(application, &QCoreApplication::aboutToQuit, this, [this] {
            stopLoading();
            loadExecutor_.waitForDone();
        });
    }
    const QString stored = QSettings().value(QLatin1String(folderSettingKey)).toString();
    if (!stored.isEmpty() && QFileInfo(stored).isDir())
        folderURL_ = QUrl::fromLocalFile(QFileInfo(stored).absoluteFilePath());
}

// A load still running has nobody to publish to: it stops at its next file, and the executor
// waits for that before the model goes.
LibraryViewModel::~LibraryViewModel() {
    stopLoading();
}

void LibraryViewModel::stopLoading() {
    if (cancelCurrentLoad_) *cancelCurrentLoad_ = true;
}

void LibraryViewModel::setSearchText(const QString& text) {
    if (text == searchText_) return;
    searchText_ = text;
    Q_EMIT searchTextChanged();
}

QList<LibraryItem> LibraryViewModel::filteredDocuments() const {
    if (searchText_.isEmpty()) return documents_;
    const QLocale locale;
    const QString wanted = locale.toLower(searchText_);
    QList<LibraryItem> found;
    for (const LibraryItem& item : documents_) {
        if (locale.toLower(item.name).contains(wanted)) found << item;
    }
    return found;
}

void LibraryViewModel::chooseFolder() {
    if (!folderPicker_) return;
    folderPicker_([model = QPointer(this)](const QString& folder) {
        if (model && !folder.isEmpty()) model->useFolder(folder);
    });
}

void LibraryViewModel::useFolder(const QString& folder) {
    const QString absolute = QFileInfo(folder).absoluteFilePath();
    QSettings().setValue(QLatin1String(folderSettingKey), absolute);
    setFolder(absolute);
    loadDocuments();
}

void LibraryViewModel::setFolder(const QString& folder) {
    const QUrl url = QUrl::fromLocalFile(folder);
    if (folderURL_ == url) return;
    folderURL_ = url;
    Q_EMIT folderURLChanged();
}

void LibraryViewModel::loadDocuments() {
    if (!folderURL_) return;
    stopLoading();
    auto cancelled = std::make_shared<std::atomic_bool>(false);
    cancelCurrentLoad_ = cancelled;
    const quint64 load = ++latestLoad_;
    trashedDuringLoad_.clear();
    auto* watcher = new QFutureWatcher<LoadResult>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, load] {
        watcher->deleteLater();
        if (load == latestLoad_) finishLoad(watcher->result());
    });
    setLoading(true);
    watcher->setFuture(QtConcurrent::run(
        &loadExecutor_, [folder = folderURL_->toLocalFile(), cancelled]() -> LoadResult {
            return loadLibraryFolder(folder, *cancelled);
        }));
}

void LibraryViewModel::finishLoad(std::optional<QList<LibraryItem>> items) {
    cancelCurrentLoad_.reset();
    if (items) {
        items->removeIf(
            [this](const LibraryItem& item) { return trashedDuringLoad_.contains(item.url); });
        setDocuments(std::move(*items));
    }
    trashedDuringLoad_.clear();
    setLoading(false);
}

void LibraryViewModel::duplicateDocument(const LibraryItem& item) {
    const QFileInfo source(item.url.toLocalFile());
    // QFile::copy never replaces an existing file; a second duplicate simply does not happen.
    QFile::copy(source.filePath(), source.dir().filePath(fileNameFor(item.name)));
    loadDocuments();
}

// A file that could not be trashed keeps its tile: taking it away would tell the user it was
// deleted while it is still there.
void LibraryViewModel::deleteDocument(const LibraryItem& item) {
    const QString path = item.url.toLocalFile();
    if (!moveFileToTrash(path) && QFileInfo::exists(path)) return;
    if (loading_) trashedDuringLoad_ << item.url;
    QList<LibraryItem> remaining = documents_;
    if (remaining.removeIf([&](const LibraryItem& entry) { return entry.url == item.url; }) > 0)
        setDocuments(std::move(remaining));
}

// Every load publishes: telling a new list from the old one would compare every thumbnail's
// pixels, which costs more on the main thread than showing the list again.
void LibraryViewModel::setDocuments(QList<LibraryItem> documents) {
    documents_ = std::move(documents);
    Q_EMIT documentsChanged();
}

void LibraryViewModel::setLoading(bool loading) {
    if (loading == loading_) return;
    loading_ = loading;
    Q_EMIT loadingChanged();
}

}  // namespace vostrel
